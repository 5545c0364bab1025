#include "foundation/TGPBrush.h"

#include "foundation/TGPGraphicsPath.h"
#include "foundation/TGPImage.h"
#include "foundation/TGPImageAttributes.h"
#include "platform/gdiplus/GdiplusFlat.h"

namespace skelda::foundation {

namespace {

GpImageAttributes* NativeOf(const TGPImageAttributes* attributes)
{
    return attributes ? attributes->Native() : nullptr;
}

}  // namespace

TGPBrush::TGPBrush() : lastResult(NotImplemented) {}

TGPBrush::TGPBrush(GpBrush* NativeBrush, Status AStatus) : nativeBrush(NativeBrush), lastResult(AStatus) {}

TGPBrush::~TGPBrush()
{
    GdipDeleteBrush(nativeBrush);
}

TGPSolidBrush::TGPSolidBrush(ARGB Color) : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateSolidFill(Color, &nativeBrush);
}

TGPHatchBrush::TGPHatchBrush(HatchStyle Style, ARGB ForeColor, ARGB BackColor) : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateHatchBrush(Style, ForeColor, BackColor, &nativeBrush);
}

HatchStyle TGPHatchBrush::GetHatchStyle()
{
    HatchStyle style = HatchStyleHorizontal;
    Recorded(lastResult, GdipGetHatchStyle(nativeBrush, &style));
    return style;
}

Status TGPHatchBrush::GetForegroundColor(ARGB& Color)
{
    return Recorded(lastResult, GdipGetHatchForegroundColor(nativeBrush, &Color));
}

Status TGPHatchBrush::GetBackgroundColor(ARGB& Color)
{
    return Recorded(lastResult, GdipGetHatchBackgroundColor(nativeBrush, &Color));
}

