#pragma once

#include "platform/gdiplus/GdiplusObjects.h"

namespace plat::gdiplus {

// The adjustment image attributes make for a kind of drawing: that of the kind when it has one,
// else the default one; nothing when switched off (no-op) or not set.
const ColorAdjustment* AdjustmentFor(const GpImageAttributes* attributes, ColorAdjustType type);

// One colour through an adjustment, in the platform's order: remap table, colour key, colour
// matrix (grey matrix for greys where asked), threshold, gamma, output channel.
ARGB AdjustColor(ARGB color, const ColorAdjustment& adjustment);

// A copy of the image (Format_ARGB32) with every pixel adjusted.
QImage AdjustedImage(const QImage& image, const ColorAdjustment& adjustment);

}  // namespace plat::gdiplus
