#pragma once

#include "grid/drawing/CheckBoxTypes.h"
#include "platform/graphics/Colors.h"

namespace plat {
class TBitmap;
}  // namespace plat

namespace skelda::grid {

// What the check drawer reads of a look: the sizes, the csBorland mark colour, when boxes and
// buttons stay active although disabled, and the glyphs of csGlyph. The grid's control look
// (TControlLook) answers in the program; keeping the questions this narrow lets the drawing
// routines stand below the settings groups.
class TCheckLook {
public:
    // Sizes in pixels.
    virtual int GetCheckSize() const = 0;
    virtual int GetRadioSize() const = 0;
    // The tick of csBorland check boxes and the mark of csBorland radio buttons.
    virtual plat::TColor GetColor() const = 0;
    virtual bool GetNoDisabledCheckRadioLook() const = 0;
    virtual bool GetCheckAlwaysActive() const = 0;
    virtual bool GetRadioAlwaysActive() const = 0;
    virtual const plat::TBitmap& CheckedGlyph() const = 0;
    virtual const plat::TBitmap& UnCheckedGlyph() const = 0;
    virtual const plat::TBitmap& RadioOnGlyph() const = 0;
    virtual const plat::TBitmap& RadioOffGlyph() const = 0;

protected:
    ~TCheckLook() = default;
};

}  // namespace skelda::grid
