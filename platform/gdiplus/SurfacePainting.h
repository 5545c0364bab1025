#pragma once

#include "platform/gdiplus/GdiplusObjects.h"

#include <QPainter>

#include <functional>

namespace plat::gdiplus {

// What a drawing call puts on the surface. The platform puts pixel centres on whole
// coordinates and Qt between them, so figures (and the brushes that fill them) move by half a
// pixel while antialiasing: a filled (0, 0, 10, 10) then half-covers its edge pixels and a
// 1-pixel line at a whole y lights one row. Aliased, Qt's rule for pixels on an edge already
// gives the platform's pixels. Images and text keep their places, so that an image drawn
// unscaled lands pixel on pixel.
enum class Placement { Figure, Picture };

// Runs draw with the painter of the graphics' surface, set up for this graphics: antialiasing
// by its smoothing mode, its clip, its world transform, and the half-pixel move of figures.
// The canvas the graphics draws on restores the painter afterwards, so GDI and GDI+ calls
// interleave on one surface. Nothing runs when there is nothing to draw on. Call is what a
// recording canvas logs.
void PaintOn(GpGraphics& graphics, const char* call, Placement placement, const std::function<void(QPainter&)>& draw);

// The surface in its own coordinates (those of the canvas, origin included), for clip
// operations that start from "everything".
QRectF SurfaceArea(GpGraphics& graphics);

// Whether the smoothing mode antialiases.
bool IsAntialiasing(int smoothingMode);

inline QColor ToQColor(ARGB color) { return QColor::fromRgba(color); }

}  // namespace plat::gdiplus
