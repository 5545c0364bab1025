#include "grid/settings/TSortSettings.h"

#include "platform/graphics/TBitmap.h"

namespace skelda::grid {

TSortSettings::TSortSettings()
    : FUpGlyph(std::make_unique<plat::TBitmap>())
    , FDownGlyph(std::make_unique<plat::TBitmap>())
    , FIndexUpGlyph(std::make_unique<plat::TBitmap>())
    , FIndexDownGlyph(std::make_unique<plat::TBitmap>())
{
}

TSortSettings::~TSortSettings() = default;

void TSortSettings::SetUpGlyph(const plat::TBitmap& Value)
{
    FUpGlyph->Assign(Value);
}

void TSortSettings::SetDownGlyph(const plat::TBitmap& Value)
{
    FDownGlyph->Assign(Value);
}

void TSortSettings::SetIndexUpGlyph(const plat::TBitmap& Value)
{
    FIndexUpGlyph->Assign(Value);
}

void TSortSettings::SetIndexDownGlyph(const plat::TBitmap& Value)
{
    FIndexDownGlyph->Assign(Value);
}

void TSortSettings::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TSortSettings*>(&Source);
    if (!source)
        return;
    FShow = source->FShow;
    FIndexShow = source->FIndexShow;
    FFull = source->FFull;
    FSingleColumn = source->FSingleColumn;
    FIgnoreBlanks = source->FIgnoreBlanks;
    FBlankPos = source->FBlankPos;
    FAutoFormat = source->FAutoFormat;
    FDirection = source->FDirection;
    FUpGlyph->Assign(*source->FUpGlyph);
    FDownGlyph->Assign(*source->FDownGlyph);
    FIndexUpGlyph->Assign(*source->FIndexUpGlyph);
    FIndexDownGlyph->Assign(*source->FIndexDownGlyph);
    FNormalCellsOnly = source->FNormalCellsOnly;
    FFixedCols = source->FFixedCols;
    FColumn = source->FColumn;
    FRow = source->FRow;
    FAutoColumnMerge = source->FAutoColumnMerge;
    FIndexColor = source->FIndexColor;
    FInitSortDirection = source->FInitSortDirection;
    FUndoSort = source->FUndoSort;
    FAutoSortForGrouping = source->FAutoSortForGrouping;
    FHeaderColor = source->FHeaderColor;
    FHeaderColorTo = source->FHeaderColorTo;
    FHeaderMirrorColor = source->FHeaderMirrorColor;
    FHeaderMirrorColorTo = source->FHeaderMirrorColorTo;
    FIndexSortKey = source->FIndexSortKey;
}

}  // namespace skelda::grid
