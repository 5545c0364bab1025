#include "platform/graphics/TCanvasBackend.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>

namespace plat {

namespace {

// Draws through a painter that its owner keeps open; the canvas saves and restores the
// painter's state around each call.
class PainterCanvasBackend final : public TCanvasBackend {
public:
    PainterCanvasBackend(QPainter& painter, TSize deviceSize, int pixelsPerInch, QImage* pixels = nullptr)
        : FPainter(painter), FDeviceSize(deviceSize), FPixelsPerInch(pixelsPerInch), FPixels(pixels)
    {
    }

    QPainter* BeginPaint() override { return FPainter.isActive() ? &FPainter : nullptr; }
    void EndPaint() override {}
    QImage* Pixels() override { return FPixels; }
    TSize DeviceSize() const override { return FDeviceSize; }
    int PixelsPerInch() const override { return FPixelsPerInch; }

private:
    QPainter& FPainter;
    TSize FDeviceSize;
    int FPixelsPerInch;
    QImage* FPixels;
};

}  // namespace

std::unique_ptr<TCanvasBackend> MakePainterCanvasBackend(QPainter& painter, TSize deviceSize)
{
    return std::make_unique<PainterCanvasBackend>(painter, deviceSize, 96);
}

std::unique_ptr<TCanvasBackend> MakeBufferCanvasBackend(QPainter& painter, QImage& image)
{
    return std::make_unique<PainterCanvasBackend>(painter, TSize{image.width(), image.height()}, 96, &image);
}

std::unique_ptr<TCanvasBackend> MakePrinterCanvasBackend(QPainter& painter, QPrinter& printer)
{
    const int dpi = printer.resolution();
    const QRect page = printer.pageLayout().paintRectPixels(dpi);
    return std::make_unique<PainterCanvasBackend>(painter, TSize{page.width(), page.height()}, dpi);
}

}  // namespace plat
