#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/controls/core/DragHooks.h"
#include "platform/controls/core/Messages.h"
#include "platform/core/Types.h"

namespace plat {

class TControl;
class TDragDockObject;
class TDragObject;
class TWinControl;

// The in-process drag: one at a time, driven by the mouse capture rather than by a loop of its
// own. BeginDrag gives the dragged control the capture; its moves, its release and the loss of
// the capture then reach the drag before the control's own handling (TControl::WndProc), and an
// Escape key ends it wherever the focus is. A drag that is not immediate waits for the pointer
// to pass the threshold; until then the control gets its mouse messages as usual, so that a
// click stays a click.
//
// Each move finds the control under the pointer (the finder the forms install: FindDragTarget)
// and tells it dsDragEnter, dsDragMove or dsDragLeave through DragOver, which answers whether it
// would take a drop. A dkDock drag looks up from there for a DockSite instead and asks its
// DockOver. The release drops on the target that accepted it last (DragDrop, or docking), else
// the dragged control hears DragCanceled; in every case it hears EndDrag last (OnEndDrag).
// Escape, the loss of the capture, a right button press and EndDrag(false) cancel. Handlers may
// free any of the controls involved: the drag checks after each call and ends quietly once its
// control is gone.
class TDragSession {
public:
    // The session as the controls reach it; the application installs it (SetDragRunner).
    static IDragRunner& Runner();

    static void Begin(TControl& Source, bool Immediate, int ThresholdPx);
    // True when the message belonged to the drag and must go no further.
    static bool Intercept(TControl& Receiver, TMessage& Message);
    static void End(bool Drop);
    static bool IsSource(const TControl& Control);
    // The running drag's object once it has passed its threshold, else nullptr.
    static TDragObject* ActiveObject();

private:
    static void Start(TPoint ScreenPos);
    static void Move(TPoint ScreenPos);
    // Asks Target's DragOver (DockOver for a dock drag); true when it would take the drop.
    static bool Notify(TControl& Target, TDragObject& Object, TDragState State);
    static bool DropDock(TControl& Source, TWinControl* Site, TDragDockObject& Dock);
};

// The control under a screen point, as FindDragTarget finds it; the forms install it.
using TDragTargetFinder = TControl* (*)(TPoint ScreenPos, bool AllowDisabled);
void SetDragTargetFinder(TDragTargetFinder Finder);

}  // namespace plat
