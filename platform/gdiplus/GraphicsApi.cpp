// The graphics functions of the flat API: surfaces, their state, figures, images and text.

#include "platform/gdiplus/ApiSupport.h"
#include "platform/gdiplus/BrushPainting.h"
#include "platform/gdiplus/GdiplusFlat.h"
#include "platform/gdiplus/ImageAdjustment.h"
#include "platform/gdiplus/StringLayout.h"
#include "platform/gdiplus/SurfacePainting.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"

#include <QPainter>

#include <cmath>

namespace plat::gdiplus {

namespace {

// Combines a shape (in the surface's coordinates) into the clip.
void CombineClip(GpGraphics& g, const QPainterPath& shape, CombineMode mode)
{
    const auto everything = [&] {
        QPainterPath all;
        all.addRect(SurfaceArea(g));
        return all;
    };
    const QPainterPath current = g.Clip ? *g.Clip : everything();
    switch (mode) {
    case CombineModeReplace: g.Clip = shape; break;
    case CombineModeIntersect: g.Clip = current.intersected(shape); break;
    case CombineModeUnion: g.Clip = current.united(shape); break;
    case CombineModeXor: g.Clip = current.united(shape).subtracted(current.intersected(shape)); break;
    case CombineModeExclude: g.Clip = current.subtracted(shape); break;
    case CombineModeComplement: g.Clip = shape.subtracted(current); break;
    }
}

bool IsCombineMode(CombineMode mode) { return mode >= CombineModeReplace && mode <= CombineModeComplement; }

Status Stroke(GpGraphics* g, GpPen* pen, const char* call, const QPainterPath& path)
{
    if (!g || !pen)
        return InvalidParameter;
    return Guarded([&] {
        PaintOn(*g, call, Placement::Figure, [&](QPainter& p) { StrokePath(p, path, *pen); });
        return Ok;
    });
}

Status Fill(GpGraphics* g, GpBrush* brush, const char* call, const QPainterPath& area)
{
    if (!g || !brush)
        return InvalidParameter;
    return Guarded([&] {
        PaintOn(*g, call, Placement::Figure, [&](QPainter& p) { FillArea(p, area, *brush); });
        return Ok;
    });
}

QPainterPath RectanglePath(REAL x, REAL y, REAL width, REAL height)
{
    PathData data;
    data.AddRectangle(QRectF(x, y, width, height));
    return data.ToPainterPath();
}

QPainterPath EllipsePath(REAL x, REAL y, REAL width, REAL height)
{
    PathData data;
    data.AddEllipse(QRectF(x, y, width, height));
    return data.ToPainterPath();
}

template <typename Point>
QPainterPath PolygonPath(const Point* points, std::int32_t count, FillMode fillMode)
{
    std::vector<QPointF> corners;
    for (std::int32_t i = 0; i < count; ++i)
        corners.emplace_back(points[i].X, points[i].Y);
    PathData data;
    data.Fill = fillMode;
    data.AddPolygon(corners);
    return data.ToPainterPath();
}

int PixelsPerInch(GpGraphics& g) { return g.Canvas->Backend().PixelsPerInch(); }

}  // namespace

Status GdipCreateFromHDC(HDC hdc, GpGraphics** graphics)
{
    if (!hdc || !graphics)
        return InvalidParameter;
    auto g = std::make_unique<GpGraphics>();
    g->Canvas = TCanvas::FromHandle(hdc);
    return HandOut(graphics, std::move(g));
}

Status GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics)
{
    if (!image || !graphics)
        return InvalidParameter;
    return Guarded([&] {
        auto g = std::make_unique<GpGraphics>();
        g->ImageCanvas = std::make_unique<TCanvas>(MakeImageCanvasBackend(image->Pixels));
        g->Canvas = g->ImageCanvas.get();
        g->Image = image;
        return HandOut(graphics, std::move(g));
    });
}

Status GdipDeleteGraphics(GpGraphics* graphics)
{
    if (!graphics)
        return InvalidParameter;
    delete graphics;
    return Ok;
}

Status GdipFlush(GpGraphics* graphics, FlushIntention)
{
    // Every call has drawn when it returns.
    return graphics ? Ok : InvalidParameter;
}

Status GdipGraphicsClear(GpGraphics* graphics, ARGB color)
{
    if (!graphics)
        return InvalidParameter;
    PaintOn(*graphics, "GdipGraphicsClear", Placement::Picture, [&](QPainter& p) {
        p.resetTransform();
        p.setCompositionMode(QPainter::CompositionMode_Source);
        const QPaintDevice* device = p.device();
        p.fillRect(QRect(0, 0, device->width(), device->height()), ToQColor(color));
    });
    return Ok;
}

Status GdipGetDC(GpGraphics* graphics, HDC* hdc)
{
    if (!graphics || !hdc)
        return InvalidParameter;
    *hdc = graphics->Canvas->Handle();
    return Ok;
}

Status GdipReleaseDC(GpGraphics* graphics, HDC hdc)
{
    return graphics && hdc == graphics->Canvas->Handle() ? Ok : InvalidParameter;
}

