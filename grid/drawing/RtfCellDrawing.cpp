#include "grid/drawing/RtfCellDrawing.h"

#include "grid/text/TRtfReader.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>

namespace skelda::grid {

int DrawRtfText(plat::TCanvas& Canvas, const TRtfText& Text, const plat::TRect& Rect)
{
    const plat::TFontStyles BaseStyle = Canvas.Font().GetStyle();
    const plat::TBrushStyle BrushStyle = Canvas.Brush().GetStyle();
    Canvas.Brush().SetStyle(plat::bsClear);
    int WidestPx = 0;
    int Y = Rect.Top;
    for (const auto& Line : Text.Lines) {
        if (Y >= Rect.Bottom)
            break;
        Canvas.Font().SetStyle(BaseStyle);
        int LineHeightPx = Canvas.TextHeight("hg");
        int X = Rect.Left;
        for (const TRtfRun& Run : Line) {
            Canvas.Font().SetStyle(BaseStyle + Run.Style);
            Canvas.TextRect(Rect, X, Y, Run.Text);
            const plat::TSize Extent = Canvas.TextExtent(Run.Text);
            X += Extent.cx;
            LineHeightPx = std::max(LineHeightPx, Extent.cy);
        }
        WidestPx = std::max(WidestPx, X - Rect.Left);
        Y += LineHeightPx;
    }
    Canvas.Font().SetStyle(BaseStyle);
    Canvas.Brush().SetStyle(BrushStyle);
    return WidestPx;
}

}  // namespace skelda::grid
