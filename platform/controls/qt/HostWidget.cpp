#include "platform/controls/qt/HostWidget.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/CursorShapes.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/controls/qt/KeyMapping.h"
#include "platform/controls/qt/NativeEventScope.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/QtConversions.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>

namespace plat {

class THostWidgetCore::ChildFilter : public QObject {
public:
    ChildFilter(THostWidgetCore& Core, QObject* Parent) : QObject(Parent), FCore(Core) {}

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        auto* child = qobject_cast<QWidget*>(Watched);
        if (!child || !FCore.FControl)
            return false;
        switch (Event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::ToolTip:
            if (FCore.Route(Event, child, true) == Outcome::Consumed) {
                Event->accept();
                return true;
            }
            // The child's own handling (and that of the Qt class it belongs to) comes next;
            // what it ignores travels on to this widget, which must not route it again.
            FCore.NoteRoutedEvent(Event);
            return false;
        default:
            return false;
        }
    }

private:
    THostWidgetCore& FCore;
};

THostWidgetCore::THostWidgetCore(TWinControl* Control, QWidget* Self) : FControl(Control), FSelf(Self)
{
    if (Self->testAttribute(Qt::WA_SetCursor))
        FNativeCursor = Self->cursor();
    Self->setAttribute(Qt::WA_NoMousePropagation);
}

void THostWidgetCore::TrackMouse()
{
    FSelf->setMouseTracking(true);
}

THostWidgetCore::~THostWidgetCore()
{
    if (FControl)
        NotifyDestroyed(*FControl);
}

void THostWidgetCore::Release()
{
    FControl = nullptr;
    if (FReleased)
        return;
    FReleased = true;
    if (FEventDepth == 0 && !FRoutesChildren) {
        delete FSelf;
        return;
    }
    // Inside one of its own events, or a routed child may be inside its own handling of the
    // event that freed the control: cut it loose so that no parent takes it along, and let the
    // event loop delete it once the event is over.
    FSelf->hide();
    FSelf->setParent(nullptr);
    FSelf->deleteLater();
}

void THostWidgetCore::RouteEventsOf(QWidget* Child)
{
    FRoutesChildren = true;
    Child->setMouseTracking(true);
    Child->installEventFilter(new ChildFilter(*this, Child));
}

bool THostWidgetCore::HandleEvent(QEvent* Event)
{
    if (!FControl || IsRoutedAlready(Event))
        return BaseEvent(Event);
    bool result = true;
    const Outcome outcome = Route(Event, FSelf, false);
    if (outcome != Outcome::Consumed && !FReleased) {
        // The native handling may run our handlers (through Qt signals), which may free the
        // control: the widget stays alive until the event is over.
        ++FEventDepth;
        Guarded(FControl, [&] { result = BaseEvent(Event); });
        --FEventDepth;
        if (outcome == Outcome::NotOurs)
            return result;
    }
    // Keys and mouse events that Qt sees as ignored travel on to the parent widget; ours never
    // do, the adapters route them themselves.
    Event->accept();
    return true;
}

void THostWidgetCore::NoteRoutedEvent(QEvent* Event)
{
    if (const auto* input = dynamic_cast<const QInputEvent*>(Event)) {
        FRoutedType = Event->type();
        FRoutedTimestamp = input->timestamp();
    }
}

bool THostWidgetCore::IsRoutedAlready(QEvent* Event)
{
    if (FRoutedType == QEvent::None || Event->type() != FRoutedType)
        return false;
    const auto* input = dynamic_cast<const QInputEvent*>(Event);
    if (!input || input->timestamp() != FRoutedTimestamp)
        return false;
    FRoutedType = QEvent::None;
    return true;
}

THostWidgetCore::Outcome THostWidgetCore::Route(QEvent* Event, QWidget* Receiver, bool Routed)
{
    Outcome outcome = Outcome::Consumed;
    ++FEventDepth;
    Guarded(FControl, [&] { outcome = Translate(Event, Receiver, Routed); });
    --FEventDepth;
    return outcome;
}

void THostWidgetCore::Paint(QEvent* Event)
{
    TNativeEventScope scope(*this, Event, false);
    scope.Expect(WM_PAINT);
    FControl->Perform(WM_PAINT);
}

bool THostWidgetCore::Painting() const
{
    return FScope && FScope->Event->type() == QEvent::Paint;
}

QRect THostWidgetCore::CurrentPaintRect() const
{
    return Painting() ? static_cast<QPaintEvent*>(FScope->Event)->rect() : FSelf->rect();
}

void THostWidgetCore::DefaultMessage(TMessage& Message)
{
    if (FScope) {
        if (TNativeEventScope::Carrier* carrier = FScope->Find(Message.Msg)) {
            if (!carrier->Reached) {
                carrier->Reached = true;
                carrier->WParam = Message.WParam;
                if (!FScope->Deferred && !FScope->BaseDone) {
                    FScope->BaseDone = true;
                    FScope->Event->accept();
                    BaseEvent(FScope->Event);
                    if (Message.Msg == WM_MOUSEWHEEL)
                        Message.Result = FScope->Event->isAccepted() ? 1 : 0;
                }
            }
            return;
        }
    }
    SynthesizeNative(Message);
}

