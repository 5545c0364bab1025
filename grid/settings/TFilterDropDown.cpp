#include "grid/settings/TFilterDropDown.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"

namespace skelda::grid {

TFilterDropDown::TFilterDropDown()
    : FFont(std::make_unique<plat::TFont>())
    , FGlyph(std::make_unique<plat::TBitmap>())
    , FGlyphActive(std::make_unique<plat::TBitmap>())
{
    FGlyph->OnChange = [this](plat::TObject*) { Changed(); };
    FGlyphActive->OnChange = [this](plat::TObject*) { Changed(); };
}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::SetFont(const plat::TFont& Value)
{
    FFont->Assign(Value);
}

void TFilterDropDown::SetGlyph(const plat::TBitmap& Value)
{
    FGlyph->Assign(Value);
}

void TFilterDropDown::SetGlyphActive(const plat::TBitmap& Value)
{
    FGlyphActive->Assign(Value);
}

void TFilterDropDown::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TFilterDropDown*>(&Source);
    if (!source)
        return;
    FColor = source->FColor;
    FColumnWidth = source->FColumnWidth;
    FFont->Assign(*source->FFont);
    FHeight = source->FHeight;
    FWidth = source->FWidth;
    FGlyph->Assign(*source->FGlyph);
    FGlyphActive->Assign(*source->FGlyphActive);
}

}  // namespace skelda::grid
