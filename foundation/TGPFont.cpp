#include "foundation/TGPFont.h"

#include "foundation/TGPFontFamily.h"
#include "platform/gdiplus/GdiplusFlat.h"

namespace skelda::foundation {

TGPFont::TGPFont(const TGPFontFamily* Family, REAL EmSize, int Style, Unit SizeUnit)
{
    lastResult = GdipCreateFont(Family ? Family->Native() : nullptr, EmSize, Style, SizeUnit, &nativeFont);
}

TGPFont::TGPFont(const std::string& FamilyName, REAL EmSize, int Style, Unit SizeUnit, const TGPFontCollection* FontCollection)
{
    const TGPFontFamily family(FamilyName, FontCollection);
    lastResult = GdipCreateFont(family.Native(), EmSize, Style, SizeUnit, &nativeFont);
    if (lastResult != Ok)
        lastResult = GdipCreateFont(TGPFontFamily::GenericSansSerif()->Native(), EmSize, Style, SizeUnit, &nativeFont);
}

TGPFont::TGPFont(GpFont* NativeFont, Status AStatus) : nativeFont(NativeFont), lastResult(AStatus) {}

TGPFont::~TGPFont()
{
    GdipDeleteFont(nativeFont);
}

}  // namespace skelda::foundation
