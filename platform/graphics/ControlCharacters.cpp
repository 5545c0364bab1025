#include "platform/graphics/ControlCharacters.h"

#include <algorithm>

namespace plat {

QString WithoutControlCharacters(const QString& Text, QStringView Kept)
{
    const auto isDropped = [Kept](QChar c) { return c.unicode() >= 0x01 && c.unicode() <= 0x1F && !Kept.contains(c); };
    if (std::none_of(Text.begin(), Text.end(), isDropped))
        return Text;
    QString kept;
    kept.reserve(Text.size());
    for (const QChar c : Text)
        if (!isDropped(c))
            kept += c;
    return kept;
}

}  // namespace plat
