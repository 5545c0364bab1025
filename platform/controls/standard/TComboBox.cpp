#include "platform/controls/standard/TComboBox.h"

#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/PaintContext.h"
#include "platform/controls/qt/NativeWidgetSupport.h"
#include "platform/controls/standard/TOwnerDrawDelegate.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TCanvas.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <functional>

namespace plat {

namespace {

// Qt's combo box, telling when its list opens (before it shows) and closes.
class TComboWidget : public QComboBox {
public:
    std::function<void(bool Open)> PopupChanged;

    void showPopup() override
    {
        if (PopupChanged)
            PopupChanged(true);
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        const bool wasOpen = view()->isVisible();
        QComboBox::hidePopup();
        if (wasOpen && PopupChanged)
            PopupChanged(false);
    }
};

}  // namespace

TComboBox::TComboBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(*this), FCanvas(std::make_unique<TControlCanvas>())
{
    SetControlStyle(GetControlStyle() - TControlStyle{csClickEvents, csCaptureMouse});
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
}

TComboBox::~TComboBox() = default;

TStrings& TComboBox::Items()
{
    return FItems;
}

void TComboBox::Clear()
{
    FItems.Clear();
    SetText("");
}

TCanvas& TComboBox::Canvas()
{
    return *FCanvas;
}

QComboBox* TComboBox::Combo() const
{
    return HandleAllocated() ? static_cast<QComboBox*>(Host()->Widget()) : nullptr;
}

TWindowHost* TComboBox::CreateHost(const TCreateParams&)
{
    auto* host = new THostWidget<TComboWidget>(this);
    host->PopupChanged = [core = static_cast<THostWidgetCore*>(host)](bool open) {
        if (TWinControl* control = core->Control())
            Guarded(control, [&] { SendCommand(*control, open ? CBN_DROPDOWN : CBN_CLOSEUP); });
    };
    return host;
}

void TComboBox::CreateWnd()
{
    const std::string text = TControl::GetText();
    TWinControl::CreateWnd();
    QComboBox* combo = Combo();
    combo->setFocusPolicy(Qt::StrongFocus);
    combo->setInsertPolicy(QComboBox::NoInsert);
    ApplyStyle();
    UpdateNativeColors();
    Fill();
    ShowIndex(FItemIndex);
    if (HasEdit() && FItemIndex < 0) {
        const QSignalBlocker blocker(combo);
        combo->lineEdit()->setText(ToQString(text));
    }
    OnNativeSignal(Host(), combo, &QComboBox::currentIndexChanged,
                   [](TWinControl& control) { SendCommand(control, CBN_SELCHANGE); });
}

void TComboBox::DestroyWnd()
{
    if (QComboBox* combo = Combo()) {
        FItemIndex = combo->currentIndex();
        TControl::SetText(FromQString(combo->currentText()));
    }
    TWinControl::DestroyWnd();
}

void TComboBox::ApplyStyle()
{
    QComboBox* combo = Combo();
    if (!combo)
        return;
    const QSignalBlocker blocker(combo);
    combo->setEditable(HasEdit());
    combo->setMaxVisibleItems(FDropDownCount);
    if (QLineEdit* edit = combo->lineEdit()) {
        HostWidgetOf(*this).RouteEventsOf(edit);
        OnNativeSignal(Host(), edit, &QLineEdit::textEdited,
                       [](TWinControl& control) { SendCommand(control, CBN_EDITCHANGE); });
    }
    if (FStyle == csOwnerDrawFixed && !dynamic_cast<TOwnerDrawDelegate*>(combo->itemDelegate())) {
        combo->setItemDelegate(new TOwnerDrawDelegate(
            combo,
            [this](QPainter& painter, TSize size, int index, const TRect& rect, TOwnerDrawState state) {
                PaintItem(painter, size, index, rect, state);
            },
            [this] { return FItemHeight; }));
    }
}

void TComboBox::UpdateNativeColors()
{
    if (QComboBox* combo = Combo())
        ApplyNativeColors(combo, GetColor(), Font().GetColor(), QPalette::Base);
}

void TComboBox::Fill()
{
    QComboBox* combo = Combo();
    const QSignalBlocker blocker(combo);
    const QString text = combo->currentText();
    combo->clear();
    for (int i = 0; i < FItems.Count(); ++i)
        combo->addItem(ToQString(FItems.GetStrings(i)));
    combo->setCurrentIndex(-1);
    if (HasEdit())
        combo->lineEdit()->setText(text);
}

void TComboBox::ShowIndex(int Index)
{
    QComboBox* combo = Combo();
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(Index);
    if (Index < 0 && HasEdit())
        combo->lineEdit()->clear();
}

void TComboBox::ItemInserted(int Index)
{
    if (QComboBox* combo = Combo()) {
        const QSignalBlocker blocker(combo);
        const int current = combo->currentIndex();
        const QString text = combo->currentText();
        combo->insertItem(Index, ToQString(FItems.GetStrings(Index)));
        // Qt chooses the first line of an empty list by itself; the choice is the program's.
        combo->setCurrentIndex(current < 0 ? -1 : current >= Index ? current + 1 : current);
        if (current < 0 && HasEdit())
            combo->lineEdit()->setText(text);
        return;
    }
    if (FItemIndex >= Index)
        ++FItemIndex;
}

void TComboBox::ItemDeleted(int Index)
{
    if (QComboBox* combo = Combo()) {
        const QSignalBlocker blocker(combo);
        const int current = combo->currentIndex();
        combo->removeItem(Index);
        ShowIndex(current == Index ? -1 : current > Index ? current - 1 : current);
        return;
    }
    if (FItemIndex == Index)
        FItemIndex = -1;
    else if (FItemIndex > Index)
        --FItemIndex;
}

void TComboBox::ItemChanged(int Index)
{
    if (QComboBox* combo = Combo()) {
        const QSignalBlocker blocker(combo);
        combo->setItemText(Index, ToQString(FItems.GetStrings(Index)));
    }
}

void TComboBox::ItemsReset()
{
    if (Combo()) {
        Fill();
        return;
    }
    FItemIndex = -1;
}

int TComboBox::GetItemIndex() const
{
    if (const QComboBox* combo = Combo())
        return combo->currentIndex();
    return FItemIndex;
}

void TComboBox::SetItemIndex(int Value)
{
    const int index = Value >= 0 && Value < FItems.Count() ? Value : -1;
    if (Combo()) {
        ShowIndex(index);
        return;
    }
    FItemIndex = index;
    TControl::SetText(index >= 0 ? FItems.GetStrings(index) : std::string());
}

std::string TComboBox::GetText() const
{
    if (const QComboBox* combo = Combo())
        return FromQString(combo->currentText());
    if (!HasEdit())
        return FItemIndex >= 0 ? FItems.GetStrings(FItemIndex) : std::string();
    return TControl::GetText();
}

void TComboBox::SetText(const std::string& Value)
{
    if (!HasEdit()) {
        if (const int index = FItems.IndexOf(Value); index >= 0)
            SetItemIndex(index);
        return;
    }
    if (QComboBox* combo = Combo()) {
        if (FromQString(combo->currentText()) == Value)
            return;
        const QSignalBlocker blocker(combo);
        combo->lineEdit()->setText(ToQString(Value));
        Perform(CM_TEXTCHANGED);
        return;
    }
    TControl::SetText(Value);
}

void TComboBox::SetStyle(TComboBoxStyle Value)
{
    if (Value == FStyle)
        return;
    FStyle = Value;
    RecreateWnd();
}

void TComboBox::SetDropDownCount(int Value)
{
    FDropDownCount = std::max(Value, 1);
    if (QComboBox* combo = Combo())
        combo->setMaxVisibleItems(FDropDownCount);
}

void TComboBox::SetItemHeight(int Value)
{
    FItemHeight = std::max(Value, 1);
}

bool TComboBox::GetDroppedDown() const
{
    const QComboBox* combo = Combo();
    return combo && combo->view()->isVisible();
}

void TComboBox::SetDroppedDown(bool Value)
{
    QComboBox* combo = Combo();
    if (!combo || Value == GetDroppedDown())
        return;
    if (Value)
        combo->showPopup();
    else
        combo->hidePopup();
}

void TComboBox::Change()
{
    if (OnChange && !IsDestroying())
        OnChange(this);
}

void TComboBox::Select()
{
    if (IsDestroying())
        return;
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TComboBox::DropDown()
{
    if (OnDropDown && !IsDestroying())
        OnDropDown(this);
}

void TComboBox::CloseUp()
{
    if (OnCloseUp && !IsDestroying())
        OnCloseUp(this);
}

void TComboBox::PaintItem(QPainter& Painter, TSize DeviceSize, int Index, const TRect& Rect, TOwnerDrawState State)
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
    });
}

void TComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    FCanvas->FillRect(Rect);
    FCanvas->TextOut(Rect.Left + 2, Rect.Top, FItems.GetStrings(Index));
}

void TComboBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND: {
        const TControlRef<> alive(this);
        switch (TWMCommand(Message).NotifyCode()) {
        case CBN_SELCHANGE:
            Click();
            if (alive)
                Select();
            return;
        case CBN_EDITCHANGE:
            Change();
            return;
        case CBN_DROPDOWN:
            DropDown();
            return;
        case CBN_CLOSEUP:
            CloseUp();
            return;
        default:
            break;
        }
        break;
    }
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    default:
        break;
    }
    TWinControl::Dispatch(Message);
}

}  // namespace plat
