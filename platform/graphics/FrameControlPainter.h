#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

class QPainter;

namespace plat {

// The classic faces of DrawFrameControl: push buttons, check boxes, radio buttons, scroll
// and combo-box arrows and caption buttons, drawn from edges and small glyphs.
class FrameControlPainter {
public:
    // Without a painter nothing is drawn, but DFCS_ADJUSTRECT still adjusts the rectangle.
    explicit FrameControlPainter(QPainter* painter) : FPainter(painter) {}

    // False for a type or kind this painter does not know.
    bool Draw(TRect& rect, unsigned type, unsigned state);

private:
    TRect ButtonFace(const TRect& rect, unsigned state);
    void CheckBox(const TRect& rect, unsigned state);
    void RadioButton(const TRect& rect, unsigned state);
    bool ScrollButton(const TRect& rect, unsigned state);
    bool CaptionButton(const TRect& rect, unsigned state);
    // Glyph pixels in the text colour, or embossed (highlight under shadow) when inactive.
    template <typename PaintGlyph>
    void Glyph(unsigned state, PaintGlyph paint);
    void Fill(const TRect& rect, TColor color);
    void Arrow(const TRect& face, int direction, TColor color, int offsetPx);

    QPainter* FPainter;
};

}  // namespace plat
