#include "platform/graphics/TCanvas.h"

#include "platform/core/Exception.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/ControlCharacters.h"
#include "platform/graphics/CosmeticLine.h"
#include "platform/graphics/EdgePainter.h"
#include "platform/graphics/FrameControlPainter.h"
#include "platform/graphics/PainterScope.h"
#include "platform/graphics/PixelSurface.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/RasterOperation.h"
#include "platform/graphics/TCanvasBackend.h"
#include "platform/graphics/TGraphic.h"
#include "platform/graphics/QtFontCache.h"
#include "platform/graphics/TextFormatter.h"
#include "platform/graphics/TextWidthCache.h"

#include <QFontMetrics>
#include <QPaintEngine>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <functional>
#include <numbers>

namespace plat {

namespace {

constexpr const char* kPenStyleNames[] = {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
constexpr const char* kPenModeNames[] = {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                                         "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge",
                                         "pmMask", "pmNotMask", "pmXor", "pmNotXor"};
constexpr const char* kBrushStyleNames[] = {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};

std::string Hex(unsigned value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "$%0*X", digits, value);
    return text;
}

std::string RectText(const TRect& r)
{
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," + std::to_string(r.Bottom);
}

std::string PointsText(const std::vector<TPoint>& points)
{
    std::string text;
    for (const TPoint& p : points)
        text += (text.empty() ? "(" : ",(") + std::to_string(p.X) + "," + std::to_string(p.Y) + ")";
    return text;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

TRect Normalized(int x1, int y1, int x2, int y2)
{
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}


// Qt's clip operations treat "no clip yet" differently from an intersection with everything.
Qt::ClipOperation CombinedClip(const QPainter& painter)
{
    return painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip;
}

Qt::BrushStyle HatchStyle(TBrushStyle style)
{
    switch (style) {
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    case bsClear: return Qt::NoBrush;
    case bsSolid: break;
    }
    return Qt::SolidPattern;
}

// What a brush paints: its pattern, and the background behind hatch lines when the
// background mode is opaque.
struct BrushFill {
    QBrush brush;
    std::optional<QColor> background;

    bool Empty() const { return brush.style() == Qt::NoBrush; }
};

BrushFill MakeBrushFill(const TCanvas& canvas, TPenMode mode)
{
    const TBrush& brush = canvas.Brush();
    if (const TGraphic* bitmap = brush.GetBitmap(); bitmap && !bitmap->GetEmpty()) {
        QImage tile(bitmap->GetWidth(), bitmap->GetHeight(), QImage::Format_RGB32);
        tile.fill(Qt::white);
        TCanvas tileCanvas(MakeImageCanvasBackend(tile));
        bitmap->Draw(tileCanvas, Rect(0, 0, tile.width(), tile.height()));
        return {QBrush(tile), std::nullopt};
    }
    const QColor color = PenModeColor(mode, ToQColor(brush.GetColor()));
    const Qt::BrushStyle style = HatchStyle(brush.GetStyle());
    BrushFill fill{QBrush(color, style), std::nullopt};
    if (style != Qt::SolidPattern && style != Qt::NoBrush && canvas.GetBkMode() == OPAQUE)
        fill.background = PenModeColor(mode, ToQColor(canvas.GetBkColor()));
    return fill;
}

void FillShape(QPainter& painter, const BrushFill& fill, const std::function<void(QPainter&)>& shape)
{
    if (fill.Empty())
        return;
    painter.setPen(Qt::NoPen);
    if (fill.background) {
        painter.setBrush(*fill.background);
        shape(painter);
    }
    painter.setBrush(fill.brush);
    shape(painter);
}

void FillRectWith(QPainter& painter, const BrushFill& fill, const QRect& area)
{
    if (fill.Empty())
        return;
    if (fill.background)
        painter.fillRect(area, *fill.background);
    painter.fillRect(area, fill.brush);
}

int PenWidthPx(const TPen& pen) { return std::max(1, pen.GetWidth()); }

bool IsStyledCosmetic(const TPen& pen)
{
    const TPenStyle s = pen.GetStyle();
    return PenWidthPx(pen) == 1 && s != psSolid && s != psInsideFrame && s != psClear;
}

std::optional<QBrush> GapBrush(const TCanvas& canvas)
{
    if (canvas.GetBkMode() != OPAQUE)
        return std::nullopt;
    return QBrush(PenModeColor(canvas.Pen().GetMode(), ToQColor(canvas.GetBkColor())));
}

// The Qt pen that outlines curves: cosmetic and dashed like the platform's one-pixel pens,
// round-capped when wider (wide pens are always solid there).
QPen CurvePen(const TCanvas& canvas)
{
    const TPen& pen = canvas.Pen();
    const QColor color = PenModeColor(pen.GetMode(), ToQColor(pen.GetColor()));
    if (PenWidthPx(pen) > 1)
        return QPen(QBrush(color), PenWidthPx(pen), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen qpen(QBrush(color), 0, Qt::SolidLine, Qt::FlatCap);
    switch (pen.GetStyle()) {
    case psDash: qpen.setDashPattern({18, 6}); break;
    case psDot: qpen.setDashPattern({3, 3}); break;
    case psDashDot: qpen.setDashPattern({9, 6, 3, 6}); break;
    case psDashDotDot: qpen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
    default: break;
    }
    return qpen;
}

void SelectCurvePen(QPainter& painter, const TCanvas& canvas)
{
    painter.setPen(CurvePen(canvas));
    painter.setBrush(Qt::NoBrush);
    if (const auto gap = GapBrush(canvas); gap && IsStyledCosmetic(canvas.Pen())) {
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(*gap);
    }
}

// Straight segments with the canvas pen; each leaves out its end pixel, so joints and
// closed outlines touch every pixel once (which matters for XOR pens).
void StrokeSegments(QPainter& painter, const TCanvas& canvas, const std::vector<TPoint>& points, bool closed)
{
    const TPen& pen = canvas.Pen();
    if (PenWidthPx(pen) > 1) {
        QPolygon polygon;
        for (const TPoint& p : points)
            polygon << QPoint(p.X, p.Y);
        SelectCurvePen(painter, canvas);
        if (closed)
            painter.drawPolygon(polygon);
        else
            painter.drawPolyline(polygon);
        return;
    }
    const QBrush dash(PenModeColor(pen.GetMode(), ToQColor(pen.GetColor())));
    const auto gap = GapBrush(canvas);
    CosmeticLine line(pen.GetStyle());
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        line.Draw(painter, points[i], points[i + 1], dash, gap ? &*gap : nullptr);
    if (closed && points.size() > 2)
        line.Draw(painter, points.back(), points.front(), dash, gap ? &*gap : nullptr);
}

// Angle in degrees (counter-clockwise, y up) of the ray from the centre of bounds to p.
double RayAngleDeg(const QRectF& bounds, TPoint p)
{
    const QPointF c = bounds.center();
    return std::atan2(c.y() - p.Y, p.X - c.x()) * 180.0 / std::numbers::pi;
}

struct ArcSpan {
    int start16;
    int span16;
};

// Counter-clockwise from start to end; equal rays make a whole ellipse, as on the platform.
ArcSpan ArcBetween(const QRectF& bounds, TPoint start, TPoint end)
{
    const double from = RayAngleDeg(bounds, start);
    double span = RayAngleDeg(bounds, end) - from;
    while (span <= 0)
        span += 360.0;
    return {static_cast<int>(std::lround(from * 16)), static_cast<int>(std::lround(span * 16))};
}

struct TextLineRun {
    std::vector<std::pair<int, QString>> segments;
    int widthPx = 0;
    std::vector<QRect> underlines;
};

void PaintTextLine(QPainter& painter, const QFont& font, QPoint topLeft, const TextLineRun& run, const QColor& color,
                   const std::optional<QColor>& background)
{
    const QFontMetrics metrics(font);
    if (background)
        painter.fillRect(QRect(topLeft.x(), topLeft.y(), run.widthPx, metrics.height()), *background);
    painter.setFont(font);
    painter.setPen(color);
    for (const auto& [x, segment] : run.segments)
        painter.drawText(QPoint(topLeft.x() + x, topLeft.y() + metrics.ascent()), segment);
    for (const QRect& u : run.underlines)
        painter.fillRect(u.translated(topLeft), color);
}

std::optional<QColor> TextBackground(const TCanvas& canvas)
{
    if (canvas.GetBkMode() != OPAQUE)
        return std::nullopt;
    return ToQColor(canvas.GetBkColor());
}

// The source pixels of a copy, mirrored and stretched to the destination's size.
QImage SourcePixels(QImage& pixels, const TRect& deviceSource, const TRect& dest)
{
    const TRect s = Normalized(deviceSource.Left, deviceSource.Top, deviceSource.Right, deviceSource.Bottom);
    QImage copied = pixels.copy(ToQRect(s)).convertToFormat(QImage::Format_ARGB32);
    if (copied.isNull())
        return copied;
    const bool mirrorX = (dest.Width() < 0) != (deviceSource.Width() < 0);
    const bool mirrorY = (dest.Height() < 0) != (deviceSource.Height() < 0);
    if (mirrorX || mirrorY)
        copied = copied.mirrored(mirrorX, mirrorY);
    const QSize size(std::abs(dest.Width()), std::abs(dest.Height()));
    if (copied.size() != size)
        copied = copied.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return copied;
}

}  // namespace

std::string RecordedColor(TColor color)
{
    const auto value = static_cast<unsigned>(ColorToRGB(color));
    return Hex(value, 6);
}

// Brackets one drawing call a caller made: OnChanging, the record, the drawing, OnChange.
// Calls the routine makes on itself to do its work stay inside the bracket, unrecorded.
class TCanvas::CallScope {
public:
    template <typename Describe>
    CallScope(TCanvas& canvas, Describe&& describe)
        : FCanvas(canvas), FOuter(canvas.FCallDepth == 0), FExceptions(std::uncaught_exceptions())
    {
        if (FOuter) {
            if (canvas.OnChanging)
                canvas.OnChanging(&canvas);
            if (canvas.FBackend->IsRecording())
                canvas.FBackend->Record(describe());
        }
        ++canvas.FCallDepth;
    }
    ~CallScope() noexcept(false)
    {
        --FCanvas.FCallDepth;
        if (FOuter && FCanvas.OnChange && std::uncaught_exceptions() == FExceptions)
            FCanvas.OnChange(&FCanvas);
    }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;

private:
    TCanvas& FCanvas;
    bool FOuter;
    int FExceptions;
};

TCanvas::TCanvas(std::unique_ptr<TCanvasBackend> Backend)
    : FBackend(std::move(Backend)), FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>())
{
    if (!FBackend)
        throw EInvalidArgument("A canvas needs a back end to draw on");
    // Fonts keep their point size on devices of another resolution (printers).
    const int sizePt = FFont->GetSize();
    FFont->SetPixelsPerInch(FBackend->PixelsPerInch());
    FFont->SetSize(sizePt);
    FBrush->OnChange = [this](TObject*) { BrushChanged(); };
    BrushChanged();
}

TCanvas::~TCanvas() = default;

void TCanvas::BrushChanged()
{
    // As the widget library selected brushes: a solid one paints the background behind text,
    // any other leaves it transparent.
    if (FBrush->GetStyle() == bsSolid) {
        FBkMode = OPAQUE;
        FBkColor = FBrush->GetColor();
    } else {
        FBkMode = TRANSPARENT;
    }
}

std::string TCanvas::PenText() const
{
    std::string text = "pen=" + RecordedColor(FPen->GetColor());
    if (FPen->GetWidth() != 1)
        text += " width=" + std::to_string(FPen->GetWidth());
    if (FPen->GetStyle() != psSolid)
        text += std::string(" style=") + kPenStyleNames[FPen->GetStyle()];
    if (FPen->GetMode() != pmCopy)
        text += std::string(" mode=") + kPenModeNames[FPen->GetMode()];
    return text;
}

std::string TCanvas::BrushText() const
{
    if (FBrush->GetBitmap())
        return "brush=" + FBrush->GetBitmap()->ClassName();
    if (FBrush->GetStyle() == bsClear)
        return "brush=clear";
    std::string text = "brush=" + RecordedColor(FBrush->GetColor());
    if (FBrush->GetStyle() != bsSolid)
        text += std::string(" style=") + kBrushStyleNames[FBrush->GetStyle()];
    return text;
}

std::string TCanvas::FontText() const
{
    std::string text = "font=" + FFont->GetName() + "," + std::to_string(FFont->GetSize()) + "," + RecordedColor(FFont->GetColor());
    const TFontStyles style = FFont->GetStyle();
    if (style.Contains(fsBold))
        text += ",bold";
    if (style.Contains(fsItalic))
        text += ",italic";
    if (style.Contains(fsUnderline))
        text += ",underline";
    if (style.Contains(fsStrikeOut))
        text += ",strikeout";
    if (FFont->GetOrientation() != 0)
        text += ",orientation=" + std::to_string(FFont->GetOrientation());
    return text;
}

void TCanvas::MoveTo(int X, int Y)
{
    FPenPos = {X, Y};
}

void TCanvas::LineTo(int X, int Y)
{
    const TPoint from = FPenPos;
    FPenPos = {X, Y};
    CallScope scope(*this, [&] {
        return "LineTo(" + std::to_string(X) + "," + std::to_string(Y) + ") from=" + PointsText({from}) + " " + PenText();
    });
    if (FPen->GetStyle() == psClear)
        return;
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p || !SelectPenMode(*p.get(), FPen->GetMode()))
        return;
    StrokeSegments(*p.get(), *this, {from, {X, Y}}, false);
}

void TCanvas::Polyline(const std::vector<TPoint>& Points)
{
    CallScope scope(*this, [&] { return "Polyline(" + PointsText(Points) + ") " + PenText(); });
    if (Points.size() < 2 || FPen->GetStyle() == psClear)
        return;
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p || !SelectPenMode(*p.get(), FPen->GetMode()))
        return;
    StrokeSegments(*p.get(), *this, Points, false);
}

