#pragma once

#include <string>

namespace skelda::foundation {

// The texts a program writes with "\n" for a line break, as the platform's task dialog reads
// them: when Text holds backslash, backslash, n, each such triple becomes a literal backslash-n
// and nothing else changes; otherwise each backslash-n becomes a line feed.
std::string ExpandNewlineEscapes(const std::string& Text);

}  // namespace skelda::foundation
