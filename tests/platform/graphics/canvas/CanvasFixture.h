#pragma once

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/SaveImageOnFailure.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace plat {

// A white image (64 x 64 unless asked otherwise) with a canvas on it; the image is kept as a
// PNG when a test fails.
class ImageCanvasTest : public ::testing::Test {
protected:
    explicit ImageCanvasTest(int widthPx = 64, int heightPx = 64)
        : image(widthPx, heightPx, QImage::Format_RGB32), canvas(MakeImageCanvasBackend(image)), keep(image)
    {
        image.fill(Qt::white);
    }

    TColor At(int x, int y) const { return testing::PixelAt(image, x, y); }
    int Count(const TRect& area, TColor color) const { return testing::CountPixels(image, area, color); }
    int CountWholeImage(TColor color) const { return Count(Rect(0, 0, image.width(), image.height()), color); }

    QImage image;
    TCanvas canvas;
    testing::SaveImageOnFailure keep;
};

// Smallest rectangle around the pixels that are not the colour (empty when there are none).
inline TRect InkBounds(const QImage& image, TColor background = clWhite)
{
    TRect ink{image.width(), image.height(), 0, 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (testing::PixelAt(image, x, y) != background) {
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x + 1);
                ink.Bottom = std::max(ink.Bottom, y + 1);
            }
    return ink.IsEmpty() ? TRect{} : ink;
}

}  // namespace plat
