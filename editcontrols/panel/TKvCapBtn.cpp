#include "editcontrols/panel/TKvCapBtn.h"

#include "editcontrols/panel/TKvCaptionPanel.h"
#include "platform/controls/standard/Frame3D.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"
#include "platform/system/SystemMetrics.h"

namespace skelda::editcontrols {

namespace {

unsigned FrameKind(TKvCapBtnStyle Style)
{
    switch (Style) {
    case capMax:
        return plat::DFCS_CAPTIONMAX;
    case capMin:
        return plat::DFCS_CAPTIONMIN;
    case capRestore:
        return plat::DFCS_CAPTIONRESTORE;
    case capHelp:
        return plat::DFCS_CAPTIONHELP;
    case capClose:
    default:
        return plat::DFCS_CAPTIONCLOSE;
    }
}

}  // namespace

TKvCapBtn::TKvCapBtn(plat::TComponent* AOwner) : TKvExGraphicControl(AOwner), FOwner(AOwner)
{
    const int width = plat::GetSystemMetrics(plat::SM_CYCAPTION) - 3;
    InitVisible(false);
    SetBounds(0, 0, width, width - 2);
}

void TKvCapBtn::SetStyle(TKvCapBtnStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Invalidate();
}

void TKvCapBtn::SetFlat(bool Value)
{
    if (Value == FFlat)
        return;
    FFlat = Value;
    Invalidate();
}

void TKvCapBtn::Paint()
{
    if (!GetVisible())
        return;
    plat::TCanvas& canvas = Canvas();
    plat::TRect rect = GetClientRect();
    unsigned state = FrameKind(FStyle);
    if (!IsEnabledInParents())
        state |= plat::DFCS_INACTIVE;
    else if (FDown && FMouseDown)
        state |= plat::DFCS_PUSHED;
    if (FFlat)
        state |= plat::DFCS_FLAT;
    canvas.Brush().SetColor(GetColor());
    canvas.SetBkMode(plat::TRANSPARENT);
    canvas.DrawFrameControl(rect, plat::DFC_CAPTION, state);
    if (!FFlat)
        return;
    plat::TRect frame = GetClientRect();
    if (FDown && FMouseDown)
        plat::Frame3D(canvas, frame, plat::clBtnShadow, plat::clBtnHighlight, 1);
    else if (FOver)
        plat::Frame3D(canvas, frame, plat::clBtnHighlight, plat::clBtnShadow, 1);
    else
        plat::Frame3D(canvas, frame, plat::clBtnFace, plat::clBtnFace, 1);
}

void TKvCapBtn::Click()
{
    const plat::TControlRef<> alive(this);
    TKvExGraphicControl::Click();
    if (!alive || !GetEnabled())
        return;
    if (auto* panel = dynamic_cast<TKvCaptionPanel*>(FOwner))
        panel->CaptionButtonClick(FStyle);
}

void TKvCapBtn::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<> alive(this);
    TKvExGraphicControl::MouseDown(Button, Shift, X, Y);
    if (!alive || !GetEnabled() || Button != plat::mbLeft)
        return;
    FMouseDown = true;
    FDown = true;
    FOver = true;
    Invalidate();
}

void TKvCapBtn::MouseMove(plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<> alive(this);
    TKvExGraphicControl::MouseMove(Shift, X, Y);
    if (!alive || !GetEnabled() || !FMouseDown)
        return;
    const bool inside = GetClientRect().Contains({X, Y});
    if (inside == FDown && inside == FOver)
        return;
    FDown = inside;
    FOver = inside;
    Invalidate();
}

void TKvCapBtn::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    const plat::TControlRef<> alive(this);
    TKvExGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!alive || !GetEnabled() || Button != plat::mbLeft)
        return;
    FMouseDown = false;
    FDown = false;
    Invalidate();
}

void TKvCapBtn::NotifyMouseEnter(plat::TControl* Control)
{
    if (!ComponentState().Contains(plat::csDesigning) && GetEnabled()) {
        FOver = true;
        if (FFlat)
            Invalidate();
    }
    TKvExGraphicControl::NotifyMouseEnter(Control);
}

void TKvCapBtn::NotifyMouseLeave(plat::TControl* Control)
{
    if (!ComponentState().Contains(plat::csDesigning) && GetEnabled()) {
        FOver = false;
        if (FFlat)
            Invalidate();
    }
    TKvExGraphicControl::NotifyMouseLeave(Control);
}

}  // namespace skelda::editcontrols
