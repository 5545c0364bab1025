#pragma once

#include <string>

namespace skelda::grid {

// The mini-HTML engine will take this over once it exists.
// Text with every <BR> and <HR> tag (any letter case) turned into a CR LF line break and every
// other tag, from "<" to the next ">", removed. A "<" that no ">" closes is kept as text, so an
// unbalanced comparison such as "a < b" loses nothing.
std::string StripHtmlTags(const std::string& Text);

}  // namespace skelda::grid
