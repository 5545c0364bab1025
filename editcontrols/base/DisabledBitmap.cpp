#include "editcontrols/base/DisabledBitmap.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <vector>

namespace skelda::editcontrols {

std::unique_ptr<plat::TBitmap> MakeDefaultDisabledBitmap(const plat::TBitmap& Source, plat::TColor OutlineColor)
{
    const int width = Source.GetWidth();
    const int height = Source.GetHeight();
    plat::TBitmap work;
    work.Assign(Source);
    const plat::TColor outline = plat::ColorToRGB(OutlineColor);
    std::vector<plat::TPoint> marked;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (work.Canvas().GetPixels(x, y) == outline)
                marked.push_back({x, y});

    auto result = std::make_unique<plat::TBitmap>();
    result->SetSize(width, height);
    const plat::TColor face = plat::ColorToRGB(plat::clBtnFace);
    plat::TCanvas& canvas = result->Canvas();
    canvas.Brush().SetColor(face);
    canvas.FillRect({0, 0, width, height});
    for (const plat::TPoint& p : marked)
        canvas.SetPixels(p.X + 1, p.Y + 1, plat::ColorToRGB(plat::clBtnHighlight));
    for (const plat::TPoint& p : marked)
        canvas.SetPixels(p.X, p.Y, plat::ColorToRGB(plat::clBtnShadow));
    result->SetTransparentColor(face);
    result->SetTransparent(true);
    return result;
}

}  // namespace skelda::editcontrols
