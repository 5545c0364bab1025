#pragma once

#include "platform/controls/core/TWinControl.h"
#include "platform/controls/standard/StandardControlTypes.h"
#include "platform/controls/standard/TListControlItems.h"

#include <memory>
#include <vector>

class QListWidget;
class QPainter;

namespace plat {

class TCanvas;
class TControlCanvas;
class TStrings;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };

// A list of lines on Qt's list widget. ItemIndex is the current line (-1 for none). A change
// of the selection by the user (mouse or keys), and a click on a line, run OnClick once; a
// change by code runs nothing; a double click on a line runs OnDblClick. MultiSelect lets the
// user select several lines with Shift and Ctrl. With lbOwnerDrawFixed every line is ItemHeight pixels high and drawn by DrawItem:
// OnDrawItem on Canvas, which comes with the selection's colours set (else the line's text).
class TListBox : public TWinControl, private IListItemsView {
public:
    explicit TListBox(TComponent* AOwner);
    ~TListBox() override;

    std::string ClassName() const override { return "TListBox"; }

    TStrings& Items();
    void Clear() { Items().Clear(); }
    int GetItemIndex() const;
    // Values outside the items select nothing.
    void SetItemIndex(int Value);
    bool GetMultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool GetSelected(int Index) const;
    void SetSelected(int Index, bool Value);
    int SelCount() const;
    bool GetSorted() const { return FItems.GetSorted(); }
    void SetSorted(bool Value) { FItems.SetSorted(Value); }
    TListBoxStyle GetStyle() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    int GetItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    // The line at Pos (client coordinates); past the last line, -1 when Existing, else Count.
    int ItemAtPos(TPoint Pos, bool Existing) const;

    TCanvas& Canvas();

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

    TDrawItemEvent OnDrawItem;

protected:
    void UpdateNativeColors() override;
    TWindowHost* CreateHost(const TCreateParams& Params) override;
    void CreateParams(TCreateParams& Params) const override;
    void CreateWnd() override;
    void DestroyWnd() override;
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);

private:
    void ItemInserted(int Index) override;
    void ItemDeleted(int Index) override;
    void ItemChanged(int Index) override;
    void ItemsReset() override;

    QListWidget* List() const;
    void Fill();
    void ApplyStyle();
    void PaintItem(QPainter& Painter, TSize DeviceSize, int Index, const TRect& Rect, TOwnerDrawState State);
    int RowAt(TPoint ClientPos) const;

    TListControlItems FItems;
    std::unique_ptr<TControlCanvas> FCanvas;
    // The state while there is no window.
    int FItemIndex = -1;
    std::vector<bool> FSelected;
    bool FMultiSelect = false;
    TListBoxStyle FStyle = lbStandard;
    int FItemHeight = 16;
    // A click on the line that is already current changes nothing, yet counts as a click.
    int FPressedRow = -1;
    bool FChangedSincePress = false;
};

}  // namespace plat