void TCanvas::Polygon(const std::vector<TPoint>& Points)
{
    CallScope scope(*this, [&] { return "Polygon(" + PointsText(Points) + ") " + PenText() + " " + BrushText(); });
    if (Points.size() < 2)
        return;
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p || !SelectPenMode(*p.get(), FPen->GetMode()))
        return;
    QPolygon polygon;
    for (const TPoint& pt : Points)
        polygon << QPoint(pt.X, pt.Y);
    FillShape(*p.get(), MakeBrushFill(*this, FPen->GetMode()), [&](QPainter& painter) { painter.drawPolygon(polygon, Qt::OddEvenFill); });
    if (FPen->GetStyle() != psClear)
        StrokeSegments(*p.get(), *this, Points, true);
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    CallScope scope(*this, [&] { return "Rectangle(" + RectText({X1, Y1, X2, Y2}) + ") " + PenText() + " " + BrushText(); });
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p || !SelectPenMode(*p.get(), FPen->GetMode()))
        return;
    QPainter& painter = *p.get();
    const TRect r = Normalized(X1, Y1, X2, Y2);
    const BrushFill fill = MakeBrushFill(*this, FPen->GetMode());
    if (FPen->GetStyle() == psClear) {
        // Without a pen the platform filled one pixel less to the right and bottom.
        FillRectWith(painter, fill, ToQRect({r.Left, r.Top, r.Right - 1, r.Bottom - 1}));
        return;
    }
    const int w = PenWidthPx(*FPen);
    // A wide pen is centred on the outline, unless psInsideFrame keeps it inside.
    const TRect outer = FPen->GetStyle() == psInsideFrame
                            ? r
                            : TRect{r.Left - (w - 1) / 2, r.Top - (w - 1) / 2, r.Right + w / 2, r.Bottom + w / 2};
    const TRect inner{outer.Left + w, outer.Top + w, outer.Right - w, outer.Bottom - w};
    if (!inner.IsEmpty())
        FillRectWith(painter, fill, ToQRect(inner));
    if (outer.IsEmpty())
        return;
    if (IsStyledCosmetic(*FPen)) {
        StrokeSegments(painter, *this,
                       {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}}, true);
        return;
    }
    const QColor penColor = PenModeColor(FPen->GetMode(), ToQColor(FPen->GetColor()));
    if (inner.IsEmpty()) {
        painter.fillRect(ToQRect(outer), penColor);
        return;
    }
    painter.fillRect(ToQRect({outer.Left, outer.Top, outer.Right, inner.Top}), penColor);
    painter.fillRect(ToQRect({outer.Left, inner.Bottom, outer.Right, outer.Bottom}), penColor);
    painter.fillRect(ToQRect({outer.Left, inner.Top, inner.Left, inner.Bottom}), penColor);
    painter.fillRect(ToQRect({inner.Right, inner.Top, outer.Right, inner.Bottom}), penColor);
}

