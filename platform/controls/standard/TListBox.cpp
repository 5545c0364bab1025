#include "platform/controls/standard/TListBox.h"

#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/PaintContext.h"
#include "platform/controls/qt/NativeWidgetSupport.h"
#include "platform/controls/standard/TOwnerDrawDelegate.h"
#include "platform/core/Exception.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TCanvas.h"

#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace plat {

TListBox::TListBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(*this), FCanvas(std::make_unique<TControlCanvas>())
{
    SetControlStyle(GetControlStyle() - TControlStyle{csClickEvents});
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
}

TListBox::~TListBox() = default;

TStrings& TListBox::Items()
{
    return FItems;
}

TCanvas& TListBox::Canvas()
{
    return *FCanvas;
}

QListWidget* TListBox::List() const
{
    return HandleAllocated() ? static_cast<QListWidget*>(Host()->Widget()) : nullptr;
}

TWindowHost* TListBox::CreateHost(const TCreateParams&)
{
    auto* host = new THostWidget<QListWidget>(this);
    host->RouteEventsOf(host->viewport());
    return host;
}

void TListBox::CreateParams(TCreateParams& Params) const
{
    TWinControl::CreateParams(Params);
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd()
{
    TWinControl::CreateWnd();
    QListWidget* list = List();
    ReserveFrame(list, NonClientInsets());
    list->setFocusPolicy(Qt::StrongFocus);
    list->setUniformItemSizes(true);
    ApplyStyle();
    UpdateNativeColors();
    Fill();
    {
        const QSignalBlocker blocker(list);
        for (int i = 0; i < FItems.Count(); ++i)
            if (i < static_cast<int>(FSelected.size()) && FSelected[static_cast<std::size_t>(i)])
                list->item(i)->setSelected(true);
    }
    SetItemIndex(FItemIndex);
    OnNativeSignal(Host(), list, &QListWidget::itemSelectionChanged, [](TWinControl& control) {
        static_cast<TListBox&>(control).FChangedSincePress = true;
        SendCommand(control, LBN_SELCHANGE);
    });
}

void TListBox::DestroyWnd()
{
    if (QListWidget* list = List()) {
        FItemIndex = list->currentRow();
        FSelected.assign(static_cast<std::size_t>(FItems.Count()), false);
        for (int i = 0; i < FItems.Count(); ++i)
            FSelected[static_cast<std::size_t>(i)] = list->item(i)->isSelected();
    }
    TWinControl::DestroyWnd();
}

void TListBox::Fill()
{
    QListWidget* list = List();
    const QSignalBlocker blocker(list);
    list->clear();
    for (int i = 0; i < FItems.Count(); ++i)
        list->addItem(ToQString(FItems.GetStrings(i)));
}

void TListBox::ApplyStyle()
{
    QListWidget* list = List();
    if (!list)
        return;
    list->setSelectionMode(FMultiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    QAbstractItemDelegate* previous = list->itemDelegate();
    const bool ownerDrawn = dynamic_cast<TOwnerDrawDelegate*>(previous) != nullptr;
    if ((FStyle == lbOwnerDrawFixed) == ownerDrawn)
        return;
    if (FStyle == lbOwnerDrawFixed)
        list->setItemDelegate(new TOwnerDrawDelegate(
            list,
            [this](QPainter& painter, TSize size, int index, const TRect& rect, TOwnerDrawState state) {
                PaintItem(painter, size, index, rect, state);
            },
            [this] { return FItemHeight; }));
    else
        list->setItemDelegate(new QStyledItemDelegate(list));
    if (ownerDrawn)
        previous->deleteLater();
}

void TListBox::UpdateNativeColors()
{
    if (QListWidget* list = List())
        ApplyNativeColors(list, GetColor(), Font().GetColor(), QPalette::Base);
}

void TListBox::ItemInserted(int Index)
{
    if (QListWidget* list = List()) {
        const QSignalBlocker blocker(list);
        list->insertItem(Index, ToQString(FItems.GetStrings(Index)));
        return;
    }
    if (FItemIndex >= Index)
        ++FItemIndex;
    if (static_cast<int>(FSelected.size()) >= Index)
        FSelected.insert(FSelected.begin() + Index, false);
}

void TListBox::ItemDeleted(int Index)
{
    if (QListWidget* list = List()) {
        const QSignalBlocker blocker(list);
        delete list->takeItem(Index);
        return;
    }
    if (FItemIndex == Index)
        FItemIndex = -1;
    else if (FItemIndex > Index)
        --FItemIndex;
    if (Index < static_cast<int>(FSelected.size()))
        FSelected.erase(FSelected.begin() + Index);
}

void TListBox::ItemChanged(int Index)
{
    if (QListWidget* list = List())
        list->item(Index)->setText(ToQString(FItems.GetStrings(Index)));
}

void TListBox::ItemsReset()
{
    if (List()) {
        Fill();
        return;
    }
    FItemIndex = -1;
    FSelected.clear();
}

int TListBox::GetItemIndex() const
{
    if (const QListWidget* list = List())
        return list->currentRow();
    return FItemIndex;
}

void TListBox::SetItemIndex(int Value)
{
    const int index = Value >= 0 && Value < FItems.Count() ? Value : -1;
    QListWidget* list = List();
    if (!list) {
        FItemIndex = index;
        if (!FMultiSelect) {
            FSelected.assign(static_cast<std::size_t>(FItems.Count()), false);
            if (index >= 0)
                FSelected[static_cast<std::size_t>(index)] = true;
        }
        return;
    }
    const QSignalBlocker blocker(list);
    if (FMultiSelect) {
        list->setCurrentRow(index, QItemSelectionModel::NoUpdate);
        return;
    }
    if (index < 0)
        list->clearSelection();
    list->setCurrentRow(index);
}

void TListBox::SetMultiSelect(bool Value)
{
    FMultiSelect = Value;
    ApplyStyle();
}

bool TListBox::GetSelected(int Index) const
{
    if (Index < 0 || Index >= FItems.Count())
        throw EListError("List index out of bounds (%d)", {Index});
    if (const QListWidget* list = List())
        return list->item(Index)->isSelected();
    return Index < static_cast<int>(FSelected.size()) && FSelected[static_cast<std::size_t>(Index)];
}

void TListBox::SetSelected(int Index, bool Value)
{
    if (Index < 0 || Index >= FItems.Count())
        throw EListError("List index out of bounds (%d)", {Index});
    if (QListWidget* list = List()) {
        const QSignalBlocker blocker(list);
        if (!FMultiSelect && Value)
            list->setCurrentRow(Index);
        else
            list->item(Index)->setSelected(Value);
        return;
    }
    if (!FMultiSelect && Value) {
        SetItemIndex(Index);
        return;
    }
    FSelected.resize(static_cast<std::size_t>(FItems.Count()), false);
    FSelected[static_cast<std::size_t>(Index)] = Value;
}

int TListBox::SelCount() const
{
    int count = 0;
    for (int i = 0; i < FItems.Count(); ++i)
        count += GetSelected(i) ? 1 : 0;
    return count;
}

void TListBox::SetStyle(TListBoxStyle Value)
{
    FStyle = Value;
    ApplyStyle();
}

void TListBox::SetItemHeight(int Value)
{
    FItemHeight = std::max(Value, 1);
    if (QListWidget* list = List())
        list->doItemsLayout();
}

void TListBox::DefaultHandler(TMessage& Message)
{
    // A press below the last line leaves the choice as it is.
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && RowAt(TWMMouse(Message).Pos()) < 0)
        return;
    TWinControl::DefaultHandler(Message);
}

int TListBox::RowAt(TPoint ClientPos) const
{
    const QListWidget* list = List();
    if (!list)
        return -1;
    const TPoint offset = WidgetClientOffset();
    const QPoint inViewport = list->viewport()->mapFrom(list, QPoint(ClientPos.X + offset.X, ClientPos.Y + offset.Y));
    return list->indexAt(inViewport).row();
}

int TListBox::ItemAtPos(TPoint Pos, bool Existing) const
{
    const int row = RowAt(Pos);
    if (row >= 0)
        return row;
    return Existing ? -1 : FItems.Count();
}

void TListBox::PaintItem(QPainter& Painter, TSize DeviceSize, int Index, const TRect& Rect, TOwnerDrawState State)
{
    Guarded(this, [&] {
        TCanvasAttachment attachment(*FCanvas, TPaintContext{&Painter, DeviceSize, {}, Rect});
        FCanvas->Font().Assign(Font());
        FCanvas->Brush().SetStyle(bsSolid);
        if (State.Contains(odSelected)) {
            FCanvas->Brush().SetColor(clHighlight);
            FCanvas->Font().SetColor(clHighlightText);
        } else {
            FCanvas->Brush().SetColor(GetColor());
        }
        DrawItem(Index, Rect, State);
        if (State.Contains(odFocused))
            FCanvas->DrawFocusRect(Rect);
    });
}

void TListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    FCanvas->FillRect(Rect);
    FCanvas->TextOut(Rect.Left + 2, Rect.Top, FItems.GetStrings(Index));
}

void TListBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND:
        if (TWMCommand(Message).NotifyCode() == LBN_SELCHANGE) {
            Click();
            return;
        }
        break;
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_LBUTTONDOWN:
        FPressedRow = RowAt(TWMMouse(Message).Pos());
        FChangedSincePress = false;
        break;
    case WM_LBUTTONDBLCLK: {
        // OnClick comes from the list's notifications, so the generic double click stays off;
        // the list reports a double click on a line itself.
        FPressedRow = RowAt(TWMMouse(Message).Pos());
        FChangedSincePress = false;
        const TControlRef<> alive(this);
        TWinControl::Dispatch(Message);
        if (alive && FPressedRow >= 0)
            DblClick();
        return;
    }
    case WM_LBUTTONUP: {
        const int pressed = FPressedRow;
        FPressedRow = -1;
        const TControlRef<> alive(this);
        TWinControl::Dispatch(Message);
        if (alive && pressed >= 0 && !FChangedSincePress && RowAt(TWMMouse(Message).Pos()) == pressed)
            Click();
        return;
    }
    default:
        break;
    }
    TWinControl::Dispatch(Message);
}

}  // namespace plat
