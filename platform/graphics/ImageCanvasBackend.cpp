#include "platform/graphics/TCanvasBackend.h"

#include "platform/core/Exception.h"

#include <QImage>
#include <QPainter>

#include <optional>

namespace plat {

namespace {

// Opens a fresh painter for every drawing call, so the image stays free to be resized,
// replaced or read between calls.
class ImageCanvasBackend final : public TCanvasBackend {
public:
    explicit ImageCanvasBackend(QImage& image) : FImage(image) {}

    QPainter* BeginPaint() override
    {
        if (FImage.isNull())
            return nullptr;
        FPainter.emplace();
        if (!FPainter->begin(&FImage)) {
            FPainter.reset();
            throw EInvalidOperation("Cannot draw on an image of this pixel format");
        }
        return &*FPainter;
    }

    void EndPaint() override
    {
        if (FPainter)
            FPainter->end();
        FPainter.reset();
    }

    QImage* Pixels() override { return &FImage; }
    TSize DeviceSize() const override { return {FImage.width(), FImage.height()}; }
    int PixelsPerInch() const override { return 96; }

private:
    QImage& FImage;
    std::optional<QPainter> FPainter;
};

}  // namespace

std::unique_ptr<TCanvasBackend> MakeImageCanvasBackend(QImage& image)
{
    return std::make_unique<ImageCanvasBackend>(image);
}

}  // namespace plat
