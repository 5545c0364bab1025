#include "platform/controls/standard/TScrollBar.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/qt/NativeWidgetSupport.h"
#include "platform/core/Exception.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace plat {

namespace {

void SendScroll(TWinControl& Control, int Orientation, TScrollCode Code, int Pos)
{
    Control.Perform(Orientation == Qt::Horizontal ? CN_HSCROLL : CN_VSCROLL,
                    MAKEWPARAM(static_cast<int>(Code), Pos), static_cast<LPARAM>(Pos));
}

}  // namespace

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner)
{
    SetControlStyle(GetControlStyle() - TControlStyle{csClickEvents, csCaptureMouse});
    SetBounds(0, 0, 121, 16);
    SetTabStop(true);
}

QScrollBar* TScrollBar::Bar() const
{
    return HandleAllocated() ? static_cast<QScrollBar*>(Host()->Widget()) : nullptr;
}

TWindowHost* TScrollBar::CreateHost(const TCreateParams&)
{
    return new THostWidget<QScrollBar>(this, static_cast<Qt::Orientation>(Orientation()));
}

void TScrollBar::CreateWnd()
{
    TWinControl::CreateWnd();
    QScrollBar* bar = Bar();
    bar->setFocusPolicy(Qt::StrongFocus);
    ShowRange();
    TWindowHost* host = Host();
    QObject::connect(bar, &QScrollBar::actionTriggered, bar, [host](int action) {
        if (TWinControl* control = host->Control())
            Guarded(control, [&] { static_cast<TScrollBar*>(control)->NativeAction(action); });
    });
    OnNativeSignal(host, bar, &QScrollBar::sliderReleased, [](TWinControl& control) {
        auto& self = static_cast<TScrollBar&>(control);
        const TControlRef<> alive(&self);
        SendScroll(self, self.Orientation(), scPosition, self.FPosition);
        if (alive)
            SendScroll(self, self.Orientation(), scEndScroll, self.FPosition);
    });
}

void TScrollBar::NativeAction(int Action)
{
    TScrollCode code = scEndScroll;
    switch (Action) {
    case QAbstractSlider::SliderSingleStepSub:
        code = scLineUp;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        code = scLineDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = scPageUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = scPageDown;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = scTop;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = scBottom;
        break;
    case QAbstractSlider::SliderMove:
        code = scTrack;
        break;
    default:
        return;
    }
    const TControlRef<> alive(this);
    SendScroll(*this, Orientation(), code, Bar()->sliderPosition());
    // Qt moved the thumb by its own rule; the control's position decides.
    if (alive && Bar())
        Bar()->setSliderPosition(FPosition);
}

int TScrollBar::Orientation() const
{
    return FKind == sbHorizontal ? Qt::Horizontal : Qt::Vertical;
}

void TScrollBar::ShowRange()
{
    QScrollBar* bar = Bar();
    if (!bar)
        return;
    const QSignalBlocker blocker(bar);
    bar->setRange(FMin, LastPosition());
    bar->setSingleStep(FSmallChange);
    bar->setPageStep(FPageSize > 0 ? FPageSize : FLargeChange);
    bar->setValue(FPosition);
}

int TScrollBar::LastPosition() const
{
    return FPageSize > 0 ? std::max(FMax - FPageSize + 1, FMin) : FMax;
}

void TScrollBar::SetKind(TScrollBarKind Value)
{
    if (Value == FKind)
        return;
    FKind = Value;
    if (!ComponentState().Contains(csLoading))
        SetBounds(GetLeft(), GetTop(), GetHeight(), GetWidth());
    RecreateWnd();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax)
{
    if (AMax < AMin || AMax < FPageSize)
        throw EInvalidOperation("Scrollbar property out of range");
    FMin = AMin;
    FMax = AMax;
    const int position = std::clamp(APosition, FMin, LastPosition());
    const bool changed = position != FPosition;
    FPosition = position;
    ShowRange();
    if (changed)
        Change();
}

void TScrollBar::SetSmallChange(int Value)
{
    FSmallChange = Value;
    ShowRange();
}

void TScrollBar::SetLargeChange(int Value)
{
    FLargeChange = Value;
    ShowRange();
}

void TScrollBar::SetPageSize(int Value)
{
    if (Value < 0 || Value > FMax - FMin + 1)
        throw EInvalidOperation("Scrollbar property out of range");
    FPageSize = Value;
    SetParams(FPosition, FMin, FMax);
}

void TScrollBar::Change()
{
    if (OnChange && !IsDestroying())
        OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos)
{
    if (OnScroll && !IsDestroying())
        OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::DoScroll(TScrollCode Code, int Pos)
{
    int position = FPosition;
    switch (Code) {
    case scLineUp:
        position -= FSmallChange;
        break;
    case scLineDown:
        position += FSmallChange;
        break;
    case scPageUp:
        position -= FLargeChange;
        break;
    case scPageDown:
        position += FLargeChange;
        break;
    case scPosition:
    case scTrack:
        position = Pos;
        break;
    case scTop:
        position = FMin;
        break;
    case scBottom:
        position = FMax;
        break;
    case scEndScroll:
        break;
    }
    position = std::clamp(position, FMin, LastPosition());
    const TControlRef<> alive(this);
    Scroll(Code, position);
    if (alive)
        SetPosition(position);
}

void TScrollBar::KeyDown(unsigned& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    // The keys of the platform's scroll bar: the same on both kinds of bar.
    TScrollCode code = scEndScroll;
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
        code = scLineUp;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        code = scLineDown;
        break;
    case VK_PRIOR:
        code = scPageUp;
        break;
    case VK_NEXT:
        code = scPageDown;
        break;
    case VK_HOME:
        code = scTop;
        break;
    case VK_END:
        code = scBottom;
        break;
    default:
        return;
    }
    Key = 0;
    SendScroll(*this, Orientation(), code, FPosition);
}

void TScrollBar::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
        DoScroll(static_cast<TScrollCode>(LOWORD(Message.WParam)), static_cast<int>(Message.LParam));
        return;
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    default:
        TWinControl::Dispatch(Message);
    }
}

}  // namespace plat
