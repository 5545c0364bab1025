#pragma once

#include "platform/graphics/Colors.h"

#include <string>
#include <string_view>

namespace skelda::foundation::minihtml {

// The dialect's small readers, shared by both variants of the engine. Texts are UTF-8; the
// markup itself is ASCII, so everything here works on bytes and leaves other characters alone.

// ASCII letters a-z to upper case; every other byte unchanged.
std::string UpperAscii(std::string_view Text);
char UpperChar(char C);

// The value of an attribute: the text between the first and second double quote after the
// first occurrence of Keyword in Tag. Found false when the keyword is missing; a keyword without
// quotes after it gives an empty value.
struct TAttribute {
    bool Found = false;
    std::string Value;
};
TAttribute ReadAttribute(std::string_view Tag, std::string_view Keyword);
// The same search on the upper-cased tag, the value cut from the tag as written.
TAttribute ReadAttributeKeepCase(std::string_view Tag, std::string_view UpperTag, std::string_view Keyword);

// The leading integer of Text: spaces skipped, an optional sign, decimal digits or "$"/"0x"
// hexadecimal. Values beyond 32 bits stop at the limits instead of wrapping. Valid is false when
// no digit was read or something other than the number follows it (callers that need a clean
// number check it).
struct TNumber {
    int Value = 0;
    bool Valid = false;
};
TNumber ReadNumber(std::string_view Text);
int LeadingInt(std::string_view Text);

// A colour value: "#RRGGBB" (upper-case hexadecimal; short pairs count 0) or a colour name from
// the dialect's table, compared in lower case; a name not in the table is black.
plat::TColor ReadColor(std::string_view Value);
plat::TColor ReadHexColor(std::string_view Value);
plat::TColor ColorByName(std::string_view Name);

// The whole-text entity pass: "&amp;" becomes "&&" (one ampersand under prefix processing) and
// the named signs become their characters, repeated until nothing changes, in one linear scan.
std::string ExpandEntities(std::string_view Text);
// The same result by the rule as written: pass after pass, the first occurrence of each entity
// replaced, until a pass changes nothing. Quadratic; kept to check the fast pass against.
std::string ExpandEntitiesByPasses(std::string Text);
// The entities of one text run: "&nbsp;" to a space, "&lt;" and "&gt;" to the brackets.
std::string ExpandRunEntities(std::string_view Run);

}  // namespace skelda::foundation::minihtml