namespace {

// Bounds of a curve for Qt: the platform's exclusive right and bottom edges, shrunk further
// so that a psInsideFrame pen stays inside.
QRectF CurveBounds(const TRect& r, const TPen& pen)
{
    QRectF bounds(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
    if (pen.GetStyle() == psInsideFrame && pen.GetWidth() > 1) {
        const qreal half = pen.GetWidth() / 2.0;
        bounds.adjust(half, half, -half, -half);
    }
    return bounds;
}

}  // namespace

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3)
{
    CallScope scope(*this, [&] {
        return "RoundRect(" + RectText({X1, Y1, X2, Y2}) + "," + std::to_string(X3) + "," + std::to_string(Y3) + ") " + PenText() + " " + BrushText();
    });
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p || !SelectPenMode(*p.get(), FPen->GetMode()))
        return;
    const QRectF bounds = CurveBounds(Normalized(X1, Y1, X2, Y2), *FPen);
    const qreal rx = std::abs(X3) / 2.0;
    const qreal ry = std::abs(Y3) / 2.0;
    auto shape = [&](QPainter& painter) { painter.drawRoundedRect(bounds, rx, ry, Qt::AbsoluteSize); };
    FillShape(*p.get(), MakeBrushFill(*this, FPen->GetMode()), shape);
    if (FPen->GetStyle() != psClear) {
        SelectCurvePen(*p.get(), *this);
        shape(*p.get());
    }
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    CallScope scope(*this, [&] { return "Ellipse(" + RectText({X1, Y1, X2, Y2}) + ") " + PenText() + " " + BrushText(); });
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p || !SelectPenMode(*p.get(), FPen->GetMode()))
        return;
    const QRectF bounds = CurveBounds(Normalized(X1, Y1, X2, Y2), *FPen);
    auto shape = [&](QPainter& painter) { painter.drawEllipse(bounds); };
    FillShape(*p.get(), MakeBrushFill(*this, FPen->GetMode()), shape);
    if (FPen->GetStyle() != psClear) {
        SelectCurvePen(*p.get(), *this);
        shape(*p.get());
    }
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    CallScope scope(*this, [&] {
        return "Arc(" + RectText({X1, Y1, X2, Y2}) + "," + PointsText({{X3, Y3}, {X4, Y4}}) + ") " + PenText();
    });
    if (FPen->GetStyle() == psClear)
        return;
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p || !SelectPenMode(*p.get(), FPen->GetMode()))
        return;
    const QRectF bounds = CurveBounds(Normalized(X1, Y1, X2, Y2), *FPen);
    const ArcSpan arc = ArcBetween(bounds, {X3, Y3}, {X4, Y4});
    SelectCurvePen(*p.get(), *this);
    p->drawArc(bounds, arc.start16, arc.span16);
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    CallScope scope(*this, [&] {
        return "Pie(" + RectText({X1, Y1, X2, Y2}) + "," + PointsText({{X3, Y3}, {X4, Y4}}) + ") " + PenText() + " " + BrushText();
    });
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p || !SelectPenMode(*p.get(), FPen->GetMode()))
        return;
    const QRectF bounds = CurveBounds(Normalized(X1, Y1, X2, Y2), *FPen);
    const ArcSpan arc = ArcBetween(bounds, {X3, Y3}, {X4, Y4});
    auto shape = [&](QPainter& painter) { painter.drawPie(bounds, arc.start16, arc.span16); };
    FillShape(*p.get(), MakeBrushFill(*this, FPen->GetMode()), shape);
    if (FPen->GetStyle() != psClear) {
        SelectCurvePen(*p.get(), *this);
        shape(*p.get());
    }
}

