#pragma once

#include "platform/controls/standard/TEdit.h"

#include <functional>
#include <string>

namespace skelda::grid {

class TBaseGrid;

// The user chose another unit from the editor's units menu.
using TUnitChangeEvent = std::function<void(plat::TObject* Sender, const std::string& NewUnit)>;

// The grid's value-and-unit cell editor. Meant to stand on the value-and-unit edit control;
// on the plain edit until that exists, which is why the button caption and the unit-change
// event live here for now.
class TGridUnitEditBtn : public plat::TEdit {
public:
    explicit TGridUnitEditBtn(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TGridUnitEditBtn"; }

    // The owning grid; nullptr when the owner is no grid.
    TBaseGrid* Grid() const { return FGrid; }

    const std::string& GetButtonCaption() const { return FButtonCaption; }
    void SetButtonCaption(const std::string& Value) { FButtonCaption = Value; }

    TUnitChangeEvent OnUnitChanged;

private:
    TBaseGrid* FGrid = nullptr;
    std::string FButtonCaption;
};

}  // namespace skelda::grid
