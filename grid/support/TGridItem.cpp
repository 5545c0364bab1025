#include "grid/support/TGridItem.h"

#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"

namespace skelda::grid {

TGridItem::TGridItem() : FItems(std::make_unique<plat::TStringList>(true)) {}

TGridItem::~TGridItem() = default;

void TGridItem::SetItems(std::unique_ptr<plat::TStringList> Value)
{
    if (!Value)
        throw plat::EInvalidArgument("A hidden row needs a list of cells");
    Value->SetOwnsObjects(true);
    FItems = std::move(Value);
}

}  // namespace skelda::grid
