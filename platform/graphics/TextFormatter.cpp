#include "platform/graphics/TextFormatter.h"

#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/ControlCharacters.h"
#include "platform/graphics/TextWidthCache.h"

#include <QStringList>

#include <algorithm>

namespace plat {

namespace {

const QString kEllipsis = QStringLiteral("...");

}  // namespace

TextFormatter::TextFormatter(const QFont& font, const QString& fontKey, unsigned format, int rectWidthPx)
    : FMetrics(font), FFontKey(fontKey), FFormat(format), FRectWidthPx(rectWidthPx),
      FTabStopPx(std::max(1, 8 * FMetrics.averageCharWidth()))
{
}

std::vector<FormattedLine> TextFormatter::Layout(const QString& text, bool withEllipsis) const
{
    std::vector<FormattedLine> result;
    if (text.isEmpty())
        return result;
    // Line breaks and tabs are laid out here; other control characters show nothing.
    // An unexpanded tab is one character wide, not a jump to one of Qt's own tab stops.
    QString source = WithoutControlCharacters(text, u"\t\r\n");
    if (!(FFormat & DT_EXPANDTABS))
        source.replace(QLatin1Char('\t'), QLatin1Char(' '));
    std::vector<MarkedText> lines;
    for (const MarkedText& paragraph : Paragraphs(StripPrefixes(source))) {
        if ((FFormat & DT_WORDBREAK) && !(FFormat & DT_SINGLELINE))
            Wrap(paragraph, lines);
        else
            lines.push_back(paragraph);
    }
    const bool ellipsis = withEllipsis && (FFormat & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS));
    for (MarkedText& line : lines) {
        // Shaping a line is what costs: its width is measured once, and again only when cut.
        int widthPx = WidthOf(line.text);
        if (ellipsis && widthPx > FRectWidthPx) {
            line = Ellipsized(line);
            widthPx = WidthOf(line.text);
        }
        FormattedLine formatted{line.text, {}, widthPx};
        for (int i = 0; i < static_cast<int>(line.underline.size()); ++i)
            if (line.underline[i])
                formatted.underlined.push_back(i);
        result.push_back(std::move(formatted));
    }
    return result;
}

int TextFormatter::WidthOf(const QString& line) const
{
    const auto segments = Segments(line);
    return segments.back().first + TextWidthCache::Advance(FMetrics, FFontKey, segments.back().second);
}

std::vector<std::pair<int, QString>> TextFormatter::Segments(const QString& line) const
{
    if (!(FFormat & DT_EXPANDTABS))
        return {{0, line}};
    std::vector<std::pair<int, QString>> segments;
    const QStringList parts = line.split(QLatin1Char('\t'));
    int x = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            x = (x / FTabStopPx + 1) * FTabStopPx;
        segments.emplace_back(x, parts[i]);
        // Only a following tab needs this segment's width; shaping text is what costs.
        if (i + 1 < parts.size())
            x += TextWidthCache::Advance(FMetrics, FFontKey, parts[i]);
    }
    return segments;
}

TextFormatter::MarkedText TextFormatter::StripPrefixes(const QString& text) const
{
    MarkedText result;
    if (FFormat & DT_NOPREFIX) {
        result.text = text;
        result.underline.assign(text.size(), false);
        return result;
    }
    const bool showMarks = !(FFormat & DT_HIDEPREFIX);
    bool marked = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && !marked) {
            // "&&" is a literal ampersand; "&x" marks x as the accelerator.
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
                result.text += QLatin1Char('&');
                result.underline.push_back(false);
                ++i;
            } else {
                marked = true;
            }
            continue;
        }
        result.text += text[i];
        result.underline.push_back(marked && showMarks);
        marked = false;
    }
    return result;
}

