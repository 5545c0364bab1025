#pragma once

#include "platform/gdiplus/GdiplusTypes.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace plat::gdiplus {

// Point types of a path, as the platform keeps them.
enum PathPointType : std::uint8_t {
    PathPointTypeStart = 0,
    PathPointTypeLine = 1,
    PathPointTypeBezier = 3,
    PathPointTypeCloseSubpath = 0x80,
};

// A path as the platform keeps it: figures of points, each point a start, a line end or one of
// three Bézier points, the last point of a closed figure marked. Lines, curves and arcs added
// while a figure is open join it with a line from its last point; rectangles, ellipses, pies,
// polygons and text are figures of their own.
//
// Angles are in degrees, clockwise (y points down). On an ellipse that is no circle an angle
// names the point the ray from the centre at that angle meets, not the parameter of the
// ellipse's equation. Cardinal splines become Bézier curves: between P[i] and P[i+1] the control
// points are P[i] + 0.3 t (P[i+1] - P[i-1]) and P[i+1] - 0.3 t (P[i+2] - P[i]), with the end
// points standing in for their missing neighbours (t the tension, 0.5 unless given).
class PathData {
public:
    FillMode Fill = FillModeAlternate;

    const std::vector<QPointF>& Points() const { return FPoints; }
    const std::vector<std::uint8_t>& Types() const { return FTypes; }
    int PointCount() const { return static_cast<int>(FPoints.size()); }
    // The rectangle of the ellipse when the path is exactly one ellipse, for brushes that shade
    // ellipses analytically.
    const std::optional<QRectF>& SoleEllipse() const { return FSoleEllipse; }

    void Reset();
    void CloseFigure();
    void AddLines(std::span<const QPointF> points);
    void AddBezier(QPointF p1, QPointF p2, QPointF p3, QPointF p4);
    void AddArc(const QRectF& rect, double startDeg, double sweepDeg);
    void AddRectangle(const QRectF& rect);
    void AddEllipse(const QRectF& rect);
    void AddPie(const QRectF& rect, double startDeg, double sweepDeg);
    void AddPolygon(std::span<const QPointF> points);
    void AddCurve(std::span<const QPointF> points, double tension);
    // Closed figures taken from a Qt path (text outlines).
    void AddOutline(const QPainterPath& outline);

    QPainterPath ToPainterPath() const;

    friend bool operator==(const PathData&, const PathData&) = default;

private:
    // Appends to the open figure, or starts a new one.
    void Continue(QPointF p, PathPointType type);
    void StartFigure(QPointF p);
    void AppendArcBeziers(const QRectF& rect, double startDeg, double sweepDeg, bool joinOpenFigure);

    std::vector<QPointF> FPoints;
    std::vector<std::uint8_t> FTypes;
    bool FFigureOpen = false;
    std::optional<QRectF> FSoleEllipse;
};

}  // namespace plat::gdiplus
