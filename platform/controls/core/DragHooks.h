#pragma once

#include "platform/controls/core/Messages.h"
#include "platform/core/Types.h"

namespace plat {

class TControl;
class TWinControl;

// What a control needs of dragging and floating, plugged in from above. The drag itself
// (TDragSession) docks, so it knows windowed controls; a floating window is a form. Reaching
// either through these hooks keeps the control to its pair with TWinControl. The application
// installs both when it is made.

// The pointer must travel this far along either axis before a drag that was not immediate
// starts.
inline constexpr int kDefaultDragThresholdPx = 5;

// The running drag as a control reaches it (TControl::BeginDrag, EndDrag, Dragging, WndProc).
class IDragRunner {
public:
    // Starts a drag of Source unless one runs.
    virtual void Begin(TControl& Source, bool Immediate, int ThresholdPx) = 0;
    // True when the message belonged to the drag and must go no further.
    virtual bool Intercept(TControl& Receiver, TMessage& Message) = 0;
    virtual void End(bool Drop) = 0;
    virtual bool IsSource(const TControl& Control) const = 0;

protected:
    ~IDragRunner() = default;
};

void SetDragRunner(IDragRunner* Runner);
// nullptr until the application installed one: until then no drag starts.
IDragRunner* GetDragRunner();

// Makes the top-level window that holds a control docked to no site, its client area at
// ScreenRect (TCustomDockForm).
using TFloatingDockHostMaker = TWinControl* (*)(TControl& Client, const TRect& ScreenRect);
void SetFloatingDockHostMaker(TFloatingDockHostMaker Maker);
// Raises EInvalidOperation when no maker is installed.
TWinControl* MakeFloatingDockHost(TControl& Client, const TRect& ScreenRect);

}  // namespace plat
