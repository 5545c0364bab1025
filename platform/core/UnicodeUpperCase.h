#pragma once

namespace plat {

// Unicode's simple upper-case mapping: one code point for one, so a text keeps its length (ß
// stays ß, the iota-subscript letters take their title-case form). Code points without a
// mapping, surrogates and values past U+10FFFF are kept. A binary search over about 200 ranges;
// ASCII takes a shortcut.
char32_t UnicodeUpperCase(char32_t CodePoint);

}  // namespace plat
