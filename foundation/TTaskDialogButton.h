#pragma once

#include "platform/controls/core/TCustomControl.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"

#include <memory>

namespace skelda::foundation {

// The self-drawn button of the emulated task dialog: a command link (a heading line in
// HeadingFont, notes below in Font, an arrow picture on the left; mirrored right to left, with
// the picture flipped) or the expand button. A thin
// rounded border shows while the mouse is over it (BorderColorHot), while it is pressed or has
// the focus (BorderColorDown); a disabled button has none and draws its text grey. Clicking sets
// ModalResult on the parent form, which ends a modal form for a non-zero value. Colours of
// 0x1FFFFFFF (clNone) mean "none". Pictures are drawn transparent, their key colour being that
// of their corner pixel as bitmaps take it.
class TTaskDialogButton : public plat::TCustomControl {
public:
    explicit TTaskDialogButton(plat::TComponent* AOwner);
    ~TTaskDialogButton() override;

    std::string ClassName() const override { return "TTaskDialogButton"; }

    plat::TColor GetBackColor() const { return FBackColor; }
    void SetBackColor(plat::TColor Value);
    // Kept for callers that set it; painting never reads it.
    plat::TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value) { FBorderColor = Value; }
    plat::TColor GetBorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(plat::TColor Value) { FBorderColorHot = Value; }
    plat::TColor GetBorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(plat::TColor Value) { FBorderColorDown = Value; }

    int GetModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    bool GetMultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value);
    bool GetAutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool Value) { FAutoFocus = Value; }

    const plat::TFont& HeadingFont() const { return FHeadingFont; }
    void SetHeadingFont(const plat::TFont& Value) { FHeadingFont.Assign(Value); }

    // The setters copy the picture; Picture and PictureDisabled repaint at once.
    const plat::TBitmap& Picture() const { return FGlyph; }
    void SetPicture(const plat::TBitmap& Value);
    const plat::TBitmap& PictureHot() const { return FGlyphHot; }
    void SetPictureHot(const plat::TBitmap& Value) { FGlyphHot.Assign(Value); }
    const plat::TBitmap& PictureDown() const { return FGlyphDown; }
    void SetPictureDown(const plat::TBitmap& Value) { FGlyphDown.Assign(Value); }
    const plat::TBitmap& PictureDisabled() const { return FGlyphDisabled; }
    void SetPictureDisabled(const plat::TBitmap& Value);

    bool MouseInControl() const { return FMouseInControl; }
    bool MouseIsDown() const { return FMouseDown; }

    void Click() override;
    void Dispatch(plat::TMessage& Message) override;

protected:
    void Paint() override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;

private:
    plat::TColor CurrentBorderColor() const;
    const plat::TBitmap* CurrentPicture() const;
    void PaintCaption(plat::TRect TextArea);

    plat::TBitmap FGlyph;
    plat::TBitmap FGlyphDisabled;
    plat::TBitmap FGlyphDown;
    plat::TBitmap FGlyphHot;
    bool FMouseInControl = false;
    bool FMouseDown = false;
    plat::TColor FBorderColorDown;
    plat::TColor FBorderColorHot;
    plat::TColor FBorderColor;
    int FModalResult = 0;
    plat::TFont FHeadingFont;
    bool FAutoFocus = false;
    plat::TColor FBackColor;
    bool FMultiLine = true;
};

}  // namespace skelda::foundation
