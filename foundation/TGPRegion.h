#pragma once

#include "foundation/TGdiplusBase.h"

namespace skelda::foundation {

class TGPGraphicsPath;

// An area of the flat API, for clipping.
class TGPRegion : public TGdiplusBase {
public:
    explicit TGPRegion(const TGPRectF& Rect);
    explicit TGPRegion(const TGPGraphicsPath& Path);
    ~TGPRegion() override;

    Status Exclude(const TGPGraphicsPath& Path);
    Status Union(const TGPRegion& Region);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpRegion* Native() const { return nativeRegion; }

private:
    GpRegion* nativeRegion = nullptr;
    Status lastResult = Ok;
};

}  // namespace skelda::foundation
