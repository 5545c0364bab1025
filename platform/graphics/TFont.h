#pragma once

#include "platform/core/TSet.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TGraphicsObject.h"

#include <cstdint>
#include <string>

namespace plat {

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

using TFontStyles = TSet<TFontStyle>;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

using TFontCharset = std::uint8_t;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SYMBOL_CHARSET = 2;
constexpr TFontCharset OEM_CHARSET = 255;

// A font description. Height is in device pixels: negative gives the character height (the em
// size), positive the whole cell height including internal leading. Size is in points and
// derived from Height through PixelsPerInch (96 on screen, the printer's resolution on paper).
class TFont : public TGraphicsObject {
public:
    TFont();
    std::string ClassName() const override { return "TFont"; }
    void Assign(const TPersistent& Source) override;

    // The family as the caller named it; FontFamilies.h maps it to an installed face.
    const std::string& GetName() const { return FName; }
    void SetName(const std::string& Value);
    int GetSize() const;
    void SetSize(int Value);
    int GetHeight() const { return FHeightPx; }
    void SetHeight(int Value);
    TFontStyles GetStyle() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    TFontPitch GetPitch() const { return FPitch; }
    void SetPitch(TFontPitch Value);
    TFontCharset GetCharset() const { return FCharset; }
    void SetCharset(TFontCharset Value);
    // Angle of the text line in tenths of a degree, counter-clockwise.
    int GetOrientation() const { return FOrientationTenthsDeg; }
    void SetOrientation(int Value);
    // Changing it keeps Height, so Size reads differently afterwards, as the widget library had it.
    int GetPixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value);

private:
    std::string FName;
    int FHeightPx = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    TFontPitch FPitch = fpDefault;
    TFontCharset FCharset = DEFAULT_CHARSET;
    int FOrientationTenthsDeg = 0;
    int FPixelsPerInch = 96;
};

}  // namespace plat
