#include "grid/settings/TDragScrollOptions.h"

namespace skelda::grid {

TDragScrollOptions::TDragScrollOptions()
    : FDelays(std::make_unique<TDragScrollDelays>())
    , FMargins(std::make_unique<TDragScrollMargins>())
{
}

TDragScrollOptions::~TDragScrollOptions() = default;

void TDragScrollOptions::SetDelays(const TDragScrollDelays& Value)
{
    FDelays->Assign(Value);
}

void TDragScrollOptions::SetMargins(const TDragScrollMargins& Value)
{
    FMargins->Assign(Value);
}

void TDragScrollOptions::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TDragScrollOptions*>(&Source);
    if (!source)
        return;
    FMargins->Assign(*source->FMargins);
    FDelays->Assign(*source->FDelays);
    FActive = source->FActive;
}

}  // namespace skelda::grid
