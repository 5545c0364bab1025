#pragma once

#include "platform/system/RegistryKey.h"

#include <string>
#include <string_view>

namespace plat {

// The text form of one settings tree (docs/registry-store.md describes it). Parsing never
// throws: what cannot be read, down to single lines, is left out, so a damaged file reads as
// missing values. A key line deeper than MaxRegistryKeyDepth is damaged too. Both directions
// take time and memory in proportion to the text, whatever the depth of the tree.
std::string FormatRegistryText(const RegistryKey& root);
RegistryKey ParseRegistryText(std::string_view text);

}  // namespace plat
