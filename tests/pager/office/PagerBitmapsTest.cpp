// The pager's button pictures, as the buttons load them by name.

#include "platform/graphics/TBitmap.h"

#include <QImage>

#include <gtest/gtest.h>

namespace skelda::pager {
namespace {

TEST(PagerBitmapsTest, EveryPictureLoadsByNameAt8BitWithATransparentCorner)
{
    const struct {
        const char* Name;
        int WidthPx;
        int HeightPx;
    } cases[] = {
        {"ZORAONEXT", 9, 9},   {"ZORAOPREV", 9, 9},   {"ZORAOLIST", 9, 9},      {"ZORAOCLOSE", 9, 9},
        {"ZORAODOWN", 9, 9},   {"ZORAOUP", 9, 9},     {"ZORAOFIRST", 16, 9},    {"ZORAOLAST", 16, 9},
        {"ZORAODOWNLAST", 9, 16}, {"ZORAOUPFIRST", 9, 16},
    };
    for (const auto& c : cases) {
        plat::TBitmap bitmap;
        bitmap.LoadFromResourceName(c.Name);
        EXPECT_EQ(bitmap.GetWidth(), c.WidthPx) << c.Name;
        EXPECT_EQ(bitmap.GetHeight(), c.HeightPx) << c.Name;
        EXPECT_EQ(bitmap.GetPixelFormat(), plat::pf8bit) << c.Name;
        const plat::TColor transparent = bitmap.GetTransparentColor();
        EXPECT_EQ(transparent, plat::RGB(255, 0, 255)) << c.Name;
        int ink = 0;
        const QImage& image = bitmap.Image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += qRed(image.pixel(x, y)) == 0 && qBlue(image.pixel(x, y)) == 0;
        EXPECT_GT(ink, 4) << c.Name << " has a drawing";
    }
}

}  // namespace
}  // namespace skelda::pager
