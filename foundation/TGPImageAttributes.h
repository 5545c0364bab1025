#pragma once

#include "foundation/TGdiplusBase.h"

#include <memory>
#include <string>

namespace skelda::foundation {

// How an image's colours change as it is drawn, per adjust type. Each Set has a Clear that
// switches the same setting off.
class TGPImageAttributes : public TGdiplusBase {
public:
    TGPImageAttributes();
    // Adopts native attributes with their status.
    TGPImageAttributes(GpImageAttributes* NativeImageAttr, Status AStatus);
    ~TGPImageAttributes() override;

    // A copy with the copy's status; its handle is nil when the copy failed.
    std::unique_ptr<TGPImageAttributes> Clone();
    Status SetToIdentity(ColorAdjustType Type = ColorAdjustTypeDefault);
    Status Reset(ColorAdjustType Type = ColorAdjustTypeDefault);
    Status SetColorMatrix(const ColorMatrix& Matrix, ColorMatrixFlags Mode = ColorMatrixFlagsDefault,
                          ColorAdjustType Type = ColorAdjustTypeDefault);
    Status ClearColorMatrix(ColorAdjustType Type = ColorAdjustTypeDefault);
    Status SetColorMatrices(const ColorMatrix& Matrix, const ColorMatrix& GrayMatrix,
                            ColorMatrixFlags Mode = ColorMatrixFlagsDefault, ColorAdjustType Type = ColorAdjustTypeDefault);
    Status ClearColorMatrices(ColorAdjustType Type = ColorAdjustTypeDefault);
    Status SetThreshold(REAL Threshold, ColorAdjustType Type = ColorAdjustTypeDefault);
    Status ClearThreshold(ColorAdjustType Type = ColorAdjustTypeDefault);
    Status SetGamma(REAL Gamma, ColorAdjustType Type = ColorAdjustTypeDefault);
    Status ClearGamma(ColorAdjustType Type = ColorAdjustTypeDefault);
    Status SetNoOp(ColorAdjustType Type = ColorAdjustTypeDefault);
    Status ClearNoOp(ColorAdjustType Type = ColorAdjustTypeDefault);
    // Pixels whose red, green and blue lie between the two colours' become transparent.
    Status SetColorKey(ARGB ColorLow, ARGB ColorHigh, ColorAdjustType Type = ColorAdjustTypeDefault);
    Status ClearColorKey(ColorAdjustType Type = ColorAdjustTypeDefault);
    Status SetOutputChannel(ColorChannelFlags ChannelFlags, ColorAdjustType Type = ColorAdjustTypeDefault);
    Status ClearOutputChannel(ColorAdjustType Type = ColorAdjustTypeDefault);
    Status SetOutputChannelColorProfile(const std::string& ColorProfileFilename,
                                        ColorAdjustType Type = ColorAdjustTypeDefault);
    Status ClearOutputChannelColorProfile(ColorAdjustType Type = ColorAdjustTypeDefault);
    Status SetRemapTable(std::uint32_t MapSize, const ColorMap* Map, ColorAdjustType Type = ColorAdjustTypeDefault);
    Status ClearRemapTable(ColorAdjustType Type = ColorAdjustTypeDefault);
    Status SetBrushRemapTable(std::uint32_t MapSize, const ColorMap* Map);
    Status ClearBrushRemapTable();
    Status SetWrapMode(WrapMode Wrap, ARGB Color = 0xFF000000, bool Clamp = false);
    Status GetAdjustedPalette(ColorPalette* Palette, ColorAdjustType Type);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpImageAttributes* Native() const { return nativeImageAttr; }

private:
    GpImageAttributes* nativeImageAttr = nullptr;
    Status lastResult = Ok;
};

}  // namespace skelda::foundation
