#pragma once

// Layer-internal: the mouse half of the host widgets' event handling. Include only in .cpp
// files of the layer.

#include "platform/core/Types.h"

class QEvent;
class QWidget;

namespace plat {

class TControl;
class THostWidgetCore;

// Turns Qt mouse events into the control messages:
//   press:   WM_xBUTTONDOWN, or WM_xBUTTONDBLCLK when the same button went down on the same
//            window within the double-click time and distance (our detection, not Qt's);
//            controls without csDoubleClicks get another WM_xBUTTONDOWN instead;
//   release: WM_xBUTTONUP;
//   move:    WM_SETCURSOR to the window, CM_MOUSELEAVE / CM_MOUSEENTER when the control under
//            the cursor changes, then WM_MOUSEMOVE;
//   wheel:   WM_MOUSEWHEEL to the focused control, then up the parent chain until one answers.
// The target is the capture control when there is one, else the windowless child under the
// cursor, else the window (capture and hover are the core's: core/MouseTracking.h). Disabled controls and forms behind a modal form get nothing.
class TMouseAdapter {
public:
    // True when the Qt base class should still get the event afterwards (only for events of
    // routed child widgets, whose native handling comes after the filter).
    static bool Handle(THostWidgetCore& Host, QWidget* Receiver, QEvent* Event, bool Routed);
    static void WindowLeft(THostWidgetCore& Host);
};

}  // namespace plat
