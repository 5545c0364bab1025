#pragma once

#include "platform/graphics/TFont.h"

#include <string>
#include <vector>

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

// The families a program may name (the screen's font list): the installed ones and those of
// the substitution table, each once, sorted without regard to case.
std::vector<std::string> AvailableFontFamilies();

// Whether text in the family is drawn with an outline face that scales to any size, as a
// TrueType font was (text metrics flag it TMPF_TRUETYPE); a bitmap face is not. A family that is
// not available is judged by the face that stands in for it. Code that took "TrueType" to mean
// "outline face and a family of the screen's font list" asks both.
bool IsTrueTypeFontFamily(const std::string& family);

}  // namespace plat
