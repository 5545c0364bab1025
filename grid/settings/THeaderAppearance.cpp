#include "grid/settings/THeaderAppearance.h"

#include "platform/graphics/TFont.h"

namespace skelda::grid {

THeaderAppearance::THeaderAppearance() : FButtons(std::make_unique<THeaderButtons>())
{
    Font().SetName("Tahoma");
    FButtons->OnChange = [this](plat::TObject*) { ButtonsChanged(); };
}

THeaderAppearance::~THeaderAppearance() = default;

void THeaderAppearance::SetButtons(const THeaderButtons& Value)
{
    FButtons->Assign(Value);
}

void THeaderAppearance::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const THeaderAppearance*>(&Source);
    if (!source)
        return;
    AssignBar(*source);
    FButtons->Assign(*source->FButtons);
}

}  // namespace skelda::grid
