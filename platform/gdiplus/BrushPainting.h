#pragma once

#include "platform/gdiplus/GdiplusObjects.h"

#include <QBrush>
#include <QPainter>

namespace plat::gdiplus {

// Fills an area (in the painter's current coordinates) with a brush. A path-gradient brush
// paints only inside its own path: with one surround colour a focal radial gradient mapped onto
// the ellipse when the path is one ellipse, else a fan of linear gradients, one per edge, from
// the centre point to the edge; docs/gdiplus.md has the approximations.
void FillArea(QPainter& painter, const QPainterPath& area, const GpBrush& brush);

// Strokes a path with a pen: width in world units (at least one device pixel), the platform's
// dash patterns in pen widths (dash 3-1, dot 1-1, dash-dot 3-1-1-1, dash-dot-dot 3-1-1-1-1-1),
// mitred joins.
void StrokePath(QPainter& painter, const QPainterPath& path, const GpPen& pen);

// The brush as one Qt brush, for text: path gradients give their centre colour.
QBrush ToQBrush(const GpBrush& brush);

// The repeating tile of a texture of this wrap mode (mirrored copies for the flip modes).
QImage WrappedTile(const QImage& tile, WrapMode wrap);

}  // namespace plat::gdiplus
