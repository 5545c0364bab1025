#pragma once

#include "platform/controls/standard/TButtonGlyph.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace plat {
class TBitmap;
class TCanvas;
}  // namespace plat

namespace skelda::editcontrols {

class TKvGlyphCache;
class TKvGlyphList;

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// The glyph and caption of this library's owner-drawn buttons: it keeps a glyph strip of
// NumGlyphs pictures (up, disabled, down, exclusive), makes the picture of each state on first
// use (a disabled picture of a one-glyph strip is the strip's black pixels embossed) and keeps
// it in an image list shared by every button glyph of the same size, and lays glyph and caption
// out on the face by Layout, Margin and Spacing as the platform's bitmap button does.
//
// The pictures are given back (to be made again) whenever the strip, the glyph count, the colour
// or the reading order changes. OnChange fires after a change of the strip or the glyph count;
// DrawExternal, which swaps a foreign strip in for one drawing, fires it too, so an owner must
// not repaint on it while it paints.
class TKvButtonGlyph {
public:
    TKvButtonGlyph();
    virtual ~TKvButtonGlyph();
    TKvButtonGlyph(const TKvButtonGlyph&) = delete;
    TKvButtonGlyph& operator=(const TKvButtonGlyph&) = delete;

    // The strip. Assigning it (or drawing on it) takes its transparent colour and, when its width
    // is a multiple of its height, sets NumGlyphs to the quotient when that is 1 to 4, else to 1.
    plat::TBitmap& Glyph() { return *FOriginal; }
    void SetGlyph(const plat::TBitmap& Value);
    int GetNumGlyphs() const { return FNumGlyphs; }
    // Only a new value from 1 to 4 is taken.
    void SetNumGlyphs(int Value);
    // The fill behind the glyph's pictures.
    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value);
    TBiDiMode GetBiDiMode() const { return FBiDiMode; }
    // A new value also clears ParentBiDiMode.
    void SetBiDiMode(TBiDiMode Value);
    bool GetParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value) { FParentBiDiMode = Value; }
    plat::TColor GetTransparentColor() const { return FTransparentColor; }

    // Draws the glyph and the caption on the face Client (moved by Offset); returns where the
    // caption went. Transparent leaves the glyph's transparent pixels alone; otherwise they show
    // Color.
    plat::TRect Draw(plat::TCanvas& Canvas, const plat::TRect& Client, plat::TPoint Offset, const std::string& Caption,
                     plat::TButtonLayout Layout, int Margin, int Spacing, plat::TButtonState State, bool Transparent);
    // Draw with a foreign strip, glyph count and colour, which are put back afterwards. With
    // KeepImages the pictures made stay in the list until the next change.
    plat::TRect DrawExternal(plat::TBitmap& AGlyph, int ANumGlyphs, plat::TColor AColor, bool KeepImages,
                             plat::TCanvas& Canvas, const plat::TRect& Client, plat::TPoint Offset,
                             const std::string& Caption, plat::TButtonLayout Layout, int Margin, int Spacing,
                             plat::TButtonState State, bool Transparent);

    // The shared list the pictures are in (nullptr while none is made) and the slot of a state's
    // picture (-1 while it is not made).
    const TKvGlyphList* GlyphList() const { return FGlyphList; }
    int ImageIndex(plat::TButtonState State) const { return FIndexs[static_cast<std::size_t>(State)]; }

    // The cache of all button glyphs while one needs it (nullptr otherwise).
    static const TKvGlyphCache* Cache();

    std::function<void()> OnChange;

protected:
    // Draws the caption into TextBounds (the size MeasureCaptionText gave): centred on one line,
    // or, disabled, twice in the button highlight and shadow colours, the first one pixel down
    // and right.
    virtual void PaintCaptionText(plat::TCanvas& Canvas, const std::string& Caption, plat::TButtonState State,
                                  const plat::TRect& TextBounds);
    // Widens TextBounds, which comes as (0, 0, face width, 0), to the caption.
    virtual void MeasureCaptionText(plat::TCanvas& Canvas, plat::TRect& TextBounds, const std::string& Caption);
    // DT_RTLREADING when the reading order is right to left.
    unsigned ReadingOrderFlags() const;

private:
    void StripChanged();
    void GiveImagesBack();
    int StateImage(plat::TButtonState State);
    void DrawGlyph(plat::TCanvas& Canvas, plat::TPoint Pos, plat::TButtonState State, bool Transparent);
    void Changed();

    TKvGlyphList* FGlyphList = nullptr;
    std::array<int, 4> FIndexs{-1, -1, -1, -1};
    plat::TColor FTransparentColor = plat::clOlive;
    int FNumGlyphs = 1;
    plat::TColor FColor = plat::clBtnFace;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    std::unique_ptr<plat::TBitmap> FOriginal;
    // The strip drawn: the own one, or a foreign one during DrawExternal.
    plat::TBitmap* FStrip;
};

}  // namespace skelda::editcontrols
