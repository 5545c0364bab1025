#pragma once

#include "platform/graphics/Colors.h"

namespace skelda::foundation {
class TGPGraphics;
class TGPGraphicsPath;
}

namespace skelda::pager {

// Outlines of glow faces in a one-pixel GDI+ pen. W and H are the right and bottom edges' offsets
// from X and Y (the client rectangle's right − 1 and bottom − 1 from its origin); a radius r
// rounds the corners as quarter circles of diameter 2r.

// The closed rounded rectangle (a plain rectangle for radius 0).
void OutlineRoundRect(foundation::TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int W, int H, int Radius);
// The same closed path, dotted, for every radius.
void OutlineRoundRectDotted(foundation::TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int W, int H,
                            int Radius);
// The first button of a joined row: rounded on the left, open on the right, where a separator
// slightly darker than Color stands.
void OutlineLeftPiece(foundation::TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int W, int H, int Radius);
// A button between two others: top and bottom edges, the separator on the right, and on the
// left either the neighbour's separator colour (Highlighted) or a faint light line.
void OutlineMiddlePiece(foundation::TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int W, int H,
                        int Radius, bool Highlighted);
// The last button of a row: rounded on the right, its left edge as a middle piece's.
void OutlineRightPiece(foundation::TGPGraphics& Graphics, plat::TColor Color, int X, int Y, int W, int H, int Radius,
                       bool Highlighted);

// The closed rounded-rectangle path the outlines draw (also the pager's).
void AddRoundRectPath(foundation::TGPGraphicsPath& Path, int X, int Y, int W, int H, int Radius);

}  // namespace skelda::pager
