#pragma once

#include "platform/core/Types.h"

namespace plat {
class TCanvas;
}  // namespace plat

namespace skelda::grid {

struct TRtfText;

// Writes rich text into Rect, line under line from its top-left corner, each run in the
// canvas font with the run's style added, on a transparent background and clipped to Rect.
// The canvas font comes back as it was. Returns the width of the widest line.
int DrawRtfText(plat::TCanvas& Canvas, const TRtfText& Text, const plat::TRect& Rect);

}  // namespace skelda::grid
