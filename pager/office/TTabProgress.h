#pragma once

#include "pager/office/TNotifyingPersistent.h"
#include "platform/graphics/Colors.h"

namespace skelda::pager {

// A progress bar shown in place of a tab's background while Visible: the done part from
// CompleteColor to CompleteColorTo, the rest from Color to ColorTo, Position within Min..Max.
// A changed value fires OnChange once.
class TTabProgress : public TNotifyingPersistent {
public:
    std::string ClassName() const override { return "TTabProgress"; }
    // All eight values, then one OnChange.
    void Assign(const plat::TPersistent& Source) override;

    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value) { Change(FColor, Value); }
    plat::TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value) { Change(FColorTo, Value); }
    plat::TColor GetCompleteColor() const { return FCompleteColor; }
    void SetCompleteColor(plat::TColor Value) { Change(FCompleteColor, Value); }
    plat::TColor GetCompleteColorTo() const { return FCompleteColorTo; }
    void SetCompleteColorTo(plat::TColor Value) { Change(FCompleteColorTo, Value); }
    int GetMin() const { return FMin; }
    void SetMin(int Value) { Change(FMin, Value); }
    int GetMax() const { return FMax; }
    void SetMax(int Value) { Change(FMax, Value); }
    int GetPosition() const { return FPosition; }
    void SetPosition(int Value) { Change(FPosition, Value); }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value) { Change(FVisible, Value); }

private:
    plat::TColor FColor = plat::clWhite;
    plat::TColor FCompleteColor = plat::clWhite;
    int FMax = 100;
    int FMin = 0;
    bool FVisible = false;
    int FPosition = 50;
    plat::TColor FColorTo = plat::clSilver;
    plat::TColor FCompleteColorTo = plat::clRed;
};

}  // namespace skelda::pager
