#pragma once

#include "platform/graphics/TFont.h"

#include <string>

namespace plat {

// The installed face that draws a family name. Families the program names but this system
// lacks (Tahoma, Arial, Segoe UI, ...) come from one substitution table; an installed family
// is used as it is; anything else falls back to a sans-serif face (a monospaced one for
// fixed pitch). Names compare without regard to case.
std::string ResolveFontFamily(const std::string& family, TFontPitch pitch = fpDefault);

// Whether the family itself is installed, not merely substituted.
bool IsFontFamilyInstalled(const std::string& family);

// Whether the family draws with its own face or one the substitution table names for it: what
// a caller may treat as "the font exists".
bool IsFontFamilyAvailable(const std::string& family);

}  // namespace plat
