#pragma once

#include "platform/gdiplus/GdiplusObjects.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <vector>

namespace plat::gdiplus {

// Text laid out as the platform lays out a string in a layout rectangle: lines broken at words
// to the rectangle's width (unless it is 0 or the format says no wrap), a padding of one sixth
// of the em at each end of a line, trailing spaces left out of the measure (unless the format
// measures them), lines placed by the format's alignments, and '&' taken as a hotkey prefix
// where the format says so. A rectangle of width or height 0 does not limit that direction.
class StringLayout {
public:
    StringLayout(const QString& text, const GpFont& font, const GpRectF& layoutRect, const GpStringFormat* format,
                 TextRenderingHint hint, int pixelsPerInch);

    // The box the text takes, padding included; 0 x 0 for an empty text.
    const GpRectF& BoundingBox() const { return FBox; }
    int CodepointsFitted() const { return FCodepointsFitted; }
    int LinesFilled() const { return static_cast<int>(FLines.size()); }

    // Draws the lines with the brush, clipped to the layout rectangle when it has a size and the
    // format does not say otherwise.
    void Draw(QPainter& painter, const QBrush& brush) const;
    // The glyph outlines of the lines where Draw puts them.
    QPainterPath Outline() const;

private:
    struct Line {
        QString Text;
        double WidthPx = 0;
        int UnderlinedIndex = -1;
    };

    void BreakIntoLines(const QString& text, int underlinedIndex);
    void Place();

    QFont FFont;
    GpRectF FLayout;
    GpStringFormat FFormat;
    double FPaddingPx = 0;
    double FLineSpacingPx = 0;
    double FAscentPx = 0;
    std::vector<Line> FLines;
    std::vector<double> FLineLeft;
    GpRectF FBox;
    int FCodepointsFitted = 0;
};

// The Qt font of a platform font on a surface of that resolution.
QFont ToQFont(const GpFont& font, TextRenderingHint hint, int pixelsPerInch);
// The em size in device pixels.
double EmPixels(const GpFont& font, int pixelsPerInch);

}  // namespace plat::gdiplus
