#include "pager/glow/TShortCutHintWindow.h"

#include "pager/glow/GlowGradient.h"
#include "platform/graphics/CanvasFlags.h"

namespace skelda::pager {

TShortCutHintWindow::TShortCutHintWindow(plat::TComponent* AOwner) : plat::THintWindow(AOwner)
{
    SetColor(plat::clWhite);
}

void TShortCutHintWindow::SetColorTo(plat::TColor Value)
{
    FColorTo = Value;
    Invalidate();
}

void TShortCutHintWindow::CreateParams(plat::TCreateParams& Params) const
{
    plat::THintWindow::CreateParams(Params);
    Params.Style &= ~plat::WS_BORDER;
    Params.WindowClassStyle &= ~plat::CS_DROPSHADOW;
}

void TShortCutHintWindow::Dispatch(plat::TMessage& Message)
{
    // The gradient covers everything; erasing first would only flicker.
    if (Message.Msg == plat::WM_ERASEBKGND) {
        Message.Result = 1;
        return;
    }
    plat::THintWindow::Dispatch(Message);
}

void TShortCutHintWindow::Paint()
{
    plat::TCanvas& canvas = Canvas();
    const plat::TRect r = GetClientRect();
    PaintBandedGradient(canvas, GetColor(), FColorTo, 16, r, false);
    canvas.Brush().SetStyle(plat::bsClear);
    canvas.Font().Assign(Font());
    plat::TRect text = r;
    canvas.DrawText(GetCaption(), text, plat::DT_CENTER | plat::DT_VCENTER | plat::DT_SINGLELINE);
    canvas.Pen().SetColor(plat::clGray);
    canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 3, 3);
}

void TShortCutHintWindow::Resize()
{
    plat::THintWindow::Resize();
    Canvas().Font().Assign(Font());
    const int least = Canvas().TextWidth("O") + 8;
    if (GetWidth() < least)
        SetWidth(least);
}

}  // namespace skelda::pager
