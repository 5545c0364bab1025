#pragma once

#include <string>
#include <string_view>

namespace skelda::grid {

// Text in the case of names: each word starts upper-case and goes on lower-case, words being
// split by " ", "'", ",", "-" and ".". A word starting "Mc" (the first such word after a
// blank, or the text itself) gets a capital after it, and a closing " II" or " III" stays in
// capitals: "mcdonald" gives "McDonald", "john smith iii" gives "John Smith III".
std::string MixedCaseText(std::string_view Text);

}  // namespace skelda::grid
