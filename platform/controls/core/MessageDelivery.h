#pragma once

#include "platform/controls/core/Messages.h"
#include "platform/core/Types.h"

#include <functional>
#include <optional>
#include <stop_token>

namespace plat {

class TControl;

// Queues a message for Target: it is performed after the current handler has returned, in the
// order posted, through the message queue service (IMessageQueue). A null target is ignored.
void PostMessage(TControl* Target, unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// Performs the message at once and returns its result; 0 for a null target.
LRESULT SendMessage(TControl* Target, unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);

// Sends from another thread: the message is performed on the user-interface thread at its next
// message-loop step (in tests, when the test pumps) while the caller waits. Nothing is delivered
// to a window that no longer exists then, nor when StillWanted (asked on the user-interface
// thread just before) says no. A stop requested through Stop ends the wait, and a message not
// yet delivered then is dropped. The result when the message was delivered. On the
// user-interface thread itself the message is performed at once.
std::optional<LRESULT> SendMessageFromThread(HWND Target, unsigned Msg, WPARAM WParam, LPARAM LParam,
                                             std::stop_token Stop, std::function<bool()> StillWanted = {});

}  // namespace plat
