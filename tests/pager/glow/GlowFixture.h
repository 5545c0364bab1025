#pragma once

#include "foundation/TGPGraphics.h"
#include "pager/glow/GlowTextMeasurer.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/SaveImageOnFailure.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace skelda::pager::testing {

// Text of fixed size: every character 6 pixels wide, every line 13 high, on both text paths.
// The GDI+ box is placed in the layout rectangle by the format's alignments, as GDI+ places it.
// It keeps every text it was asked about.
class FixedTextMeasurer : public IGlowTextMeasurer {
public:
    static constexpr int kCharPx = 6;
    static constexpr int kLinePx = 13;

    bool TrueType = true;
    mutable std::vector<std::string> Texts;
    mutable std::vector<std::string> GdiplusFaces;

    static plat::TSize Extent(const std::string& Text)
    {
        int longest = 0;
        int lines = 1;
        int current = 0;
        for (const char c : Text) {
            if (c == '\n') {
                ++lines;
                current = 0;
            } else {
                longest = std::max(longest, ++current);
            }
        }
        return {longest * kCharPx, lines * kLinePx};
    }

    bool IsTrueType(plat::TCanvas&, const plat::TFont&) const override { return TrueType; }
    foundation::TGPRectF MeasureGdiplus(foundation::TGPGraphics&, const std::string& Text,
                                        const foundation::TGPFont& Font, const foundation::TGPRectF& Layout,
                                        const foundation::TGPStringFormat& Format) const override;
    int CalcTextGdi(plat::TCanvas&, const std::string& Text, plat::TRect& Rect, unsigned) const override
    {
        Texts.push_back(Text);
        const plat::TSize size = Extent(Text);
        Rect.Right = Rect.Left + size.cx;
        Rect.Bottom = Rect.Top + size.cy;
        return size.cy;
    }
};

// A white image of the given size with a canvas on it, kept as a PNG when a check fails.
class GlowSurfaceTest : public ::testing::Test {
protected:
    explicit GlowSurfaceTest(int WidthPx = 64, int HeightPx = 48)
        : image(WidthPx, HeightPx, QImage::Format_RGB32), canvas(plat::MakeImageCanvasBackend(image)), keep(image)
    {
        image.fill(Qt::white);
    }

    plat::TColor At(int X, int Y) const { return plat::testing::PixelAt(image, X, Y); }

    QImage image;
    plat::TCanvas canvas;
    plat::testing::SaveImageOnFailure keep;
};

// Whether each channel of two colours differs by at most Tolerance.
inline ::testing::AssertionResult ColorNear(plat::TColor Actual, plat::TColor Expected, int Tolerance)
{
    const int dr = std::abs(plat::GetRValue(Actual) - plat::GetRValue(Expected));
    const int dg = std::abs(plat::GetGValue(Actual) - plat::GetGValue(Expected));
    const int db = std::abs(plat::GetBValue(Actual) - plat::GetBValue(Expected));
    if (dr <= Tolerance && dg <= Tolerance && db <= Tolerance)
        return ::testing::AssertionSuccess();
    char text[64];
    std::snprintf(text, sizeof text, "$%06X, expected $%06X", static_cast<unsigned>(Actual) & 0xFFFFFFu,
                  static_cast<unsigned>(Expected) & 0xFFFFFFu);
    return ::testing::AssertionFailure() << text;
}

}  // namespace skelda::pager::testing
