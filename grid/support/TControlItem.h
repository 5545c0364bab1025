#pragma once

#include "platform/core/TObject.h"

namespace plat {
class TControl;
}  // namespace plat

namespace skelda::grid {

// A control shown in a cell: column X, row Y. The control is not owned.
class TControlItem : public plat::TObject {
public:
    TControlItem(int X, int Y, plat::TControl* Control) : FX(X), FY(Y), FControl(Control) {}

    std::string ClassName() const override { return "TControlItem"; }

    int GetX() const { return FX; }
    void SetX(int Value) { FX = Value; }
    int GetY() const { return FY; }
    void SetY(int Value) { FY = Value; }
    plat::TControl* GetControl() const { return FControl; }
    void SetControl(plat::TControl* Value) { FControl = Value; }

private:
    int FX;
    int FY;
    plat::TControl* FControl;
};

}  // namespace skelda::grid
