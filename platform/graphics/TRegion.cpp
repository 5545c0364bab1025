#include "platform/graphics/TRegion.h"

#include "platform/core/RectOps.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace plat {

namespace {

// What lies of a outside b: at most a band above, a band below and two strips beside b.
void AppendDifference(const TRect& a, const TRect& b, std::vector<TRect>& out)
{
    const TRect common = IntersectedRect(a, b);
    if (common.IsEmpty()) {
        out.push_back(a);
        return;
    }
    const TRect strips[] = {
        {a.Left, a.Top, a.Right, common.Top},
        {a.Left, common.Bottom, a.Right, a.Bottom},
        {a.Left, common.Top, common.Left, common.Bottom},
        {common.Right, common.Top, a.Right, common.Bottom},
    };
    for (const TRect& strip : strips)
        if (!strip.IsEmpty())
            out.push_back(strip);
}

// Where the outline crosses a row's centre line, and whether it runs down (+1) or up (-1) there.
struct Crossing {
    double X;
    int Direction;
};

// The spans [Left, Right) of pixel columns inside the polygon on row Y.
std::vector<std::pair<int, int>> RowSpans(std::span<const TPoint> Points, int Y, int FillMode,
                                          std::vector<Crossing>& Crossings)
{
    const double centre = Y + 0.5;
    Crossings.clear();
    for (std::size_t i = 0; i < Points.size(); ++i) {
        const TPoint& a = Points[i];
        const TPoint& b = Points[(i + 1) % Points.size()];
        if ((a.Y < centre) == (b.Y < centre))
            continue;
        const double x = a.X + (centre - a.Y) * (static_cast<double>(b.X) - a.X) / (static_cast<double>(b.Y) - a.Y);
        Crossings.push_back({x, b.Y > a.Y ? 1 : -1});
    }
    std::sort(Crossings.begin(), Crossings.end(), [](const Crossing& l, const Crossing& r) { return l.X < r.X; });
    std::vector<std::pair<int, int>> spans;
    int winding = 0;
    for (std::size_t i = 0; i + 1 < Crossings.size(); ++i) {
        winding += FillMode == WINDING ? Crossings[i].Direction : 1;
        const bool inside = FillMode == WINDING ? winding != 0 : winding % 2 != 0;
        if (!inside)
            continue;
        // Pixel x is inside when its centre x + 0.5 lies in [from, to).
        const int left = static_cast<int>(std::ceil(Crossings[i].X - 0.5));
        const int right = static_cast<int>(std::ceil(Crossings[i + 1].X - 0.5));
        if (left >= right)
            continue;
        if (!spans.empty() && spans.back().second >= left)
            spans.back().second = std::max(spans.back().second, right);
        else
            spans.emplace_back(left, right);
    }
    return spans;
}

}  // namespace

TRegion::TRegion(const TRect& Rect)
{
    if (!Rect.IsEmpty())
        FRects.push_back(Rect);
}

TRegion TRegion::Union(const TRegion& Other) const
{
    TRegion result = *this;
    const TRegion added = Other.Subtract(*this);
    result.FRects.insert(result.FRects.end(), added.FRects.begin(), added.FRects.end());
    return result;
}

TRegion TRegion::Intersect(const TRegion& Other) const
{
    TRegion result;
    for (const TRect& a : FRects)
        for (const TRect& b : Other.FRects) {
            const TRect common = IntersectedRect(a, b);
            if (!common.IsEmpty())
                result.FRects.push_back(common);
        }
    return result;
}

TRegion TRegion::Subtract(const TRegion& Other) const
{
    std::vector<TRect> remaining = FRects;
    for (const TRect& b : Other.FRects) {
        std::vector<TRect> next;
        for (const TRect& a : remaining)
            AppendDifference(a, b, next);
        remaining = std::move(next);
    }
    TRegion result;
    result.FRects = std::move(remaining);
    return result;
}

TRegion TRegion::Offset(int dx, int dy) const
{
    TRegion result = *this;
    for (TRect& r : result.FRects)
        r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
    return result;
}

bool TRegion::Contains(TPoint P) const
{
    return std::any_of(FRects.begin(), FRects.end(), [P](const TRect& r) { return r.Contains(P); });
}

TRect TRegion::Bounds() const
{
    if (FRects.empty())
        return {};
    TRect bounds = FRects.front();
    for (const TRect& r : FRects) {
        bounds.Left = std::min(bounds.Left, r.Left);
        bounds.Top = std::min(bounds.Top, r.Top);
        bounds.Right = std::max(bounds.Right, r.Right);
        bounds.Bottom = std::max(bounds.Bottom, r.Bottom);
    }
    return bounds;
}

TRegion RoundRectRegion(const TRect& Rect, int EllipseWidth, int EllipseHeight)
{
    const int width = Rect.Width();
    const int height = Rect.Height();
    if (width <= 0 || height <= 0)
        return {};
    const double radiusX = std::clamp(EllipseWidth, 0, width) / 2.0;
    const double radiusY = std::clamp(EllipseHeight, 0, height) / 2.0;
    if (radiusX <= 0 || radiusY <= 0)
        return TRegion(Rect);
    // How far a row at the given distance from the top or bottom edge is cut in on each side;
    // the row is sampled at its middle so the shape is the same at both edges.
    const auto inset = [&](int row) {
        const double fromCentre = radiusY - (row + 0.5);
        if (fromCentre <= 0)
            return 0;
        const double across = radiusX * std::sqrt(std::max(0.0, 1.0 - (fromCentre * fromCentre) / (radiusY * radiusY)));
        return static_cast<int>(std::lround(radiusX - across));
    };
    TRegion result;
    int bandTop = 0;
    int bandInset = inset(0);
    for (int y = 1; y <= height; ++y) {
        const int rowInset = y == height ? -1 : inset(std::min(y, height - 1 - y));
        if (rowInset == bandInset)
            continue;
        if (2 * bandInset < width)
            result.FRects.push_back({Rect.Left + bandInset, Rect.Top + bandTop, Rect.Right - bandInset, Rect.Top + y});
        bandTop = y;
        bandInset = rowInset;
    }
    return result;
}

TRegion PolygonRegion(std::span<const TPoint> Points, int FillMode)
{
    TRegion result;
    if (Points.size() < 3 || (FillMode != ALTERNATE && FillMode != WINDING))
        return result;
    const auto [lowest, highest] =
        std::minmax_element(Points.begin(), Points.end(), [](const TPoint& l, const TPoint& r) { return l.Y < r.Y; });
    std::vector<Crossing> crossings;
    std::vector<std::pair<int, int>> band;
    int bandTop = lowest->Y;
    const auto closeBand = [&](int bottom) {
        for (const auto& [left, right] : band)
            result.FRects.push_back({left, bandTop, right, bottom});
    };
    for (int y = lowest->Y; y < highest->Y; ++y) {
        std::vector<std::pair<int, int>> spans = RowSpans(Points, y, FillMode, crossings);
        if (spans == band)
            continue;
        closeBand(y);
        band = std::move(spans);
        bandTop = y;
    }
    closeBand(highest->Y);
    return result;
}

}  // namespace plat
