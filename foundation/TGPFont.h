#pragma once

#include "foundation/TGdiplusBase.h"

#include <string>

namespace skelda::foundation {

class TGPFontCollection;
class TGPFontFamily;

// A font of the flat API: family, em size in a unit, style (FontStyleBold and so on).
class TGPFont : public TGdiplusBase {
public:
    // Family may be nil (the flat API then refuses).
    TGPFont(const TGPFontFamily* Family, REAL EmSize, int Style = FontStyleRegular, Unit SizeUnit = UnitPoint);
    // A family of that name; when it does not exist, the generic sans-serif family, whose
    // status is then kept.
    TGPFont(const std::string& FamilyName, REAL EmSize, int Style = FontStyleRegular, Unit SizeUnit = UnitPoint,
            const TGPFontCollection* FontCollection = nullptr);
    // Adopts a native font with its status.
    TGPFont(GpFont* NativeFont, Status AStatus);
    ~TGPFont() override;

    Status GetLastStatus() { return TakeStatus(lastResult); }
    GpFont* Native() const { return nativeFont; }

private:
    GpFont* nativeFont = nullptr;
    Status lastResult = Ok;
};

}  // namespace skelda::foundation
