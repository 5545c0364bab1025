#pragma once

#include <string>
#include <string_view>

namespace skelda::foundation {

// The characters mini-HTML writes as named entities, beside & " < >: accented Latin letters,
// the copyright, registered and euro signs and the angle quotes (55 of them).
struct THtmlEntity {
    char32_t Character;
    std::string_view Name;  // "&eacute;"
};
constexpr int HtmlEntityCount = 55;
const THtmlEntity* HtmlEntityTable();

// One left-to-right scan: each "&lt;", "&gt;", "&amp;", "&quot;" and table entity becomes its
// character once ("&amp;quot;" gives "&quot;"); anything else stays.
std::string DecodeHtmlEntities(std::string_view Text);
// & " < > and the table's characters as entities; DecodeHtmlEntities gives the text back.
std::string EncodeHtmlEntities(std::string_view Text);
// Every space as "&nbsp;".
std::string EncodeHtmlSpaces(std::string_view Text);

}  // namespace skelda::foundation
