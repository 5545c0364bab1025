#include "grid/support/TCellReference.h"

namespace skelda::grid {

plat::TColor TCellReference::GetColor() const
{
    const auto* color = std::get_if<plat::TColor>(&FValue);
    return color ? *color : plat::clNone;
}

plat::TObject* TCellReference::GetObject() const
{
    if (const auto* borrowed = std::get_if<TBorrowed>(&FValue))
        return borrowed->Object;
    if (const auto* owned = std::get_if<std::unique_ptr<plat::TObject>>(&FValue))
        return owned->get();
    return nullptr;
}

void TCellReference::Borrow(plat::TObject* Object)
{
    if (Object)
        FValue = TBorrowed{Object};
    else
        Clear();
}

void TCellReference::Own(std::unique_ptr<plat::TObject> Object)
{
    if (Object)
        FValue = std::move(Object);
    else
        Clear();
}

}  // namespace skelda::grid
