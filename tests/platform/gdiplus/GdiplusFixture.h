#pragma once

#include "platform/gdiplus/GdiplusFlat.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/testing/SaveImageOnFailure.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace plat::gdiplus {

// Frees a flat-API object with its own delete function.
template <typename T, Status (*Delete)(T*)>
struct Deleter {
    void operator()(T* object) const { Delete(object); }
};
using OwnedPen = std::unique_ptr<GpPen, Deleter<GpPen, GdipDeletePen>>;
using OwnedBrush = std::unique_ptr<GpBrush, Deleter<GpBrush, GdipDeleteBrush>>;
using OwnedPath = std::unique_ptr<GpPath, Deleter<GpPath, GdipDeletePath>>;
using OwnedImage = std::unique_ptr<GpImage, Deleter<GpImage, GdipDisposeImage>>;
using OwnedMatrix = std::unique_ptr<GpMatrix, Deleter<GpMatrix, GdipDeleteMatrix>>;
using OwnedRegion = std::unique_ptr<GpRegion, Deleter<GpRegion, GdipDeleteRegion>>;
using OwnedFont = std::unique_ptr<GpFont, Deleter<GpFont, GdipDeleteFont>>;
using OwnedFamily = std::unique_ptr<GpFontFamily, Deleter<GpFontFamily, GdipDeleteFontFamily>>;
using OwnedFormat = std::unique_ptr<GpStringFormat, Deleter<GpStringFormat, GdipDeleteStringFormat>>;
using OwnedAttributes = std::unique_ptr<GpImageAttributes, Deleter<GpImageAttributes, GdipDisposeImageAttributes>>;

inline OwnedPen SolidPen(ARGB color, REAL width = 1)
{
    GpPen* pen = nullptr;
    EXPECT_EQ(GdipCreatePen1(color, width, UnitWorld, &pen), Ok);
    return OwnedPen(pen);
}

inline OwnedBrush SolidBrushOf(ARGB color)
{
    GpBrush* brush = nullptr;
    EXPECT_EQ(GdipCreateSolidFill(color, &brush), Ok);
    return OwnedBrush(brush);
}

inline OwnedPath EmptyPath()
{
    GpPath* path = nullptr;
    EXPECT_EQ(GdipCreatePath(FillModeAlternate, &path), Ok);
    return OwnedPath(path);
}

// A white image with a canvas and a GDI+ surface on it; the image is kept as a PNG when a check
// fails.
class GdiplusSurfaceTest : public ::testing::Test {
protected:
    explicit GdiplusSurfaceTest(int widthPx = 64, int heightPx = 64)
        : image(widthPx, heightPx, QImage::Format_RGB32), canvas(MakeImageCanvasBackend(image)), keep(image)
    {
        image.fill(Qt::white);
        EXPECT_EQ(GdipCreateFromHDC(canvas.Handle(), &graphics), Ok);
    }
    ~GdiplusSurfaceTest() override { GdipDeleteGraphics(graphics); }

    void Antialias() { ASSERT_EQ(GdipSetSmoothingMode(graphics, SmoothingModeAntiAlias), Ok); }

    QRgb At(int x, int y) const { return image.pixel(x, y); }
    // The darkness of a pixel drawn in black over white: 0 untouched .. 255 black.
    int Ink(int x, int y) const { return 255 - qGray(image.pixel(x, y)); }

    QImage image;
    TCanvas canvas;
    testing::SaveImageOnFailure keep;
    GpGraphics* graphics = nullptr;
};

// Whether two colours agree within a tolerance on every channel.
inline ::testing::AssertionResult Near(QRgb actual, QRgb expected, int tolerance)
{
    const int channels[][2] = {{qRed(actual), qRed(expected)}, {qGreen(actual), qGreen(expected)},
                               {qBlue(actual), qBlue(expected)}};
    for (const auto& c : channels)
        if (std::abs(c[0] - c[1]) > tolerance)
            return ::testing::AssertionFailure() << std::hex << "#" << (actual & 0xFFFFFF) << " is not within "
                                                 << std::dec << tolerance << " of #" << std::hex << (expected & 0xFFFFFF);
    return ::testing::AssertionSuccess();
}

}  // namespace plat::gdiplus
