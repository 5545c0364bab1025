#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <memory>
#include <string>

class QImage;
class QPainter;
class QPrinter;

namespace plat {

// What a canvas draws on. Every drawing call of TCanvas opens a painter with BeginPaint, draws,
// and closes it with EndPaint; the painter's state (clip, transform, modes) is restored in
// between, so a painter that others share (a widget's paint handler) is left as it was.
class TCanvasBackend {
public:
    virtual ~TCanvasBackend() = default;

    // An active painter, or nullptr when there is nothing to draw on (an empty image).
    virtual QPainter* BeginPaint() = 0;
    virtual void EndPaint() = 0;
    // The pixels when they can be read and written directly (outside BeginPaint/EndPaint),
    // possibly an empty image; nullptr for surfaces such as a widget or a printer.
    virtual QImage* Pixels() = 0;
    // Size of the drawing surface in device pixels.
    virtual TSize DeviceSize() const = 0;
    virtual int PixelsPerInch() const = 0;

    // Test back ends log each call a caller made (not the steps of composite routines).
    virtual bool IsRecording() const { return false; }
    virtual void Record(std::string /*call*/) {}
};

// Draws on an image (raster: pen modes, pixel reads, flood fill and raster operations work).
// The image is not owned and must outlive the back end; it may be replaced or resized between
// drawing calls, since no painter stays open on it.
std::unique_ptr<TCanvasBackend> MakeImageCanvasBackend(QImage& image);

// Draws through a painter somebody else opened, such as a widget's paint handler, whose
// surface is deviceSize pixels large. The painter must stay active while the canvas draws.
std::unique_ptr<TCanvasBackend> MakePainterCanvasBackend(QPainter& painter, TSize deviceSize);

// As MakePainterCanvasBackend, for a painter open on image: the pixels can also be read and
// written directly (pixel reads, flood fill, raster operations, copies from this canvas). The
// raster painter draws straight into the image's memory, so direct access between drawing
// calls sees and keeps what the painter drew.
std::unique_ptr<TCanvasBackend> MakeBufferCanvasBackend(QPainter& painter, QImage& image);

// Draws on the printer's page through the painter the print job opened on it; the canvas
// reports the printer's resolution so fonts keep their point size on paper.
std::unique_ptr<TCanvasBackend> MakePrinterCanvasBackend(QPainter& painter, QPrinter& printer);

// How recorded calls write a colour: "$BBGGRR" of the value drawn (system colours resolved);
// values that are no colour keep all their digits, clNone reads "$1FFFFFFF".
std::string RecordedColor(TColor color);

}  // namespace plat
