#include "platform/gdiplus/StringLayout.h"

#include "platform/graphics/ControlCharacters.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTextLayout>

#include <algorithm>

namespace plat::gdiplus {

namespace {

// Text is measured on an image of the resolution the surfaces have, so that measuring and
// drawing agree.
QPaintDevice& MeasuringDevice()
{
    static QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
    return probe;
}

// Takes the '&' prefixes out of text: "&&" stays one '&', a single '&' goes and marks the next
// character (returned, -1 for none).
int StripHotkeyPrefixes(QString& text)
{
    QString plain;
    int marked = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&' && marked < 0)
                marked = static_cast<int>(plain.size());
        }
        plain += text[i];
    }
    text = plain;
    return marked;
}

QString WithoutTrailingSpaces(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end);
}

}  // namespace

double EmPixels(const GpFont& font, int pixelsPerInch)
{
    switch (font.SizeUnit) {
    case UnitPoint: return font.EmSize * pixelsPerInch / 72.0;
    case UnitInch: return font.EmSize * pixelsPerInch;
    case UnitDocument: return font.EmSize * pixelsPerInch / 300.0;
    case UnitMillimeter: return font.EmSize * pixelsPerInch / 25.4;
    default: return font.EmSize;
    }
}

QFont ToQFont(const GpFont& font, TextRenderingHint hint, int pixelsPerInch)
{
    QFont q(QString::fromStdString(font.Face));
    // Surfaces measure 96 pixels to the inch; point sizes keep the fraction that pixel sizes
    // would round away.
    q.setPointSizeF(std::max(0.01, EmPixels(font, pixelsPerInch) * 72.0 / 96.0));
    q.setBold((font.Style & FontStyleBold) != 0);
    q.setItalic((font.Style & FontStyleItalic) != 0);
    q.setUnderline((font.Style & FontStyleUnderline) != 0);
    q.setStrikeOut((font.Style & FontStyleStrikeout) != 0);
    const bool aliased = hint == TextRenderingHintSingleBitPerPixel || hint == TextRenderingHintSingleBitPerPixelGridFit;
    q.setStyleStrategy(aliased ? QFont::NoAntialias : QFont::PreferAntialias);
    const bool gridFit = hint == TextRenderingHintSingleBitPerPixelGridFit || hint == TextRenderingHintAntiAliasGridFit ||
                         hint == TextRenderingHintClearTypeGridFit;
    q.setHintingPreference(gridFit ? QFont::PreferFullHinting : QFont::PreferNoHinting);
    return q;
}

StringLayout::StringLayout(const QString& text, const GpFont& font, const GpRectF& layoutRect,
                           const GpStringFormat* format, TextRenderingHint hint, int pixelsPerInch)
    : FFont(ToQFont(font, hint, pixelsPerInch)), FLayout(layoutRect), FFormat(format ? *format : GpStringFormat{})
{
    const QFontMetricsF metrics(FFont, &MeasuringDevice());
    FPaddingPx = EmPixels(font, pixelsPerInch) / 6.0;
    FLineSpacingPx = metrics.lineSpacing();
    FAscentPx = metrics.ascent();
    // Line breaks and tabs are laid out; other control characters show nothing.
    QString plain = WithoutControlCharacters(text, u"\t\r\n");
    const int underlined = FFormat.HotkeyPrefix == HotkeyPrefixNone ? -1 : StripHotkeyPrefixes(plain);
    if (!plain.isEmpty())
        BreakIntoLines(plain, FFormat.HotkeyPrefix == HotkeyPrefixShow ? underlined : -1);
    Place();
}

