#include "platform/graphics/TFont.h"

#include "platform/core/MulDiv.h"

namespace plat {

TFont::TFont() : FName("Tahoma") {}

void TFont::Assign(const TPersistent& Source)
{
    if (const auto* font = dynamic_cast<const TFont*>(&Source)) {
        FName = font->FName;
        // Across resolutions the point size carries over, so a screen font copied to a printer
        // keeps its size on paper.
        FHeightPx = font->FPixelsPerInch == FPixelsPerInch ? font->FHeightPx
                                                           : -MulDiv(font->GetSize(), FPixelsPerInch, 72);
        FStyle = font->FStyle;
        FColor = font->FColor;
        FPitch = font->FPitch;
        FCharset = font->FCharset;
        FOrientationTenthsDeg = font->FOrientationTenthsDeg;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TFont::SetName(const std::string& Value)
{
    if (Value == FName)
        return;
    FName = Value;
    Changed();
}

int TFont::GetSize() const
{
    return -MulDiv(FHeightPx, 72, FPixelsPerInch);
}

void TFont::SetSize(int Value)
{
    SetHeight(-MulDiv(Value, FPixelsPerInch, 72));
}

void TFont::SetHeight(int Value)
{
    if (Value == FHeightPx)
        return;
    FHeightPx = Value;
    Changed();
}

void TFont::SetStyle(TFontStyles Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    Changed();
}

void TFont::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    Changed();
}

void TFont::SetPitch(TFontPitch Value)
{
    if (Value == FPitch)
        return;
    FPitch = Value;
    Changed();
}

void TFont::SetCharset(TFontCharset Value)
{
    if (Value == FCharset)
        return;
    FCharset = Value;
    Changed();
}

void TFont::SetOrientation(int Value)
{
    if (Value == FOrientationTenthsDeg)
        return;
    FOrientationTenthsDeg = Value;
    Changed();
}

void TFont::SetPixelsPerInch(int Value)
{
    if (Value > 0)
        FPixelsPerInch = Value;
}

}  // namespace plat