void TCanvas::FillRect(const TRect& Rect)
{
    CallScope scope(*this, [&] { return "FillRect(" + RectText(Rect) + ") " + BrushText(); });
    if (Rect.IsEmpty())
        return;
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (p)
        FillRectWith(*p.get(), MakeBrushFill(*this, pmCopy), ToQRect(Rect));
}

void TCanvas::FrameRect(const TRect& Rect)
{
    CallScope scope(*this, [&] { return "FrameRect(" + RectText(Rect) + ") " + BrushText(); });
    if (Rect.IsEmpty())
        return;
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p)
        return;
    const BrushFill fill = MakeBrushFill(*this, pmCopy);
    const TRect& r = Rect;
    FillRectWith(*p.get(), fill, ToQRect({r.Left, r.Top, r.Right, r.Top + 1}));
    if (r.Height() > 1)
        FillRectWith(*p.get(), fill, ToQRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}));
    if (r.Height() > 2) {
        FillRectWith(*p.get(), fill, ToQRect({r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}));
        if (r.Width() > 1)
            FillRectWith(*p.get(), fill, ToQRect({r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}));
    }
}

void TCanvas::DrawFocusRect(const TRect& Rect)
{
    CallScope scope(*this, [&] { return "DrawFocusRect(" + RectText(Rect) + ")"; });
    if (Rect.IsEmpty())
        return;
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p || !p->paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        return;
    // Every other pixel of a one-pixel frame inverted; the four sides never overlap, so a
    // second call restores the pixels exactly.
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QBrush dots(Qt::white, Qt::Dense4Pattern);
    const TRect& r = Rect;
    p->fillRect(ToQRect({r.Left, r.Top, r.Right, r.Top + 1}), dots);
    if (r.Height() > 1)
        p->fillRect(ToQRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}), dots);
    if (r.Height() > 2) {
        p->fillRect(ToQRect({r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}), dots);
        if (r.Width() > 1)
            p->fillRect(ToQRect({r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}), dots);
    }
}

