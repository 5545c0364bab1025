#include "grid/settings/TPrintSettings.h"

#include "platform/core/TStringList.h"
#include "platform/graphics/TFont.h"

namespace skelda::grid {

TPrintSettings::TPrintSettings()
    : FTitleLines(std::make_unique<plat::TStringList>())
    , FFont(std::make_unique<plat::TFont>())
    , FFixedFont(std::make_unique<plat::TFont>())
    , FHeaderFont(std::make_unique<plat::TFont>())
    , FFooterFont(std::make_unique<plat::TFont>())
{
}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::SetTitleLines(const plat::TStrings& Value)
{
    FTitleLines->Assign(Value);
}

void TPrintSettings::SetFont(const plat::TFont& Value)
{
    FFont->Assign(Value);
}

void TPrintSettings::SetFixedFont(const plat::TFont& Value)
{
    FFixedFont->Assign(Value);
}

void TPrintSettings::SetHeaderFont(const plat::TFont& Value)
{
    FHeaderFont->Assign(Value);
}

void TPrintSettings::SetFooterFont(const plat::TFont& Value)
{
    FFooterFont->Assign(Value);
}

void TPrintSettings::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TPrintSettings*>(&Source);
    if (!source) {
        plat::TPersistent::Assign(Source);
        return;
    }
    FFooterSize = source->FFooterSize;
    FHeaderSize = source->FHeaderSize;
    FTime = source->FTime;
    FDate = source->FDate;
    FDateFormat = source->FDateFormat;
    FPageNr = source->FPageNr;
    FTitle = source->FTitle;
    FTitleText = source->FTitleText;
    FTitleLines->Assign(*source->FTitleLines);
    FFont->Assign(*source->FFont);
    FFixedFont->Assign(*source->FFixedFont);
    FHeaderFont->Assign(*source->FHeaderFont);
    FFooterFont->Assign(*source->FFooterFont);
    FBorders = source->FBorders;
    FBorderStyle = source->FBorderStyle;
    FCentered = source->FCentered;
    FRepeatFixedRows = source->FRepeatFixedRows;
    FRepeatFixedCols = source->FRepeatFixedCols;
    FLeftSize = source->FLeftSize;
    FRightSize = source->FRightSize;
    FColumnSpacing = source->FColumnSpacing;
    FRowSpacing = source->FRowSpacing;
    FTitleSpacing = source->FTitleSpacing;
    FOrientation = source->FOrientation;
    FPagePrefix = source->FPagePrefix;
    FPageSuffix = source->FPageSuffix;
    FPageNumberOffset = source->FPageNumberOffset;
    FMaxPagesOffset = source->FMaxPagesOffset;
    FFixedWidth = source->FFixedWidth;
    FFixedHeight = source->FFixedHeight;
    FUseFixedHeight = source->FUseFixedHeight;
    FUseFixedWidth = source->FUseFixedWidth;
    FFitToPage = source->FFitToPage;
    FJobName = source->FJobName;
    FPageNumSep = source->FPageNumSep;
    FNoAutoSize = source->FNoAutoSize;
    FNoAutoSizeRow = source->FNoAutoSizeRow;
    FPrintGraphics = source->FPrintGraphics;
    FUseDisplayFont = source->FUseDisplayFont;
    FUseDefaultOrientation = source->FUseDefaultOrientation;
    FBorderColor = source->FBorderColor;
}

}  // namespace skelda::grid
