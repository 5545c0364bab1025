#include "grid/painting/TGridLookSettings.h"

#include "foundation/HtmlHighlightColors.h"
#include "grid/painting/TLookSettingsHost.h"
#include "platform/core/ChangeValue.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"

#include <algorithm>

namespace skelda::grid {

TGridLookSettings::TGridLookSettings(TLookSettingsHost& AHost, bool Designing, bool WinXP)
    : FHost(AHost)
    , FBorderColor(WinXP ? static_cast<plat::TColor>(0xB99D7F) : plat::clGray)
    , FZORGradientTo(plat::ColorToRGB(plat::clBtnFace))
    , FFixedFont(std::make_unique<plat::TFont>())
    , FActiveCellFont(std::make_unique<plat::TFont>())
    , FRowIndicator(std::make_unique<plat::TBitmap>())
{
    const auto Repaint = [this](plat::TObject*) { FHost.RepaintGrid(); };
    FFixedFont->SetName("Tahoma");
    FFixedFont->SetStyle({plat::fsBold});
    FFixedFont->OnChange = Repaint;
    FActiveCellFont->SetStyle({plat::fsBold});
    if (Designing)
        FActiveCellFont->SetName("Tahoma");
    FActiveCellFont->OnChange = Repaint;
}

TGridLookSettings::~TGridLookSettings() = default;

void TGridLookSettings::RepaintIfChanged(bool Changed)
{
    if (Changed)
        FHost.RepaintGrid();
}

// ---- The overall look -------------------------------------------------------------------------

void TGridLookSettings::SetLook(TGridLook Value)
{
    RepaintIfChanged(plat::ChangeValue(FLook, Value));
}

void TGridLookSettings::SetFlat(bool Value)
{
    FFlat = Value;
    if (!FHost.IsLoading())
        FHost.RepaintGrid();
}

void TGridLookSettings::SetBorderColor(plat::TColor Value)
{
    RepaintIfChanged(plat::ChangeValue(FBorderColor, Value));
}

void TGridLookSettings::SetZORGradientFrom(plat::TColor Value)
{
    FZORGradientFrom = plat::ColorToRGB(Value);
    FHost.RepaintGrid();
}

void TGridLookSettings::SetZORGradientTo(plat::TColor Value)
{
    FZORGradientTo = plat::ColorToRGB(Value);
    FHost.RepaintGrid();
}

void TGridLookSettings::SetZORGradientMirrorFrom(plat::TColor Value)
{
    FZORGradientMirrorFrom = plat::ColorToRGB(Value);
    FHost.RepaintGrid();
}

void TGridLookSettings::SetZORGradientMirrorTo(plat::TColor Value)
{
    FZORGradientMirrorTo = plat::ColorToRGB(Value);
    FHost.RepaintGrid();
}

void TGridLookSettings::SetShowDesignHelper(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FShowDesignHelper, Value));
}

void TGridLookSettings::SetFixedFont(const plat::TFont& Value)
{
    FFixedFont->Assign(Value);
    FHost.RepaintGrid();
}

// ---- The header cells of the current cell -----------------------------------------------------

void TGridLookSettings::SetActiveCellShow(bool Value)
{
    FActiveCellShow = Value;
    FHost.RepaintGrid();
}

void TGridLookSettings::SetActiveCellColor(plat::TColor Value)
{
    FActiveCellColor = Value;
    FHost.RepaintGrid();
}

void TGridLookSettings::SetActiveCellColorTo(plat::TColor Value)
{
    FActiveCellColorTo = Value;
    FHost.RepaintGrid();
}

void TGridLookSettings::SetActiveCellFont(const plat::TFont& Value)
{
    FActiveCellFont->Assign(Value);
    FHost.RepaintGrid();
}

void TGridLookSettings::SetRowIndicator(const plat::TBitmap& Value)
{
    FRowIndicator->Assign(Value);
    FHost.RepaintRowIndicator();
}

// ---- Selection --------------------------------------------------------------------------------

