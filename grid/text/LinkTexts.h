#pragma once

#include <string>
#include <string_view>

namespace skelda::grid {

// True when Text holds "://" or "mailto:" anywhere (letter case counts).
bool IsURL(std::string_view Text);
// Removes everything up to and including the first "://", or, without one, up to and including
// the first "mailto:"; other texts stay as they are. The grid shows and opens links so.
void StripURLProtocol(std::string& Text);

}  // namespace skelda::grid
