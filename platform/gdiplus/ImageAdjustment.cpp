#include "platform/gdiplus/ImageAdjustment.h"

#include <algorithm>
#include <cmath>

namespace plat::gdiplus {

namespace {

std::uint8_t Channel(ARGB color, int shift) { return static_cast<std::uint8_t>(color >> shift); }

ARGB Compose(double a, double r, double g, double b)
{
    auto byte = [](double v) { return static_cast<ARGB>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
    return (byte(a) << 24) | (byte(r) << 16) | (byte(g) << 8) | byte(b);
}

ARGB ApplyMatrix(ARGB color, const ColorMatrix& m)
{
    const double in[5] = {Channel(color, 16) / 255.0, Channel(color, 8) / 255.0, Channel(color, 0) / 255.0,
                          Channel(color, 24) / 255.0, 1.0};
    double out[4] = {};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 5; ++row)
            out[column] += in[row] * m.m[row][column];
    return Compose(out[3], out[0], out[1], out[2]);
}

bool IsGray(ARGB color) { return Channel(color, 16) == Channel(color, 8) && Channel(color, 8) == Channel(color, 0); }

bool InKeyRange(ARGB color, ARGB low, ARGB high)
{
    for (const int shift : {16, 8, 0})
        if (Channel(color, shift) < Channel(low, shift) || Channel(color, shift) > Channel(high, shift))
            return false;
    return true;
}

ARGB PerChannel(ARGB color, const auto& change)
{
    ARGB result = color & 0xFF000000u;
    for (const int shift : {16, 8, 0})
        result |= static_cast<ARGB>(change(Channel(color, shift))) << shift;
    return result;
}

// The ink of one printing colour, shown as a grey level (dark where there is much ink).
ARGB OutputChannel(ARGB color, ColorChannelFlags channel)
{
    const int r = Channel(color, 16), g = Channel(color, 8), b = Channel(color, 0);
    const int black = 255 - std::max({r, g, b});
    const int ink = channel == ColorChannelFlagsC ? 255 - r
                  : channel == ColorChannelFlagsM ? 255 - g
                  : channel == ColorChannelFlagsY ? 255 - b
                                                  : black;
    const ARGB level = static_cast<ARGB>(255 - ink);
    return (color & 0xFF000000u) | (level << 16) | (level << 8) | level;
}

}  // namespace

const ColorAdjustment* AdjustmentFor(const GpImageAttributes* attributes, ColorAdjustType type)
{
    if (!attributes)
        return nullptr;
    const std::optional<ColorAdjustment>* chosen = &attributes->Adjustments[ColorAdjustTypeDefault];
    if (type > ColorAdjustTypeDefault && type < ColorAdjustTypeCount && attributes->Adjustments[type])
        chosen = &attributes->Adjustments[type];
    if (!*chosen || (*chosen)->NoOp || (*chosen)->IsIdentity())
        return nullptr;
    return &**chosen;
}

ARGB AdjustColor(ARGB color, const ColorAdjustment& adjustment)
{
    for (const ColorMap& entry : adjustment.Remap) {
        if (entry.oldColor == color) {
            color = entry.newColor;
            break;
        }
    }
    if (adjustment.ColorKey && InKeyRange(color, adjustment.ColorKey->first, adjustment.ColorKey->second))
        return 0;
    if (adjustment.Matrix) {
        const bool gray = IsGray(color);
        if (gray && adjustment.MatrixFlags == ColorMatrixFlagsAltGray && adjustment.GrayMatrix)
            color = ApplyMatrix(color, *adjustment.GrayMatrix);
        else if (!(gray && adjustment.MatrixFlags == ColorMatrixFlagsSkipGrays))
            color = ApplyMatrix(color, *adjustment.Matrix);
    }
    if (adjustment.Threshold) {
        const double limit = *adjustment.Threshold * 255.0;
        color = PerChannel(color, [&](int v) { return v >= limit ? 255 : 0; });
    }
    if (adjustment.Gamma && *adjustment.Gamma > 0) {
        const double gamma = *adjustment.Gamma;
        color = PerChannel(color, [&](int v) { return static_cast<int>(std::lround(255.0 * std::pow(v / 255.0, gamma))); });
    }
    if (adjustment.OutputChannel)
        color = OutputChannel(color, *adjustment.OutputChannel);
    return color;
}

QImage AdjustedImage(const QImage& image, const ColorAdjustment& adjustment)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            row[x] = AdjustColor(row[x], adjustment);
    }
    return result;
}

}  // namespace plat::gdiplus
