#include "grid/settings/TGrouping.h"

namespace skelda::grid {

void TGrouping::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TGrouping*>(&Source);
    if (!source)
        return;
    FGroupCountFormat = source->FGroupCountFormat;
    FHeaderColor = source->FHeaderColor;
    FHeaderColorTo = source->FHeaderColorTo;
    FHeaderTextColor = source->FHeaderTextColor;
    FHeaderUnderline = source->FHeaderUnderline;
    FMergeHeader = source->FMergeHeader;
    FMergeSummary = source->FMergeSummary;
    FShowGroupCount = source->FShowGroupCount;
    FSummaryColor = source->FSummaryColor;
    FSummaryColorTo = source->FSummaryColorTo;
    FSummaryTextColor = source->FSummaryTextColor;
    FSummaryLine = source->FSummaryLine;
    FAutoCheckGroup = source->FAutoCheckGroup;
    FAutoSelectGroup = source->FAutoSelectGroup;
}

}  // namespace skelda::grid
