#include "foundation/TGPPen.h"

#include "foundation/TGPBrush.h"
#include "platform/gdiplus/GdiplusFlat.h"

namespace skelda::foundation {

TGPPen::TGPPen(ARGB Color, REAL Width)
{
    lastResult = GdipCreatePen1(Color, Width, UnitWorld, &nativePen);
}

TGPPen::TGPPen(const TGPBrush& Brush, REAL Width)
{
    lastResult = GdipCreatePen2(Brush.Native(), Width, UnitWorld, &nativePen);
}

TGPPen::~TGPPen()
{
    GdipDeletePen(nativePen);
}

Status TGPPen::SetBrush(const TGPBrush& Brush)
{
    return Recorded(lastResult, GdipSetPenBrushFill(nativePen, Brush.Native()));
}

std::unique_ptr<TGPBrush> TGPPen::GetBrush()
{
    const GpPenType type = GetPenType();
    auto wrap = [&]<typename Brush>() -> std::unique_ptr<TGPBrush> {
        GpBrush* fill = nullptr;
        Recorded(lastResult, GdipGetPenBrushFill(nativePen, &fill));
        // Every wrapper made here holds a brush, so it carries Ok whatever kind it is.
        return std::make_unique<Brush>(fill, Ok);
    };
    switch (type) {
    case PenTypeSolidColor: return wrap.template operator()<TGPSolidBrush>();
    case PenTypeHatchFill: return wrap.template operator()<TGPHatchBrush>();
    case PenTypeTextureFill: return wrap.template operator()<TGPTextureBrush>();
    case PenTypePathGradient: return wrap.template operator()<TGPBrush>();
    case PenTypeLinearGradient: return wrap.template operator()<TGPLinearGradientBrush>();
    default: return nullptr;
    }
}

GpPenType TGPPen::GetPenType()
{
    GpPenType type = PenTypeUnknown;
    Recorded(lastResult, GdipGetPenFillType(nativePen, &type));
    return type;
}

Status TGPPen::SetDashStyle(DashStyle Style)
{
    return Recorded(lastResult, GdipSetPenDashStyle(nativePen, Style));
}

DashStyle TGPPen::GetDashStyle()
{
    DashStyle style = DashStyleSolid;
    Recorded(lastResult, GdipGetPenDashStyle(nativePen, &style));
    return style;
}

Status TGPPen::SetEndCap(GpLineCap EndCap)
{
    return Recorded(lastResult, GdipSetPenEndCap(nativePen, EndCap));
}

}  // namespace skelda::foundation
