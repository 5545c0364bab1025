#include "platform/controls/qt/TaskDialogRichText.h"

#include <optional>

namespace plat {

namespace {

struct TLink {
    QString Href;
    QString Caption;
    qsizetype End = 0;  // just after </a>
};

QString Escaped(const QString& Text)
{
    return Text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
}

std::optional<QString> HrefOf(const QString& Attributes)
{
    const qsizetype name = Attributes.indexOf(QLatin1String("href"), 0, Qt::CaseInsensitive);
    if (name < 0)
        return std::nullopt;
    qsizetype at = name + 4;
    while (at < Attributes.size() && Attributes[at].isSpace())
        ++at;
    if (at >= Attributes.size() || Attributes[at] != QLatin1Char('='))
        return std::nullopt;
    ++at;
    while (at < Attributes.size() && Attributes[at].isSpace())
        ++at;
    if (at >= Attributes.size() || (Attributes[at] != QLatin1Char('"') && Attributes[at] != QLatin1Char('\'')))
        return std::nullopt;
    const QChar quote = Attributes[at];
    const qsizetype close = Attributes.indexOf(quote, at + 1);
    if (close < 0)
        return std::nullopt;
    return Attributes.mid(at + 1, close - at - 1);
}

// The link whose tag starts at Start ("<a"), when it is a whole one.
std::optional<TLink> LinkAt(const QString& Text, qsizetype Start)
{
    const qsizetype afterName = Start + 2;
    if (afterName >= Text.size() || !(Text[afterName].isSpace() || Text[afterName] == QLatin1Char('>')))
        return std::nullopt;
    const qsizetype tagEnd = Text.indexOf(QLatin1Char('>'), afterName);
    if (tagEnd < 0)
        return std::nullopt;
    const std::optional<QString> href = HrefOf(Text.mid(afterName, tagEnd - afterName));
    if (!href)
        return std::nullopt;
    const qsizetype closing = Text.indexOf(QLatin1String("</a>"), tagEnd + 1, Qt::CaseInsensitive);
    if (closing < 0)
        return std::nullopt;
    return TLink{*href, Text.mid(tagEnd + 1, closing - tagEnd - 1), closing + 4};
}

}  // namespace

QString TaskDialogRichText(const std::string& Text, bool Links)
{
    const QString text = QString::fromStdString(Text);
    QString html;
    qsizetype done = 0;
    qsizetype from = 0;
    while (Links) {
        const qsizetype start = text.indexOf(QLatin1String("<a"), from, Qt::CaseInsensitive);
        if (start < 0)
            break;
        const std::optional<TLink> link = LinkAt(text, start);
        if (!link) {
            from = start + 2;
            continue;
        }
        html += Escaped(text.mid(done, start - done));
        html += QLatin1String("<a href=\"") + link->Href.toHtmlEscaped() + QLatin1String("\">") +
                Escaped(link->Caption) + QLatin1String("</a>");
        done = from = link->End;
    }
    html += Escaped(text.mid(done));
    return html;
}

}  // namespace plat