Status GdipSetTextRenderingHint(GpGraphics* graphics, TextRenderingHint mode)
{
    if (!graphics || mode < TextRenderingHintSystemDefault || mode > TextRenderingHintClearTypeGridFit)
        return InvalidParameter;
    graphics->TextHint = mode;
    return Ok;
}

Status GdipGetTextRenderingHint(GpGraphics* graphics, TextRenderingHint* mode)
{
    if (!graphics || !mode)
        return InvalidParameter;
    *mode = graphics->TextHint;
    return Ok;
}

Status GdipSetSmoothingMode(GpGraphics* graphics, int smoothingMode)
{
    if (!graphics || smoothingMode < SmoothingModeDefault || smoothingMode > SmoothingModeAntiAlias8x8)
        return InvalidParameter;
    graphics->SmoothingMode = smoothingMode;
    return Ok;
}

Status GdipGetSmoothingMode(GpGraphics* graphics, int* smoothingMode)
{
    if (!graphics || !smoothingMode)
        return InvalidParameter;
    *smoothingMode = graphics->SmoothingMode;
    return Ok;
}

Status GdipSetCompositingQuality(GpGraphics* graphics, int compositingQuality)
{
    if (!graphics || compositingQuality < CompositingQualityDefault || compositingQuality > CompositingQualityAssumeLinear)
        return InvalidParameter;
    graphics->CompositingQuality = compositingQuality;
    return Ok;
}

Status GdipGetCompositingQuality(GpGraphics* graphics, int* compositingQuality)
{
    if (!graphics || !compositingQuality)
        return InvalidParameter;
    *compositingQuality = graphics->CompositingQuality;
    return Ok;
}

Status GdipSetWorldTransform(GpGraphics* graphics, GpMatrix* matrix)
{
    if (!graphics || !matrix)
        return InvalidParameter;
    graphics->World = matrix->Transform;
    return Ok;
}

Status GdipResetWorldTransform(GpGraphics* graphics)
{
    if (!graphics)
        return InvalidParameter;
    graphics->World.reset();
    return Ok;
}

Status GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, CombineMode combineMode)
{
    if (!graphics || !region || !IsCombineMode(combineMode))
        return InvalidParameter;
    return Guarded([&] {
        CombineClip(*graphics, graphics->World.map(region->Area), combineMode);
        return Ok;
    });
}

Status GdipSetClipPath(GpGraphics* graphics, GpPath* path, CombineMode combineMode)
{
    if (!graphics || !path || !IsCombineMode(combineMode))
        return InvalidParameter;
    return Guarded([&] {
        CombineClip(*graphics, graphics->World.map(path->Data.ToPainterPath()), combineMode);
        return Ok;
    });
}

Status GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height, CombineMode combineMode)
{
    if (!graphics || !IsCombineMode(combineMode) || !AllFinite({x, y, width, height}))
        return InvalidParameter;
    return Guarded([&] {
        QPainterPath rect;
        rect.addRect(QRectF(x, y, width, height).normalized());
        CombineClip(*graphics, graphics->World.map(rect), combineMode);
        return Ok;
    });
}

Status GdipResetClip(GpGraphics* graphics)
{
    if (!graphics)
        return InvalidParameter;
    graphics->Clip.reset();
    return Ok;
}

Status GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path)
{
    if (!path)
        return InvalidParameter;
    return Stroke(graphics, pen, "GdipDrawPath", path->Data.ToPainterPath());
}

Status GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path)
{
    if (!path)
        return InvalidParameter;
    return Fill(graphics, brush, "GdipFillPath", path->Data.ToPainterPath());
}

Status GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2)
{
    if (!AllFinite({x1, y1, x2, y2}))
        return InvalidParameter;
    QPainterPath line(QPointF(x1, y1));
    line.lineTo(x2, y2);
    return Stroke(graphics, pen, "GdipDrawLine", line);
}

Status GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height)
{
    if (!AllFinite({x, y, width, height}))
        return InvalidParameter;
    return Stroke(graphics, pen, "GdipDrawRectangle", RectanglePath(x, y, width, height));
}

Status GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height)
{
    if (!AllFinite({x, y, width, height}))
        return InvalidParameter;
    return Fill(graphics, brush, "GdipFillRectangle", RectanglePath(x, y, width, height));
}

Status GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height)
{
    if (!AllFinite({x, y, width, height}))
        return InvalidParameter;
    return Stroke(graphics, pen, "GdipDrawEllipse", EllipsePath(x, y, width, height));
}

Status GdipDrawEllipseI(GpGraphics* graphics, GpPen* pen, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height)
{
    return GdipDrawEllipse(graphics, pen, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                           static_cast<REAL>(height));
}

Status GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height)
{
    if (!AllFinite({x, y, width, height}))
        return InvalidParameter;
    return Fill(graphics, brush, "GdipFillEllipse", EllipsePath(x, y, width, height));
}

Status GdipFillEllipseI(GpGraphics* graphics, GpBrush* brush, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height)
{
    return GdipFillEllipse(graphics, brush, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                           static_cast<REAL>(height));
}

