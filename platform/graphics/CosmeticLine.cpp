#include "platform/graphics/CosmeticLine.h"

#include <algorithm>
#include <cstdlib>

namespace plat {

// Consecutive pixels of the same kind in one row or column, filled as one rectangle.
struct CosmeticLine::Run {
    bool active = false;
    bool on = false;
    int left = 0, top = 0, right = 0, bottom = 0;  // inclusive

    bool Extends(int x, int y, bool state) const
    {
        if (!active || state != on)
            return false;
        const bool inRow = top == bottom && y == top && (x == left - 1 || x == right + 1);
        const bool inColumn = left == right && x == left && (y == top - 1 || y == bottom + 1);
        return inRow || inColumn;
    }
};

CosmeticLine::CosmeticLine(TPenStyle style)
{
    switch (style) {
    case psDash: FPatternPx = {18, 6}; break;
    case psDot: FPatternPx = {3, 3}; break;
    case psDashDot: FPatternPx = {9, 6, 3, 6}; break;
    case psDashDotDot: FPatternPx = {9, 3, 3, 3, 3, 3}; break;
    default: break;
    }
    if (!FPatternPx.empty())
        FLeftInStepPx = FPatternPx.front();
}

void CosmeticLine::Draw(QPainter& painter, TPoint from, TPoint to, const QBrush& dash, const QBrush* gap)
{
    const int dx = std::abs(to.X - from.X);
    const int dy = -std::abs(to.Y - from.Y);
    const int sx = from.X < to.X ? 1 : -1;
    const int sy = from.Y < to.Y ? 1 : -1;
    int err = dx + dy;
    int x = from.X;
    int y = from.Y;
    Run run;
    while (x != to.X || y != to.Y) {
        Plot(painter, run, x, y, FPatternIndex % 2 == 0, dash, gap);
        if (!FPatternPx.empty() && --FLeftInStepPx == 0) {
            FPatternIndex = (FPatternIndex + 1) % FPatternPx.size();
            FLeftInStepPx = FPatternPx[FPatternIndex];
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    Flush(painter, run, dash, gap);
}

void CosmeticLine::Plot(QPainter& painter, Run& run, int x, int y, bool on, const QBrush& dash, const QBrush* gap)
{
    if (run.Extends(x, y, on)) {
        run.left = std::min(run.left, x);
        run.right = std::max(run.right, x);
        run.top = std::min(run.top, y);
        run.bottom = std::max(run.bottom, y);
        return;
    }
    Flush(painter, run, dash, gap);
    run = {true, on, x, y, x, y};
}

void CosmeticLine::Flush(QPainter& painter, const Run& run, const QBrush& dash, const QBrush* gap)
{
    if (!run.active)
        return;
    const QRect area(QPoint(run.left, run.top), QPoint(run.right, run.bottom));
    if (run.on)
        painter.fillRect(area, dash);
    else if (gap)
        painter.fillRect(area, *gap);
}

}  // namespace plat
