#pragma once

#include <memory>

namespace plat {
class TFont;
}
namespace skelda::foundation {
class TGPFontFamily;
}

namespace skelda::pager {

// The GDI+ family of a font's name, "Arial" when the system has no such family or style.
std::unique_ptr<foundation::TGPFontFamily> FamilyOf(const plat::TFont& Font);
// Bold, italic and underline of the font as GDI+ style bits; strike-out is not carried.
int GdiplusStyleOf(const plat::TFont& Font);

}  // namespace skelda::pager
