#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/TPen.h"

#include <QBrush>
#include <QPainter>

#include <vector>

namespace plat {

// Lines of one-pixel pens as the platform drew them (Qt's own thin lines leave out the first
// or the last pixel depending on direction): the end pixel is left out, styled pens
// dash with fixed pixel patterns that run on from one segment to the next, and the gaps take
// the gap brush (the background colour when the background mode is opaque) or stay untouched.
class CosmeticLine {
public:
    explicit CosmeticLine(TPenStyle style);

    void Draw(QPainter& painter, TPoint from, TPoint to, const QBrush& dash, const QBrush* gap);

private:
    struct Run;
    void Plot(QPainter& painter, Run& run, int x, int y, bool on, const QBrush& dash, const QBrush* gap);
    static void Flush(QPainter& painter, const Run& run, const QBrush& dash, const QBrush* gap);

    std::vector<int> FPatternPx;  // alternating on and off lengths; empty for solid pens
    std::size_t FPatternIndex = 0;
    int FLeftInStepPx = 0;
};

}  // namespace plat
