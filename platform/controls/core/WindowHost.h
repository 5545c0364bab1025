#pragma once

#include "platform/controls/core/ControlTypes.h"

#include <functional>

class QRect;
class QWidget;

namespace plat {

struct TMessage;
class TWinControl;

// The window behind a windowed control, as the control sees it. The Qt layer implements it
// (THostWidget, platform/controls/qt/HostWidget.h): a Qt widget that turns Qt's events into the
// control's messages and is the control's default window procedure. The control makes its host
// in CreateWnd and releases it in DestroyWnd; the host never owns the control.
class TWindowHost {
public:
    TWindowHost() = default;
    virtual ~TWindowHost() = default;
    TWindowHost(const TWindowHost&) = delete;
    TWindowHost& operator=(const TWindowHost&) = delete;

    // The control, or nullptr once it let go of its window.
    virtual TWinControl* Control() const = 0;
    // The widget, for the control's own Qt calls (geometry, visibility, focus, native state).
    virtual QWidget* Widget() const = 0;

    // What the window does with a message no handler of the control took: the native
    // behaviour of the widget's Qt class.
    virtual void DefaultMessage(TMessage& Message) = 0;
    // Cuts the link to the control (it is going away) and deletes the widget, at once or, when
    // that is inside one of the widget's own events, once the event is over.
    virtual void Release() = 0;

    // Whether the window is inside Qt's paint event (only then can it be painted on), and the
    // part being painted, in widget coordinates.
    virtual bool Painting() const = 0;
    virtual QRect CurrentPaintRect() const = 0;
    // Shows Cursor over the window; crDefault gives the widget its own cursor back.
    virtual void SetCursor(TCursor Cursor) = 0;

protected:
    // For implementations: what the window system did to a top-level window reaches the
    // control's bounds; a widget that goes on its own (its parent widget was deleted) is
    // forgotten by the control.
    static void NotifyBoundsChanged(TWinControl& Control, const TRect& WidgetRectOnScreen);
    static void NotifyDestroyed(TWinControl& Control);
};

// Makes the window of a control that paints itself (TWinControl::CreateHost's default). The Qt
// layer installs it at start-up (InstallProductionServices); without it no control can have a
// window, and CreateHost raises EInvalidOperation.
using TWindowHostFactory = std::function<TWindowHost*(TWinControl& Control)>;
void SetDefaultWindowHostFactory(TWindowHostFactory Factory);
TWindowHost* CreateDefaultWindowHost(TWinControl& Control);

}  // namespace plat
