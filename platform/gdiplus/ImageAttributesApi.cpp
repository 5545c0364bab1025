// The image-attribute functions of the flat API: settings kept per adjust type and applied as
// pixel operations on a copy of an image when it is drawn (ImageAdjustment.h).

#include "platform/gdiplus/ApiSupport.h"
#include "platform/gdiplus/GdiplusFlat.h"
#include "platform/gdiplus/ImageAdjustment.h"

#include <cmath>

namespace plat::gdiplus {

namespace {

bool IsAdjustType(ColorAdjustType type) { return type >= ColorAdjustTypeDefault && type < ColorAdjustTypeCount; }

// Changes the settings of one adjust type, made on first use.
template <typename Change>
Status Adjust(GpImageAttributes* attributes, ColorAdjustType type, Change change)
{
    if (!attributes || !IsAdjustType(type))
        return InvalidParameter;
    std::optional<ColorAdjustment>& adjustment = attributes->Adjustments[type];
    if (!adjustment)
        adjustment.emplace();
    return change(*adjustment);
}

}  // namespace

Status GdipCreateImageAttributes(GpImageAttributes** imageattr)
{
    if (!imageattr)
        return InvalidParameter;
    return HandOut(imageattr, std::make_unique<GpImageAttributes>());
}

Status GdipCloneImageAttributes(const GpImageAttributes* imageattr, GpImageAttributes** cloneImageattr)
{
    if (!imageattr || !cloneImageattr)
        return InvalidParameter;
    return HandOut(cloneImageattr, std::make_unique<GpImageAttributes>(*imageattr));
}

Status GdipDisposeImageAttributes(GpImageAttributes* imageattr)
{
    if (!imageattr)
        return InvalidParameter;
    delete imageattr;
    return Ok;
}

Status GdipSetImageAttributesToIdentity(GpImageAttributes* imageattr, ColorAdjustType type)
{
    return Adjust(imageattr, type, [](ColorAdjustment& a) {
        a.Matrix.reset();
        a.GrayMatrix.reset();
        return Ok;
    });
}

Status GdipResetImageAttributes(GpImageAttributes* imageattr, ColorAdjustType type)
{
    if (!imageattr || !IsAdjustType(type))
        return InvalidParameter;
    imageattr->Adjustments[type].reset();
    return Ok;
}

Status GdipSetImageAttributesColorMatrix(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                         const ColorMatrix* colorMatrix, const ColorMatrix* grayMatrix,
                                         ColorMatrixFlags flags)
{
    if (enableFlag && (!colorMatrix || (flags == ColorMatrixFlagsAltGray && !grayMatrix)))
        return InvalidParameter;
    return Adjust(imageattr, type, [&](ColorAdjustment& a) {
        if (!enableFlag) {
            a.Matrix.reset();
            a.GrayMatrix.reset();
            return Ok;
        }
        a.Matrix = *colorMatrix;
        a.GrayMatrix = grayMatrix ? std::optional<ColorMatrix>(*grayMatrix) : std::nullopt;
        a.MatrixFlags = flags;
        return Ok;
    });
}

Status GdipSetImageAttributesThreshold(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                       REAL threshold)
{
    if (enableFlag && !std::isfinite(threshold))
        return InvalidParameter;
    return Adjust(imageattr, type, [&](ColorAdjustment& a) {
        a.Threshold = enableFlag ? std::optional<REAL>(threshold) : std::nullopt;
        return Ok;
    });
}

Status GdipSetImageAttributesGamma(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag, REAL gamma)
{
    if (enableFlag && !(gamma > 0 && std::isfinite(gamma)))
        return InvalidParameter;
    return Adjust(imageattr, type, [&](ColorAdjustment& a) {
        a.Gamma = enableFlag ? std::optional<REAL>(gamma) : std::nullopt;
        return Ok;
    });
}

Status GdipSetImageAttributesNoOp(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag)
{
    return Adjust(imageattr, type, [&](ColorAdjustment& a) {
        a.NoOp = enableFlag;
        return Ok;
    });
}

Status GdipSetImageAttributesColorKeys(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                       ARGB colorLow, ARGB colorHigh)
{
    return Adjust(imageattr, type, [&](ColorAdjustment& a) {
        a.ColorKey = enableFlag ? std::optional<std::pair<ARGB, ARGB>>({colorLow, colorHigh}) : std::nullopt;
        return Ok;
    });
}

Status GdipSetImageAttributesOutputChannel(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                           ColorChannelFlags channelFlags)
{
    if (enableFlag && (channelFlags < ColorChannelFlagsC || channelFlags > ColorChannelFlagsK))
        return InvalidParameter;
    return Adjust(imageattr, type, [&](ColorAdjustment& a) {
        a.OutputChannel = enableFlag ? std::optional<ColorChannelFlags>(channelFlags) : std::nullopt;
        return Ok;
    });
}

Status GdipSetImageAttributesOutputChannelColorProfile(GpImageAttributes* imageattr, ColorAdjustType type, bool, const char*)
{
    if (!imageattr || !IsAdjustType(type))
        return InvalidParameter;
    // Colour profiles are not read on this platform.
    return NotImplemented;
}

Status GdipSetImageAttributesRemapTable(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                        std::uint32_t mapSize, const ColorMap* map)
{
    if (enableFlag && (!map || mapSize == 0))
        return InvalidParameter;
    return Adjust(imageattr, type, [&](ColorAdjustment& a) {
        if (enableFlag)
            a.Remap.assign(map, map + mapSize);
        else
            a.Remap.clear();
        return Ok;
    });
}

Status GdipSetImageAttributesWrapMode(GpImageAttributes* imageAttr, WrapMode wrap, ARGB argb, bool)
{
    if (!imageAttr || wrap < WrapModeTile || wrap > WrapModeClamp)
        return InvalidParameter;
    imageAttr->Wrap = wrap;
    imageAttr->WrapColor = argb;
    return Ok;
}

Status GdipGetImageAttributesAdjustedPalette(GpImageAttributes* imageAttr, ColorPalette* colorPalette,
                                             ColorAdjustType colorAdjustType)
{
    if (!imageAttr || !colorPalette || !IsAdjustType(colorAdjustType) || colorPalette->Count == 0)
        return InvalidParameter;
    if (const ColorAdjustment* adjustment = AdjustmentFor(imageAttr, colorAdjustType)) {
        ARGB* entries = colorPalette->Entries;
        for (std::uint32_t i = 0; i < colorPalette->Count; ++i)
            entries[i] = AdjustColor(entries[i], *adjustment);
    }
    return Ok;
}

}  // namespace plat::gdiplus
