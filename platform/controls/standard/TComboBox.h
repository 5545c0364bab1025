#pragma once

#include "platform/controls/core/TWinControl.h"
#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/controls/standard/TListControlItems.h"

#include <memory>

class QComboBox;
class QPainter;

namespace plat {

class TCanvas;
class TControlCanvas;
class TStrings;

// csDropDown: an edit field with a drop-down list; csSimple: the same (the list is not kept
// open); csDropDownList: a choice from the list only; csOwnerDrawFixed: like csDropDownList,
// the list's lines ItemHeight high and drawn by DrawItem (OnDrawItem on Canvas).
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed };

// A combo box on Qt's combo box. ItemIndex is the chosen line (-1 for none); Text is the edit
// field's text, or the chosen line's without one.
//
// Events: choosing a line (from the list or with the arrow keys) runs OnClick, then OnSelect
// (OnChange when OnSelect is not assigned); typing in the edit field runs OnChange; opening
// and closing the list run OnDropDown (before the list shows, so it may fill the items) and
// OnCloseUp. Changes by code run none of them.
class TComboBox : public TWinControl, private IListItemsView {
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;

    std::string ClassName() const override { return "TComboBox"; }

    TStrings& Items();
    void Clear();
    int GetItemIndex() const;
    // Values outside the items choose nothing (and empty the text).
    void SetItemIndex(int Value);
    TComboBoxStyle GetStyle() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    bool GetSorted() const { return FItems.GetSorted(); }
    void SetSorted(bool Value) { FItems.SetSorted(Value); }
    // Lines the open list shows before it scrolls.
    int GetDropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value);
    int GetItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    bool GetDroppedDown() const;
    void SetDroppedDown(bool Value);

    std::string GetText() const override;
    // Without an edit field, chooses the line of that text (when there is one).
    void SetText(const std::string& Value) override;

    TCanvas& Canvas();

    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;

protected:
    void UpdateNativeColors() override;
    TWindowHost* CreateHost(const TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);

private:
    void ItemInserted(int Index) override;
    void ItemDeleted(int Index) override;
    void ItemChanged(int Index) override;
    void ItemsReset() override;

    QComboBox* Combo() const;
    bool HasEdit() const { return FStyle == csDropDown || FStyle == csSimple; }
    void Fill();
    void ApplyStyle();
    void ShowIndex(int Index);
    void PaintItem(QPainter& Painter, TSize DeviceSize, int Index, const TRect& Rect, TOwnerDrawState State);

    TListControlItems FItems;
    std::unique_ptr<TControlCanvas> FCanvas;
    TComboBoxStyle FStyle = csDropDown;
    // The choice while there is no window.
    int FItemIndex = -1;
    int FDropDownCount = 8;
    int FItemHeight = 16;
};

}  // namespace plat
