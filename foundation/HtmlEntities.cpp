#include "foundation/HtmlEntities.h"

#include "platform/core/Utf8.h"

#include <array>

namespace skelda::foundation {

namespace {

constexpr std::array<THtmlEntity, HtmlEntityCount> kTable{{
    {U'\u00E9', "&eacute;"}, {U'\u00E8', "&egrave;"}, {U'\u00EB', "&euml;"},  {U'\u00EA', "&ecirc;"},
    {U'\u00F3', "&oacute;"}, {U'\u00F2', "&ograve;"}, {U'\u00F6', "&ouml;"},  {U'\u00F4', "&ocirc;"},
    {U'\u00ED', "&iacute;"}, {U'\u00EC', "&igrave;"}, {U'\u00EF', "&iuml;"},  {U'\u00EE', "&icirc;"},
    {U'\u00FA', "&uacute;"}, {U'\u00F9', "&ugrave;"}, {U'\u00FC', "&uuml;"},  {U'\u00FB', "&ucirc;"},
    {U'\u00E1', "&aacute;"}, {U'\u00E0', "&agrave;"}, {U'\u00E4', "&auml;"},  {U'\u00E2', "&acirc;"},
    {U'\u00C9', "&Eacute;"}, {U'\u00C8', "&Egrave;"}, {U'\u00CB', "&Euml;"},  {U'\u00CA', "&Ecirc;"},
    {U'\u00D3', "&Oacute;"}, {U'\u00D2', "&Ograve;"}, {U'\u00D6', "&Ouml;"},  {U'\u00D4', "&Ocirc;"},
    {U'\u00CD', "&Iacute;"}, {U'\u00CC', "&Igrave;"}, {U'\u00CF', "&Iuml;"},  {U'\u00CE', "&Icirc;"},
    {U'\u00DA', "&Uacute;"}, {U'\u00D9', "&Ugrave;"}, {U'\u00DC', "&Uuml;"},  {U'\u00DB', "&Ucirc;"},
    {U'\u00C1', "&Aacute;"}, {U'\u00C0', "&Agrave;"}, {U'\u00C4', "&Auml;"},  {U'\u00C2', "&Acirc;"},
    {U'\u00E7', "&ccedil;"}, {U'\u00C7', "&Ccedil;"}, {U'\u00F8', "&oslash;"}, {U'\u00D8', "&Oslash;"},
    {U'\u00E5', "&aring;"},  {U'\u00C5', "&Aring;"},  {U'\u00A9', "&copy;"},   {U'\u00AE', "&reg;"},
    {U'\u20AC', "&euro;"},   {U'\u00AB', "&laquo;"},  {U'\u00BB', "&raquo;"},  {U'\u00E3', "&atilde;"},
    {U'\u00C3', "&Atilde;"}, {U'\u00F5', "&otilde;"}, {U'\u00D5', "&Otilde;"},
}};

constexpr std::array<THtmlEntity, 4> kMarkup{{
    {U'<', "&lt;"}, {U'>', "&gt;"}, {U'&', "&amp;"}, {U'"', "&quot;"},
}};

// The first entity, markup characters first, that Match accepts; nullptr when none does.
template <typename TMatch>
const THtmlEntity* FindEntity(TMatch Match)
{
    for (const auto* table : {&kMarkup[0], &kTable[0]}) {
        const std::size_t count = table == &kMarkup[0] ? kMarkup.size() : kTable.size();
        for (std::size_t i = 0; i < count; ++i)
            if (Match(table[i]))
                return &table[i];
    }
    return nullptr;
}

}  // namespace

const THtmlEntity* HtmlEntityTable()
{
    return kTable.data();
}

std::string DecodeHtmlEntities(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size());
    std::size_t pos = 0;
    while (pos < Text.size()) {
        const std::size_t amp = Text.find('&', pos);
        if (amp == std::string_view::npos)
            break;
        result.append(Text.substr(pos, amp - pos));
        const std::string_view rest = Text.substr(amp);
        const THtmlEntity* entity = FindEntity([rest](const THtmlEntity& e) { return rest.starts_with(e.Name); });
        if (entity) {
            result += plat::CodePointToUtf8(entity->Character);
            pos = amp + entity->Name.size();
        } else {
            result += '&';
            pos = amp + 1;
        }
    }
    result.append(Text.substr(std::min(pos, Text.size())));
    return result;
}

std::string EncodeHtmlEntities(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size());
    // Walked by code point so that a multi-byte letter is matched whole; bytes that are not
    // UTF-8 pass through untouched.
    std::size_t pos = 0;
    while (pos < Text.size()) {
        std::size_t length = 1;
        const unsigned char lead = static_cast<unsigned char>(Text[pos]);
        if (lead >= 0xC0)
            while (pos + length < Text.size() && (static_cast<unsigned char>(Text[pos + length]) & 0xC0) == 0x80 &&
                   length < 4)
                ++length;
        const std::string_view piece = Text.substr(pos, length);
        const std::u32string points = plat::Utf8ToCodePoints(piece);
        const bool whole = points.size() == 1 && plat::CodePointToUtf8(points[0]) == piece;
        const THtmlEntity* entity =
            whole ? FindEntity([c = points[0]](const THtmlEntity& e) { return e.Character == c; }) : nullptr;
        result.append(entity ? entity->Name : piece);
        pos += length;
    }
    return result;
}

std::string EncodeHtmlSpaces(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size());
    for (const char c : Text) {
        if (c == ' ')
            result += "&nbsp;";
        else
            result += c;
    }
    return result;
}

}  // namespace skelda::foundation
