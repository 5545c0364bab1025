#pragma once

// Include only in .cpp files of the layer: it brings in Qt's string.

#include <QString>

#include <string>

namespace plat {

// A task dialog text as Qt rich text that shows exactly the text: markup characters are
// escaped and line feeds break the line. With Links, each <a href="...">...</a> (any case,
// double or single quotes) becomes a link to its href; a link tag without href or without its
// closing tag stays text.
QString TaskDialogRichText(const std::string& Text, bool Links);

}  // namespace plat
