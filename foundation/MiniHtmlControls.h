#pragma once

#include "platform/core/Types.h"

#include <string>
#include <string_view>

namespace plat {
class TCanvas;
}

namespace skelda::foundation {

// Where a form control stands in its line: the pen's x, the line's bottom, the line's height.
struct TMiniHtmlControlPlace {
    int X = 0;
    int Bottom = 0;
    int LineHeight = 0;
};

// A form control of a grid text's <CONTROL> tag: an edit, password, mask, combo, check box,
// radio button or button drawn into the line, which the grid then covers with a real editor.
struct TMiniHtmlControl {
    std::string Type;  // upper case
    std::string Id;
    std::string Value;  // entities decoded
    std::string Prop;
    std::string MaxLen;
    int WidthPx = 0;
    bool HasWidth = false;  // a control without a clean WIDTH takes no part
    int HeightPx = 25;

    bool Valid() const { return HasWidth; }
    // Edit-like controls are the font's text height plus 10 high, combos and buttons 25 (a
    // button its HEIGHT), check boxes and radio buttons 16 x 16.
    plat::TSize Size(plat::TCanvas& Canvas) const;
    // The least height of a line holding the control, and the height it asks beyond that.
    int MinimumLineHeight() const;
    int LineHeight(plat::TSize Size) const;
    // The height the point is tested against (a button's hit area is one pixel short).
    int HitHeight(plat::TSize Size) const;
    void Draw(plat::TCanvas& Canvas, const TMiniHtmlControlPlace& Place, bool PointOver, bool MouseIsDown,
              bool Themed, plat::HWND ThemeWindow) const;
};

// Reads a control tag ("<CONTROL TYPE=\"EDIT\" WIDTH=\"60\" ...>"): keys in any case, found only
// outside quoted values, so a typed value such as "width=" never changes the control.
TMiniHtmlControl ParseMiniHtmlControl(std::string_view Tag);

// Whether form controls are drawn with the desktop's visual style.
bool MiniHtmlControlsThemed();

}  // namespace skelda::foundation