TColor TCanvas::GetPixels(int X, int Y)
{
    QImage* pixels = FBackend->Pixels();
    if (!pixels)
        return CLR_INVALID;
    const PixelSurface surface(*pixels, FClip);
    const int x = X + FViewportOrg.X;
    const int y = Y + FViewportOrg.Y;
    return surface.Visible(x, y) ? surface.Get(x, y) : CLR_INVALID;
}

void TCanvas::SetPixels(int X, int Y, TColor Color)
{
    CallScope scope(*this, [&] { return "Pixels(" + std::to_string(X) + "," + std::to_string(Y) + ")=" + RecordedColor(Color); });
    if (QImage* pixels = FBackend->Pixels()) {
        PixelSurface surface(*pixels, FClip);
        const int x = X + FViewportOrg.X;
        const int y = Y + FViewportOrg.Y;
        if (surface.Visible(x, y))
            surface.Set(x, y, Color);
        return;
    }
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (p)
        p->fillRect(X, Y, 1, 1, ToQColor(Color));
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle)
{
    CallScope scope(*this, [&] {
        return "FloodFill(" + std::to_string(X) + "," + std::to_string(Y) + "," + RecordedColor(Color) + "," +
               (FillStyle == fsSurface ? "fsSurface" : "fsBorder") + ") " + BrushText();
    });
    QImage* pixels = FBackend->Pixels();
    if (!pixels)
        return;
    const std::vector<TRect> spans = PixelSurface(*pixels, FClip).FloodSpans(X + FViewportOrg.X, Y + FViewportOrg.Y, Color, FillStyle);
    if (spans.empty())
        return;
    std::vector<QRect> rects;
    rects.reserve(spans.size());
    for (const TRect& span : spans)
        rects.push_back(ToQRect(MovedRect(span, {-FViewportOrg.X, -FViewportOrg.Y})));
    QRegion area;
    area.setRects(rects.data(), static_cast<int>(rects.size()));
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p)
        return;
    p->setClipRegion(area, CombinedClip(*p.get()));
    FillRectWith(*p.get(), MakeBrushFill(*this, pmCopy), area.boundingRect());
}