void TGridLookSettings::SetShowSelection(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FShowSelection, Value));
}

// The mini-HTML highlight colours are one setting for the whole program: the grid set last wins.
void TGridLookSettings::SetHighlightColor(plat::TColor Value)
{
    const bool changed = plat::ChangeValue(FHighlightColor, Value);
    foundation::SetHighlightTagColors(FHighlightColor, FHighlightTextColor);
    RepaintIfChanged(changed);
}

void TGridLookSettings::SetHighlightTextColor(plat::TColor Value)
{
    const bool changed = plat::ChangeValue(FHighlightTextColor, Value);
    foundation::SetHighlightTagColors(FHighlightColor, FHighlightTextColor);
    RepaintIfChanged(changed);
}

void TGridLookSettings::SetSelectionColor(plat::TColor Value)
{
    RepaintIfChanged(plat::ChangeValue(FSelectionColor, Value));
}

void TGridLookSettings::SetSelectionColorTo(plat::TColor Value)
{
    RepaintIfChanged(plat::ChangeValue(FSelectionColorTo, Value));
}

void TGridLookSettings::SetSelectionMirrorColor(plat::TColor Value)
{
    RepaintIfChanged(plat::ChangeValue(FSelectionMirrorColor, Value));
}

void TGridLookSettings::SetSelectionMirrorColorTo(plat::TColor Value)
{
    RepaintIfChanged(plat::ChangeValue(FSelectionMirrorColorTo, Value));
}

void TGridLookSettings::SetSelectionTextColor(plat::TColor Value)
{
    RepaintIfChanged(plat::ChangeValue(FSelectionTextColor, Value));
}

void TGridLookSettings::SetSelectionColorMixer(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FSelectionColorMixer, Value));
}

void TGridLookSettings::SetSelectionColorMixerFactor(int Value)
{
    // The unclamped value is compared: a second write beyond the range repaints again.
    if (Value == FSelectionColorMixerFactor)
        return;
    FSelectionColorMixerFactor = std::clamp(Value, 0, 100);
    FHost.RepaintGrid();
}

void TGridLookSettings::SetSelectionRectangle(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FSelectionRectangle, Value));
}

void TGridLookSettings::SetSelectionRectangleColor(plat::TColor Value)
{
    RepaintIfChanged(plat::ChangeValue(FSelectionRectangleColor, Value));
}

void TGridLookSettings::SetSelectionResizer(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FSelectionResizer, Value));
}

// ---- Text -------------------------------------------------------------------------------------

void TGridLookSettings::SetDefaultAlignment(plat::TAlignment Value)
{
    RepaintIfChanged(plat::ChangeValue(FDefaultAlignment, Value));
}

void TGridLookSettings::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    if (!FHost.IsUpdating())
        FHost.RepaintGrid();
}

void TGridLookSettings::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    if (!FHost.IsUpdating())
        FHost.RepaintGrid();
}

void TGridLookSettings::SetXYOffsetTopLeftOnly(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FXYOffsetTopLeftOnly, Value));
}

void TGridLookSettings::SetMultilinecells(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FMultilinecells, Value));
}

void TGridLookSettings::SetEnhTextSize(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FEnhTextSize, Value));
}

void TGridLookSettings::SetURLShow(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FURLShow, Value));
}

void TGridLookSettings::SetURLFull(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FURLFull, Value) && FURLShow);
}

void TGridLookSettings::SetURLUnderlineOnHover(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FURLUnderlineOnHover, Value));
}

// ---- What the painter leaves out --------------------------------------------------------------

void TGridLookSettings::SetHideFocusRect(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FHideFocusRect, Value));
}

void TGridLookSettings::SetNoDefaultDraw(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FNoDefaultDraw, Value));
}

void TGridLookSettings::SetNoImageAndText(bool Value)
{
    RepaintIfChanged(plat::ChangeValue(FNoImageAndText, Value));
}

}  // namespace skelda::grid