TGPTextureBrush::TGPTextureBrush(const TGPImage& Image, WrapMode Wrap) : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateTexture(Image.Native(), Wrap, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(const TGPImage& Image, WrapMode Wrap, const TGPRectF& DstRect)
    : TGPTextureBrush(Image, Wrap, DstRect.X, DstRect.Y, DstRect.Width, DstRect.Height)
{
}

TGPTextureBrush::TGPTextureBrush(const TGPImage& Image, WrapMode Wrap, REAL X, REAL Y, REAL Width, REAL Height)
    : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateTexture2(Image.Native(), Wrap, X, Y, Width, Height, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(const TGPImage& Image, WrapMode Wrap, const TGPRect& DstRect)
    : TGPTextureBrush(Image, Wrap, DstRect.X, DstRect.Y, DstRect.Width, DstRect.Height)
{
}

TGPTextureBrush::TGPTextureBrush(const TGPImage& Image, WrapMode Wrap, int X, int Y, int Width, int Height)
    : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateTexture2I(Image.Native(), Wrap, X, Y, Width, Height, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(const TGPImage& Image, const TGPRectF& DstRect, const TGPImageAttributes* Attributes)
    : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateTextureIA(Image.Native(), NativeOf(Attributes), DstRect.X, DstRect.Y, DstRect.Width,
                                     DstRect.Height, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(const TGPImage& Image, const TGPRect& DstRect, const TGPImageAttributes* Attributes)
    : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateTextureIAI(Image.Native(), NativeOf(Attributes), DstRect.X, DstRect.Y, DstRect.Width,
                                      DstRect.Height, &nativeBrush);
}

Status TGPTextureBrush::ResetTransform()
{
    return Recorded(lastResult, GdipResetTextureTransform(nativeBrush));
}

Status TGPTextureBrush::TranslateTransform(REAL Dx, REAL Dy, MatrixOrder Order)
{
    return Recorded(lastResult, GdipTranslateTextureTransform(nativeBrush, Dx, Dy, Order));
}

Status TGPTextureBrush::ScaleTransform(REAL Sx, REAL Sy, MatrixOrder Order)
{
    return Recorded(lastResult, GdipScaleTextureTransform(nativeBrush, Sx, Sy, Order));
}

Status TGPTextureBrush::RotateTransform(REAL Angle, MatrixOrder Order)
{
    return Recorded(lastResult, GdipRotateTextureTransform(nativeBrush, Angle, Order));
}

Status TGPTextureBrush::SetWrapMode(WrapMode Wrap)
{
    return Recorded(lastResult, GdipSetTextureWrapMode(nativeBrush, Wrap));
}

WrapMode TGPTextureBrush::GetWrapMode()
{
    WrapMode wrap = WrapModeTile;
    Recorded(lastResult, GdipGetTextureWrapMode(nativeBrush, &wrap));
    return wrap;
}

std::unique_ptr<TGPImage> TGPTextureBrush::GetImage()
{
    GpImage* image = nullptr;
    Recorded(lastResult, GdipGetTextureImage(nativeBrush, &image));
    return std::make_unique<TGPImage>(image, lastResult);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& Point1, const TGPPointF& Point2, ARGB Color1, ARGB Color2)
    : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateLineBrush(&Point1, &Point2, Color1, Color2, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint& Point1, const TGPPoint& Point2, ARGB Color1, ARGB Color2)
    : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateLineBrushI(&Point1, &Point2, Color1, Color2, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& Rect, ARGB Color1, ARGB Color2, LinearGradientMode Mode)
    : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateLineBrushFromRect(&Rect, Color1, Color2, Mode, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& Rect, ARGB Color1, ARGB Color2, LinearGradientMode Mode)
    : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateLineBrushFromRectI(&Rect, Color1, Color2, Mode, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& Rect, ARGB Color1, ARGB Color2, REAL Angle,
                                               bool IsAngleScalable)
    : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateLineBrushFromRectWithAngle(&Rect, Color1, Color2, Angle, IsAngleScalable, WrapModeTile,
                                                      &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& Rect, ARGB Color1, ARGB Color2, REAL Angle,
                                               bool IsAngleScalable)
    : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreateLineBrushFromRectWithAngleI(&Rect, Color1, Color2, Angle, IsAngleScalable, WrapModeTile,
                                                       &nativeBrush);
}

Status TGPLinearGradientBrush::SetInterpolationColors(const ARGB* PresetColors, const REAL* BlendPositions, int Count)
{
    if (Count <= 0)
        return Recorded(lastResult, InvalidParameter);
    return Recorded(lastResult, GdipSetLinePresetBlend(nativeBrush, PresetColors, BlendPositions, Count));
}

Status TGPLinearGradientBrush::SetGammaCorrection(bool UseGammaCorrection)
{
    return Recorded(lastResult, GdipSetLineGammaCorrection(nativeBrush, UseGammaCorrection));
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath& Path) : TGPBrush(EmptyWrapper{})
{
    lastResult = GdipCreatePathGradientFromPath(Path.Native(), &nativeBrush);
}

Status TGPPathGradientBrush::SetCenterColor(ARGB Color)
{
    Recorded(lastResult, GdipSetPathGradientCenterColor(nativeBrush, Color));
    return lastResult;
}

Status TGPPathGradientBrush::GetCenterColor(ARGB& Color)
{
    Recorded(lastResult, GdipGetPathGradientCenterColor(nativeBrush, &Color));
    return lastResult;
}

int TGPPathGradientBrush::GetPointCount()
{
    std::int32_t count = 0;
    Recorded(lastResult, GdipGetPathGradientPointCount(nativeBrush, &count));
    return count;
}

Status TGPPathGradientBrush::SetSurroundColors(const ARGB* Colors, int& Count)
{
    const int points = GetPointCount();
    if (!Colors || points <= 0 || Count > points)
        return Recorded(lastResult, InvalidParameter);
    std::int32_t taken = Count;
    const Status status = Recorded(lastResult, GdipSetPathGradientSurroundColorsWithCount(nativeBrush, Colors, &taken));
    if (status == Ok)
        Count = taken;
    return status;
}

Status TGPPathGradientBrush::GetSurroundColors(ARGB* Colors, int& Count)
{
    if (!Colors)
        return Recorded(lastResult, InvalidParameter);
    std::int32_t stored = 0;
    if (const Status status = Recorded(lastResult, GdipGetPathGradientSurroundColorCount(nativeBrush, &stored)); status != Ok)
        return status;
    if (stored <= 0 || Count < stored)
        return Recorded(lastResult, InsufficientBuffer);
    std::int32_t copied = Count;
    const Status status = Recorded(lastResult, GdipGetPathGradientSurroundColorsWithCount(nativeBrush, Colors, &copied));
    if (status == Ok)
        Count = copied;
    return status;
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPointF& Point)
{
    return Recorded(lastResult, GdipSetPathGradientCenterPoint(nativeBrush, &Point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPoint& Point)
{
    return Recorded(lastResult, GdipSetPathGradientCenterPointI(nativeBrush, &Point));
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPointF& Point)
{
    return Recorded(lastResult, GdipGetPathGradientCenterPoint(nativeBrush, &Point));
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPoint& Point)
{
    return Recorded(lastResult, GdipGetPathGradientCenterPointI(nativeBrush, &Point));
}

Status TGPPathGradientBrush::SetInterpolationColors(const ARGB* PresetColors, const REAL* BlendPositions, int Count)
{
    if (Count <= 0 || !PresetColors)
        return Recorded(lastResult, InvalidParameter);
    return Recorded(lastResult, GdipSetPathGradientPresetBlend(nativeBrush, PresetColors, BlendPositions, Count));
}

Status TGPPathGradientBrush::SetGammaCorrection(bool UseGammaCorrection)
{
    return Recorded(lastResult, GdipSetPathGradientGammaCorrection(nativeBrush, UseGammaCorrection));
}

Status TGPPathGradientBrush::SetWrapMode(WrapMode Wrap)
{
    return Recorded(lastResult, GdipSetPathGradientWrapMode(nativeBrush, Wrap));
}

}  // namespace skelda::foundation
