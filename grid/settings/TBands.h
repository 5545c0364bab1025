#pragma once

#include "grid/settings/TNotifyingSettings.h"
#include "platform/core/ChangeValue.h"
#include "platform/graphics/Colors.h"

#include <functional>

namespace skelda::grid {

// Bands of colour over the normal rows, counted from the first non-fixed row: PrimaryLength rows in
// PrimaryColor, then SecondaryLength rows in SecondaryColor, again every TotalLength rows. Colour
// and length changes are reported only while Active, since only then do they show.
class TBands : public TNotifyingSettings {
public:
    std::string ClassName() const override { return "TBands"; }

    // From another TBands: Active, the colours, the lengths and Print, without a notice. Other
    // sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    bool GetActive() const { return FActive; }
    void SetActive(bool Value)
    {
        if (plat::ChangeValue(FActive, Value))
            Changed();
    }
    plat::TColor GetPrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(plat::TColor Value);
    plat::TColor GetSecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(plat::TColor Value);
    int GetPrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int Value);
    int GetSecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int Value);
    // Band the rows on paper too.
    bool GetPrint() const { return FPrint; }
    void SetPrint(bool Value) { FPrint = Value; }
    // Always PrimaryLength + SecondaryLength.
    int GetTotalLength() const { return FTotalLength; }

private:
    template <typename T>
    void StoreShown(T& Field, const T& Value);

    bool FActive = false;
    plat::TColor FPrimaryColor = plat::clInfoBk;
    plat::TColor FSecondaryColor = plat::clWindow;
    int FPrimaryLength = 1;
    int FSecondaryLength = 1;
    bool FPrint = false;
    int FTotalLength = 2;
};

}  // namespace skelda::grid