Status GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                   REAL sweepAngle)
{
    if (!AllFinite({x, y, width, height, startAngle, sweepAngle}))
        return InvalidParameter;
    PathData arc;
    arc.AddArc(QRectF(x, y, width, height), startAngle, sweepAngle);
    return Stroke(graphics, pen, "GdipDrawArc", arc.ToPainterPath());
}

Status GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, const GpPointF* points, std::int32_t count,
                       FillMode fillMode)
{
    if (!points || count <= 0)
        return InvalidParameter;
    return Fill(graphics, brush, "GdipFillPolygon", PolygonPath(points, count, fillMode));
}

Status GdipFillPolygonI(GpGraphics* graphics, GpBrush* brush, const GpPoint* points, std::int32_t count,
                        FillMode fillMode)
{
    if (!points || count <= 0)
        return InvalidParameter;
    return Fill(graphics, brush, "GdipFillPolygonI", PolygonPath(points, count, fillMode));
}

Status GdipDrawImageI(GpGraphics* graphics, GpImage* image, std::int32_t x, std::int32_t y)
{
    if (!image)
        return InvalidParameter;
    // Unscaled means at the image's pixel size, whatever resolution its file claims.
    return GdipDrawImageRectRect(graphics, image, static_cast<REAL>(x), static_cast<REAL>(y),
                                 static_cast<REAL>(image->Pixels.width()), static_cast<REAL>(image->Pixels.height()), 0,
                                 0, static_cast<REAL>(image->Pixels.width()), static_cast<REAL>(image->Pixels.height()),
                                 UnitPixel, nullptr, nullptr, nullptr);
}

Status GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width, REAL height)
{
    if (!image)
        return InvalidParameter;
    return GdipDrawImageRectRect(graphics, image, x, y, width, height, 0, 0, static_cast<REAL>(image->Pixels.width()),
                                 static_cast<REAL>(image->Pixels.height()), UnitPixel, nullptr, nullptr, nullptr);
}

Status GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty, REAL dstwidth,
                             REAL dstheight, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight, Unit,
                             const GpImageAttributes* imageAttributes, DrawImageAbort callback, void* callbackData)
{
    if (!graphics || !image || !AllFinite({dstx, dsty, dstwidth, dstheight, srcx, srcy, srcwidth, srcheight}) ||
        srcwidth == 0 || srcheight == 0)
        return InvalidParameter;
    if (callback && callback(callbackData))
        return Aborted;
    return Guarded([&] {
        const QRectF source = QRectF(srcx, srcy, srcwidth, srcheight).normalized();
        const QRect wholePixels = source.toAlignedRect().intersected(image->Pixels.rect());
        if (wholePixels.isEmpty())
            return Ok;
        // The part drawn is cut out first, so that smoothing never reaches pixels beside it.
        QImage part = image->Pixels.copy(wholePixels);
        if (const ColorAdjustment* adjustment = AdjustmentFor(imageAttributes, ColorAdjustTypeBitmap))
            part = AdjustedImage(part, *adjustment);
        const double scaleX = dstwidth / srcwidth;
        const double scaleY = dstheight / srcheight;
        PaintOn(*graphics, "GdipDrawImageRectRect", Placement::Picture, [&](QPainter& p) {
            p.translate(dstx, dsty);
            p.scale(scaleX, scaleY);
            const bool unscaled = std::abs(scaleX) == 1 && std::abs(scaleY) == 1;
            p.setRenderHint(QPainter::SmoothPixmapTransform, !unscaled);
            p.drawImage(QPointF(wholePixels.x() - srcx, wholePixels.y() - srcy), part);
        });
        return Ok;
    });
}

Status GdipMeasureString(GpGraphics* graphics, const char* string, std::int32_t length, const GpFont* font,
                         const GpRectF* layoutRect, const GpStringFormat* stringFormat, GpRectF* boundingBox,
                         std::int32_t* codepointsFitted, std::int32_t* linesFilled)
{
    if (!graphics || !string || !font || !layoutRect || !boundingBox)
        return InvalidParameter;
    return Guarded([&] {
        const StringLayout layout(TextOf(string, length), *font, *layoutRect, stringFormat, graphics->TextHint,
                                  PixelsPerInch(*graphics));
        *boundingBox = layout.BoundingBox();
        if (codepointsFitted)
            *codepointsFitted = layout.CodepointsFitted();
        if (linesFilled)
            *linesFilled = layout.LinesFilled();
        return Ok;
    });
}

Status GdipDrawString(GpGraphics* graphics, const char* string, std::int32_t length, const GpFont* font,
                      const GpRectF* layoutRect, const GpStringFormat* stringFormat, const GpBrush* brush)
{
    if (!graphics || !string || !font || !layoutRect || !brush)
        return InvalidParameter;
    return Guarded([&] {
        const StringLayout layout(TextOf(string, length), *font, *layoutRect, stringFormat, graphics->TextHint,
                                  PixelsPerInch(*graphics));
        PaintOn(*graphics, "GdipDrawString", Placement::Picture, [&](QPainter& p) { layout.Draw(p, ToQBrush(*brush)); });
        return Ok;
    });
}

}  // namespace plat::gdiplus
