#include "platform/controls/standard/TLabel.h"

#include "platform/controls/core/TWinControl.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"

namespace plat {

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetControlStyle(GetControlStyle() + TControlStyle{csOpaque, csReplicatable});
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout Value)
{
    FLayout = Value;
    Invalidate();
}

void TLabel::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool Value)
{
    FTransparent = Value;
    if (Value)
        SetControlStyle(GetControlStyle() - TControlStyle{csOpaque});
    else
        SetControlStyle(GetControlStyle() + TControlStyle{csOpaque});
    Invalidate();
}

void TLabel::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    AdjustBounds();
}

void TLabel::SetShowAccelChar(bool Value)
{
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* Value)
{
    FFocusControl = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

unsigned TLabel::TextFormat() const
{
    unsigned format = DT_EXPANDTABS;
    if (FWordWrap)
        format |= DT_WORDBREAK;
    if (!FShowAccelChar)
        format |= DT_NOPREFIX;
    return format;
}

void TLabel::DoDrawText(TRect& Rect, unsigned Format)
{
    std::string text = GetText();
    // An empty caption still has the height of a line.
    if ((Format & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&")))
        text += ' ';
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    if ((Format & DT_CALCRECT) || IsEnabledInParents()) {
        canvas.DrawText(text, Rect, Format);
        return;
    }
    TRect raised = MovedRect(Rect, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text, raised, Format);
    canvas.Font().SetColor(clBtnShadow);
    canvas.DrawText(text, Rect, Format);
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize || ComponentState().Contains(csLoading))
        return;
    TRect rect = GetClientRect();
    DoDrawText(rect, TextFormat() | DT_CALCRECT);
    // A wrapping label keeps its width and takes the height its lines need.
    const int width = FWordWrap ? GetWidth() : rect.Right;
    int left = GetLeft();
    if (FAlignment == taRightJustify)
        left += GetWidth() - width;
    SetBounds(left, GetTop(), width, rect.Bottom);
}

void TLabel::Paint()
{
    TCanvas& canvas = Canvas();
    if (!FTransparent) {
        canvas.Brush().SetColor(GetColor());
        canvas.Brush().SetStyle(bsSolid);
        canvas.FillRect(GetClientRect());
    }
    canvas.Brush().SetStyle(bsClear);
    unsigned format = TextFormat();
    if (FAlignment == taRightJustify)
        format |= DT_RIGHT;
    else if (FAlignment == taCenter)
        format |= DT_CENTER;
    TRect rect = GetClientRect();
    if (FLayout != tlTop) {
        TRect measured = rect;
        DoDrawText(measured, format | DT_CALCRECT);
        const int free = GetHeight() - measured.Bottom;
        const int shift = FLayout == tlBottom ? free : free / 2;
        rect = MovedRect(rect, 0, shift);
    }
    DoDrawText(rect, format);
}

void TLabel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        AdjustBounds();
        Invalidate();
        break;
    case CM_DIALOGCHAR:
        if (FFocusControl && FShowAccelChar && IsEnabledInParents() && Showing() &&
            IsAccel(static_cast<char32_t>(Message.WParam), GetText()) && FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            Message.Result = 1;
        }
        return;
    default:
        break;
    }
    TGraphicControl::Dispatch(Message);
}

}  // namespace plat
