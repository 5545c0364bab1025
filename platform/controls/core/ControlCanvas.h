#pragma once

#include "platform/graphics/TCanvas.h"

#include <memory>

namespace plat {

class TCanvasBackend;
class TControlCanvasBackend;
struct TPaintContext;

// A back end drawing on a paint message's surface (its pixels readable when the context has
// them). The context's painter must stay active while the canvas draws.
std::unique_ptr<TCanvasBackend> MakeContextCanvasBackend(const TPaintContext& Context);

// The canvas of a control. While the control paints (between Attach and Detach) it draws on the
// paint message's surface, with the control's (0, 0) at the context's origin and clipped to the
// context's clip rectangle. At any other time it draws on the idle image when one is set (a
// double-buffered control's last paint, whose pixels can so be read), else on a small scratch
// image: measuring text works, but nothing drawn shows; code that wants to show something at
// once invalidates the control or draws into a bitmap that Paint copies.
class TControlCanvas : public TCanvas {
public:
    TControlCanvas();
    ~TControlCanvas() override;

    std::string ClassName() const override { return "TControlCanvas"; }

    void Attach(const TPaintContext& Context);
    void Detach();
    bool Attached() const;
    // The image must outlive the canvas or be replaced before it goes; nullptr for the scratch.
    void SetIdleImage(QImage* Image);

private:
    TControlCanvasBackend& Switch();
};

// Attaches a control canvas for the length of a paint, however the paint ends.
class TCanvasAttachment {
public:
    TCanvasAttachment(TControlCanvas& Canvas, const TPaintContext& Context) : FCanvas(Canvas) { FCanvas.Attach(Context); }
    ~TCanvasAttachment() { FCanvas.Detach(); }
    TCanvasAttachment(const TCanvasAttachment&) = delete;
    TCanvasAttachment& operator=(const TCanvasAttachment&) = delete;

private:
    TControlCanvas& FCanvas;
};

}  // namespace plat