void TCanvas::TextOut(int X, int Y, const std::string& Text)
{
    CallScope scope(*this, [&] {
        return "TextOut(" + std::to_string(X) + "," + std::to_string(Y) + "," + Quoted(Text) + ") " + FontText();
    });
    const auto [font, fontKey] = QtFontCache::FontOf(*FFont);
    const QString text = WithoutControlCharacters(ToQString(Text));
    const int widthPx = TextWidthCache::Advance(QFontMetrics(font), fontKey, text);
    {
        PainterScope p(*FBackend, FViewportOrg, FClip);
        if (p) {
            // An orientation turns the text about its top-left corner, counter-clockwise.
            p->translate(X, Y);
            p->rotate(-FFont->GetOrientation() / 10.0);
            PaintTextLine(*p.get(), font, {0, 0}, {{{0, text}}, widthPx, {}}, ToQColor(FFont->GetColor()), TextBackground(*this));
        }
    }
    FPenPos = {X + widthPx, Y};
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const std::string& Text)
{
    CallScope scope(*this, [&] {
        return "TextRect(" + RectText(Rect) + "," + std::to_string(X) + "," + std::to_string(Y) + "," + Quoted(Text) + ") " + FontText();
    });
    if (Rect.IsEmpty())
        return;
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p)
        return;
    if (FBrush->GetStyle() != bsClear)
        p->fillRect(ToQRect(Rect), ToQColor(FBkColor));
    p->setClipRect(ToQRect(Rect), CombinedClip(*p.get()));
    const auto [font, fontKey] = QtFontCache::FontOf(*FFont);
    const QString text = WithoutControlCharacters(ToQString(Text));
    const int widthPx = TextWidthCache::Advance(QFontMetrics(font), fontKey, text);
    p->translate(X, Y);
    p->rotate(-FFont->GetOrientation() / 10.0);
    PaintTextLine(*p.get(), font, {0, 0}, {{{0, text}}, widthPx, {}}, ToQColor(FFont->GetColor()), TextBackground(*this));
}

TSize TCanvas::TextExtent(const std::string& Text)
{
    if (Text.empty())
        return {0, 0};
    const auto [font, fontKey] = QtFontCache::FontOf(*FFont);
    const QFontMetrics metrics(font);
    return {TextWidthCache::Advance(metrics, fontKey, WithoutControlCharacters(ToQString(Text))), metrics.height()};
}

