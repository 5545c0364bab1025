#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace skelda::grid {

// How a cell text is to be shown, printed and edited. The values are stored and compared as
// numbers; 4 is never produced.
enum TTextKind : std::uint8_t {
    tkPlain = 0,
    tkHtml = 1,
    tkRtf = 2,
    tkFormula = 3,
    tkPackedWide = 5,
};

// The kind of Text: a formula starts with "="; a packed wide text starts with "|\" and is a
// formula when its third byte is 0, its fourth "=" and its fifth 0, as the packed form of "="
// followed by a character below U+0100 has them; RTF starts with "{\"; with HtmlEnabled,
// mini-HTML contains "</", "<B", "<I" or "<C" (letter case counts).
// Everything else, the empty text included, is plain. Looks at bytes only and copies nothing:
// it runs for every painted cell.
TTextKind GetTextKind(std::string_view Text, bool HtmlEnabled);

// Packed wide text lets a plain cell text carry any 16-bit characters. It is a byte string,
// not UTF-8: the prefix "|\" and then, for every 16-bit code unit, its high byte and its low
// byte, each one byte of the std::string (NUL included). Byte is the unit because the form has
// to survive every code unit losslessly, lone surrogates and U+0000 too, and because
// GetTextKind tells a packed formula by its third to fifth bytes. Keep packed texts in cell
// texts only: a conversion to another encoding (an ANSI file, say) would not carry them.
std::string PackWideText(std::u16string_view WideText);
// The code units of a packed Text (a trailing odd byte is ignored). Any other Text comes back
// as the same characters, converted from UTF-8.
std::u16string UnpackWideText(std::string_view Text);

}  // namespace skelda::grid
