#include "platform/gdiplus/BrushPainting.h"

#include "platform/gdiplus/SurfacePainting.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <limits>

namespace plat::gdiplus {

namespace {

Qt::BrushStyle HatchPattern(HatchStyle style)
{
    // Qt has six line patterns and seven densities; the platform's other styles take the
    // nearest of them.
    switch (style) {
    case HatchStyleHorizontal:
    case HatchStyleLightHorizontal:
    case HatchStyleNarrowHorizontal:
    case HatchStyleDarkHorizontal:
    case HatchStyleDashedHorizontal:
    case HatchStyleHorizontalBrick:
        return Qt::HorPattern;
    case HatchStyleVertical:
    case HatchStyleLightVertical:
    case HatchStyleNarrowVertical:
    case HatchStyleDarkVertical:
    case HatchStyleDashedVertical:
        return Qt::VerPattern;
    case HatchStyleForwardDiagonal:
    case HatchStyleLightDownwardDiagonal:
    case HatchStyleDarkDownwardDiagonal:
    case HatchStyleWideDownwardDiagonal:
    case HatchStyleDashedDownwardDiagonal:
    case HatchStyleDiagonalBrick:
        return Qt::FDiagPattern;
    case HatchStyleBackwardDiagonal:
    case HatchStyleLightUpwardDiagonal:
    case HatchStyleDarkUpwardDiagonal:
    case HatchStyleWideUpwardDiagonal:
    case HatchStyleDashedUpwardDiagonal:
    case HatchStyleZigZag:
    case HatchStyleWave:
        return Qt::BDiagPattern;
    case HatchStyleCross:
    case HatchStyleSmallGrid:
    case HatchStyleDottedGrid:
    case HatchStylePlaid:
    case HatchStyleSmallCheckerBoard:
    case HatchStyleLargeCheckerBoard:
        return Qt::CrossPattern;
    case HatchStyleDiagonalCross:
    case HatchStyleDottedDiamond:
    case HatchStyleOutlinedDiamond:
    case HatchStyleSolidDiamond:
    case HatchStyleTrellis:
    case HatchStyleWeave:
    case HatchStyleShingle:
        return Qt::DiagCrossPattern;
    case HatchStyle05Percent: return Qt::Dense7Pattern;
    case HatchStyle10Percent:
    case HatchStyle20Percent: return Qt::Dense6Pattern;
    case HatchStyle25Percent:
    case HatchStyle30Percent:
    case HatchStyle40Percent: return Qt::Dense5Pattern;
    case HatchStyle50Percent: return Qt::Dense4Pattern;
    case HatchStyle60Percent:
    case HatchStyle70Percent:
    case HatchStyle75Percent: return Qt::Dense3Pattern;
    case HatchStyle80Percent:
    case HatchStyle90Percent: return Qt::Dense2Pattern;
    default: return Qt::Dense5Pattern;
    }
}

QGradient::Spread SpreadOf(WrapMode wrap)
{
    switch (wrap) {
    case WrapModeTile: return QGradient::RepeatSpread;
    case WrapModeClamp: return QGradient::PadSpread;
    default: return QGradient::ReflectSpread;
    }
}

// Stops from a blend, or the two colours. Reversed blends run from the far end, as path
// gradients count their positions from the boundary.
void SetStops(QGradient& gradient, const PresetBlend& preset, ARGB first, ARGB last, bool reversed = false)
{
    // The platform interpolates each channel on its own, not premultiplied colours.
    gradient.setInterpolationMode(QGradient::ComponentInterpolation);
    QGradientStops stops;
    if (preset.empty()) {
        stops = {{0.0, ToQColor(first)}, {1.0, ToQColor(last)}};
    } else {
        for (const auto& [position, color] : preset)
            stops.push_back({reversed ? 1.0 - position : position, ToQColor(color)});
        std::sort(stops.begin(), stops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    }
    gradient.setStops(stops);
}

QBrush LinearBrush(const LinearGradientBrush& brush)
{
    QLinearGradient gradient(brush.Start, brush.End);
    gradient.setSpread(SpreadOf(brush.Wrap));
    SetStops(gradient, brush.Preset, brush.Color1, brush.Color2);
    return QBrush(gradient);
}

QBrush TextureQBrush(const TextureBrush& brush)
{
    QBrush texture(WrappedTile(brush.Tile, brush.Wrap));
    texture.setTransform(brush.Transform);
    return texture;
}

// The colour of the boundary point nearest to p: the surround colour of that part of the edge.
bool HasOneSurroundColor(const PathGradientBrush& brush)
{
    const auto& colors = brush.SurroundColors;
    return std::all_of(colors.begin(), colors.end(), [&](ARGB c) { return c == colors.front(); });
}

ARGB SurroundColorNear(const PathGradientBrush& brush, QPointF p)
{
    if (HasOneSurroundColor(brush))
        return brush.SurroundColors.front();
    const std::vector<QPointF>& points = brush.Boundary.Points();
    std::size_t nearest = 0;
    double best = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPointF d = points[i] - p;
        const double distance = QPointF::dotProduct(d, d);
        if (distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return brush.SurroundColors[std::min(nearest, brush.SurroundColors.size() - 1)];
}

// The ellipse as a focal radial gradient: the unit circle mapped onto the ellipse, the focal
// point at the centre point (held just inside the edge, where Qt needs it).
void PaintEllipseGradient(QPainter& layer, const QPainterPath& boundary, const PathGradientBrush& brush,
                          const QRectF& ellipse)
{
    const double rx = ellipse.width() / 2;
    const double ry = ellipse.height() / 2;
    if (rx == 0 || ry == 0)
        return;
    QPointF focal((brush.CenterPoint.x() - ellipse.center().x()) / rx, (brush.CenterPoint.y() - ellipse.center().y()) / ry);
    const double length = std::hypot(focal.x(), focal.y());
    constexpr double insideEdge = 0.999;
    if (length > insideEdge)
        focal *= insideEdge / length;
    QRadialGradient gradient(QPointF(0, 0), 1.0, focal);
    gradient.setSpread(QGradient::PadSpread);
    SetStops(gradient, brush.Preset, brush.CenterColor, brush.SurroundColors.front(), true);
    QBrush shading(gradient);
    shading.setTransform(QTransform(rx, 0, 0, ry, ellipse.center().x(), ellipse.center().y()));
    layer.fillPath(boundary, shading);
}

// Any other path as a fan: the triangle from the centre point to each edge, shaded along the
// perpendicular to the edge, which is what interpolating along rays from the centre gives.
// The triangles reach a little past the boundary and are drawn without antialiasing, so that
// neighbours meet without seams; the caller's mask gives the edge its antialiasing.
void PaintFanGradient(QPainter& layer, const QPainterPath& boundary, const PathGradientBrush& brush)
{
    const QPointF c = brush.CenterPoint;
    const QTransform toDevice = layer.combinedTransform();
    layer.setRenderHint(QPainter::Antialiasing, false);
    for (const QPolygonF& figure : boundary.toSubpathPolygons()) {
        for (qsizetype i = 0; i < figure.size(); ++i) {
            const QPointF a = figure[i];
            const QPointF b = figure[(i + 1) % figure.size()];
            const QPointF edge = b - a;
            const double edgeLength2 = QPointF::dotProduct(edge, edge);
            if (edgeLength2 == 0)
                continue;
            const QPointF foot = a + edge * (QPointF::dotProduct(c - a, edge) / edgeLength2);
            if (QLineF(c, foot).length() < 1e-9)
                continue;
            auto reach = [&](QPointF p) {
                const double deviceDistance = QLineF(toDevice.map(c), toDevice.map(p)).length();
                const double factor = 1.0 + std::max(0.1, 2.0 / std::max(deviceDistance, 1e-6));
                return c + (p - c) * factor;
            };
            QLinearGradient gradient(c, foot);
            gradient.setSpread(QGradient::PadSpread);
            SetStops(gradient, brush.Preset, brush.CenterColor, SurroundColorNear(brush, (a + b) / 2), true);
            QPainterPath triangle;
            triangle.moveTo(c);
            triangle.lineTo(reach(a));
            triangle.lineTo(reach(b));
            triangle.closeSubpath();
            layer.fillPath(triangle, QBrush(gradient));
        }
    }
}

// Path gradients paint into a layer of the device pixels they cover, which then goes onto the
// surface through the painter's clip.
void FillWithPathGradient(QPainter& painter, const QPainterPath& area, const PathGradientBrush& brush)
{
    const QPainterPath boundary = brush.Boundary.ToPainterPath();
    const QTransform toDevice = painter.combinedTransform();
    QRectF box = toDevice.mapRect(boundary.boundingRect()) & toDevice.mapRect(area.boundingRect());
    if (const QPaintDevice* device = painter.device())
        box &= QRectF(0, 0, device->width(), device->height());
    const QRect pixels = box.toAlignedRect();
    if (pixels.isEmpty())
        return;
    QImage layer(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter shading(&layer);
        shading.setRenderHint(QPainter::Antialiasing, true);
        shading.setTransform(toDevice * QTransform::fromTranslate(-pixels.x(), -pixels.y()));
        if (const auto& ellipse = brush.Boundary.SoleEllipse(); ellipse && HasOneSurroundColor(brush)) {
            PaintEllipseGradient(shading, boundary, brush, *ellipse);
        } else {
            shading.fillPath(boundary, Qt::black);
            shading.setCompositionMode(QPainter::CompositionMode_SourceIn);
            PaintFanGradient(shading, boundary, brush);
        }
        const bool areaIsBoundary = area == boundary;
        if (!areaIsBoundary) {
            QImage mask(pixels.size(), QImage::Format_ARGB32_Premultiplied);
            mask.fill(Qt::transparent);
            QPainter masking(&mask);
            masking.setRenderHint(QPainter::Antialiasing, painter.testRenderHint(QPainter::Antialiasing));
            masking.setTransform(shading.transform());
            masking.fillPath(area, Qt::black);
            masking.end();
            shading.resetTransform();
            shading.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            shading.drawImage(0, 0, mask);
        }
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(pixels.topLeft(), layer);
    painter.restore();
}

void FillWithTexture(QPainter& painter, const QPainterPath& area, const TextureBrush& brush)
{
    if (brush.Tile.isNull())
        return;
    if (brush.Wrap != WrapModeClamp) {
        painter.fillPath(area, TextureQBrush(brush));
        return;
    }
    // Clamped, the image lies once at the brush's origin and nothing paints beside it.
    QPainterPath once;
    once.addRect(QRectF(brush.Tile.rect()));
    painter.fillPath(area.intersected(brush.Transform.map(once)), TextureQBrush(brush));
}

}  // namespace

QImage WrappedTile(const QImage& tile, WrapMode wrap)
{
    const bool flipX = wrap == WrapModeTileFlipX || wrap == WrapModeTileFlipXY;
    const bool flipY = wrap == WrapModeTileFlipY || wrap == WrapModeTileFlipXY;
    if (!flipX && !flipY)
        return tile;
    QImage wrapped(tile.width() * (flipX ? 2 : 1), tile.height() * (flipY ? 2 : 1), QImage::Format_ARGB32_Premultiplied);
    wrapped.fill(Qt::transparent);
    QPainter p(&wrapped);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, tile);
    if (flipX)
        p.drawImage(tile.width(), 0, tile.mirrored(true, false));
    if (flipY)
        p.drawImage(0, tile.height(), tile.mirrored(false, true));
    if (flipX && flipY)
        p.drawImage(tile.width(), tile.height(), tile.mirrored(true, true));
    return wrapped;
}

QBrush ToQBrush(const GpBrush& brush)
{
    switch (brush.Kind) {
    case BrushKind::Solid: return QBrush(ToQColor(static_cast<const SolidBrush&>(brush).Color));
    case BrushKind::Hatch: {
        const auto& hatch = static_cast<const HatchBrush&>(brush);
        return QBrush(ToQColor(hatch.Fore), HatchPattern(hatch.Style));
    }
    case BrushKind::Texture: return TextureQBrush(static_cast<const TextureBrush&>(brush));
    case BrushKind::LinearGradient: return LinearBrush(static_cast<const LinearGradientBrush&>(brush));
    case BrushKind::PathGradient: return QBrush(ToQColor(static_cast<const PathGradientBrush&>(brush).CenterColor));
    }
    return QBrush();
}

void FillArea(QPainter& painter, const QPainterPath& area, const GpBrush& brush)
{
    switch (brush.Kind) {
    case BrushKind::Hatch:
        painter.fillPath(area, ToQColor(static_cast<const HatchBrush&>(brush).Back));
        painter.fillPath(area, ToQBrush(brush));
        return;
    case BrushKind::Texture:
        FillWithTexture(painter, area, static_cast<const TextureBrush&>(brush));
        return;
    case BrushKind::PathGradient:
        FillWithPathGradient(painter, area, static_cast<const PathGradientBrush&>(brush));
        return;
    case BrushKind::Solid:
    case BrushKind::LinearGradient:
        painter.fillPath(area, ToQBrush(brush));
        return;
    }
}

void StrokePath(QPainter& painter, const QPainterPath& path, const GpPen& pen)
{
    const QTransform& world = painter.worldTransform();
    const double scale = std::sqrt(std::abs(world.determinant()));
    double width = pen.Width;
    if (pen.WidthUnit == UnitPixel && scale > 0)
        width /= scale;
    // The platform never draws a line thinner than one device pixel.
    if (scale > 0 && width * scale < 1)
        width = 1 / scale;

    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(5);
    stroker.setCapStyle(pen.EndCap == LineCapRound || pen.EndCap == LineCapRoundAnchor   ? Qt::RoundCap
                        : pen.EndCap == LineCapSquare || pen.EndCap == LineCapSquareAnchor ? Qt::SquareCap
                                                                                           : Qt::FlatCap);
    switch (pen.Dash) {
    case DashStyleDash: stroker.setDashPattern(QList<qreal>{3, 1}); break;
    case DashStyleDot: stroker.setDashPattern(QList<qreal>{1, 1}); break;
    case DashStyleDashDot: stroker.setDashPattern(QList<qreal>{3, 1, 1, 1}); break;
    case DashStyleDashDotDot: stroker.setDashPattern(QList<qreal>{3, 1, 1, 1, 1, 1}); break;
    default: break;
    }
    QPainterPath outline = stroker.createStroke(path);
    outline.setFillRule(Qt::WindingFill);
    FillArea(painter, outline, *pen.Brush);
}

}  // namespace plat::gdiplus
