#include "platform/controls/core/ControlCanvas.h"

#include "platform/controls/core/PaintContext.h"
#include "platform/graphics/TCanvasBackend.h"

#include <QImage>

namespace plat {

// Draws through the painter of the paint message while the control paints, on a scratch image
// otherwise.
class TControlCanvasBackend : public TCanvasBackend {
public:
    TControlCanvasBackend() : FScratch(1, 1, QImage::Format_RGB32), FScratchBackend(MakeImageCanvasBackend(FScratch)) {}

    void Attach(const TPaintContext& Context)
    {
        FPainterBackend = MakeContextCanvasBackend(Context);
    }
    void Detach() { FPainterBackend.reset(); }
    bool Attached() const { return FPainterBackend != nullptr; }
    void SetIdleImage(QImage* Image)
    {
        if (Image == FIdleImage)
            return;
        FIdleImage = Image;
        FIdleBackend = Image ? MakeImageCanvasBackend(*Image) : nullptr;
    }

    QPainter* BeginPaint() override { return Current().BeginPaint(); }
    void EndPaint() override { Current().EndPaint(); }
    QImage* Pixels() override { return Current().Pixels(); }
    TSize DeviceSize() const override { return Current().DeviceSize(); }
    int PixelsPerInch() const override { return Current().PixelsPerInch(); }

private:
    TCanvasBackend& Current() const
    {
        if (FPainterBackend)
            return *FPainterBackend;
        return FIdleBackend ? *FIdleBackend : *FScratchBackend;
    }

    QImage FScratch;
    std::unique_ptr<TCanvasBackend> FScratchBackend;
    QImage* FIdleImage = nullptr;
    std::unique_ptr<TCanvasBackend> FIdleBackend;
    std::unique_ptr<TCanvasBackend> FPainterBackend;
};

std::unique_ptr<TCanvasBackend> MakeContextCanvasBackend(const TPaintContext& Context)
{
    if (Context.Pixels)
        return MakeBufferCanvasBackend(*Context.Painter, *Context.Pixels);
    return MakePainterCanvasBackend(*Context.Painter, Context.DeviceSize);
}

TControlCanvas::TControlCanvas() : TCanvas(std::make_unique<TControlCanvasBackend>()) {}

TControlCanvas::~TControlCanvas() = default;

void TControlCanvas::Attach(const TPaintContext& Context)
{
    Switch().Attach(Context);
    SelectClipRgn(nullptr);
    SetViewportOrg(Context.Origin);
    IntersectClipRect(Context.ClipRect);
}

void TControlCanvas::Detach()
{
    Switch().Detach();
    SelectClipRgn(nullptr);
    SetViewportOrg({});
}

bool TControlCanvas::Attached() const
{
    return const_cast<TControlCanvas*>(this)->Switch().Attached();
}

void TControlCanvas::SetIdleImage(QImage* Image)
{
    Switch().SetIdleImage(Image);
}

TControlCanvasBackend& TControlCanvas::Switch()
{
    return static_cast<TControlCanvasBackend&>(Backend());
}

}  // namespace plat
