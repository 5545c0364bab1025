#include "foundation/TGPRegion.h"

#include "foundation/TGPGraphicsPath.h"
#include "platform/gdiplus/GdiplusFlat.h"

namespace skelda::foundation {

TGPRegion::TGPRegion(const TGPRectF& Rect)
{
    lastResult = GdipCreateRegionRect(&Rect, &nativeRegion);
}

TGPRegion::TGPRegion(const TGPGraphicsPath& Path)
{
    lastResult = GdipCreateRegionPath(Path.Native(), &nativeRegion);
}

TGPRegion::~TGPRegion()
{
    GdipDeleteRegion(nativeRegion);
}

Status TGPRegion::Exclude(const TGPGraphicsPath& Path)
{
    return Recorded(lastResult, GdipCombineRegionPath(nativeRegion, Path.Native(), CombineModeExclude));
}

Status TGPRegion::Union(const TGPRegion& Region)
{
    return Recorded(lastResult, GdipCombineRegionRegion(nativeRegion, Region.nativeRegion, CombineModeUnion));
}

}  // namespace skelda::foundation
