#pragma once

#include "grid/settings/TNotifyingSettings.h"
#include "platform/core/ChangeValue.h"
#include "platform/graphics/Colors.h"

#include <functional>

namespace skelda::grid {

enum TProgressStyle { psXP, psClassic };

// The look of the grid's multi-level progress bars. Every setter reports a change of value.
class TGridProgressAppearance : public TNotifyingSettings {
public:
    std::string ClassName() const override { return "TGridProgressAppearance"; }

    // From another TGridProgressAppearance: every setting, then one OnChange. Other sources are
    // ignored.
    void Assign(const plat::TPersistent& Source) override;

    plat::TColor GetCompleteColor() const { return FCompleteColor; }
    void SetCompleteColor(plat::TColor Value)
    {
        if (plat::ChangeValue(FCompleteColor, Value))
            Changed();
    }
    plat::TColor GetCompleteFontColor() const { return FCompleteFontColor; }
    void SetCompleteFontColor(plat::TColor Value)
    {
        if (plat::ChangeValue(FCompleteFontColor, Value))
            Changed();
    }
    // clNone uses the grid's brush colour.
    plat::TColor GetUnCompleteColor() const { return FUnCompleteColor; }
    void SetUnCompleteColor(plat::TColor Value)
    {
        if (plat::ChangeValue(FUnCompleteColor, Value))
            Changed();
    }
    plat::TColor GetUnCompleteFontColor() const { return FUnCompleteFontColor; }
    void SetUnCompleteFontColor(plat::TColor Value)
    {
        if (plat::ChangeValue(FUnCompleteFontColor, Value))
            Changed();
    }
    plat::TColor GetLevel0Color() const { return FLevel0Color; }
    void SetLevel0Color(plat::TColor Value)
    {
        if (plat::ChangeValue(FLevel0Color, Value))
            Changed();
    }
    plat::TColor GetLevel0ColorTo() const { return FLevel0ColorTo; }
    void SetLevel0ColorTo(plat::TColor Value)
    {
        if (plat::ChangeValue(FLevel0ColorTo, Value))
            Changed();
    }
    plat::TColor GetLevel1Color() const { return FLevel1Color; }
    void SetLevel1Color(plat::TColor Value)
    {
        if (plat::ChangeValue(FLevel1Color, Value))
            Changed();
    }
    plat::TColor GetLevel1ColorTo() const { return FLevel1ColorTo; }
    void SetLevel1ColorTo(plat::TColor Value)
    {
        if (plat::ChangeValue(FLevel1ColorTo, Value))
            Changed();
    }
    plat::TColor GetLevel2Color() const { return FLevel2Color; }
    void SetLevel2Color(plat::TColor Value)
    {
        if (plat::ChangeValue(FLevel2Color, Value))
            Changed();
    }
    plat::TColor GetLevel2ColorTo() const { return FLevel2ColorTo; }
    void SetLevel2ColorTo(plat::TColor Value)
    {
        if (plat::ChangeValue(FLevel2ColorTo, Value))
            Changed();
    }
    plat::TColor GetLevel3Color() const { return FLevel3Color; }
    void SetLevel3Color(plat::TColor Value)
    {
        if (plat::ChangeValue(FLevel3Color, Value))
            Changed();
    }
    plat::TColor GetLevel3ColorTo() const { return FLevel3ColorTo; }
    void SetLevel3ColorTo(plat::TColor Value)
    {
        if (plat::ChangeValue(FLevel3ColorTo, Value))
            Changed();
    }
    // Percentages where levels 1 and 2 begin.
    int GetLevel1Perc() const { return FLevel1Perc; }
    void SetLevel1Perc(int Value)
    {
        if (plat::ChangeValue(FLevel1Perc, Value))
            Changed();
    }
    int GetLevel2Perc() const { return FLevel2Perc; }
    void SetLevel2Perc(int Value)
    {
        if (plat::ChangeValue(FLevel2Perc, Value))
            Changed();
    }
    plat::TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(plat::TColor Value)
    {
        if (plat::ChangeValue(FBorderColor, Value))
            Changed();
    }
    bool GetShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool Value)
    {
        if (plat::ChangeValue(FShowBorder, Value))
            Changed();
    }
    bool GetStacked() const { return FStacked; }
    void SetStacked(bool Value)
    {
        if (plat::ChangeValue(FStacked, Value))
            Changed();
    }
    bool GetShowPercentage() const { return FShowPercentage; }
    void SetShowPercentage(bool Value)
    {
        if (plat::ChangeValue(FShowPercentage, Value))
            Changed();
    }
    bool GetCompletionSmooth() const { return FCompletionSmooth; }
    void SetCompletionSmooth(bool Value)
    {
        if (plat::ChangeValue(FCompletionSmooth, Value))
            Changed();
    }
    bool GetShowGradient() const { return FShowGradient; }
    void SetShowGradient(bool Value)
    {
        if (plat::ChangeValue(FShowGradient, Value))
            Changed();
    }
    int GetSteps() const { return FSteps; }
    void SetSteps(int Value)
    {
        if (plat::ChangeValue(FSteps, Value))
            Changed();
    }
    TProgressStyle GetStyle() const { return FStyle; }
    void SetStyle(TProgressStyle Value)
    {
        if (plat::ChangeValue(FStyle, Value))
            Changed();
    }

private:
    plat::TColor FCompleteColor = plat::clRed;
    plat::TColor FCompleteFontColor = plat::clBlue;
    plat::TColor FUnCompleteColor = plat::clNone;
    plat::TColor FUnCompleteFontColor = plat::clWindowText;
    plat::TColor FLevel0Color = plat::clLime;
    plat::TColor FLevel0ColorTo = 0xE1FFE1;
    plat::TColor FLevel1Color = plat::clYellow;
    plat::TColor FLevel1ColorTo = 0xCAFFFF;
    plat::TColor FLevel2Color = 0x53A9FF;
    plat::TColor FLevel2ColorTo = 0xA8D3FF;
    plat::TColor FLevel3Color = plat::clRed;
    plat::TColor FLevel3ColorTo = 0xCACAFF;
    int FLevel1Perc = 70;
    int FLevel2Perc = 90;
    plat::TColor FBorderColor = plat::clBlack;
    bool FShowBorder = false;
    bool FStacked = false;
    bool FShowPercentage = true;
    bool FCompletionSmooth = true;
    bool FShowGradient = true;
    int FSteps = 11;
    TProgressStyle FStyle = psXP;
};

}  // namespace skelda::grid
