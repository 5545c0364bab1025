#pragma once

#include "grid/drawing/TCheckLook.h"
#include "grid/settings/TFooterAppearance.h"
#include "grid/settings/THeaderAppearance.h"
#include "platform/core/TPersistent.h"
#include "platform/graphics/Colors.h"

#include <memory>

namespace plat {
class TBitmap;
}  // namespace plat

namespace skelda::grid {

// How the controls inside cells look: check boxes, radio buttons, buttons, progress bars, comment
// corners, editor buttons, the drop-down editors' bars and the fixed cells' gradients.
class TControlLook : public plat::TPersistent, public TCheckLook {
public:
    TControlLook();
    ~TControlLook() override;

    std::string ClassName() const override { return "TControlLook"; }

    // From another TControlLook: every setting except FlatButton, ProgressXP,
    // NoDisabledCheckRadioLook, NoDisabledButtonLook and FixedDropDownButton; the glyphs by content
    // and the bars through their Assign. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    // Sizes in pixels.
    int GetCheckSize() const override { return FCheckSize; }
    void SetCheckSize(int Value) { FCheckSize = Value; }
    int GetRadioSize() const override { return FRadioSize; }
    void SetRadioSize(int Value) { FRadioSize = Value; }
    // The tick of csBorland check boxes and the mark of csBorland radio buttons.
    plat::TColor GetColor() const override { return FColor; }
    void SetColor(plat::TColor Value) { FColor = Value; }
    TControlStyle GetControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    // The comment corners; clNone hides them.
    plat::TColor GetCommentColor() const { return FCommentColor; }
    void SetCommentColor(plat::TColor Value) { FCommentColor = Value; }
    bool GetFlatButton() const { return FFlatButton; }
    void SetFlatButton(bool Value) { FFlatButton = Value; }
    int GetProgressMarginX() const { return FProgressMarginX; }
    void SetProgressMarginX(int Value) { FProgressMarginX = Value; }
    int GetProgressMarginY() const { return FProgressMarginY; }
    void SetProgressMarginY(int Value) { FProgressMarginY = Value; }
    // Themed progress bars.
    bool GetProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool Value) { FProgressXP = Value; }
    plat::TColor GetProgressBorderColor() const { return FProgressBorderColor; }
    void SetProgressBorderColor(plat::TColor Value) { FProgressBorderColor = Value; }
    bool GetDropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool Value) { FDropDownAlwaysVisible = Value; }
    bool GetSpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool Value) { FSpinButtonsAlwaysVisible = Value; }
    bool GetNoDisabledCheckRadioLook() const override { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool Value) { FNoDisabledCheckRadioLook = Value; }
    bool GetNoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool Value) { FNoDisabledButtonLook = Value; }
    bool GetCheckAlwaysActive() const override { return FCheckAlwaysActive; }
    void SetCheckAlwaysActive(bool Value) { FCheckAlwaysActive = Value; }
    bool GetRadioAlwaysActive() const override { return FRadioAlwaysActive; }
    void SetRadioAlwaysActive(bool Value) { FRadioAlwaysActive = Value; }
    bool GetFixedDropDownButton() const { return FFixedDropDownButton; }
    void SetFixedDropDownButton(bool Value) { FFixedDropDownButton = Value; }
    // Lines a drop-down editor's list shows.
    int GetDropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = Value; }
    // The fixed cells' gradients; clNone for none.
    plat::TColor GetFixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(plat::TColor Value) { FFixedGradientFrom = Value; }
    plat::TColor GetFixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(plat::TColor Value) { FFixedGradientTo = Value; }
    plat::TColor GetFixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(plat::TColor Value) { FFixedGradientMirrorFrom = Value; }
    plat::TColor GetFixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(plat::TColor Value) { FFixedGradientMirrorTo = Value; }
    plat::TColor GetFixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
    void SetFixedGradientHoverFrom(plat::TColor Value) { FFixedGradientHoverFrom = Value; }
    plat::TColor GetFixedGradientHoverTo() const { return FFixedGradientHoverTo; }
    void SetFixedGradientHoverTo(plat::TColor Value) { FFixedGradientHoverTo = Value; }
    plat::TColor GetFixedGradientHoverMirrorFrom() const { return FFixedGradientHoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(plat::TColor Value) { FFixedGradientHoverMirrorFrom = Value; }
    plat::TColor GetFixedGradientHoverMirrorTo() const { return FFixedGradientHoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(plat::TColor Value) { FFixedGradientHoverMirrorTo = Value; }
    plat::TColor GetFixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
    void SetFixedGradientHoverBorder(plat::TColor Value) { FFixedGradientHoverBorder = Value; }
    plat::TColor GetFixedGradientDownFrom() const { return FFixedGradientDownFrom; }
    void SetFixedGradientDownFrom(plat::TColor Value) { FFixedGradientDownFrom = Value; }
    plat::TColor GetFixedGradientDownTo() const { return FFixedGradientDownTo; }
    void SetFixedGradientDownTo(plat::TColor Value) { FFixedGradientDownTo = Value; }
    plat::TColor GetFixedGradientDownMirrorFrom() const { return FFixedGradientDownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(plat::TColor Value) { FFixedGradientDownMirrorFrom = Value; }
    plat::TColor GetFixedGradientDownMirrorTo() const { return FFixedGradientDownMirrorTo; }
    void SetFixedGradientDownMirrorTo(plat::TColor Value) { FFixedGradientDownMirrorTo = Value; }
    plat::TColor GetFixedGradientDownBorder() const { return FFixedGradientDownBorder; }
    void SetFixedGradientDownBorder(plat::TColor Value) { FFixedGradientDownBorder = Value; }
    // The glyphs of csGlyph.
    plat::TBitmap& CheckedGlyph() { return *FCheckedGlyph; }
    const plat::TBitmap& CheckedGlyph() const override { return *FCheckedGlyph; }
    void SetCheckedGlyph(const plat::TBitmap& Value);
    plat::TBitmap& UnCheckedGlyph() { return *FUnCheckedGlyph; }
    const plat::TBitmap& UnCheckedGlyph() const override { return *FUnCheckedGlyph; }
    void SetUnCheckedGlyph(const plat::TBitmap& Value);
    plat::TBitmap& RadioOnGlyph() { return *FRadioOnGlyph; }
    const plat::TBitmap& RadioOnGlyph() const override { return *FRadioOnGlyph; }
    void SetRadioOnGlyph(const plat::TBitmap& Value);
    plat::TBitmap& RadioOffGlyph() { return *FRadioOffGlyph; }
    const plat::TBitmap& RadioOffGlyph() const override { return *FRadioOffGlyph; }
    void SetRadioOffGlyph(const plat::TBitmap& Value);
    // The bars of the drop-down editors, copied into each before it is shown.
    THeaderAppearance& DropDownHeader() { return *FDropDownHeader; }
    const THeaderAppearance& DropDownHeader() const { return *FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance& Value);
    TFooterAppearance& DropDownFooter() { return *FDropDownFooter; }
    const TFooterAppearance& DropDownFooter() const { return *FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance& Value);

private:
    int FCheckSize = 15;
    int FRadioSize = 10;
    plat::TColor FColor = plat::clBlack;
    TControlStyle FControlStyle = csTheme;
    plat::TColor FCommentColor = plat::clRed;
    bool FFlatButton = false;
    int FProgressMarginX = 2;
    int FProgressMarginY = 2;
    bool FProgressXP = false;
    plat::TColor FProgressBorderColor = plat::clGray;
    bool FDropDownAlwaysVisible = false;
    bool FSpinButtonsAlwaysVisible = false;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    bool FCheckAlwaysActive = false;
    bool FRadioAlwaysActive = false;
    bool FFixedDropDownButton = false;
    int FDropDownCount = 8;
    plat::TColor FFixedGradientFrom = plat::clNone;
    plat::TColor FFixedGradientTo = plat::clNone;
    plat::TColor FFixedGradientMirrorFrom = plat::clNone;
    plat::TColor FFixedGradientMirrorTo = plat::clNone;
    plat::TColor FFixedGradientHoverFrom = plat::clGray;
    plat::TColor FFixedGradientHoverTo = plat::clWhite;
    plat::TColor FFixedGradientHoverMirrorFrom = plat::clNone;
    plat::TColor FFixedGradientHoverMirrorTo = plat::clNone;
    plat::TColor FFixedGradientHoverBorder = plat::clSilver;
    plat::TColor FFixedGradientDownFrom = plat::clGray;
    plat::TColor FFixedGradientDownTo = plat::clSilver;
    plat::TColor FFixedGradientDownMirrorFrom = plat::clNone;
    plat::TColor FFixedGradientDownMirrorTo = plat::clNone;
    plat::TColor FFixedGradientDownBorder = plat::clGray;
    std::unique_ptr<plat::TBitmap> FCheckedGlyph;
    std::unique_ptr<plat::TBitmap> FUnCheckedGlyph;
    std::unique_ptr<plat::TBitmap> FRadioOnGlyph;
    std::unique_ptr<plat::TBitmap> FRadioOffGlyph;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
};

}  // namespace skelda::grid
