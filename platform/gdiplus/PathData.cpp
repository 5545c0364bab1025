#include "platform/gdiplus/PathData.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace plat::gdiplus {

namespace {

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }
double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

// The parameter angle of the point the ray at angleDeg meets on an ellipse of radii rx, ry,
// kept within a quarter turn of angleDeg so that sweeps keep their turns.
double ParameterAngle(double angleDeg, double rx, double ry)
{
    if (rx == ry)
        return angleDeg;
    const double a = Radians(angleDeg);
    const double parameter = Degrees(std::atan2(rx * std::sin(a), ry * std::cos(a)));
    return parameter + 360.0 * std::round((angleDeg - parameter) / 360.0);
}

}  // namespace

void PathData::Reset()
{
    FPoints.clear();
    FTypes.clear();
    FFigureOpen = false;
    FSoleEllipse.reset();
}

void PathData::CloseFigure()
{
    if (FFigureOpen && !FTypes.empty())
        FTypes.back() |= PathPointTypeCloseSubpath;
    FFigureOpen = false;
}

void PathData::StartFigure(QPointF p)
{
    FPoints.push_back(p);
    FTypes.push_back(PathPointTypeStart);
    FFigureOpen = true;
    FSoleEllipse.reset();
}

void PathData::Continue(QPointF p, PathPointType type)
{
    if (!FFigureOpen) {
        StartFigure(p);
        return;
    }
    FPoints.push_back(p);
    FTypes.push_back(type);
}

void PathData::AddLines(std::span<const QPointF> points)
{
    for (std::size_t i = 0; i < points.size(); ++i) {
        // The first point of what is added joins the open figure, unless it is where the
        // figure already ends.
        if (i == 0 && FFigureOpen && FPoints.back() == points[0])
            continue;
        Continue(points[i], PathPointTypeLine);
    }
}

void PathData::AddBezier(QPointF p1, QPointF p2, QPointF p3, QPointF p4)
{
    AddLines(std::span<const QPointF>(&p1, 1));
    for (const QPointF& p : {p2, p3, p4})
        Continue(p, PathPointTypeBezier);
}

void PathData::AppendArcBeziers(const QRectF& rect, double startDeg, double sweepDeg, bool joinOpenFigure)
{
    const double rx = rect.width() / 2;
    const double ry = rect.height() / 2;
    const QPointF centre = rect.center();
    sweepDeg = std::clamp(sweepDeg, -360.0, 360.0);
    const double from = ParameterAngle(startDeg, rx, ry);
    const double to = ParameterAngle(startDeg + sweepDeg, rx, ry);
    auto at = [&](double parameterDeg) {
        const double a = Radians(parameterDeg);
        return QPointF(centre.x() + rx * std::cos(a), centre.y() + ry * std::sin(a));
    };
    const QPointF first = at(from);
    if (joinOpenFigure)
        AddLines(std::span<const QPointF>(&first, 1));
    else
        StartFigure(first);
    const int segments = std::max(1, static_cast<int>(std::ceil(std::abs(to - from) / 90.0 - 1e-9)));
    if (to == from)
        return;
    const double step = (to - from) / segments;
    for (int i = 0; i < segments; ++i) {
        const double a = Radians(from + step * i);
        const double b = Radians(from + step * (i + 1));
        const double k = 4.0 / 3.0 * std::tan((b - a) / 4);
        const QPointF p0(std::cos(a), std::sin(a));
        const QPointF p3(std::cos(b), std::sin(b));
        const QPointF p1 = p0 + k * QPointF(-std::sin(a), std::cos(a));
        const QPointF p2 = p3 - k * QPointF(-std::sin(b), std::cos(b));
        for (const QPointF& unit : {p1, p2, p3})
            Continue(QPointF(centre.x() + rx * unit.x(), centre.y() + ry * unit.y()), PathPointTypeBezier);
    }
}

void PathData::AddArc(const QRectF& rect, double startDeg, double sweepDeg)
{
    AppendArcBeziers(rect, startDeg, sweepDeg, true);
    FSoleEllipse.reset();
}

void PathData::AddRectangle(const QRectF& rect)
{
    if (rect.width() == 0 || rect.height() == 0)
        return;
    FFigureOpen = false;
    StartFigure(rect.topLeft());
    for (const QPointF& p : {rect.topRight(), rect.bottomRight(), rect.bottomLeft()})
        Continue(p, PathPointTypeLine);
    CloseFigure();
}

void PathData::AddEllipse(const QRectF& rect)
{
    const bool wasEmpty = FPoints.empty();
    FFigureOpen = false;
    AppendArcBeziers(rect, 0, 360, false);
    CloseFigure();
    if (wasEmpty)
        FSoleEllipse = rect;
}

void PathData::AddPie(const QRectF& rect, double startDeg, double sweepDeg)
{
    FFigureOpen = false;
    StartFigure(rect.center());
    AppendArcBeziers(rect, startDeg, sweepDeg, true);
    CloseFigure();
}

void PathData::AddPolygon(std::span<const QPointF> points)
{
    if (points.empty())
        return;
    FFigureOpen = false;
    StartFigure(points[0]);
    for (std::size_t i = 1; i < points.size(); ++i)
        Continue(points[i], PathPointTypeLine);
    CloseFigure();
}

void PathData::AddCurve(std::span<const QPointF> points, double tension)
{
    if (points.empty())
        return;
    AddLines(points.first(1));
    const double t = 0.3 * tension;
    const std::size_t n = points.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const QPointF& before = points[i == 0 ? 0 : i - 1];
        const QPointF& after = points[std::min(i + 2, n - 1)];
        Continue(points[i] + t * (points[i + 1] - before), PathPointTypeBezier);
        Continue(points[i + 1] - t * (after - points[i]), PathPointTypeBezier);
        Continue(points[i + 1], PathPointTypeBezier);
    }
    FSoleEllipse.reset();
}

void PathData::AddOutline(const QPainterPath& outline)
{
    FFigureOpen = false;
    for (int i = 0; i < outline.elementCount(); ++i) {
        const QPainterPath::Element e = outline.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            CloseFigure();
            StartFigure(QPointF(e.x, e.y));
            break;
        case QPainterPath::LineToElement:
            Continue(QPointF(e.x, e.y), PathPointTypeLine);
            break;
        case QPainterPath::CurveToElement:
        case QPainterPath::CurveToDataElement:
            Continue(QPointF(e.x, e.y), PathPointTypeBezier);
            break;
        }
    }
    CloseFigure();
}

QPainterPath PathData::ToPainterPath() const
{
    QPainterPath path;
    path.setFillRule(Fill == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
    for (std::size_t i = 0; i < FPoints.size(); ++i) {
        const std::uint8_t kind = FTypes[i] & 0x07;
        if (kind == PathPointTypeStart) {
            path.moveTo(FPoints[i]);
        } else if (kind == PathPointTypeBezier && i + 2 < FPoints.size()) {
            path.cubicTo(FPoints[i], FPoints[i + 1], FPoints[i + 2]);
            i += 2;
        } else {
            path.lineTo(FPoints[i]);
        }
        if (FTypes[i] & PathPointTypeCloseSubpath)
            path.closeSubpath();
    }
    return path;
}

}  // namespace plat::gdiplus
