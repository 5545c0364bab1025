#include "platform/testing/InputSimulator.h"

#include "platform/controls/core/TWinControl.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/qt/HostWidget.h"
#include "platform/controls/qt/KeyMapping.h"
#include "platform/core/Exception.h"
#include "platform/core/Utf8.h"
#include "platform/system/Clock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include <cmath>

namespace plat::testing {

namespace {

Qt::KeyboardModifiers ModifiersOf(TShiftState Shift)
{
    Qt::KeyboardModifiers modifiers;
    if (Shift.Contains(ssShift))
        modifiers |= Qt::ShiftModifier;
    if (Shift.Contains(ssCtrl))
        modifiers |= Qt::ControlModifier;
    if (Shift.Contains(ssAlt))
        modifiers |= Qt::AltModifier;
    return modifiers;
}

Qt::MouseButton QtButton(TMouseButton Button)
{
    switch (Button) {
    case mbRight:
        return Qt::RightButton;
    case mbMiddle:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

// The windowed control whose widget gets the mouse events for Target.
TWinControl& WindowOf(TControl& Target)
{
    if (auto* windowed = dynamic_cast<TWinControl*>(&Target))
        return *windowed;
    if (!Target.GetParent())
        throw EInvalidOperation("%s has no window to get mouse input through", {Target.GetName()});
    return *Target.GetParent();
}

// Pos (Target's client coordinates) in the widget of Target's window.
QPoint WidgetPos(TControl& Target, TWinControl& Window, TPoint Pos)
{
    const TPoint client = Target.ClientToClient(Pos, Window);
    const TPoint offset = Window.WidgetClientOffset();
    return {client.X + offset.X, client.Y + offset.Y};
}

// The widget a pointer at Local (in Window's coordinates) reaches: a part Qt made inside the
// window (the viewport of a scroll area, the edit field of a combo box) or the window itself,
// never the window of another control. Local becomes the receiver's coordinates.
QWidget* ReceiverAt(QWidget* Window, QPoint& Local)
{
    QWidget* child = Window->childAt(Local);
    if (!child)
        return Window;
    for (QWidget* w = child; w != Window; w = w->parentWidget())
        if (dynamic_cast<THostWidgetCore*>(w))
            return Window;
    Local = child->mapFrom(Window, Local);
    return child;
}

// The key and Shift that type Ch on the US layout, if any.
bool KeyForChar(char32_t Ch, unsigned& VirtualKey, bool& Shift)
{
    const std::string text = CodePointToUtf8(Ch);
    for (unsigned vk = 1; vk < 0xFF; ++vk) {
        if (vk >= VK_NUMPAD0 && vk <= VK_DIVIDE)
            continue;
        for (const bool shifted : {false, true})
            if (TextOfVirtualKey(vk, shifted) == text) {
                VirtualKey = vk;
                Shift = shifted;
                return true;
            }
    }
    return false;
}

}  // namespace

InputSimulator::InputSimulator(const IClock& Clock) : FClock(Clock) {}

unsigned long long InputSimulator::NowMs() const
{
    return static_cast<unsigned long long>(std::llround(FClock.Now() * 86400000.0));
}

void InputSimulator::Send(QWidget* Receiver, QEvent& Event)
{
    QApplication::sendEvent(Receiver, &Event);
}

void InputSimulator::SendKey(bool Down, unsigned VirtualKey, TShiftState Shift, const std::string& Text)
{
    TWinControl* focused = FocusManager::Focused();
    if (!focused)
        throw EInvalidOperation("No control has the focus to type into");
    bool keypad = false;
    const int key = QtKeyFromVirtualKey(VirtualKey, Shift.Contains(ssShift), keypad);
    Qt::KeyboardModifiers modifiers = ModifiersOf(Shift);
    if (keypad)
        modifiers |= Qt::KeypadModifier;
    QKeyEvent event(Down ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers, QString::fromStdString(Text));
    event.setTimestamp(NowMs());
    Send(focused->Handle(), event);
}

void InputSimulator::KeyDown(unsigned VirtualKey, TShiftState Shift)
{
    std::string text;
    switch (VirtualKey) {
    case VK_RETURN:
        text = "\r";
        break;
    case VK_BACK:
        text = "\b";
        break;
    case VK_TAB:
        text = "\t";
        break;
    case VK_ESCAPE:
        text = "\x1b";
        break;
    default:
        if (!Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt))
            text = TextOfVirtualKey(VirtualKey, Shift.Contains(ssShift));
    }
    SendKey(true, VirtualKey, Shift, text);
}

void InputSimulator::KeyUp(unsigned VirtualKey, TShiftState Shift)
{
    SendKey(false, VirtualKey, Shift, {});
}

void InputSimulator::KeyPress(unsigned VirtualKey, TShiftState Shift)
{
    KeyDown(VirtualKey, Shift);
    KeyUp(VirtualKey, Shift);
}

void InputSimulator::TypeText(const std::string& Text)
{
    for (int i = 1; i <= Utf8Length(Text); ++i) {
        const char32_t ch = Utf8CodePointAt(Text, i);
        unsigned vk = 0;
        bool shift = false;
        if (KeyForChar(ch, vk, shift)) {
            const TShiftState state = shift ? TShiftState{ssShift} : TShiftState{};
            SendKey(true, vk, state, CodePointToUtf8(ch));
            SendKey(false, vk, state, {});
            continue;
        }
        // A character no key of the layout types: Qt names such keys by the upper-case letter.
        TWinControl* focused = FocusManager::Focused();
        if (!focused)
            throw EInvalidOperation("No control has the focus to type into");
        const QString character = QString::fromStdString(CodePointToUtf8(ch));
        const int key = character.size() == 1 ? static_cast<int>(character.at(0).toUpper().unicode()) : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
        press.setTimestamp(NowMs());
        Send(focused->Handle(), press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        release.setTimestamp(NowMs());
        Send(focused->Handle(), release);
    }
}

void InputSimulator::SendMouse(TControl& Target, int Type, TPoint Pos, int Button, TShiftState Shift)
{
    TWinControl& window = WindowOf(Target);
    QPoint local = WidgetPos(Target, window, Pos);
    QWidget* widget = ReceiverAt(window.Handle(), local);
    const auto type = static_cast<QEvent::Type>(Type);
    const auto button = static_cast<Qt::MouseButton>(Button);
    if (type == QEvent::MouseButtonPress)
        FButtons |= Button;
    else if (type == QEvent::MouseButtonRelease)
        FButtons &= ~Button;
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button,
                      Qt::MouseButtons(FButtons), ModifiersOf(Shift));
    event.setTimestamp(NowMs());
    Send(widget, event);
}

void InputSimulator::MouseMove(TControl& Target, TPoint Pos, TShiftState Shift)
{
    SendMouse(Target, QEvent::MouseMove, Pos, Qt::NoButton, Shift);
}

void InputSimulator::MouseDown(TControl& Target, TPoint Pos, TMouseButton Button, TShiftState Shift)
{
    SendMouse(Target, QEvent::MouseButtonPress, Pos, QtButton(Button), Shift);
}

void InputSimulator::MouseUp(TControl& Target, TPoint Pos, TMouseButton Button, TShiftState Shift)
{
    SendMouse(Target, QEvent::MouseButtonRelease, Pos, QtButton(Button), Shift);
}

void InputSimulator::Click(TControl& Target, TPoint Pos, TMouseButton Button, TShiftState Shift)
{
    MouseMove(Target, Pos, Shift);
    MouseDown(Target, Pos, Button, Shift);
    MouseUp(Target, Pos, Button, Shift);
}

void InputSimulator::DoubleClick(TControl& Target, TPoint Pos, TMouseButton Button)
{
    // As Qt delivers one: press, release, press, its double-click event, release.
    Click(Target, Pos, Button);
    MouseDown(Target, Pos, Button);
    SendMouse(Target, QEvent::MouseButtonDblClick, Pos, QtButton(Button), {});
    MouseUp(Target, Pos, Button);
}

void InputSimulator::Drag(TControl& Target, TPoint From, TPoint To, int Steps)
{
    MouseMove(Target, From);
    MouseDown(Target, From);
    const int steps = Steps < 1 ? 1 : Steps;
    for (int i = 1; i <= steps; ++i)
        MouseMove(Target, {From.X + (To.X - From.X) * i / steps, From.Y + (To.Y - From.Y) * i / steps});
    MouseUp(Target, To);
}

void InputSimulator::Wheel(TControl& Target, TPoint Pos, int Delta, TShiftState Shift)
{
    TWinControl& window = WindowOf(Target);
    QPoint local = WidgetPos(Target, window, Pos);
    QWidget* widget = ReceiverAt(window.Handle(), local);
    QWheelEvent event(QPointF(local), QPointF(widget->mapToGlobal(local)), QPoint(), QPoint(0, Delta),
                      Qt::MouseButtons(FButtons), ModifiersOf(Shift), Qt::NoScrollPhase, false);
    event.setTimestamp(NowMs());
    Send(widget, event);
}

void InputSimulator::Leave(TControl& Target)
{
    QEvent event(QEvent::Leave);
    Send(WindowOf(Target).Handle(), event);
}

}  // namespace plat::testing
