#pragma once

#include "foundation/TGdiplusBase.h"

#include <string>

namespace skelda::foundation {

// The optional collection argument of font families; it holds nothing of its own.
class TGPFontCollection : public TGdiplusBase {
public:
    GpFontCollection* Native() const { return nativeFontCollection; }

private:
    GpFontCollection* nativeFontCollection = nullptr;
};

// A font family by name: one that is installed or that the platform substitutes; any other
// name leaves the status FontFamilyNotFound.
class TGPFontFamily : public TGdiplusBase {
public:
    explicit TGPFontFamily(const std::string& Name, const TGPFontCollection* FontCollection = nullptr);
    // Adopts a native family with its status.
    TGPFontFamily(GpFontFamily* NativeFamily, Status AStatus);
    ~TGPFontFamily() override;

    // One family of each kind, made on the first request and kept until the process ends.
    static TGPFontFamily* GenericSansSerif();
    static TGPFontFamily* GenericSerif();
    static TGPFontFamily* GenericMonospace();

    Status GetLastStatus() { return TakeStatus(lastResult); }
    GpFontFamily* Native() const { return nativeFamily; }

private:
    GpFontFamily* nativeFamily = nullptr;
    Status lastResult = Ok;
};

}  // namespace skelda::foundation
