#include "platform/controls/standard/TUpDown.h"

#include "platform/controls/forms/WindowTimers.h"
#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/core/FormatSettings.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"
#include "platform/system/SystemMetrics.h"

#include <algorithm>
#include <charconv>

namespace plat {

namespace {

constexpr std::uintptr_t RepeatTimer = 1;
constexpr unsigned FirstRepeatMs = 400;
constexpr unsigned RepeatMs = 100;

// The number a text shows, thousands separators and surrounding spaces allowed; false when
// it shows none.
bool ParseInteger(const std::string& Text, int& Value)
{
    std::string digits;
    for (const char ch : Text)
        if (ch != FormatSettings().ThousandSeparator && ch != ' ')
            digits += ch;
    const char* first = digits.data();
    const char* last = first + digits.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, Value);
    return error == std::errc() && end == last && first != last;
}

}  // namespace

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(GetControlStyle() - TControlStyle{csClickEvents, csDoubleClicks});
    SetColor(clBtnFace);
    SetBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), 25);
}

void TUpDown::SetAssociate(TWinControl* Value)
{
    if (Value == FAssociate)
        return;
    FAssociate = Value;
    if (!Value)
        return;
    Value->FreeNotification(this);
    if (Value->GetParent() && Value->GetParent() != GetParent())
        SetParent(Value->GetParent());
    const int width = GetWidth();
    Value->SetWidth(std::max(Value->GetWidth() - width, 0));
    SetBounds(Value->GetLeft() + Value->GetWidth(), Value->GetTop(), width, Value->GetHeight());
    ShowInAssociate();
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAssociate)
        FAssociate = nullptr;
}

int TUpDown::Low() const
{
    return std::min(FMin, FMax);
}

int TUpDown::High() const
{
    return std::max(FMin, FMax);
}

void TUpDown::SetMin(int Value)
{
    FMin = Value;
    SetPosition(FPosition);
}

void TUpDown::SetMax(int Value)
{
    FMax = Value;
    SetPosition(FPosition);
}

void TUpDown::SetPosition(int Value)
{
    FPosition = std::clamp(Value, Low(), High());
    ShowInAssociate();
}

void TUpDown::SetOrientation(TUDOrientation Value)
{
    FOrientation = Value;
    Invalidate();
}

void TUpDown::ShowInAssociate()
{
    if (FAssociate)
        FAssociate->SetText(std::to_string(FPosition));
}

void TUpDown::ReadAssociate()
{
    int value = 0;
    if (FAssociate && ParseInteger(FAssociate->GetText(), value))
        FPosition = std::clamp(value, Low(), High());
}

bool TUpDown::CanChange()
{
    bool allow = true;
    if (OnChanging && !IsDestroying())
        OnChanging(this, allow);
    return allow;
}

void TUpDown::Click(TUDBtnType Button)
{
    if (OnClick && !IsDestroying())
        OnClick(this, Button);
}

void TUpDown::Step(TUDBtnType Button)
{
    ReadAssociate();
    const TControlRef<> alive(this);
    if (!CanChange() || !alive)
        return;
    const long long delta = Button == btNext ? FIncrement : -static_cast<long long>(FIncrement);
    long long position = FPosition + delta;
    // Min above Max turns the arrows round, as on the platform.
    if (FMin > FMax)
        position = FPosition - delta;
    if (position > High())
        position = FWrap ? Low() : High();
    else if (position < Low())
        position = FWrap ? High() : Low();
    SetPosition(static_cast<int>(position));
    FStepButton = Button;
    Perform(FOrientation == udVertical ? CN_VSCROLL : CN_HSCROLL, MAKEWPARAM(scPosition, FPosition),
            static_cast<LPARAM>(FPosition));
}

TUDBtnType TUpDown::ButtonAt(int X, int Y) const
{
    if (FOrientation == udVertical)
        return Y < GetClientHeight() / 2 ? btNext : btPrev;
    return X >= GetClientWidth() / 2 ? btNext : btPrev;
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    FPressed = true;
    FPressedButton = ButtonAt(X, Y);
    Invalidate();
    SetTimer(this, RepeatTimer, FirstRepeatMs);
    Step(FPressedButton);
}

void TUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TControlRef<> alive(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (alive && Button == mbLeft)
        StopRepeat();
}

void TUpDown::StopRepeat()
{
    KillTimer(this, RepeatTimer);
    if (FPressed) {
        FPressed = false;
        Invalidate();
    }
}

void TUpDown::Paint()
{
    TCanvas& canvas = Canvas();
    const int width = GetClientWidth();
    const int height = GetClientHeight();
    const bool vertical = FOrientation == udVertical;
    const unsigned inactive = IsEnabledInParents() ? 0u : DFCS_INACTIVE;
    TRect next = vertical ? Rect(0, 0, width, height / 2) : Rect(width / 2, 0, width, height);
    TRect prev = vertical ? Rect(0, height / 2, width, height) : Rect(0, 0, width / 2, height);
    auto pushed = [&](TUDBtnType button) { return FPressed && FPressedButton == button ? DFCS_PUSHED : 0u; };
    const unsigned nextArrow = vertical ? DFCS_SCROLLUP : DFCS_SCROLLRIGHT;
    const unsigned prevArrow = vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLLEFT;
    canvas.DrawFrameControl(next, DFC_SCROLL, nextArrow | inactive | pushed(btNext));
    canvas.DrawFrameControl(prev, DFC_SCROLL, prevArrow | inactive | pushed(btPrev));
}

void TUpDown::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
        if (LOWORD(Message.WParam) == scPosition)
            Click(FStepButton);
        return;
    case WM_TIMER:
        if (TWMTimer(Message).TimerID() == RepeatTimer) {
            if (!FPressed || GetCaptureControl() != this) {
                StopRepeat();
                return;
            }
            SetTimer(this, RepeatTimer, RepeatMs);
            Step(FPressedButton);
            return;
        }
        break;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        StopRepeat();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

}  // namespace plat
