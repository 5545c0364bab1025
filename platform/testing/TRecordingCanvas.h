#pragma once

#include "platform/graphics/TCanvas.h"

#include <string>
#include <string_view>
#include <vector>

class QImage;

namespace plat::testing {

// A canvas for tests that check which primitives were drawn where and in which colours. Each
// call a caller makes is logged as one line, e.g. "FillRect(0,0,10,10) brush=$00FF00"
// (colours as RecordedColor writes them; composite routines such as DrawEdge are one line).
// The calls are drawn on an image as well, so pixel reads, flood fill and copies work.
class TRecordingCanvas : public TCanvas {
public:
    explicit TRecordingCanvas(int WidthPx = 256, int HeightPx = 256);

    const std::vector<std::string>& Calls() const;
    // The logged calls of one routine, e.g. CallsOf("FillRect").
    std::vector<std::string> CallsOf(std::string_view routine) const;
    void ClearCalls();
    const QImage& Image() const;
};

}  // namespace plat::testing
