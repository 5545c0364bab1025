#include "editcontrols/base/DrawingUtils.h"

#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <string>

namespace skelda::editcontrols {

namespace {

// The platform's flag that lets DrawText write the shortened text back.
constexpr unsigned DT_MODIFYSTRING = 0x10000;

}  // namespace

int CanvasTextHeight(plat::TCanvas& Canvas)
{
    return Canvas.TextExtent("W").cy;
}

int DrawCanvasText(plat::TCanvas& Canvas, std::string_view Text, int Length, unsigned Format, plat::TRect& Rect)
{
    const std::size_t count = Length < 0 ? Text.size() : std::min(Text.size(), static_cast<std::size_t>(Length));
    return Canvas.DrawText(std::string(Text.substr(0, count)), Rect, Format & ~DT_MODIFYSTRING);
}

void CanvasBitBlt(plat::TCanvas& Destination, int X, int Y, plat::TRasterOp Rop, int SourceX, int SourceY,
                  plat::TCanvas& Source, int Height, int Width)
{
    Destination.BitBlt(X, Y, Width, Height, Source, SourceX, SourceY, Rop);
}

}  // namespace skelda::editcontrols
