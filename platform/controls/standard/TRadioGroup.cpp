#include "platform/controls/standard/TRadioGroup.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/TRadioButton.h"
#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"

#include <algorithm>

namespace plat {

class TCustomRadioGroup::TGroupButton : public TRadioButton {
public:
    explicit TGroupButton(TCustomRadioGroup* Group) : TRadioButton(Group), FGroup(Group) {}

    std::string ClassName() const override { return "TGroupButton"; }

    void Click() override
    {
        if (FInClick)
            return;
        FInClick = true;
        const TControlRef<> alive(this);
        try {
            TRadioButton::Click();
            if (alive)
                FGroup->ButtonClick(this);
        } catch (...) {
            if (alive)
                FInClick = false;
            throw;
        }
        if (alive)
            FInClick = false;
    }

    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_GETDLGCODE) {
            Message.Result = DLGC_WANTARROWS;
            return;
        }
        TRadioButton::Dispatch(Message);
    }

protected:
    void ButtonClicked() override
    {
        if (FGroup->CanModify())
            TRadioButton::ButtonClicked();
        else
            ShowChecked();
    }

    void KeyDown(unsigned& Key, TShiftState Shift) override
    {
        TRadioButton::KeyDown(Key, Shift);
        if (Key == VK_UP || Key == VK_LEFT || Key == VK_DOWN || Key == VK_RIGHT) {
            if (FGroup->CanModify())
                FGroup->SelectNeighbour(this, Key == VK_DOWN || Key == VK_RIGHT);
            Key = 0;
        }
    }

private:
    TCustomRadioGroup* FGroup;
    bool FInClick = false;
};

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner)
    : TCustomGroupBox(AOwner), FItems(std::make_unique<TStringList>())
{
    FItems->OnChange = [this](TObject*) { ItemsChanged(); };
}

TCustomRadioGroup::~TCustomRadioGroup()
{
    FItems->OnChange = nullptr;
}

TStrings& TCustomRadioGroup::Items()
{
    return *FItems;
}

TRadioButton* TCustomRadioGroup::Buttons(int Index) const
{
    if (Index < 0 || Index >= ButtonCount())
        throw EListError("Radio group button index out of bounds (%d)", {Index});
    return FButtons[static_cast<std::size_t>(Index)];
}

void TCustomRadioGroup::ItemsChanged()
{
    if (ComponentState().Contains(csLoading))
        return;
    FItemIndex = std::min(FItemIndex, FItems->Count() - 1);
    UpdateButtons();
}

void TCustomRadioGroup::Loaded()
{
    TCustomGroupBox::Loaded();
    ItemsChanged();
}

void TCustomRadioGroup::UpdateButtons()
{
    const bool updating = FUpdating;
    FUpdating = true;
    const auto count = static_cast<std::size_t>(FItems->Count());
    while (FButtons.size() < count) {
        auto* button = new TGroupButton(this);
        FButtons.push_back(button);
        button->SetParent(this);
    }
    while (FButtons.size() > count) {
        TGroupButton* button = FButtons.back();
        FButtons.pop_back();
        delete button;
    }
    for (std::size_t i = 0; i < count; ++i) {
        TGroupButton* button = FButtons[i];
        button->SetText(FItems->GetStrings(static_cast<int>(i)));
        button->SetClicksDisabled(true);
        button->SetChecked(static_cast<int>(i) == FItemIndex);
        button->SetClicksDisabled(false);
    }
    UpdateTabStops();
    ArrangeButtons();
    FUpdating = updating;
}

void TCustomRadioGroup::UpdateTabStops()
{
    // Tab reaches the checked button; without a choice, the first one.
    for (int i = 0; i < ButtonCount(); ++i)
        FButtons[static_cast<std::size_t>(i)]->SetTabStop(i == FItemIndex || (FItemIndex < 0 && i == 0));
}

void TCustomRadioGroup::ArrangeButtons()
{
    if (FButtons.empty())
        return;
    const int count = ButtonCount();
    const int perColumn = (count + FColumns - 1) / FColumns;
    const int buttonWidth = (GetWidth() - 10) / FColumns;
    const int captionHeight = CaptionHeight();
    const int room = GetHeight() - captionHeight - 5;
    const int buttonHeight = room / perColumn;
    const int topMargin = captionHeight + 1 + (room % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        FButtons[static_cast<std::size_t>(i)]->SetBounds((i / perColumn) * buttonWidth + 8,
                                                         (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                                                         buttonHeight);
}

void TCustomRadioGroup::SetItemIndex(int Value)
{
    const int index = std::clamp(Value, -1, FItems->Count() - 1);
    if (index == FItemIndex)
        return;
    if (FItemIndex >= 0)
        FButtons[static_cast<std::size_t>(FItemIndex)]->SetChecked(false);
    FItemIndex = index;
    UpdateTabStops();
    if (index >= 0)
        FButtons[static_cast<std::size_t>(index)]->SetChecked(true);
}

void TCustomRadioGroup::SetColumns(int Value)
{
    FColumns = std::clamp(Value, 1, 16);
    ArrangeButtons();
}

void TCustomRadioGroup::ButtonClick(TGroupButton* Button)
{
    if (FUpdating)
        return;
    const auto it = std::find(FButtons.begin(), FButtons.end(), Button);
    if (it == FButtons.end())
        return;
    FItemIndex = static_cast<int>(it - FButtons.begin());
    UpdateTabStops();
    Click();
}

void TCustomRadioGroup::SelectNeighbour(TGroupButton* Button, bool Forward)
{
    const auto it = std::find(FButtons.begin(), FButtons.end(), Button);
    if (it == FButtons.end())
        return;
    const int count = ButtonCount();
    int index = static_cast<int>(it - FButtons.begin());
    for (int step = 1; step < count; ++step) {
        index = (index + (Forward ? 1 : count - 1)) % count;
        TGroupButton* next = FButtons[static_cast<std::size_t>(index)];
        if (!next->CanFocus())
            continue;
        const TControlRef<> alive(next);
        next->SetFocus();
        if (alive)
            next->SetChecked(true);
        return;
    }
}

void TCustomRadioGroup::Dispatch(TMessage& Message)
{
    TCustomGroupBox::Dispatch(Message);
    if (Message.Msg == WM_SIZE || Message.Msg == CM_FONTCHANGED)
        ArrangeButtons();
}

}  // namespace plat