int TCanvas::DrawText(const std::string& Text, TRect& Rect, unsigned Format)
{
    const auto [font, fontKey] = QtFontCache::FontOf(*FFont);
    const TextFormatter formatter(font, fontKey, Format, Rect.Width());
    const bool measureOnly = Format & DT_CALCRECT;
    std::vector<FormattedLine> lines = formatter.Layout(ToQString(Text), !measureOnly);
    // External leading is the gap the font asks between lines; only callers that stack single
    // lines themselves ask for it.
    const int lineHeightPx =
        formatter.LineHeightPx() + ((Format & DT_EXTERNALLEADING) ? std::max(0, QFontMetrics(font).leading()) : 0);
    if (measureOnly) {
        int widestPx = 0;
        for (const FormattedLine& line : lines)
            widestPx = std::max(widestPx, line.widthPx);
        const int heightPx = static_cast<int>(lines.size()) * lineHeightPx;
        Rect.Right = Rect.Left + widestPx;
        Rect.Bottom = Rect.Top + heightPx;
        return heightPx;
    }
    CallScope scope(*this, [&] {
        return "DrawText(" + Quoted(Text) + "," + RectText(Rect) + "," + Hex(Format, 4) + ") " + FontText();
    });
    if ((Format & DT_EDITCONTROL) && !(Format & DT_SINGLELINE)) {
        // Like an edit control: no partly visible last line (the first one always shows).
        const std::size_t fullLines = std::max(1, Rect.Height() / std::max(1, lineHeightPx));
        if (lines.size() > fullLines) {
            lines.resize(fullLines);
            // The last line shown says that more follows.
            if (Format & DT_END_ELLIPSIS)
                lines.back() = formatter.WithEndEllipsis(lines.back());
        }
    }
    const int heightPx = static_cast<int>(lines.size()) * lineHeightPx;
    int top = Rect.Top;
    if (Format & DT_SINGLELINE) {
        if (Format & DT_VCENTER)
            top = Rect.Top + (Rect.Height() - heightPx) / 2;
        else if (Format & DT_BOTTOM)
            top = Rect.Bottom - heightPx;
    }
    const bool clipped = !(Format & DT_NOCLIP);
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (p && !(clipped && Rect.IsEmpty())) {
        if (clipped)
            p->setClipRect(ToQRect(Rect), CombinedClip(*p.get()));
        if (Format & DT_RTLREADING)
            p->setLayoutDirection(Qt::RightToLeft);
        const QFontMetrics metrics(font);
        const QColor color = ToQColor(FFont->GetColor());
        const std::optional<QColor> background = TextBackground(*this);
        int y = top;
        for (const FormattedLine& line : lines) {
            int x = Rect.Left;
            if (Format & DT_CENTER)
                x = Rect.Left + (Rect.Width() - line.widthPx) / 2;
            else if (Format & DT_RIGHT)
                x = Rect.Right - line.widthPx;
            TextLineRun run{formatter.Segments(line.text), line.widthPx, {}};
            for (int i : line.underlined) {
                const int underlineY = metrics.ascent() + std::max(1, metrics.underlinePos());
                run.underlines.emplace_back(formatter.WidthOf(line.text.left(i)), underlineY,
                                            metrics.horizontalAdvance(line.text.at(i)), std::max(1, metrics.lineWidth()));
            }
            if (FFont->GetOrientation() != 0) {
                // A turned font turns each line about its start, as TextOut does.
                p->save();
                p->translate(x, y);
                p->rotate(-FFont->GetOrientation() / 10.0);
                PaintTextLine(*p.get(), font, {0, 0}, run, color, background);
                p->restore();
            } else {
                PaintTextLine(*p.get(), font, {x, y}, run, color, background);
            }
            y += lineHeightPx;
        }
    }
    return (Format & DT_SINGLELINE) && (Format & (DT_VCENTER | DT_BOTTOM)) ? top - Rect.Top + heightPx : heightPx;
}

bool TCanvas::DrawEdge(TRect& Rect, unsigned Edge, unsigned Flags)
{
    CallScope scope(*this, [&] { return "DrawEdge(" + RectText(Rect) + "," + Hex(Edge, 2) + "," + Hex(Flags, 4) + ")"; });
    PainterScope p(*FBackend, FViewportOrg, FClip);
    return EdgePainter(p.get()).Draw(Rect, Edge, Flags);
}

bool TCanvas::DrawFrameControl(TRect& Rect, unsigned Type, unsigned State)
{
    CallScope scope(*this, [&] {
        return "DrawFrameControl(" + RectText(Rect) + "," + std::to_string(Type) + "," + Hex(State, 4) + ")";
    });
    PainterScope p(*FBackend, FViewportOrg, FClip);
    return FrameControlPainter(p.get()).Draw(Rect, Type, State);
}

void TCanvas::Draw(int X, int Y, const TGraphic* Graphic)
{
    if (!Graphic || Graphic->GetEmpty())
        return;
    const TRect r = Bounds(X, Y, Graphic->GetWidth(), Graphic->GetHeight());
    CallScope scope(*this, [&] { return "Draw(" + std::to_string(X) + "," + std::to_string(Y) + ") " + Graphic->ClassName(); });
    Graphic->Draw(*this, r);
}

void TCanvas::StretchDraw(const TRect& Rect, const TGraphic* Graphic)
{
    if (!Graphic || Graphic->GetEmpty())
        return;
    CallScope scope(*this, [&] { return "StretchDraw(" + RectText(Rect) + ") " + Graphic->ClassName(); });
    Graphic->Draw(*this, Rect);
}

void TCanvas::DrawImage(const TRect& Dest, const QImage& Image, const TRect& Source)
{
    CallScope scope(*this, [&] {
        return "DrawImage(" + RectText(Dest) + ") " + std::to_string(Image.width()) + "x" + std::to_string(Image.height());
    });
    if (Image.isNull() || Dest.IsEmpty() || Source.IsEmpty())
        return;
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (p)
        p->drawImage(ToQRect(Dest), Image, ToQRect(Source));
}

void TCanvas::PaintWith(const std::string& Call, const std::function<void(QPainter&)>& Paint)
{
    CallScope scope(*this, [&] { return Call; });
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (p)
        Paint(*p.get());
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect)
{
    StretchBlt(Dest, Source, SourceRect, FCopyMode, "CopyRect");
}

