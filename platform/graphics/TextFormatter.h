#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <utility>
#include <vector>

namespace plat {

struct FormattedLine {
    QString text;                  // as drawn: accelerator marks removed, ellipsis applied
    std::vector<int> underlined;   // indexes into text of accelerator characters
    int widthPx = 0;
};

// The line layout of DrawText: accelerator prefixes, line breaks, word wrapping, tab
// expansion and ellipses, measured with the font the text is drawn in.
class TextFormatter {
public:
    // fontKey: QFont::key() of font, which names its widths (see TextWidthCache).
    TextFormatter(const QFont& font, const QString& fontKey, unsigned format, int rectWidthPx);

    // Lines of the text; an empty text has none. withEllipsis shortens lines wider than the
    // rectangle as DT_END_ELLIPSIS / DT_PATH_ELLIPSIS ask.
    std::vector<FormattedLine> Layout(const QString& text, bool withEllipsis) const;

    // The line cut where needed to end in an ellipsis inside the rectangle: the last line shown
    // of a text whose further lines do not fit.
    FormattedLine WithEndEllipsis(const FormattedLine& line) const;

    int LineHeightPx() const { return FMetrics.height(); }
    int AscentPx() const { return FMetrics.ascent(); }
    // Width of a line, tabs expanded to the next stop when DT_EXPANDTABS asks for it.
    int WidthOf(const QString& line) const;
    // The segments of a line between tabs with their x offsets (one segment without DT_EXPANDTABS).
    std::vector<std::pair<int, QString>> Segments(const QString& line) const;

private:
    struct MarkedText {
        QString text;
        std::vector<bool> underline;
    };

    MarkedText StripPrefixes(const QString& text) const;
    std::vector<MarkedText> Paragraphs(const MarkedText& text) const;
    void Wrap(const MarkedText& paragraph, std::vector<MarkedText>& lines) const;
    MarkedText Ellipsized(const MarkedText& line) const;
    MarkedText EndEllipsized(const MarkedText& line) const;
    static MarkedText Slice(const MarkedText& text, int from, int to);

    QFontMetrics FMetrics;
    QString FFontKey;
    unsigned FFormat;
    int FRectWidthPx;
    int FTabStopPx;
};

}  // namespace plat
