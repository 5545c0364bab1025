#pragma once

#include "platform/controls/core/Messages.h"

namespace plat {

class TControl;

// Queues a message for Target: it is performed after the current handler has returned, in the
// order posted, through the message queue service (IMessageQueue). A null target is ignored.
void PostMessage(TControl* Target, unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);
// Performs the message at once and returns its result; 0 for a null target.
LRESULT SendMessage(TControl* Target, unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);

}  // namespace plat
