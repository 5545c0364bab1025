#include "editcontrols/base/DisabledBitmap.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <cstdint>
#include <utility>

namespace skelda::editcontrols {

std::unique_ptr<plat::TBitmap> MonochromeMask(const plat::TBitmap& Source, plat::TColor Background)
{
    plat::TBitmap work;
    work.Assign(Source);
    work.SetPixelFormat(plat::pf24bit);
    const plat::TColor background = plat::ColorToRGB(Background);
    const auto blue = static_cast<std::uint8_t>((background >> 16) & 0xFF);
    const auto green = static_cast<std::uint8_t>((background >> 8) & 0xFF);
    const auto red = static_cast<std::uint8_t>(background & 0xFF);
    auto mask = std::make_unique<plat::TBitmap>();
    mask->SetPixelFormat(plat::pf24bit);
    mask->SetSize(work.GetWidth(), work.GetHeight());
    for (int y = 0; y < work.GetHeight(); ++y) {
        const std::uint8_t* from = std::as_const(work).ScanLine(y);
        std::uint8_t* to = mask->ScanLine(y);
        for (int x = 0; x < work.GetWidth(); ++x) {
            const std::uint8_t* pixel = from + 3 * x;
            const bool isBackground = pixel[0] == blue && pixel[1] == green && pixel[2] == red;
            to[3 * x] = to[3 * x + 1] = to[3 * x + 2] = isBackground ? 0xFF : 0x00;
        }
    }
    return mask;
}

std::unique_ptr<plat::TBitmap> MakeDisabledBitmap(const plat::TBitmap& Source, plat::TColor OutlineColor,
                                                  plat::TColor BackColor, bool DrawHighlight,
                                                  plat::TColor ShadowColor, plat::TColor HighlightColor)
{
    const int width = Source.GetWidth();
    const int height = Source.GetHeight();
    auto result = std::make_unique<plat::TBitmap>();
    result->SetSize(width, height);
    plat::TCanvas& canvas = result->Canvas();
    canvas.Brush().SetStyle(plat::bsSolid);
    canvas.Brush().SetColor(BackColor);
    canvas.FillRect({0, 0, width, height});
    if (width == 0 || height == 0)
        return result;
    const std::unique_ptr<plat::TBitmap> mask = MonochromeMask(Source, OutlineColor);
    if (DrawHighlight) {
        canvas.Brush().SetColor(HighlightColor);
        canvas.BitBlt(1, 1, width, height, mask->Canvas(), 0, 0, ROP_DSPDxax);
    }
    canvas.Brush().SetColor(ShadowColor);
    canvas.BitBlt(0, 0, width, height, mask->Canvas(), 0, 0, ROP_DSPDxax);
    return result;
}

std::unique_ptr<plat::TBitmap> MakeDefaultDisabledBitmap(const plat::TBitmap& Source, plat::TColor OutlineColor)
{
    std::unique_ptr<plat::TBitmap> result =
        MakeDisabledBitmap(Source, OutlineColor, plat::clBtnFace, true, plat::clBtnShadow, plat::clBtnHighlight);
    result->SetTransparentColor(plat::ColorToRGB(plat::clBtnFace));
    result->SetTransparent(true);
    return result;
}

}  // namespace skelda::editcontrols
