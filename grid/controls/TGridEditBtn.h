#pragma once

#include "platform/controls/standard/TEdit.h"

#include <string>

namespace skelda::grid {

class TBaseGrid;

// The grid's edit-with-button cell editor (its button runs the grid's ellipsis click). Meant
// to stand on the edit-with-button control; on the plain edit until that exists, which is why
// the button caption lives here for now.
class TGridEditBtn : public plat::TEdit {
public:
    explicit TGridEditBtn(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TGridEditBtn"; }

    // The owning grid; nullptr when the owner is no grid.
    TBaseGrid* Grid() const { return FGrid; }

    // Completion allowed.
    bool GetWorkMode() const { return FWorkMode; }
    void SetWorkMode(bool Value) { FWorkMode = Value; }
    bool GetStopEditAfterClick() const { return FStopEditAfterClick; }
    void SetStopEditAfterClick(bool Value) { FStopEditAfterClick = Value; }
    const std::string& GetButtonCaption() const { return FButtonCaption; }
    void SetButtonCaption(const std::string& Value) { FButtonCaption = Value; }

private:
    TBaseGrid* FGrid = nullptr;
    bool FWorkMode = true;
    bool FStopEditAfterClick = false;
    std::string FButtonCaption;
};

}  // namespace skelda::grid
