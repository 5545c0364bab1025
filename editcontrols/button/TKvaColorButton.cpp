#include "editcontrols/button/TKvaColorButton.h"

#include "editcontrols/base/PaintThemedFrameControl.h"
#include "editcontrols/base/ThemeHandle.h"
#include "editcontrols/button/TKvButtonGlyph.h"
#include "platform/controls/core/ControlCanvas.h"
#include "platform/core/RectOps.h"
#include "platform/core/ScopedRestore.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"

namespace skelda::editcontrols {

TKvaColorButton::TKvaColorButton(plat::TComponent* AOwner) : TKvExBitBtn(AOwner)
{
    SetColor(plat::clBtnFace);
    SetGlyphDrawer(std::make_unique<TKvButtonGlyph>());
}

TKvaColorButton::~TKvaColorButton()
{
    if (FGlyphDrawer)
        FGlyphDrawer->OnChange = nullptr;
}

void TKvaColorButton::SetGlyphDrawer(std::unique_ptr<TKvButtonGlyph> Drawer)
{
    if (FGlyphDrawer)
        FGlyphDrawer->OnChange = nullptr;
    FGlyphDrawer = std::move(Drawer);
    FGlyphDrawer->OnChange = [this] { DrawerChanged(); };
    Invalidate();
}

void TKvaColorButton::DrawerChanged()
{
    // The drawer reports every strip it is handed while the button paints; a repaint then would
    // paint again for ever.
    if (!FPainting && !IsDestroying())
        Invalidate();
}

void TKvaColorButton::SetIsFocused(bool Value)
{
    if (Value == FIsFocused)
        return;
    FIsFocused = Value;
    Invalidate();
}

void TKvaColorButton::CreateWnd()
{
    TKvExBitBtn::CreateWnd();
    FIsFocused = GetDefault() || Focused();
}

void TKvaColorButton::NotifyFocusChanged(plat::TWinControl* Control)
{
    const plat::TControlRef<> alive(this);
    TKvExBitBtn::NotifyFocusChanged(Control);
    if (!alive)
        return;
    if (dynamic_cast<plat::TButton*>(Control))
        SetIsFocused(Control == this);
    else
        SetIsFocused(GetDefault());
}

void TKvaColorButton::NotifyMouseEnter(plat::TControl* Control)
{
    const plat::TControlRef<> alive(this);
    TKvExBitBtn::NotifyMouseEnter(Control);
    if (alive && ThemesActive())
        Invalidate();
}

void TKvaColorButton::NotifyMouseLeave(plat::TControl* Control)
{
    const plat::TControlRef<> alive(this);
    TKvExBitBtn::NotifyMouseLeave(Control);
    if (alive && ThemesActive())
        Invalidate();
}

void TKvaColorButton::Paint()
{
    if (IsDestroying())
        return;
    const plat::TScopedRestore<bool> painting(FPainting, true);
    const bool down = IsDown();
    const plat::TButtonState state = !IsEnabledInParents() ? plat::bsDisabled : down ? plat::bsDown : plat::bsUp;
    const bool isDefault = Focused();
    if (OnPaint)
        OnPaint(this, down, isDefault, state);
    else
        DefaultDrawing(down, isDefault, state);
}

void TKvaColorButton::DefaultDrawing(bool IsDown, bool IsDefault, plat::TButtonState State)
{
    auto* canvas = dynamic_cast<plat::TControlCanvas*>(&Canvas());
    if (!canvas || !canvas->Attached() || IsDestroying())
        return;
    const plat::TScopedRestore<bool> painting(FPainting, true);
    const plat::TRect client = GetClientRect();
    plat::TRect r = client;
    unsigned flags = plat::DFCS_BUTTONPUSH | plat::DFCS_ADJUSTRECT;
    if (IsDown)
        flags |= plat::DFCS_PUSHED;
    if (State == plat::bsDisabled)
        flags |= plat::DFCS_INACTIVE;
    const bool asDefault = FIsFocused || IsDefault;
    const bool themed = ThemesActive();
    if (themed) {
        if (asDefault)
            flags |= plat::DFCS_MONO;
        if (GetMouseOver() && !ComponentState().Contains(plat::csDesigning))
            flags |= plat::DFCS_HOT;
        PaintThemedFrameControl(*canvas, r, plat::DFC_BUTTON, flags);
    } else {
        canvas->Pen().SetStyle(plat::psSolid);
        if (asDefault) {
            canvas->Pen().SetColor(plat::clWindowFrame);
            canvas->Brush().SetStyle(plat::bsClear);
            canvas->Rectangle(r);
            r = plat::InflatedRect(r, -1, -1);
        }
        canvas->Brush().SetStyle(plat::bsSolid);
        canvas->Brush().SetColor(GetColor());
        if (IsDown) {
            canvas->Pen().SetColor(plat::clBtnShadow);
            canvas->Rectangle(r);
            r = plat::InflatedRect(r, -1, -1);
        } else {
            canvas->DrawFrameControl(r, plat::DFC_BUTTON, flags);
            canvas->Pen().SetColor(GetColor());
            canvas->Brush().SetStyle(plat::bsSolid);
            canvas->Brush().SetColor(GetColor());
            canvas->Rectangle(r);
        }
    }
    if (FIsFocused)
        r = plat::InflatedRect(client, -1, -1);
    canvas->Font().Assign(Font());
    if (IsDown)
        r = plat::MovedRect(r, 1, 1);
    FGlyphDrawer->DrawExternal(Glyph(), GetNumGlyphs(), GetColor(), true, *canvas, r, {0, 0}, GetText(), GetLayout(),
                               GetMargin(), GetSpacing(), State, false);
    if (!themed && FIsFocused && IsDefault) {
        canvas->Pen().SetColor(plat::clWindowFrame);
        canvas->Brush().SetStyle(plat::bsSolid);
        canvas->Brush().SetColor(GetColor());
        canvas->DrawFocusRect(plat::InflatedRect(client, -4, -4));
    }
}

}  // namespace skelda::editcontrols
