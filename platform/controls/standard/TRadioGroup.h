#pragma once

#include "platform/controls/standard/TGroupBox.h"

#include <memory>
#include <vector>

namespace plat {

class TRadioButton;
class TStrings;
class TStringList;

// A group box holding one radio button per line of Items, laid out top to bottom in Columns
// columns. ItemIndex is the checked button (-1 for none). Checking a button, by the user or by
// setting ItemIndex to another value, runs OnClick, as the widget library did. Arrow keys
// move the check to the neighbouring button, wrapping around.
class TCustomRadioGroup : public TCustomGroupBox {
public:
    explicit TCustomRadioGroup(TComponent* AOwner);
    ~TCustomRadioGroup() override;

    std::string ClassName() const override { return "TCustomRadioGroup"; }

    TStrings& Items();
    int GetItemIndex() const { return FItemIndex; }
    // Values below -1 count as -1, values past the last item as the last item.
    void SetItemIndex(int Value);
    int GetColumns() const { return FColumns; }
    // Between 1 and 16.
    void SetColumns(int Value);

    int ButtonCount() const { return static_cast<int>(FButtons.size()); }
    // Raises EListError for an index outside 0 .. ButtonCount() - 1.
    TRadioButton* Buttons(int Index) const;

    void Dispatch(TMessage& Message) override;

protected:
    // Whether the user may change the choice; the default allows it.
    virtual bool CanModify() const { return true; }
    void Loaded() override;

private:
    class TGroupButton;
    friend class TGroupButton;

    void ItemsChanged();
    void UpdateButtons();
    void ArrangeButtons();
    void UpdateTabStops();
    void ButtonClick(TGroupButton* Button);
    void SelectNeighbour(TGroupButton* Button, bool Forward);

    std::unique_ptr<TStringList> FItems;
    std::vector<TGroupButton*> FButtons;
    int FItemIndex = -1;
    int FColumns = 1;
    bool FUpdating = false;
};

class TRadioGroup : public TCustomRadioGroup {
public:
    using TCustomRadioGroup::TCustomRadioGroup;
    std::string ClassName() const override { return "TRadioGroup"; }
};

}  // namespace plat
