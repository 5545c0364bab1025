#include "grid/settings/TFooterAppearance.h"

namespace skelda::grid {

TFooterAppearance::TFooterAppearance() : FButtons(std::make_unique<TFooterButtons>())
{
    FButtons->OnChange = [this](plat::TObject*) { ButtonsChanged(); };
}

TFooterAppearance::~TFooterAppearance() = default;

void TFooterAppearance::SetButtons(const TFooterButtons& Value)
{
    FButtons->Assign(Value);
}

void TFooterAppearance::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TFooterAppearance*>(&Source);
    if (!source)
        return;
    AssignBar(*source);
    FSizeGrip = source->FSizeGrip;
    FButtons->Assign(*source->FButtons);
}

}  // namespace skelda::grid
