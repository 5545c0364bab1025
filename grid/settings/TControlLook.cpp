#include "grid/settings/TControlLook.h"

#include "platform/graphics/TBitmap.h"

namespace skelda::grid {

TControlLook::TControlLook()
    : FCheckedGlyph(std::make_unique<plat::TBitmap>())
    , FUnCheckedGlyph(std::make_unique<plat::TBitmap>())
    , FRadioOnGlyph(std::make_unique<plat::TBitmap>())
    , FRadioOffGlyph(std::make_unique<plat::TBitmap>())
    , FDropDownHeader(std::make_unique<THeaderAppearance>())
    , FDropDownFooter(std::make_unique<TFooterAppearance>())
{
}

TControlLook::~TControlLook() = default;

void TControlLook::SetCheckedGlyph(const plat::TBitmap& Value)
{
    FCheckedGlyph->Assign(Value);
}

void TControlLook::SetUnCheckedGlyph(const plat::TBitmap& Value)
{
    FUnCheckedGlyph->Assign(Value);
}

void TControlLook::SetRadioOnGlyph(const plat::TBitmap& Value)
{
    FRadioOnGlyph->Assign(Value);
}

void TControlLook::SetRadioOffGlyph(const plat::TBitmap& Value)
{
    FRadioOffGlyph->Assign(Value);
}

void TControlLook::SetDropDownHeader(const THeaderAppearance& Value)
{
    FDropDownHeader->Assign(Value);
}

void TControlLook::SetDropDownFooter(const TFooterAppearance& Value)
{
    FDropDownFooter->Assign(Value);
}

void TControlLook::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TControlLook*>(&Source);
    if (!source)
        return;
    FCheckSize = source->FCheckSize;
    FRadioSize = source->FRadioSize;
    FControlStyle = source->FControlStyle;
    FCheckedGlyph->Assign(*source->FCheckedGlyph);
    FUnCheckedGlyph->Assign(*source->FUnCheckedGlyph);
    FRadioOnGlyph->Assign(*source->FRadioOnGlyph);
    FRadioOffGlyph->Assign(*source->FRadioOffGlyph);
    FProgressMarginX = source->FProgressMarginX;
    FProgressMarginY = source->FProgressMarginY;
    FCommentColor = source->FCommentColor;
    FColor = source->FColor;
    FProgressBorderColor = source->FProgressBorderColor;
    FCheckAlwaysActive = source->FCheckAlwaysActive;
    FRadioAlwaysActive = source->FRadioAlwaysActive;
    FFixedGradientFrom = source->FFixedGradientFrom;
    FFixedGradientTo = source->FFixedGradientTo;
    FFixedGradientMirrorFrom = source->FFixedGradientMirrorFrom;
    FFixedGradientMirrorTo = source->FFixedGradientMirrorTo;
    FFixedGradientHoverFrom = source->FFixedGradientHoverFrom;
    FFixedGradientHoverTo = source->FFixedGradientHoverTo;
    FFixedGradientHoverMirrorFrom = source->FFixedGradientHoverMirrorFrom;
    FFixedGradientHoverMirrorTo = source->FFixedGradientHoverMirrorTo;
    FFixedGradientHoverBorder = source->FFixedGradientHoverBorder;
    FFixedGradientDownFrom = source->FFixedGradientDownFrom;
    FFixedGradientDownTo = source->FFixedGradientDownTo;
    FFixedGradientDownMirrorFrom = source->FFixedGradientDownMirrorFrom;
    FFixedGradientDownMirrorTo = source->FFixedGradientDownMirrorTo;
    FFixedGradientDownBorder = source->FFixedGradientDownBorder;
    FDropDownAlwaysVisible = source->FDropDownAlwaysVisible;
    FSpinButtonsAlwaysVisible = source->FSpinButtonsAlwaysVisible;
    FDropDownCount = source->FDropDownCount;
    FDropDownFooter->Assign(*source->FDropDownFooter);
    FDropDownHeader->Assign(*source->FDropDownHeader);
}

}  // namespace skelda::grid
