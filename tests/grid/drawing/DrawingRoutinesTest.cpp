#include "grid/drawing/ColorRoutines.h"
#include "grid/drawing/TransparentBitmaps.h"
#include "platform/graphics/Resources.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>

namespace skelda::grid {
namespace {

TEST(ColorRoutines, HexHalfAndShade)
{
    EXPECT_EQ(ColorToHex(plat::RGB(0x12, 0xAB, 0xEF)), "12ABEF");
    EXPECT_EQ(ColorToHex(plat::clRed), "FF0000");
    EXPECT_EQ(ColorToHex(plat::clBtnFace), ColorToHex(plat::ColorToRGB(plat::clBtnFace)));
    EXPECT_EQ(HalveColor(plat::RGB(255, 128, 1)), plat::RGB(127, 64, 0));
    EXPECT_EQ(HalveColor(plat::clHighlight), HalveColor(plat::ColorToRGB(plat::clHighlight)));

    const struct {
        int Channel, Percent, Expected;
    } cases[] = {
        {255, -20, 204}, {5, -10, 4}, {15, -10, 14}, {25, -10, 22}, {100, 0, 100},
        {100, -100, 0}, {200, 50, 255}, {200, -150, 0},
    };
    for (const auto& c : cases) {
        const plat::TColor shaded = ShadeColor(plat::RGB(c.Channel, c.Channel, c.Channel), c.Percent);
        EXPECT_EQ(shaded, plat::RGB(c.Expected, c.Expected, c.Expected)) << c.Channel << " " << c.Percent;
    }
}

plat::TColor PixelOf(plat::TBitmap& Bitmap, int X, int Y) { return Bitmap.Canvas().GetPixels(X, Y); }

TEST(TransparentBitmaps, KeyColourShowsTheBackground)
{
    plat::TBitmap glyph;
    glyph.SetSize(3, 2);
    glyph.Canvas().Brush().SetColor(plat::clRed);
    glyph.Canvas().FillRect(plat::Bounds(0, 0, 3, 2));
    glyph.Canvas().SetPixels(1, 0, plat::clBlue);
    glyph.Canvas().SetPixels(2, 1, plat::clYellow);

    plat::TBitmap target;
    target.SetSize(6, 4);
    target.Canvas().Brush().SetColor(plat::clWhite);
    target.Canvas().FillRect(plat::Bounds(0, 0, 6, 4));
    DrawBitmapTransparent(target.Canvas(), glyph, plat::clLime, plat::Rect(2, 1, 3, 2));

    const plat::TColor expected[4][6] = {
        {plat::clWhite, plat::clWhite, plat::clWhite, plat::clWhite, plat::clWhite, plat::clWhite},
        {plat::clWhite, plat::clWhite, plat::clLime, plat::clBlue, plat::clLime, plat::clWhite},
        {plat::clWhite, plat::clWhite, plat::clLime, plat::clLime, plat::clYellow, plat::clWhite},
        {plat::clWhite, plat::clWhite, plat::clWhite, plat::clWhite, plat::clWhite, plat::clWhite},
    };
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(PixelOf(target, x, y), expected[y][x]) << x << "," << y;
    }
    EXPECT_EQ(PixelOf(glyph, 0, 0), plat::clRed);
    EXPECT_FALSE(glyph.GetTransparent());
}

TEST(TransparentBitmaps, EmptyBitmapAndMissingResource)
{
    plat::TBitmap target;
    target.SetSize(2, 2);
    target.Canvas().Brush().SetColor(plat::clWhite);
    target.Canvas().FillRect(plat::Bounds(0, 0, 2, 2));
    DrawBitmapTransparent(target.Canvas(), plat::TBitmap(), plat::clLime, plat::Rect(0, 0, 2, 2));
    EXPECT_EQ(PixelOf(target, 0, 0), plat::clWhite);
    EXPECT_THROW(DrawResourceBitmapTransparent(target.Canvas(), plat::clLime, plat::Rect(0, 0, 2, 2), "NO_SUCH_GLYPH"),
                 plat::EResNotFound);
    EXPECT_EQ(PixelOf(target, 0, 0), plat::clWhite);
}

}  // namespace
}  // namespace skelda::grid
