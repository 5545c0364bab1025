#pragma once

#include "platform/controls/standard/TComboBox.h"

namespace skelda::grid {

class TBaseGrid;

// The grid's combo box cell editor with typing completion. Meant to stand on the flat combo
// box of the editor controls; on the platform combo box until that exists, which is why the
// button width and the themed flag live here for now.
class TGridCombo : public plat::TComboBox {
public:
    explicit TGridCombo(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TGridCombo"; }

    // The owning grid; nullptr when the owner is no grid.
    TBaseGrid* Grid() const { return FGrid; }

    // Cleared at every key-down.
    bool GetForced() const { return FForced; }
    void SetForced(bool Value) { FForced = Value; }
    // Completion allowed; off after Backspace or Delete.
    bool GetWorkMode() const { return FWorkMode; }
    void SetWorkMode(bool Value) { FWorkMode = Value; }
    // The item the last completion chose.
    int GetItemIdx() const { return FItemIdx; }
    void SetItemIdx(int Value) { FItemIdx = Value; }
    // A completion selected an item.
    bool GetItemChange() const { return FItemChange; }
    void SetItemChange(bool Value) { FItemChange = Value; }

    int GetButtonWidth() const { return FButtonWidth; }
    // Only 14 to 32 pixels are taken; other values are ignored.
    void SetButtonWidth(int Value);
    // Whether the grid draws themed; the grid tells it.
    bool GetIsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool Value) { FIsWinXP = Value; }

    plat::TNotifyEvent OnReturnKey;

private:
    TBaseGrid* FGrid = nullptr;
    bool FForced = false;
    bool FWorkMode = true;
    int FItemIdx = 0;
    bool FItemChange = false;
    int FButtonWidth = 16;
    bool FIsWinXP = false;
};

}  // namespace skelda::grid
