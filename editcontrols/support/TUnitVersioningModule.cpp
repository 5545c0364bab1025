#include "editcontrols/support/TUnitVersioningModule.h"

#include "platform/core/Exception.h"
#include "platform/core/Utf8.h"

#include <algorithm>

namespace skelda::editcontrols {

TUnitVersion* TUnitVersioningModule::Items(int AIndex) const
{
    if (AIndex < 0 || AIndex >= Count())
        throw plat::EListError("List index out of bounds (%d)", {AIndex});
    return FItems[static_cast<std::size_t>(AIndex)].get();
}

void TUnitVersioningModule::Add(const TUnitVersionInfo* AInfo)
{
    const bool held = std::any_of(FItems.begin(), FItems.end(),
                                  [AInfo](const auto& item) { return item->Info() == AInfo; });
    if (!held)
        FItems.push_back(std::make_unique<TUnitVersion>(AInfo));
}

int TUnitVersioningModule::IndexOf(std::string_view ARCSfile, std::string_view ALogPath) const
{
    for (int index = 0; index < Count(); ++index) {
        const TUnitVersion& item = *FItems[static_cast<std::size_t>(index)];
        if (plat::Utf8SameText(item.RCSfile(), ARCSfile) &&
            (ALogPath == "*" || plat::Utf8SameText(item.LogPath(), ALogPath)))
            return index;
    }
    return -1;
}

TUnitVersion* TUnitVersioningModule::FindUnit(std::string_view ARCSfile, std::string_view ALogPath) const
{
    const int index = IndexOf(ARCSfile, ALogPath);
    return index < 0 ? nullptr : FItems[static_cast<std::size_t>(index)].get();
}

}  // namespace skelda::editcontrols
