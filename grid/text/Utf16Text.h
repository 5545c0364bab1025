#pragma once

#include <string>
#include <string_view>

namespace skelda::grid {

// Conversions between the system's UTF-8 texts and the 16-bit character strings that packed
// wide cell texts carry. Characters beyond U+FFFF become surrogate pairs and back; a surrogate
// without its partner, like an ill-formed UTF-8 byte, becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view Text);
std::string Utf16ToUtf8(std::u16string_view Text);

}  // namespace skelda::grid
