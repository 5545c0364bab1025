#include "platform/controls/standard/TPanel.h"

#include "platform/controls/standard/Frame3D.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"

namespace plat {

namespace {

void DrawBevel(TCanvas& Canvas, TRect& Rect, TBevelCut Bevel, int Width)
{
    if (Bevel == bvNone)
        return;
    const bool lowered = Bevel == bvLowered;
    Frame3D(Canvas, Rect, lowered ? clBtnShadow : clBtnHighlight, lowered ? clBtnHighlight : clBtnShadow, Width);
}

}  // namespace

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(GetControlStyle() + TControlStyle{csAcceptsControls, csOpaque});
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    Invalidate();
}

void TCustomPanel::BevelChanged()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value)
{
    FBevelInner = Value;
    BevelChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value)
{
    FBevelOuter = Value;
    BevelChanged();
}

void TCustomPanel::SetBevelWidth(int Value)
{
    FBevelWidth = Value < 1 ? 1 : Value;
    BevelChanged();
}

void TCustomPanel::SetBorderWidth(int Value)
{
    FBorderWidth = Value < 0 ? 0 : Value;
    BevelChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    RecreateWnd();
    Realign();
}

void TCustomPanel::CreateParams(TCreateParams& Params) const
{
    TCustomControl::CreateParams(Params);
    if (FBorderStyle == bsSingle)
        Params.Style |= WS_BORDER;
}

void TCustomPanel::AdjustClientRect(TRect& Rect) const
{
    TCustomControl::AdjustClientRect(Rect);
    int inset = FBorderWidth;
    if (FBevelOuter != bvNone)
        inset += FBevelWidth;
    if (FBevelInner != bvNone)
        inset += FBevelWidth;
    Rect = InflatedRect(Rect, -inset, -inset);
}

void TCustomPanel::Paint()
{
    TCanvas& canvas = Canvas();
    TRect rect = GetClientRect();
    DrawBevel(canvas, rect, FBevelOuter, FBevelWidth);
    Frame3D(canvas, rect, GetColor(), GetColor(), FBorderWidth);
    DrawBevel(canvas, rect, FBevelInner, FBevelWidth);
    canvas.Brush().SetColor(GetColor());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(rect);
    const std::string caption = GetText();
    if (caption.empty())
        return;
    unsigned format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (FAlignment == taCenter)
        format |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        format |= DT_RIGHT;
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(caption, rect, format);
}

void TCustomPanel::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_TEXTCHANGED)
        Invalidate();
    TCustomControl::Dispatch(Message);
}

}  // namespace plat
