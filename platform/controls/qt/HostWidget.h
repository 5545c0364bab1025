#pragma once

// The Qt widget behind a windowed control. Include it only in .cpp files of the layer: it
// brings in Qt's widget headers.

#include "platform/controls/core/Messages.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/controls/core/WindowHost.h"

#include <QCursor>
#include <QEvent>
#include <QWidget>

#include <optional>
#include <utility>

namespace plat {

class TWinControl;
struct TNativeEventScope;

// What every host widget does, whatever Qt class it is built on: it turns Qt's events into the
// control's messages (through the keyboard and mouse adapters, the focus manager and the paint
// handler) and is the control's default window procedure: a message that reaches
// DefaultHandler hands the Qt event it came from to the Qt base class. A message sent by code
// (not from a Qt event) reaches the base class as an equivalent Qt event, where there is one.
//
// Nothing raised by the control escapes: every event runs inside the exception boundary.
class THostWidgetCore : public TWindowHost {
public:
    THostWidgetCore(TWinControl* Control, QWidget* Self);
    ~THostWidgetCore() override;

    TWinControl* Control() const override { return FControl; }
    QWidget* Widget() const override { return FSelf; }

    // The default handling of Message: see the class comment.
    void DefaultMessage(TMessage& Message) override;

    // Routes the input and paint events of a widget that Qt made inside this one (the viewport
    // of a scroll area, the line edit of a combo box) through the adapters too, as if they had
    // come to this widget. The child keeps its own native handling as the default.
    void RouteEventsOf(QWidget* Child);

    // Cuts the link to the control (the control is going away). The widget is deleted at once,
    // or by the event loop when it is inside one of its own events or routes children.
    void Release() override;

    // Gives an event to the Qt base class, bypassing the adapters.
    virtual bool BaseEvent(QEvent* Event) = 0;

    // Whether the widget is inside Qt's paint event (only then can it be painted on), and the
    // part being painted (widget coordinates).
    bool Painting() const override;
    QRect CurrentPaintRect() const override;
    // The screen's cursor when the application set one (TScreen::SetCursor), else Cursor.
    void SetCursor(TCursor Cursor) override;
    // Gives a message to the Qt base class as the equivalent Qt event (key, character, mouse,
    // wheel); other messages have none and are dropped.
    void SynthesizeNative(TMessage& Message);

protected:
    // Switches on mouse tracking for the widget. Qt answers with an event at once, which must
    // find the host whole: the most derived constructor calls this from its body, never the
    // core's constructor, or the event reaches the pure BaseEvent of a half-built host.
    void TrackMouse();
    // The event handler of the template.
    bool HandleEvent(QEvent* Event);

private:
    friend struct TNativeEventScope;
    class ChildFilter;

    enum class Outcome { NotOurs, Consumed, PassToBase };
    Outcome Route(QEvent* Event, QWidget* Receiver, bool Routed);
    void NoteRoutedEvent(QEvent* Event);
    bool IsRoutedAlready(QEvent* Event);
    Outcome Translate(QEvent* Event, QWidget* Receiver, bool Routed);
    void Paint(QEvent* Event);

    TWinControl* FControl;
    QWidget* FSelf;
    TNativeEventScope* FScope = nullptr;
    int FEventDepth = 0;
    bool FReleased = false;
    std::optional<QCursor> FNativeCursor;
    bool FCursorSet = false;
    bool FRoutesChildren = false;
    // The last event routed from a child and left to it, in case it travels on to this widget.
    QEvent::Type FRoutedType = QEvent::None;
    quint64 FRoutedTimestamp = 0;
};

// The host widget over the Qt class QtBase. Constructor arguments after the control go to
// QtBase. Qt's own Tab focus chain is switched off: the forms move the focus themselves.
template <typename QtBase>
class THostWidget : public QtBase, public THostWidgetCore {
public:
    template <typename... Args>
    explicit THostWidget(TWinControl* Control, Args&&... args)
        : QtBase(std::forward<Args>(args)...), THostWidgetCore(Control, this)
    {
        TrackMouse();
    }

    bool BaseEvent(QEvent* Event) override { return QtBase::event(Event); }

protected:
    bool event(QEvent* Event) override { return HandleEvent(Event); }
    bool focusNextPrevChild(bool) override { return false; }
};

// The host widget behind a control's window: every window the Qt layer makes is one. Only for
// controls whose window exists.
inline THostWidgetCore& HostWidgetOf(const TWinControl& Control)
{
    return static_cast<THostWidgetCore&>(*Control.Host());
}

}  // namespace plat
