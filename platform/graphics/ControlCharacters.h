#pragma once

#include <QString>
#include <QStringView>

namespace plat {

// The text without its C0 control characters (U+0001 to U+001F), but for those in Kept, which
// the caller lays out itself (line breaks, tabs). A control character shows nothing, and Qt would
// otherwise give it a width, one that may even differ between the first and later measurements
// when a character of a fallback font follows it. Measuring and drawing both take the text from
// here, so that what is drawn is what was measured.
QString WithoutControlCharacters(const QString& Text, QStringView Kept = {});

}  // namespace plat
