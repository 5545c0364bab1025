#include "editcontrols/support/TUnitVersioning.h"

#include "platform/core/Exception.h"

#include <algorithm>

namespace skelda::editcontrols {

void TUnitVersioning::ValidateModules()
{
    for (auto module = FModules.size(); module-- > 0;)
        if (!IsModuleLoaded(FModules[module]->Instance()))
            FModules.erase(FModules.begin() + static_cast<std::ptrdiff_t>(module));
}

int TUnitVersioning::Count()
{
    ValidateModules();
    int count = 0;
    for (const auto& module : FModules)
        count += module->Count();
    return count;
}

int TUnitVersioning::ModuleCount()
{
    ValidateModules();
    return static_cast<int>(FModules.size());
}

TUnitVersion* TUnitVersioning::Items(int AIndex)
{
    ValidateModules();
    int first = 0;
    if (AIndex >= 0) {
        for (const auto& module : FModules) {
            if (AIndex < first + module->Count())
                return module->Items(AIndex - first);
            first += module->Count();
        }
    }
    throw plat::EListError("List index out of bounds (%d)", {AIndex});
}

TUnitVersioningModule* TUnitVersioning::Modules(int AIndex)
{
    if (AIndex < 0 || AIndex >= ModuleCount())
        throw plat::EListError("List index out of bounds (%d)", {AIndex});
    return FModules[static_cast<std::size_t>(AIndex)].get();
}

void TUnitVersioning::AddUnitInfo(TModuleInstance AInstance, const TUnitVersionInfo* AInfo)
{
    const auto module = std::find_if(FModules.begin(), FModules.end(),
                                     [AInstance](const auto& m) { return m->Instance() == AInstance; });
    if (module != FModules.end()) {
        (*module)->Add(AInfo);
        return;
    }
    FModules.push_back(std::make_unique<TUnitVersioningModule>(AInstance));
    FModules.back()->Add(AInfo);
}

void TUnitVersioning::RemoveModule(TModuleInstance AInstance)
{
    const auto module = std::find_if(FModules.rbegin(), FModules.rend(),
                                     [AInstance](const auto& m) { return m->Instance() == AInstance; });
    if (module != FModules.rend())
        FModules.erase(std::next(module).base());
    for (const auto& provider : FProviders)
        provider->ReleaseModuleUnitVersioningInfo(AInstance);
}

void TUnitVersioning::LoadModuleUnitVersioningInfo(TModuleInstance AInstance)
{
    for (const auto& provider : FProviders)
        provider->LoadModuleUnitVersioningInfo(AInstance);
}

int TUnitVersioning::IndexOf(std::string_view ARCSfile, std::string_view ALogPath)
{
    ValidateModules();
    int first = 0;
    for (const auto& module : FModules) {
        if (const int index = module->IndexOf(ARCSfile, ALogPath); index >= 0)
            return first + index;
        first += module->Count();
    }
    return -1;
}

TUnitVersion* TUnitVersioning::FindUnit(std::string_view ARCSfile, std::string_view ALogPath)
{
    const int index = IndexOf(ARCSfile, ALogPath);
    return index < 0 ? nullptr : Items(index);
}

}  // namespace skelda::editcontrols
