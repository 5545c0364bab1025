#include "platform/graphics/TRegion.h"

#include "platform/core/RectOps.h"

#include <algorithm>

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

}  // namespace plat