void TCanvas::BitBlt(int X, int Y, int Width, int Height, TCanvas& Source, int XSrc, int YSrc, TRasterOp Rop)
{
    StretchBlt(Bounds(X, Y, Width, Height), Source, Bounds(XSrc, YSrc, Width, Height), Rop, "BitBlt");
}

void TCanvas::StretchBlt(const TRect& Dest, TCanvas& Source, const TRect& SourceRect, TRasterOp Rop, const char* callName)
{
    CallScope scope(*this, [&] {
        return std::string(callName) + "(" + RectText(Dest) + ",src=" + RectText(SourceRect) + "," + Hex(Rop, 8) + ")";
    });
    const RasterOperation rop(Rop);
    const TRect dest = Normalized(Dest.Left, Dest.Top, Dest.Right, Dest.Bottom);
    if (dest.IsEmpty())
        return;
    QImage source;
    if (rop.UsesSource()) {
        QImage* sourcePixels = Source.FBackend->Pixels();
        if (!sourcePixels)
            throw EInvalidOperation("Cannot copy from a canvas whose pixels cannot be read");
        if (SourceRect.Width() == 0 || SourceRect.Height() == 0)
            return;
        source = SourcePixels(*sourcePixels, MovedRect(SourceRect, Source.FViewportOrg), Dest);
        if (source.isNull())
            return;
    }
    const QRgb pattern = ToQRgb(FBrush->GetColor());
    if (QImage* pixels = FBackend->Pixels()) {
        PixelSurface(*pixels, FClip).Combine(MovedRect(dest, FViewportOrg), source, rop, pattern);
        return;
    }
    PainterScope p(*FBackend, FViewportOrg, FClip);
    if (!p)
        return;
    const bool rasterOps = p->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    if (rop.UsesSource()) {
        QPainter::CompositionMode mode = rop.SourceCompositionMode().value_or(QPainter::CompositionMode_Source);
        if (!rasterOps)
            mode = QPainter::CompositionMode_Source;
        p->setCompositionMode(mode);
        p->drawImage(ToQRect(dest), source);
        return;
    }
    // Operations on pattern and destination alone that a painter can do.
    QColor fill;
    switch (rop.Table()) {
    case 0xF0: fill = QColor::fromRgb(pattern); break;
    case 0x00: fill = Qt::black; break;
    case 0xFF: fill = Qt::white; break;
    case 0x5A:
        fill = QColor::fromRgb(pattern);
        if (rasterOps)
            p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case 0x55:
        if (!rasterOps)
            return;
        fill = Qt::black;
        p->setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
    default: return;
    }
    p->fillRect(ToQRect(dest), fill);
}

void TCanvas::SelectClipRgn(const TRegion* Region)
{
    if (Region)
        FClip = *Region;
    else
        FClip.reset();
}

void TCanvas::IntersectClipRect(const TRect& Rect)
{
    const TRegion area(MovedRect(Rect, FViewportOrg));
    const TSize size = FBackend->DeviceSize();
    FClip = (FClip ? *FClip : TRegion(plat::Rect(0, 0, size.cx, size.cy))).Intersect(area);
}

void TCanvas::ExcludeClipRect(const TRect& Rect)
{
    const TRegion area(MovedRect(Rect, FViewportOrg));
    const TSize size = FBackend->DeviceSize();
    FClip = (FClip ? *FClip : TRegion(plat::Rect(0, 0, size.cx, size.cy))).Subtract(area);
}

TRect TCanvas::GetClipRect() const
{
    const TSize size = FBackend->DeviceSize();
    const TRect bounds = FClip ? FClip->Bounds() : Rect(0, 0, size.cx, size.cy);
    return MovedRect(bounds, {-FViewportOrg.X, -FViewportOrg.Y});
}

int TCanvas::SaveDC()
{
    FSaved.push_back({FViewportOrg, FClip, FBkMode, FBkColor, FPenPos});
    return static_cast<int>(FSaved.size());
}

bool TCanvas::RestoreDC(int SavedIndex)
{
    const int count = static_cast<int>(FSaved.size());
    const int index = SavedIndex < 0 ? count + SavedIndex + 1 : SavedIndex;
    if (index < 1 || index > count)
        return false;
    const SavedState& state = FSaved[index - 1];
    FViewportOrg = state.viewportOrg;
    FClip = state.clip;
    FBkMode = state.bkMode;
    FBkColor = state.bkColor;
    FPenPos = state.penPos;
    FSaved.resize(index - 1);
    return true;
}

void TCanvas::Lock()
{
    FLock.lock();
    ++FLockCount;
}

void TCanvas::Unlock()
{
    if (FLockCount == 0)
        throw EInvalidOperation("Canvas is not locked");
    --FLockCount;
    FLock.unlock();
}

bool TCanvas::TryLock()
{
    if (!FLock.try_lock())
        return false;
    ++FLockCount;
    return true;
}

}  // namespace plat
