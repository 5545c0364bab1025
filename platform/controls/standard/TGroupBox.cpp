#include "platform/controls/standard/TGroupBox.h"

#include "platform/core/RectOps.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TCanvas.h"

#include <QFontMetrics>

namespace plat {

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(GetControlStyle() + TControlStyle{csAcceptsControls});
    SetParentColor(true);
    SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::CaptionHeight() const
{
    return QFontMetrics(ToQFont(Font())).height();
}

void TCustomGroupBox::AdjustClientRect(TRect& Rect) const
{
    TCustomControl::AdjustClientRect(Rect);
    Rect.Top += CaptionHeight();
    Rect = InflatedRect(Rect, -2, -2);
}

void TCustomGroupBox::Paint()
{
    TCanvas& canvas = Canvas();
    const int captionHeight = CaptionHeight();
    TRect frame = Rect(0, captionHeight / 2 - 1, GetWidth(), GetHeight());
    canvas.DrawEdge(frame, EDGE_ETCHED, BF_RECT);
    const std::string caption = GetText();
    if (caption.empty())
        return;
    TRect text = Rect(0, 0, 0, captionHeight);
    canvas.DrawText(caption, text, DT_CALCRECT | DT_SINGLELINE);
    text = Bounds(8, 0, text.Width() + 2, captionHeight);
    canvas.Brush().SetColor(GetColor());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(text);
    canvas.Brush().SetStyle(bsClear);
    TRect inner = InflatedRect(text, -1, 0);
    canvas.DrawText(caption, inner, DT_SINGLELINE | DT_LEFT);
}

void TCustomGroupBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(Message.WParam), GetText()) && CanFocus()) {
            SelectNext(nullptr, true, true);
            Message.Result = 1;
            return;
        }
        break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        Realign();
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

}  // namespace plat
