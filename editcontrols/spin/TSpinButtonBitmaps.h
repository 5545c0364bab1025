#pragma once

#include "editcontrols/spin/SpinButtonTypes.h"
#include "platform/graphics/TBitmap.h"

namespace plat {
class TCanvas;
}

namespace skelda::editcontrols {

class TSpinButtonBitmapsManager;

// The pre-rendered faces of the spin buttons of one size, style and glyph kind, shared by all
// of them through the manager (TSpinButtonBitmapsManager): upper half pressed, lower half
// pressed, nothing pressed, disabled, and, while themes are on, upper or lower half hot. With
// custom glyphs the faces carry no built-in arrows (the buttons draw their own glyphs over
// them).
//
// The faces are built when the set is made, and again at the next Draw after ScheduleReset
// (system colours or themes changed); whether themes are on is read at each build. A set is
// counted: RemoveClient of its last client frees it, and it leaves the manager's list then.
class TSpinButtonBitmaps {
public:
    TSpinButtonBitmaps(TSpinButtonBitmapsManager& Manager, int WidthPx, int HeightPx, TKvSpinButtonStyle Style,
                       bool CustomGlyphs);
    TSpinButtonBitmaps(const TSpinButtonBitmaps&) = delete;
    TSpinButtonBitmaps& operator=(const TSpinButtonBitmaps&) = delete;

    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    TKvSpinButtonStyle GetStyle() const { return FStyle; }
    bool GetCustomGlyphs() const { return FCustomGlyphs; }
    bool GetIsThemed() const { return FIsThemed; }

    void AddClient() { ++FClientCount; }
    // Frees the set when its last client goes; the set must not be used afterwards.
    void RemoveClient();

    // Copies the face for the state to (0, 0): disabled, pressed half, or, with nothing
    // pressed, the hot half's face where the faces are themed, else the plain one.
    void Draw(plat::TCanvas& Canvas, TSpinButtonState State, bool MouseInBottom, bool MouseInTop, bool Enabled);
    // Custom glyphs over a face, placed as the built-in arrows are (themed classic faces take
    // none); a glyph that is null or empty is left out.
    void DrawGlyphs(plat::TCanvas& Canvas, TSpinButtonState State, const plat::TBitmap* DownGlyph,
                    const plat::TBitmap* UpGlyph, bool Enabled) const;
    // The faces are built anew at the next Draw.
    void ScheduleReset() { FResetOnDraw = true; }

private:
    void BuildFaces();

    TSpinButtonBitmapsManager& FManager;
    int FHeight;
    int FWidth;
    TKvSpinButtonStyle FStyle;
    int FClientCount = 0;
    plat::TBitmap FTopDownBtn;
    plat::TBitmap FBottomDownBtn;
    plat::TBitmap FNotDownBtn;
    plat::TBitmap FDisabledBtn;
    bool FCustomGlyphs;
    bool FResetOnDraw = false;
    plat::TBitmap FTopHotBtn;
    plat::TBitmap FBottomHotBtn;
    bool FIsThemed = false;
};

}  // namespace skelda::editcontrols
