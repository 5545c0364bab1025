#pragma once

#include "editcontrols/support/ModuleInstance.h"
#include "editcontrols/support/TCustomUnitVersioningProvider.h"
#include "editcontrols/support/TUnitVersioningModule.h"
#include "platform/core/TObject.h"

#include <memory>
#include <string_view>
#include <typeinfo>
#include <vector>

namespace skelda::editcontrols {

// The unit-version registry: the version records of every module of the process, module by
// module in the order the modules first registered. Records are numbered across the modules
// in that order.
//
// Every query first drops the modules that are no longer loaded (last to first), so counts,
// indexes and lookups see only live modules; that costs one dynamic-linker lookup per module.
// Not thread-safe: the units register and remove their records on the main thread.
class TUnitVersioning : public plat::TObject {
public:
    // Records of all live modules.
    int Count();
    int ModuleCount();
    // EListError "List index out of bounds (%d)" outside 0 .. Count - 1 (ModuleCount - 1).
    TUnitVersion* Items(int AIndex);
    TUnitVersioningModule* Modules(int AIndex);

    // Adds AInfo to the first module of that instance, making the module when there is none;
    // a record the module holds already is not added again.
    void AddUnitInfo(TModuleInstance AInstance, const TUnitVersionInfo* AInfo);
    // Removes the last module of that instance with its records, then tells every provider.
    void RemoveModule(TModuleInstance AInstance);

    // Adds a provider of class TProvider unless one of that class is registered.
    template <class TProvider>
    void RegisterProvider();
    void LoadModuleUnitVersioningInfo(TModuleInstance AInstance);

    // As TUnitVersioningModule::IndexOf, numbered across the modules.
    int IndexOf(std::string_view ARCSfile, std::string_view ALogPath = "*");
    TUnitVersion* FindUnit(std::string_view ARCSfile, std::string_view ALogPath = "*");

private:
    void ValidateModules();

    std::vector<std::unique_ptr<TUnitVersioningModule>> FModules;
    std::vector<std::unique_ptr<TCustomUnitVersioningProvider>> FProviders;
};

template <class TProvider>
void TUnitVersioning::RegisterProvider()
{
    for (const auto& provider : FProviders)
        if (typeid(*provider) == typeid(TProvider))
            return;
    FProviders.push_back(std::make_unique<TProvider>());
}

}  // namespace skelda::editcontrols
