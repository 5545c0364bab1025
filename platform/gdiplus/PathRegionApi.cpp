// The path and region functions of the flat API.

#include "platform/gdiplus/ApiSupport.h"
#include "platform/gdiplus/GdiplusFlat.h"
#include "platform/gdiplus/StringLayout.h"

#include <vector>

namespace plat::gdiplus {

namespace {

template <typename Point>
std::vector<QPointF> PointsOf(const Point* points, std::int32_t count)
{
    std::vector<QPointF> result;
    result.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        result.emplace_back(points[i].X, points[i].Y);
    return result;
}

// Adds to a path, refusing nil handles, too few points and coordinates that are no numbers.
template <typename Point, typename Add>
Status AddPoints(GpPath* path, const Point* points, std::int32_t count, std::int32_t least, Add add)
{
    if (!path || !points || count < least)
        return InvalidParameter;
    std::vector<QPointF> converted = PointsOf(points, count);
    for (const QPointF& p : converted)
        if (!AllFinite({static_cast<REAL>(p.x()), static_cast<REAL>(p.y())}))
            return InvalidParameter;
    return Guarded([&] {
        add(path->Data, converted);
        return Ok;
    });
}

Status CombineArea(QPainterPath& area, const QPainterPath& other, CombineMode mode)
{
    switch (mode) {
    case CombineModeReplace: area = other; return Ok;
    case CombineModeIntersect: area = area.intersected(other); return Ok;
    case CombineModeUnion: area = area.united(other); return Ok;
    case CombineModeXor: area = area.united(other).subtracted(area.intersected(other)); return Ok;
    case CombineModeExclude: area = area.subtracted(other); return Ok;
    case CombineModeComplement: area = other.subtracted(area); return Ok;
    }
    return InvalidParameter;
}

}  // namespace

Status GdipCreatePath(FillMode brushMode, GpPath** path)
{
    if (!path || (brushMode != FillModeAlternate && brushMode != FillModeWinding))
        return InvalidParameter;
    auto made = std::make_unique<GpPath>();
    made->Data.Fill = brushMode;
    return HandOut(path, std::move(made));
}

Status GdipDeletePath(GpPath* path)
{
    if (!path)
        return InvalidParameter;
    delete path;
    return Ok;
}

Status GdipResetPath(GpPath* path)
{
    if (!path)
        return InvalidParameter;
    const FillMode fill = path->Data.Fill;
    path->Data.Reset();
    path->Data.Fill = fill;
    return Ok;
}

Status GdipClosePathFigure(GpPath* path)
{
    if (!path)
        return InvalidParameter;
    path->Data.CloseFigure();
    return Ok;
}

Status GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2)
{
    const GpPointF ends[] = {{x1, y1}, {x2, y2}};
    return AddPoints(path, ends, 2, 2, [](PathData& d, const std::vector<QPointF>& p) { d.AddLines(p); });
}

Status GdipAddPathLine2I(GpPath* path, const GpPoint* points, std::int32_t count)
{
    return AddPoints(path, points, count, 1, [](PathData& d, const std::vector<QPointF>& p) { d.AddLines(p); });
}

Status GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height)
{
    if (!path || !AllFinite({x, y, width, height}))
        return InvalidParameter;
    path->Data.AddRectangle(QRectF(x, y, width, height));
    return Ok;
}

Status GdipAddPathRectangleI(GpPath* path, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    return GdipAddPathRectangle(path, static_cast<REAL>(x), static_cast<REAL>(y), static_cast<REAL>(width),
                                static_cast<REAL>(height));
}

Status GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    if (!path || !AllFinite({x, y, width, height, startAngle, sweepAngle}))
        return InvalidParameter;
    path->Data.AddArc(QRectF(x, y, width, height), startAngle, sweepAngle);
    return Ok;
}

Status GdipAddPathPie(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    if (!path || !AllFinite({x, y, width, height, startAngle, sweepAngle}))
        return InvalidParameter;
    path->Data.AddPie(QRectF(x, y, width, height), startAngle, sweepAngle);
    return Ok;
}

