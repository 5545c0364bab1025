#include "editcontrols/spin/TKvSpinButton.h"

#include "editcontrols/base/ThemeHandle.h"
#include "editcontrols/spin/TSpinButtonBitmaps.h"
#include "editcontrols/spin/TSpinButtonBitmapsManager.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/TTimer.h"
#include "platform/graphics/TBitmap.h"

#include <algorithm>

namespace skelda::editcontrols {

TKvSpinButton::TKvSpinButton(plat::TComponent* AOwner)
    : TKvExGraphicControl(AOwner),
      FUpBitmap(std::make_unique<plat::TBitmap>()),
      FDownBitmap(std::make_unique<plat::TBitmap>())
{
    SetBounds(0, 0, 20, 20);
    FUpBitmap->OnChange = [this](plat::TObject*) { GlyphChanged(); };
    FDownBitmap->OnChange = [this](plat::TObject*) { GlyphChanged(); };
    BitmapsManager().AddClient();
}

TKvSpinButton::~TKvSpinButton()
{
    Destroying();
    ReleaseFaceSet();
    if (TSpinButtonBitmapsManager* manager = ExistingBitmapsManager())
        manager->RemoveClient();
    FUpBitmap->OnChange = nullptr;
    FDownBitmap->OnChange = nullptr;
}

void TKvSpinButton::ReleaseFaceSet()
{
    if (!FButtonBitmaps)
        return;
    TSpinButtonBitmaps* set = FButtonBitmaps;
    FButtonBitmaps = nullptr;
    set->RemoveClient();
}

bool TKvSpinButton::HasCustomGlyphs() const
{
    return !FUpBitmap->GetEmpty() || !FDownBitmap->GetEmpty();
}

void TKvSpinButton::SetDown(TSpinButtonState Value)
{
    if (Value == FDown)
        return;
    FDown = Value;
    Invalidate();
}

void TKvSpinButton::SetButtonStyle(TKvSpinButtonStyle Value)
{
    if (Value == FButtonStyle)
        return;
    FButtonStyle = Value;
    ReleaseFaceSet();
    Invalidate();
}

void TKvSpinButton::SetUpGlyph(const plat::TBitmap* Value)
{
    if (Value)
        FUpBitmap->Assign(*Value);
    else
        FUpBitmap->SetSize(0, 0);
}

void TKvSpinButton::SetDownGlyph(const plat::TBitmap* Value)
{
    if (Value)
        FDownBitmap->Assign(*Value);
    else
        FDownBitmap->SetSize(0, 0);
}

void TKvSpinButton::GlyphChanged()
{
    // Making a glyph transparent reports a change of its own, which finds it transparent.
    for (plat::TBitmap* glyph : {FUpBitmap.get(), FDownBitmap.get()})
        if (!glyph->GetTransparent())
            glyph->SetTransparent(true);
    ReleaseFaceSet();
    Invalidate();
}

void TKvSpinButton::SetFocusControl(plat::TWinControl* Value)
{
    if (Value == FFocusControl)
        return;
    if (FFocusControl)
        FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TKvSpinButton::Notification(plat::TComponent* AComponent, plat::TOperation Operation)
{
    TKvExGraphicControl::Notification(AComponent, Operation);
    if (Operation == plat::opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

TSpinButtonState TKvSpinButton::HalfAt(int X, int Y) const
{
    return IsInBottomHalf(X, Y, GetWidth(), GetHeight(), FButtonStyle) ? sbBottomDown : sbTopDown;
}

bool TKvSpinButton::FireClick()
{
    const plat::TControlRef<> alive(this);
    const plat::TNotifyEvent handler = FDown == sbBottomDown ? OnBottomClick : OnTopClick;
    if (handler && !IsDestroying())
        handler(this);
    if (!alive)
        return false;
    if (plat::GetKeyState(plat::VK_LBUTTON) >= 0)
        SetDown(sbNotDown);
    return true;
}

void TKvSpinButton::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<> alive(this);
    TKvExGraphicControl::MouseDown(Button, Shift, X, Y);
    if (!alive || Button != plat::mbLeft || !GetEnabled())
        return;
    if (FFocusControl && FFocusControl->GetTabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused()) {
        FFocusControl->SetFocus();
        if (!alive)
            return;
    }
    if (FDown == sbNotDown) {
        FLastDown = sbNotDown;
        FDown = HalfAt(X, Y);
        if (!FireClick())
            return;
        if (FDown != FLastDown) {
            FLastDown = FDown;
            Invalidate();
        }
        if (!FRepeatTimer) {
            FRepeatTimer = new plat::TTimer(this);
            FRepeatTimer->OnTimer = [this](plat::TObject*) { RepeatTick(); };
        }
        FRepeatTimer->SetInterval(static_cast<unsigned>(std::max(FInitRepeatPause, 0)));
        FRepeatTimer->SetEnabled(true);
    }
    FDragging = true;
}

void TKvSpinButton::RepeatTick()
{
    FRepeatTimer->SetInterval(static_cast<unsigned>(std::max(FRepeatPause, 0)));
    if (FDown == sbNotDown || plat::GetCaptureControl() != this)
        return;
    const plat::TControlRef<> alive(this);
    try {
        FireClick();
    } catch (...) {
        if (alive)
            FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TKvSpinButton::MouseMove(plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<> alive(this);
    TKvExGraphicControl::MouseMove(Shift, X, Y);
    if (!alive)
        return;
    if (FDragging) {
        const bool inside = GetClientRect().Contains({X, Y});
        const TSpinButtonState half = inside ? HalfAt(X, Y) : sbNotDown;
        SetDown(half == FLastDown ? half : sbNotDown);
    } else if (TracksHover()) {
        SetHotHalf(HalfAt(X, Y));
    }
}

void TKvSpinButton::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<> alive(this);
    TKvExGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!alive || !FDragging)
        return;
    FDragging = false;
    if (GetClientRect().Contains({X, Y})) {
        FLastDown = sbNotDown;
        SetDown(sbNotDown);
    }
}

bool TKvSpinButton::TracksHover() const
{
    return ThemesActive() && !ComponentState().Contains(plat::csDesigning);
}

void TKvSpinButton::SetHotHalf(TSpinButtonState Half)
{
    const bool top = Half == sbTopDown;
    const bool bottom = Half == sbBottomDown;
    if (top == FMouseInTopBtn && bottom == FMouseInBottomBtn)
        return;
    FMouseInTopBtn = top;
    FMouseInBottomBtn = bottom;
    Invalidate();
}

void TKvSpinButton::NotifyMouseEnter(plat::TControl* Control)
{
    if (ComponentState().Contains(plat::csDesigning))
        return;
    if (ThemesActive()) {
        if (FMouseInTopBtn || FMouseInBottomBtn)
            return;
        const plat::TPoint cursor = ScreenToClient(plat::GetCursorPos());
        SetHotHalf(HalfAt(cursor.X, cursor.Y));
    }
    TKvExGraphicControl::NotifyMouseEnter(Control);
}

void TKvSpinButton::NotifyMouseLeave(plat::TControl* Control)
{
    if (TracksHover())
        SetHotHalf(sbNotDown);
    TKvExGraphicControl::NotifyMouseLeave(Control);
}

void TKvSpinButton::Paint()
{
    if (FButtonBitmaps && (FButtonBitmaps->GetWidth() != GetWidth() || FButtonBitmaps->GetHeight() != GetHeight()))
        ReleaseFaceSet();
    if (!FButtonBitmaps) {
        FButtonBitmaps = &BitmapsManager().WantButtons(GetWidth(), GetHeight(), HasCustomGlyphs(), FButtonStyle);
        FButtonBitmaps->AddClient();
    }
    if (!GetEnabled() && !ComponentState().Contains(plat::csDesigning))
        FDragging = false;
    FButtonBitmaps->Draw(Canvas(), FDown, FMouseInBottomBtn, FMouseInTopBtn, GetEnabled());
    if (HasCustomGlyphs())
        FButtonBitmaps->DrawGlyphs(Canvas(), FDown, FDownBitmap.get(), FUpBitmap.get(), GetEnabled());
}

void TKvSpinButton::Dispatch(plat::TMessage& Message)
{
    if (Message.Msg == plat::CM_SYSCOLORCHANGE && FButtonBitmaps) {
        FButtonBitmaps->ScheduleReset();
        Invalidate();
    }
    TKvExGraphicControl::Dispatch(Message);
}

}  // namespace skelda::editcontrols
