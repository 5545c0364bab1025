#pragma once

#include "editcontrols/support/ModuleInstance.h"
#include "editcontrols/support/TUnitVersion.h"
#include "platform/core/TObject.h"

#include <memory>
#include <string_view>
#include <vector>

namespace skelda::editcontrols {

// The version records that one module registered, in the order it registered them; it owns
// the TUnitVersion objects, not the records. Lookups are linear: a module holds a few dozen.
class TUnitVersioningModule : public plat::TObject {
public:
    explicit TUnitVersioningModule(TModuleInstance AInstance) : FInstance(AInstance) {}

    TModuleInstance Instance() const { return FInstance; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // EListError "List index out of bounds (%d)" outside 0 .. Count - 1.
    TUnitVersion* Items(int AIndex) const;

    // Adds the record unless this module holds that record (by address) already.
    void Add(const TUnitVersionInfo* AInfo);

    // The first record whose RCSfile is ARCSfile and, unless ALogPath is "*", whose LogPath is
    // ALogPath, both without regard to case; -1 or nullptr when there is none.
    int IndexOf(std::string_view ARCSfile, std::string_view ALogPath = "*") const;
    TUnitVersion* FindUnit(std::string_view ARCSfile, std::string_view ALogPath = "*") const;

private:
    TModuleInstance FInstance;
    std::vector<std::unique_ptr<TUnitVersion>> FItems;
};

}  // namespace skelda::editcontrols
