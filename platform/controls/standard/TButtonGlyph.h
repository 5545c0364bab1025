#pragma once

#include "platform/core/Types.h"

#include <functional>
#include <memory>
#include <string>

namespace plat {

class TBitmap;
class TCanvas;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// The face a button shows; with NumGlyphs pictures side by side in the glyph, in this order.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// The picture and caption of a bitmap button or speed button, and how they share the face:
// Layout puts the glyph before, after, above or below the caption; Margin is the distance of
// the glyph from its edge of the face (-1 centres glyph and caption together); Spacing the
// distance between glyph and caption (-1 centres the caption in the room left).
//
// The glyph's transparent colour is its bottom-left pixel. A state without a picture of its
// own shows the first one; the disabled state then draws it embossed.
class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    // A new picture whose width is a whole multiple (1 to 4) of its height sets NumGlyphs.
    TBitmap& Glyph() { return *FGlyph; }
    int GetNumGlyphs() const { return FNumGlyphs; }
    // Values outside 1 .. 4 count as 1.
    void SetNumGlyphs(int Value);

    // Draws the glyph and the caption (in the canvas font, centred in its box, embossed when
    // disabled) on the face Client, moved by Offset (a pressed button moves its contents).
    void Draw(TCanvas& Canvas, const TRect& Client, TPoint Offset, const std::string& Caption, TButtonLayout Layout,
              int Margin, int Spacing, TButtonState State) const;

    // Glyph or picture count changed.
    std::function<void()> OnChange;

private:
    struct Placement {
        TPoint Glyph;
        TRect Text;
    };
    Placement Place(TCanvas& Canvas, const TRect& Client, const std::string& Caption, TButtonLayout Layout, int Margin,
                    int Spacing) const;
    void DrawGlyph(TCanvas& Canvas, TPoint Pos, TButtonState State) const;
    void GlyphChanged();

    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
};

}  // namespace plat