void StringLayout::BreakIntoLines(const QString& text, int underlinedIndex)
{
    const QFontMetricsF metrics(FFont, &MeasuringDevice());
    const bool wrap = FLayout.Width > 0 && (FFormat.Flags & StringFormatFlagsNoWrap) == 0;
    const double available = std::max(1.0, FLayout.Width - 2 * FPaddingPx);
    const bool measureTrailing = (FFormat.Flags & StringFormatFlagsMeasureTrailingSpaces) != 0;

    std::vector<Line> lines;
    qsizetype paragraphStart = 0;
    while (paragraphStart <= text.size()) {
        qsizetype paragraphEnd = text.indexOf(u'\n', paragraphStart);
        if (paragraphEnd < 0)
            paragraphEnd = text.size();
        QString paragraph = text.mid(paragraphStart, paragraphEnd - paragraphStart);
        if (paragraph.endsWith(u'\r'))
            paragraph.chop(1);
        auto addLine = [&](qsizetype start, const QString& lineText) {
            Line line;
            line.Text = lineText;
            const QString measured = measureTrailing ? lineText : WithoutTrailingSpaces(lineText);
            line.WidthPx = metrics.horizontalAdvance(measured);
            const qsizetype at = underlinedIndex - (paragraphStart + start);
            if (underlinedIndex >= 0 && at >= 0 && at < lineText.size())
                line.UnderlinedIndex = static_cast<int>(at);
            lines.push_back(line);
        };
        if (!wrap || paragraph.isEmpty()) {
            addLine(0, paragraph);
        } else {
            QTextLayout layout(paragraph, FFont, &MeasuringDevice());
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(available);
                addLine(line.textStart(), paragraph.mid(line.textStart(), line.textLength()));
            }
            layout.endLayout();
        }
        paragraphStart = paragraphEnd + 1;
    }

    // Lines below a layout rectangle of some height are not shown; with the line limit, neither
    // is a line that would be cut.
    const bool lineLimit = (FFormat.Flags & StringFormatFlagsLineLimit) != 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double top = static_cast<double>(i) * FLineSpacingPx;
        const bool shown = FLayout.Height <= 0 ||
                           (lineLimit ? top + FLineSpacingPx <= FLayout.Height + 1e-6 : top < FLayout.Height);
        if (!shown)
            break;
        FCodepointsFitted += static_cast<int>(lines[i].Text.toUcs4().size()) + (i + 1 < lines.size() ? 1 : 0);
        FLines.push_back(lines[i]);
    }

    // A single line wider than the rectangle ends in an ellipsis where the trimming asks for one.
    const bool ellipsis = FFormat.Trimming == StringTrimmingEllipsisCharacter ||
                          FFormat.Trimming == StringTrimmingEllipsisWord || FFormat.Trimming == StringTrimmingEllipsisPath;
    if (ellipsis && FLayout.Width > 0) {
        for (Line& line : FLines) {
            if (line.WidthPx <= available)
                continue;
            const Qt::TextElideMode mode = FFormat.Trimming == StringTrimmingEllipsisPath ? Qt::ElideMiddle : Qt::ElideRight;
            line.Text = metrics.elidedText(line.Text, mode, available);
            line.WidthPx = metrics.horizontalAdvance(line.Text);
            line.UnderlinedIndex = -1;
        }
    }
}

void StringLayout::Place()
{
    if (FLines.empty())
        return;
    double widest = 0;
    for (const Line& line : FLines)
        widest = std::max(widest, line.WidthPx);
    const double boxWidth = widest + 2 * FPaddingPx;
    const double boxHeight = static_cast<double>(FLines.size()) * FLineSpacingPx;

    // Where a block of this extent starts in the layout rectangle, by an alignment; a rectangle
    // of no extent centres on or ends at its origin.
    auto aligned = [](StringAlignment align, double origin, double extent, double block) {
        switch (align) {
        case StringAlignmentCenter: return origin + (extent - block) / 2;
        case StringAlignmentFar: return origin + extent - block;
        default: return origin;
        }
    };
    FBox.X = static_cast<REAL>(aligned(FFormat.Align, FLayout.X, FLayout.Width, boxWidth));
    FBox.Y = static_cast<REAL>(aligned(FFormat.LineAlign, FLayout.Y, FLayout.Height, boxHeight));
    FBox.Width = static_cast<REAL>(boxWidth);
    FBox.Height = static_cast<REAL>(boxHeight);
    for (const Line& line : FLines)
        FLineLeft.push_back(aligned(FFormat.Align, FLayout.X, FLayout.Width, line.WidthPx + 2 * FPaddingPx) + FPaddingPx);
}

QPainterPath StringLayout::Outline() const
{
    QPainterPath outline;
    for (std::size_t i = 0; i < FLines.size(); ++i)
        outline.addText(QPointF(FLineLeft[i], FBox.Y + static_cast<double>(i) * FLineSpacingPx + FAscentPx), FFont,
                        FLines[i].Text);
    return outline;
}

void StringLayout::Draw(QPainter& painter, const QBrush& brush) const
{
    if (FLines.empty())
        return;
    painter.save();
    if (FLayout.Width > 0 && FLayout.Height > 0 && (FFormat.Flags & StringFormatFlagsNoClip) == 0)
        painter.setClipRect(QRectF(FLayout.X, FLayout.Y, FLayout.Width, FLayout.Height), Qt::IntersectClip);
    painter.setFont(FFont);
    painter.setPen(QPen(brush, 1));
    const QFontMetricsF metrics(FFont, &MeasuringDevice());
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        const Line& line = FLines[i];
        const QPointF baseline(FLineLeft[i], FBox.Y + static_cast<double>(i) * FLineSpacingPx + FAscentPx);
        painter.drawText(baseline, line.Text);
        if (line.UnderlinedIndex >= 0) {
            const double x = baseline.x() + metrics.horizontalAdvance(line.Text.left(line.UnderlinedIndex));
            const double w = metrics.horizontalAdvance(line.Text.mid(line.UnderlinedIndex, 1));
            painter.fillRect(QRectF(x, baseline.y() + metrics.underlinePos(), w, std::max(1.0, metrics.lineWidth())), brush);
        }
    }
    painter.restore();
}

}  // namespace plat::gdiplus
