#include "grid/settings/TSearchFooter.h"

#include "platform/graphics/TFont.h"

namespace skelda::grid {

TSearchFooter::TSearchFooter(bool FillCaptions) : FFont(std::make_unique<plat::TFont>())
{
    if (!FillCaptions)
        return;
    FFindNextCaption = "Find &next";
    FFindPrevCaption = "Find &previous";
    FMatchCaseCaption = "Match case";
    FHighLightCaption = "Highlight";
    FHintClose = "Close";
    FHintFindNext = "Find next occurrence";
    FHintFindPrev = "Find previous occurrence";
    FHintHighlight = "Highlight occurrences";
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::SetFont(const plat::TFont& Value)
{
    FFont->Assign(Value);
    Changed();
}

void TSearchFooter::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TSearchFooter*>(&Source);
    if (!source)
        return;
    FVisible = source->FVisible;
    FColor = source->FColor;
    FColorTo = source->FColorTo;
    FFont->Assign(*source->FFont);
    FShowClose = source->FShowClose;
    FShowFindNext = source->FShowFindNext;
    FShowFindPrev = source->FShowFindPrev;
    FShowHighLight = source->FShowHighLight;
    FShowMatchCase = source->FShowMatchCase;
    FFindNextCaption = source->FFindNextCaption;
    FFindPrevCaption = source->FFindPrevCaption;
    FMatchCaseCaption = source->FMatchCaseCaption;
    FHighLightCaption = source->FHighLightCaption;
    FHintClose = source->FHintClose;
    FHintFindNext = source->FHintFindNext;
    FHintFindPrev = source->FHintFindPrev;
    FHintHighlight = source->FHintHighlight;
    FAlwaysHighLight = source->FAlwaysHighLight;
    FSearchActiveColumnOnly = source->FSearchActiveColumnOnly;
    FSearchMatchStart = source->FSearchMatchStart;
    FSearchHiddenRows = source->FSearchHiddenRows;
    FSearchColumn = source->FSearchColumn;
    FSearchDirection = source->FSearchDirection;
}

}  // namespace skelda::grid
