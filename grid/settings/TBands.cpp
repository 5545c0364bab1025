#include "grid/settings/TBands.h"

namespace skelda::grid {

template <typename T>
void TBands::StoreShown(T& Field, const T& Value)
{
    if (!plat::ChangeValue(Field, Value))
        return;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    if (FActive)
        Changed();
}

void TBands::SetPrimaryColor(plat::TColor Value)
{
    StoreShown(FPrimaryColor, Value);
}

void TBands::SetSecondaryColor(plat::TColor Value)
{
    StoreShown(FSecondaryColor, Value);
}

void TBands::SetPrimaryLength(int Value)
{
    StoreShown(FPrimaryLength, Value);
}

void TBands::SetSecondaryLength(int Value)
{
    StoreShown(FSecondaryLength, Value);
}

void TBands::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TBands*>(&Source);
    if (!source)
        return;
    FActive = source->FActive;
    FPrimaryColor = source->FPrimaryColor;
    FSecondaryColor = source->FSecondaryColor;
    FPrimaryLength = source->FPrimaryLength;
    FSecondaryLength = source->FSecondaryLength;
    FPrint = source->FPrint;
    FTotalLength = FPrimaryLength + FSecondaryLength;
}

}  // namespace skelda::grid
