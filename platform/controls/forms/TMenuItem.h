#pragma once

#include "platform/controls/core/ControlTypes.h"
#include "platform/core/TComponent.h"

#include <cstdint>
#include <string>
#include <vector>

namespace plat {

// A key with its shift state: the virtual-key code in the low byte, scShift, scCtrl and scAlt
// above it.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(unsigned Key, TShiftState Shift);

// An entry of a menu and the menu below it. The caption marks its accelerator with '&'; a
// caption of "-" makes a separator. Checking a RadioItem unchecks the other radio items of
// the same GroupIndex among its siblings. An item frees the items still below it; a freed
// item leaves its parent.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    bool IsLine() const { return FCaption == "-"; }
    bool GetChecked() const { return FChecked; }
    void SetChecked(bool Value);
    bool GetRadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    std::uint8_t GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(std::uint8_t Value) { FGroupIndex = Value; }
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    // Shown in bold: what a double click would do.
    bool GetDefault() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    // The picture of the menu's image list beside the caption; -1 for none.
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    TShortCut GetShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value) { FShortCut = Value; }

    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError for an index outside 0 .. Count() - 1.
    TMenuItem* Items(int Index) const;
    TMenuItem* Parent() const { return FParent; }
    int IndexOf(const TMenuItem* Item) const;
    // Item moves here from any other menu; raises EInvalidOperation when it would come to
    // hold itself.
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    // Takes Item out without freeing it.
    void Remove(TMenuItem* Item);
    // Frees the item at Index.
    void Delete(int Index);
    // Frees every item below.
    void Clear();

    // Runs OnClick when the item is enabled.
    virtual void Click();

    TNotifyEvent OnClick;

private:
    void TurnSiblingsOff();

    std::string FCaption;
    bool FChecked = false;
    bool FRadioItem = false;
    std::uint8_t FGroupIndex = 0;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    TShortCut FShortCut = 0;
    int FImageIndex = -1;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
};

}  // namespace plat
