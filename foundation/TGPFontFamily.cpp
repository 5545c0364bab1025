#include "foundation/TGPFontFamily.h"

#include "platform/gdiplus/GdiplusFlat.h"

namespace skelda::foundation {

namespace {

// The cached families' own status stays Ok, whatever the call answered.
TGPFontFamily* Generic(Status (*make)(GpFontFamily**))
{
    GpFontFamily* native = nullptr;
    make(&native);
    return new TGPFontFamily(native, Ok);
}

}  // namespace

TGPFontFamily::TGPFontFamily(const std::string& Name, const TGPFontCollection* FontCollection)
{
    lastResult = GdipCreateFontFamilyFromName(Name.c_str(), FontCollection ? FontCollection->Native() : nullptr,
                                              &nativeFamily);
}

TGPFontFamily::TGPFontFamily(GpFontFamily* NativeFamily, Status AStatus) : nativeFamily(NativeFamily), lastResult(AStatus) {}

TGPFontFamily::~TGPFontFamily()
{
    GdipDeleteFontFamily(nativeFamily);
}

TGPFontFamily* TGPFontFamily::GenericSansSerif()
{
    static TGPFontFamily* const family = Generic(GdipGetGenericFontFamilySansSerif);
    return family;
}

TGPFontFamily* TGPFontFamily::GenericSerif()
{
    static TGPFontFamily* const family = Generic(GdipGetGenericFontFamilySerif);
    return family;
}

TGPFontFamily* TGPFontFamily::GenericMonospace()
{
    static TGPFontFamily* const family = Generic(GdipGetGenericFontFamilyMonospace);
    return family;
}

}  // namespace skelda::foundation