Status GdipAddPathEllipse(GpPath* path, REAL x, REAL y, REAL width, REAL height)
{
    if (!path || !AllFinite({x, y, width, height}))
        return InvalidParameter;
    path->Data.AddEllipse(QRectF(x, y, width, height));
    return Ok;
}

Status GdipAddPathPolygon(GpPath* path, const GpPointF* points, std::int32_t count)
{
    return AddPoints(path, points, count, 3, [](PathData& d, const std::vector<QPointF>& p) { d.AddPolygon(p); });
}

Status GdipAddPathPolygonI(GpPath* path, const GpPoint* points, std::int32_t count)
{
    return AddPoints(path, points, count, 3, [](PathData& d, const std::vector<QPointF>& p) { d.AddPolygon(p); });
}

Status GdipAddPathCurve(GpPath* path, const GpPointF* points, std::int32_t count)
{
    return AddPoints(path, points, count, 2, [](PathData& d, const std::vector<QPointF>& p) { d.AddCurve(p, 0.5); });
}

Status GdipAddPathCurveI(GpPath* path, const GpPoint* points, std::int32_t count)
{
    return AddPoints(path, points, count, 2, [](PathData& d, const std::vector<QPointF>& p) { d.AddCurve(p, 0.5); });
}

Status GdipAddPathCurve2I(GpPath* path, const GpPoint* points, std::int32_t count, REAL tension)
{
    if (!AllFinite({tension}))
        return InvalidParameter;
    return AddPoints(path, points, count, 2,
                     [tension](PathData& d, const std::vector<QPointF>& p) { d.AddCurve(p, tension); });
}

Status GdipAddPathBezier(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4)
{
    const GpPointF points[] = {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}};
    return AddPoints(path, points, 4, 4,
                     [](PathData& d, const std::vector<QPointF>& p) { d.AddBezier(p[0], p[1], p[2], p[3]); });
}

Status GdipAddPathString(GpPath* path, const char* string, std::int32_t length, const GpFontFamily* family,
                         std::int32_t style, REAL emSize, const GpRectF* layoutRect, const GpStringFormat* format)
{
    if (!path || !string || !family || !layoutRect || !(emSize > 0))
        return InvalidParameter;
    return Guarded([&] {
        const GpFont font{family->Face, emSize, style, UnitWorld};
        const StringLayout layout(TextOf(string, length), font, *layoutRect, format, TextRenderingHintAntiAlias, 96);
        path->Data.AddOutline(layout.Outline());
        return Ok;
    });
}

Status GdipCreateRegionRect(const GpRectF* rect, GpRegion** region)
{
    if (!rect || !region || !AllFinite({rect->X, rect->Y, rect->Width, rect->Height}))
        return InvalidParameter;
    auto made = std::make_unique<GpRegion>();
    made->Area.addRect(QRectF(rect->X, rect->Y, rect->Width, rect->Height).normalized());
    return HandOut(region, std::move(made));
}

Status GdipCreateRegionPath(GpPath* path, GpRegion** region)
{
    if (!path || !region)
        return InvalidParameter;
    return Guarded([&] {
        auto made = std::make_unique<GpRegion>();
        made->Area = path->Data.ToPainterPath();
        return HandOut(region, std::move(made));
    });
}

Status GdipDeleteRegion(GpRegion* region)
{
    if (!region)
        return InvalidParameter;
    delete region;
    return Ok;
}

Status GdipCombineRegionPath(GpRegion* region, GpPath* path, CombineMode combineMode)
{
    if (!region || !path)
        return InvalidParameter;
    return Guarded([&] { return CombineArea(region->Area, path->Data.ToPainterPath(), combineMode); });
}

Status GdipCombineRegionRegion(GpRegion* region, GpRegion* region2, CombineMode combineMode)
{
    if (!region || !region2)
        return InvalidParameter;
    return Guarded([&] { return CombineArea(region->Area, region2->Area, combineMode); });
}

}  // namespace plat::gdiplus