namespace {

Qt::KeyboardModifiers CurrentModifiers()
{
    Qt::KeyboardModifiers modifiers;
    if (GetKeyState(VK_SHIFT) < 0)
        modifiers |= Qt::ShiftModifier;
    if (GetKeyState(VK_CONTROL) < 0)
        modifiers |= Qt::ControlModifier;
    if (GetKeyState(VK_MENU) < 0)
        modifiers |= Qt::AltModifier;
    return modifiers;
}

Qt::MouseButtons ButtonsOfKeys(unsigned Keys)
{
    Qt::MouseButtons buttons;
    if (Keys & MK_LBUTTON)
        buttons |= Qt::LeftButton;
    if (Keys & MK_RBUTTON)
        buttons |= Qt::RightButton;
    if (Keys & MK_MBUTTON)
        buttons |= Qt::MiddleButton;
    return buttons;
}

}  // namespace

void THostWidgetCore::SynthesizeNative(TMessage& Message)
{
    const TPoint offset = FControl ? FControl->WidgetClientOffset() : TPoint{};
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        const auto vk = static_cast<unsigned>(Message.WParam);
        // These act on their character message, as the platform's native controls did.
        if (vk == VK_BACK || vk == VK_RETURN || vk == VK_TAB || vk == VK_ESCAPE)
            return;
        bool keypad = false;
        const int key = QtKeyFromVirtualKey(vk, GetKeyState(VK_SHIFT) < 0, keypad);
        if (key == Qt::Key_unknown)
            return;
        Qt::KeyboardModifiers modifiers = CurrentModifiers();
        if (keypad)
            modifiers |= Qt::KeypadModifier;
        const bool down = Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN;
        QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers);
        BaseEvent(&event);
        return;
    }
    case WM_CHAR: {
        const auto ch = static_cast<char32_t>(Message.WParam);
        int key = Qt::Key_unknown;
        switch (ch) {
        case 8:
            key = Qt::Key_Backspace;
            break;
        case 9:
            key = Qt::Key_Tab;
            break;
        case 13:
            key = Qt::Key_Return;
            break;
        case 27:
            key = Qt::Key_Escape;
            break;
        default:
            // Other control characters did their work as the key-down's shortcut.
            if (ch < 32 || ch == 127)
                return;
        }
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString::fromStdString(CodePointToUtf8(ch)));
        BaseEvent(&event);
        return;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: {
        const TWMMouse mouse(Message);
        const QPointF local(mouse.XPos() + offset.X, mouse.YPos() + offset.Y);
        const QPointF global = FSelf->mapToGlobal(local);
        QEvent::Type type = QEvent::MouseMove;
        Qt::MouseButton button = Qt::NoButton;
        if (Message.Msg != WM_MOUSEMOVE) {
            const unsigned index = Message.Msg - WM_LBUTTONDOWN;
            button = index < 3 ? Qt::LeftButton : index < 6 ? Qt::RightButton : Qt::MiddleButton;
            const unsigned kind = index % 3;
            type = kind == 0 ? QEvent::MouseButtonPress
                   : kind == 1 ? QEvent::MouseButtonRelease
                               : QEvent::MouseButtonDblClick;
        }
        QMouseEvent event(type, local, global, button, ButtonsOfKeys(mouse.Keys()), CurrentModifiers());
        BaseEvent(&event);
        return;
    }
    case WM_MOUSEWHEEL: {
        const TWMMouseWheel wheel(Message);
        const TPoint client = FControl ? FControl->ScreenToClient(wheel.Pos()) : wheel.Pos();
        const QPointF local(client.X + offset.X, client.Y + offset.Y);
        QWheelEvent event(local, FSelf->mapToGlobal(local), QPoint(), QPoint(0, wheel.WheelDelta()),
                          ButtonsOfKeys(wheel.Keys()), CurrentModifiers(), Qt::NoScrollPhase, false);
        event.accept();
        BaseEvent(&event);
        Message.Result = event.isAccepted() ? 1 : 0;
        return;
    }
    default:
        return;
    }
}

void THostWidgetCore::SetCursor(TCursor Cursor)
{
    const TCursor screenCursor = TheScreen().GetCursor();
    const std::optional<QCursor> shape = CursorShapeOf(screenCursor != crDefault ? screenCursor : Cursor);
    if (shape) {
        FSelf->setCursor(*shape);
        FCursorSet = true;
        return;
    }
    if (!FCursorSet)
        return;
    FCursorSet = false;
    if (FNativeCursor)
        FSelf->setCursor(*FNativeCursor);
    else
        FSelf->unsetCursor();
}

}  // namespace plat