std::vector<TextFormatter::MarkedText> TextFormatter::Paragraphs(const MarkedText& text) const
{
    if (FFormat & DT_SINGLELINE) {
        MarkedText single = text;
        for (QChar& c : single.text)
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
                c = QLatin1Char(' ');
        return {single};
    }
    std::vector<MarkedText> paragraphs;
    int start = 0;
    const int n = static_cast<int>(text.text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        paragraphs.push_back(Slice(text, start, i));
        if (c == QLatin1Char('\r') && i + 1 < n && text.text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    paragraphs.push_back(Slice(text, start, n));
    return paragraphs;
}

void TextFormatter::Wrap(const MarkedText& paragraph, std::vector<MarkedText>& lines) const
{
    const QString& s = paragraph.text;
    const int n = static_cast<int>(s.size());
    auto isSpace = [&](int i) { return s[i] == QLatin1Char(' '); };
    int start = 0;
    do {
        // The longest run of whole words from start that fits; a break drops its spaces.
        int best = -1;
        int firstWordEnd = -1;
        for (int end = start; end <= n; ++end) {
            const bool breakHere = end == n || (isSpace(end) && end > start && !isSpace(end - 1));
            if (!breakHere)
                continue;
            if (firstWordEnd < 0)
                firstWordEnd = end;
            if (WidthOf(s.mid(start, end - start)) > FRectWidthPx)
                break;
            best = end;
        }
        int lineEnd = best;
        if (lineEnd < 0) {
            // A word wider than the rectangle: an edit control breaks inside it, else it
            // stands alone on its line and sticks out.
            lineEnd = firstWordEnd;
            if (FFormat & DT_EDITCONTROL) {
                lineEnd = start + 1;
                while (lineEnd < firstWordEnd && WidthOf(s.mid(start, lineEnd + 1 - start)) <= FRectWidthPx)
                    ++lineEnd;
            }
        }
        lines.push_back(Slice(paragraph, start, lineEnd));
        start = lineEnd;
        while (start < n && isSpace(start))
            ++start;
    } while (start < n);
}

TextFormatter::MarkedText TextFormatter::Ellipsized(const MarkedText& line) const
{
    const QString& s = line.text;
    const int separator = static_cast<int>(std::max(s.lastIndexOf(QLatin1Char('\\')), s.lastIndexOf(QLatin1Char('/'))));
    if (!(FFormat & DT_PATH_ELLIPSIS) || separator <= 0)
        return EndEllipsized(line);
    // Keep the last path component whole and shorten what comes before it.
    const QString tail = s.mid(separator);
    for (int keep = separator - 1; keep >= 0; --keep) {
        const QString candidate = s.left(keep) + kEllipsis + tail;
        if (WidthOf(candidate) <= FRectWidthPx) {
            MarkedText result = Slice(line, 0, keep);
            result.text = candidate;
            result.underline.resize(candidate.size(), false);
            return result;
        }
    }
    MarkedText shortened{kEllipsis + tail, std::vector<bool>(kEllipsis.size() + tail.size(), false)};
    return (FFormat & DT_END_ELLIPSIS) ? EndEllipsized(shortened) : shortened;
}

TextFormatter::MarkedText TextFormatter::EndEllipsized(const MarkedText& line) const
{
    int keep = static_cast<int>(line.text.size());
    while (keep > 0 && WidthOf(line.text.left(keep) + kEllipsis) > FRectWidthPx)
        --keep;
    MarkedText result = Slice(line, 0, keep);
    result.text += kEllipsis;
    result.underline.resize(result.text.size(), false);
    return result;
}

FormattedLine TextFormatter::WithEndEllipsis(const FormattedLine& line) const
{
    MarkedText marked{line.text, std::vector<bool>(line.text.size(), false)};
    for (int i : line.underlined)
        marked.underline[static_cast<std::size_t>(i)] = true;
    const MarkedText cut = EndEllipsized(marked);
    FormattedLine result{cut.text, {}, WidthOf(cut.text)};
    for (int i = 0; i < static_cast<int>(cut.underline.size()); ++i)
        if (cut.underline[static_cast<std::size_t>(i)])
            result.underlined.push_back(i);
    return result;
}

TextFormatter::MarkedText TextFormatter::Slice(const MarkedText& text, int from, int to)
{
    MarkedText result;
    result.text = text.text.mid(from, to - from);
    result.underline.assign(text.underline.begin() + from, text.underline.begin() + to);
    return result;
}

}  // namespace plat
