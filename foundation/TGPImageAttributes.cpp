#include "foundation/TGPImageAttributes.h"

#include "platform/gdiplus/GdiplusFlat.h"

namespace skelda::foundation {

TGPImageAttributes::TGPImageAttributes()
{
    lastResult = GdipCreateImageAttributes(&nativeImageAttr);
}

TGPImageAttributes::TGPImageAttributes(GpImageAttributes* NativeImageAttr, Status AStatus)
    : nativeImageAttr(NativeImageAttr), lastResult(AStatus)
{
}

TGPImageAttributes::~TGPImageAttributes()
{
    GdipDisposeImageAttributes(nativeImageAttr);
}

std::unique_ptr<TGPImageAttributes> TGPImageAttributes::Clone()
{
    GpImageAttributes* copy = nullptr;
    const Status status = GdipCloneImageAttributes(nativeImageAttr, &copy);
    return std::make_unique<TGPImageAttributes>(copy, status);
}

Status TGPImageAttributes::SetToIdentity(ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesToIdentity(nativeImageAttr, Type));
}

Status TGPImageAttributes::Reset(ColorAdjustType Type)
{
    return Recorded(lastResult, GdipResetImageAttributes(nativeImageAttr, Type));
}

Status TGPImageAttributes::SetColorMatrix(const ColorMatrix& Matrix, ColorMatrixFlags Mode, ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesColorMatrix(nativeImageAttr, Type, true, &Matrix, nullptr, Mode));
}

Status TGPImageAttributes::ClearColorMatrix(ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesColorMatrix(nativeImageAttr, Type, false, nullptr, nullptr,
                                                                  ColorMatrixFlagsDefault));
}

Status TGPImageAttributes::SetColorMatrices(const ColorMatrix& Matrix, const ColorMatrix& GrayMatrix,
                                            ColorMatrixFlags Mode, ColorAdjustType Type)
{
    return Recorded(lastResult,
                    GdipSetImageAttributesColorMatrix(nativeImageAttr, Type, true, &Matrix, &GrayMatrix, Mode));
}

Status TGPImageAttributes::ClearColorMatrices(ColorAdjustType Type)
{
    return ClearColorMatrix(Type);
}

Status TGPImageAttributes::SetThreshold(REAL Threshold, ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesThreshold(nativeImageAttr, Type, true, Threshold));
}

Status TGPImageAttributes::ClearThreshold(ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesThreshold(nativeImageAttr, Type, false, 0));
}

Status TGPImageAttributes::SetGamma(REAL Gamma, ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesGamma(nativeImageAttr, Type, true, Gamma));
}

Status TGPImageAttributes::ClearGamma(ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesGamma(nativeImageAttr, Type, false, 0));
}

Status TGPImageAttributes::SetNoOp(ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesNoOp(nativeImageAttr, Type, true));
}

Status TGPImageAttributes::ClearNoOp(ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesNoOp(nativeImageAttr, Type, false));
}

Status TGPImageAttributes::SetColorKey(ARGB ColorLow, ARGB ColorHigh, ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesColorKeys(nativeImageAttr, Type, true, ColorLow, ColorHigh));
}

Status TGPImageAttributes::ClearColorKey(ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesColorKeys(nativeImageAttr, Type, false, 0, 0));
}

Status TGPImageAttributes::SetOutputChannel(ColorChannelFlags ChannelFlags, ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesOutputChannel(nativeImageAttr, Type, true, ChannelFlags));
}

Status TGPImageAttributes::ClearOutputChannel(ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesOutputChannel(nativeImageAttr, Type, false, ColorChannelFlagsLast));
}

Status TGPImageAttributes::SetOutputChannelColorProfile(const std::string& ColorProfileFilename, ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, Type, true,
                                                                                ColorProfileFilename.c_str()));
}

Status TGPImageAttributes::ClearOutputChannelColorProfile(ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, Type, false, nullptr));
}

Status TGPImageAttributes::SetRemapTable(std::uint32_t MapSize, const ColorMap* Map, ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesRemapTable(nativeImageAttr, Type, true, MapSize, Map));
}

Status TGPImageAttributes::ClearRemapTable(ColorAdjustType Type)
{
    return Recorded(lastResult, GdipSetImageAttributesRemapTable(nativeImageAttr, Type, false, 0, nullptr));
}

Status TGPImageAttributes::SetBrushRemapTable(std::uint32_t MapSize, const ColorMap* Map)
{
    return SetRemapTable(MapSize, Map, ColorAdjustTypeBrush);
}

Status TGPImageAttributes::ClearBrushRemapTable()
{
    return ClearRemapTable(ColorAdjustTypeBrush);
}

Status TGPImageAttributes::SetWrapMode(WrapMode Wrap, ARGB Color, bool Clamp)
{
    return Recorded(lastResult, GdipSetImageAttributesWrapMode(nativeImageAttr, Wrap, Color, Clamp));
}

Status TGPImageAttributes::GetAdjustedPalette(ColorPalette* Palette, ColorAdjustType Type)
{
    return Recorded(lastResult, GdipGetImageAttributesAdjustedPalette(nativeImageAttr, Palette, Type));
}

}  // namespace skelda::foundation
