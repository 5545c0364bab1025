#include "platform/controls/qt/MouseAdapter.h"

#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/HintManager.h"
#include "platform/controls/forms/ModalStack.h"
#include "platform/controls/qt/HostWidget.h"
#include "platform/controls/qt/NativeEventScope.h"
#include "platform/controls/services/InputState.h"
#include "platform/controls/services/UiServices.h"
#include "platform/system/SystemMetrics.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <cstdlib>

namespace plat {

namespace {

// The last press, for double-click detection.
struct MouseState {
    bool HasLastPress = false;
    Qt::MouseButton LastButton = Qt::NoButton;
    std::uint64_t LastPressMs = 0;
    TPoint LastPressPos;
    TControlRef<TWinControl> LastWindow;
};

MouseState& State()
{
    static MouseState state;
    return state;
}

void UpdateInputState(const QInputEvent& Event, Qt::MouseButtons Buttons, TPoint ScreenPos)
{
    IInputState& input = Input();
    const Qt::KeyboardModifiers modifiers = Event.modifiers();
    input.SetKeyDown(VK_SHIFT, modifiers.testFlag(Qt::ShiftModifier));
    input.SetKeyDown(VK_CONTROL, modifiers.testFlag(Qt::ControlModifier));
    input.SetKeyDown(VK_MENU, modifiers.testFlag(Qt::AltModifier));
    input.SetKeyDown(VK_LBUTTON, Buttons.testFlag(Qt::LeftButton));
    input.SetKeyDown(VK_RBUTTON, Buttons.testFlag(Qt::RightButton));
    input.SetKeyDown(VK_MBUTTON, Buttons.testFlag(Qt::MiddleButton));
    input.SetCursorPos(ScreenPos);
}

unsigned KeysOf(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers)
{
    unsigned keys = 0;
    if (Buttons.testFlag(Qt::LeftButton))
        keys |= MK_LBUTTON;
    if (Buttons.testFlag(Qt::RightButton))
        keys |= MK_RBUTTON;
    if (Buttons.testFlag(Qt::MiddleButton))
        keys |= MK_MBUTTON;
    if (Modifiers.testFlag(Qt::ShiftModifier))
        keys |= MK_SHIFT;
    if (Modifiers.testFlag(Qt::ControlModifier))
        keys |= MK_CONTROL;
    return keys;
}

bool AcceptsInput(const TControl* Control)
{
    return Control->IsEnabledInParents() && ModalStack::AcceptsInput(Control);
}

// Whether this press makes a double click with the one before; a double click starts over.
bool IsDoubleClick(Qt::MouseButton Button, std::uint64_t TimeMs, TPoint ScreenPos, TWinControl* Window)
{
    MouseState& state = State();
    const bool twice = state.HasLastPress && state.LastButton == Button && state.LastWindow.Get() == Window &&
                       TimeMs >= state.LastPressMs && TimeMs - state.LastPressMs <= GetDoubleClickTime() &&
                       std::abs(ScreenPos.X - state.LastPressPos.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                       std::abs(ScreenPos.Y - state.LastPressPos.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    state.HasLastPress = !twice;
    state.LastButton = Button;
    state.LastPressMs = TimeMs;
    state.LastPressPos = ScreenPos;
    state.LastWindow = TControlRef<TWinControl>(Window);
    return twice;
}

unsigned VirtualKeyOfButton(Qt::MouseButton Button)
{
    switch (Button) {
    case Qt::RightButton:
        return VK_RBUTTON;
    case Qt::MiddleButton:
        return VK_MBUTTON;
    default:
        return VK_LBUTTON;
    }
}

unsigned ButtonMessageBase(Qt::MouseButton Button)
{
    switch (Button) {
    case Qt::RightButton:
        return WM_RBUTTONDOWN;
    case Qt::MiddleButton:
        return WM_MBUTTONDOWN;
    default:
        return WM_LBUTTONDOWN;
    }
}

// Sends a message that may carry the Qt event; true when the Qt base class should still get
// the event (for routed children, whose native handling comes after).
bool SendCarrying(THostWidgetCore& Host, QEvent* Event, bool Routed, TControl* Target, unsigned Msg, WPARAM WParam,
                  LPARAM LParam)
{
    TNativeEventScope scope(Host, Event, Routed);
    if (Target == Host.Control())
        scope.Expect(Msg);
    Target->Perform(Msg, WParam, LParam);
    return Routed && scope.Reached(Msg);
}

}  // namespace

void TMouseAdapter::WindowLeft(THostWidgetCore& Host)
{
    TControl* hover = GetHoverControl();
    if (hover && Host.Control()->ContainsControl(hover) &&
        (hover == Host.Control() || !dynamic_cast<TWinControl*>(hover))) {
        SetHoverControl(nullptr);
        HintManager::MouseMoved(nullptr, GetCursorPos());
    }
}

bool TMouseAdapter::Handle(THostWidgetCore& Host, QWidget* Receiver, QEvent* Event, bool Routed)
{
    TWinControl* window = Host.Control();
    const TControlRef<TWinControl> windowRef(window);
    if (Event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(Event);
        const QPoint local = Receiver->mapTo(Host.Widget(), wheel->position().toPoint());
        const TPoint offset = window->WidgetClientOffset();
        const TPoint screen = window->ClientToScreen({local.x() - offset.X, local.y() - offset.Y});
        UpdateInputState(*wheel, wheel->buttons(), screen);
        const int delta = wheel->angleDelta().y();
        if (delta == 0)
            return true;
        HintManager::CancelHint();
        TWinControl* focused = FocusManager::Focused();
        TControl* target = focused && focused->Showing() ? static_cast<TControl*>(focused) : window;
        if (!AcceptsInput(target))
            return false;
        const WPARAM wParam = MAKEWPARAM(static_cast<int>(KeysOf(wheel->buttons(), wheel->modifiers())), delta);
        for (TControl* c = target; c;) {
            const TControlRef<> ref(c);
            TNativeEventScope scope(Host, Event, Routed);
            if (c == window)
                scope.Expect(WM_MOUSEWHEEL);
            TMessage message{WM_MOUSEWHEEL, wParam, PointToLParam(screen), 0};
            c->Perform(message);
            if (message.Result != 0)
                return false;
            if (Routed && scope.Reached(WM_MOUSEWHEEL))
                return true;
            if (!ref)
                return false;
            c = c->GetParent();
        }
        return false;
    }

    auto* mouse = static_cast<QMouseEvent*>(Event);
    const QPoint local = Receiver->mapTo(Host.Widget(), mouse->position().toPoint());
    const TPoint offset = window->WidgetClientOffset();
    const TPoint client{local.x() - offset.X, local.y() - offset.Y};
    const TPoint screen = window->ClientToScreen(client);
    const bool wasPressed = Input().IsKeyDown(VirtualKeyOfButton(mouse->button()));
    UpdateInputState(*mouse, mouse->buttons(), screen);
    if (!AcceptsInput(window))
        return false;

    TControl* under = window->ControlAtPos(client, false);
    if (!under)
        under = window;
    TControl* capture = GetCaptureControl();
    TControl* target = capture ? capture : under;
    const TPoint pos = target->ScreenToClient(screen);
    const LPARAM lParam = MAKELPARAM(pos.X, pos.Y);
    const auto keys = static_cast<WPARAM>(KeysOf(mouse->buttons(), mouse->modifiers()));

    switch (Event->type()) {
    case QEvent::MouseMove: {
        if (!capture)
            window->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        if (!windowRef)
            return false;
        SetHoverControl(under);
        HintManager::MouseMoved(GetHoverControl(), screen);
        if (!windowRef || (capture && !GetCaptureControl()))
            return false;
        TControl* moveTarget = GetCaptureControl() ? GetCaptureControl() : window->ControlAtPos(client, false);
        if (!moveTarget)
            moveTarget = window;
        const TPoint movePos = moveTarget->ScreenToClient(screen);
        return SendCarrying(Host, Event, Routed, moveTarget, WM_MOUSEMOVE, keys, MAKELPARAM(movePos.X, movePos.Y));
    }
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonPress: {
        // The window system follows the second press of a double click with Qt's double-click
        // event, before the release: the press made our double click already, the native
        // widget still wants its own. A double-click event without that press before it (as
        // Qt's test driver sends it) is the second press itself.
        const bool qtDoubleClick = Event->type() == QEvent::MouseButtonDblClick;
        if (qtDoubleClick && wasPressed)
            return true;
        HintManager::CancelHint();
        const unsigned base = ButtonMessageBase(mouse->button());
        const bool twice = IsDoubleClick(mouse->button(), mouse->timestamp(), screen, window) || qtDoubleClick;
        const bool doubleClicks = target->GetControlStyle().Contains(csDoubleClicks);
        // A native widget that takes the focus on a click does so before it sees the press,
        // as the platform's controls did in their own handling of it.
        if (target == window && !window->Focused() && window->HandleAllocated() &&
            (window->Host()->Widget()->focusPolicy() & Qt::ClickFocus) && window->CanFocus()) {
            window->SetFocus();
            if (!windowRef)
                return false;
        }
        return SendCarrying(Host, Event, Routed, target, twice && doubleClicks ? base + 2 : base, keys, lParam);
    }
    case QEvent::MouseButtonRelease:
        return SendCarrying(Host, Event, Routed, target, ButtonMessageBase(mouse->button()) + 1, keys, lParam);
    default:
        return true;
    }
}

}  // namespace plat
