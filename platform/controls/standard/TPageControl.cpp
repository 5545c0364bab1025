#include "platform/controls/standard/TPageControl.h"

#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/qt/HostWidget.h"
#include "platform/controls/standard/TTabSheet.h"
#include "platform/core/Exception.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TCanvas.h"

#include <QFontMetrics>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>

namespace plat {

namespace {

// The page area lies this far inside the frame below the tabs.
constexpr int PageInsetPx = 4;

}  // namespace

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(GetControlStyle() + TControlStyle{csAcceptsControls});
    SetColor(clBtnFace);
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TPageControl::~TPageControl()
{
    // The pages go with the control tree; they must not come back here on their way.
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

QTabBar* TPageControl::TabBar() const
{
    return HandleAllocated() ? Host()->Widget()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

TTabSheet* TPageControl::Pages(int Index) const
{
    if (Index < 0 || Index >= PageCount())
        throw EListError("List index out of bounds (%d)", {Index});
    return FPages[static_cast<std::size_t>(Index)];
}

int TPageControl::TabHeight() const
{
    return QFontMetrics(ToQFont(Font())).height() + 10;
}

TRect TPageControl::DisplayRect() const
{
    const TRect client = GetClientRect();
    const int top = TabHeight() + PageInsetPx;
    return Rect(PageInsetPx, top, std::max(client.Right - PageInsetPx, PageInsetPx),
                std::max(client.Bottom - PageInsetPx, top));
}

TRect TPageControl::TabRect(int Index) const
{
    const QTabBar* tabs = TabBar();
    if (!tabs || Index < 0 || Index >= tabs->count())
        return {};
    return FromQRect(tabs->tabRect(Index));
}

void TPageControl::CreateWnd()
{
    TCustomControl::CreateWnd();
    QWidget* widget = Host()->Widget();
    widget->setFocusPolicy(Qt::StrongFocus);
    auto* tabs = new QTabBar(widget);
    tabs->setDrawBase(false);
    tabs->setExpanding(false);
    tabs->setUsesScrollButtons(true);
    tabs->setFocusPolicy(Qt::NoFocus);
    tabs->setGeometry(0, 0, GetClientWidth(), TabHeight());
    HostWidgetOf(*this).RouteEventsOf(tabs);
    TWindowHost* host = Host();
    QObject::connect(tabs, &QTabBar::currentChanged, tabs, [host](int index) {
        if (TWinControl* control = host->Control())
            Guarded(control, [&] { static_cast<TPageControl*>(control)->TabChosen(index); });
    });
    tabs->show();
    UpdateTabs();
}

void TPageControl::UpdateTabs()
{
    QTabBar* tabs = TabBar();
    if (!tabs)
        return;
    const QSignalBlocker blocker(tabs);
    while (tabs->count() > 0)
        tabs->removeTab(0);
    for (const TTabSheet* page : FPages)
        if (page->GetTabVisible())
            tabs->addTab(ToQString(page->GetCaption()));
    tabs->setCurrentIndex(FActivePage ? FActivePage->TabIndex() : -1);
}

void TPageControl::PlacePages()
{
    const TRect area = DisplayRect();
    for (TTabSheet* page : FPages)
        page->SetBoundsRect(area);
    if (QTabBar* tabs = TabBar())
        tabs->setGeometry(0, 0, GetClientWidth(), TabHeight());
}

void TPageControl::InsertPage(TTabSheet* Page)
{
    FPages.push_back(Page);
    Page->FPageControl = this;
    Page->SetBoundsRect(DisplayRect());
    UpdateTabs();
    if (!FActivePage)
        ShowPage(Page);
}

void TPageControl::RemovePage(TTabSheet* Page)
{
    TTabSheet* next = FindNextPage(Page, true, true);
    if (next == Page)
        next = nullptr;
    std::erase(FPages, Page);
    Page->FPageControl = nullptr;
    if (Page == FActivePage) {
        FActivePage = nullptr;
        ShowPage(next);
    }
    UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* Page, int Index)
{
    std::erase(FPages, Page);
    const int at = std::clamp(Index, 0, PageCount());
    FPages.insert(FPages.begin() + at, Page);
    UpdateTabs();
}

void TPageControl::ShowPage(TTabSheet* Page)
{
    TTabSheet* old = FActivePage;
    if (old && old != Page && old->ContainsControl(FocusManager::Focused()) && CanFocus())
        SetFocus();
    FActivePage = Page;
    if (Page) {
        Page->SetBoundsRect(DisplayRect());
        Page->SetVisible(true);
        Page->BringToFront();
    }
    if (old && old != Page)
        old->SetVisible(false);
    if (QTabBar* tabs = TabBar()) {
        const QSignalBlocker blocker(tabs);
        tabs->setCurrentIndex(Page ? Page->TabIndex() : -1);
    }
}

void TPageControl::SetActivePage(TTabSheet* Page)
{
    if (Page && Page->FPageControl != this)
        return;
    if (Page != FActivePage)
        ShowPage(Page);
}

int TPageControl::GetActivePageIndex() const
{
    return FActivePage ? FActivePage->GetPageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? FPages[static_cast<std::size_t>(Value)] : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const
{
    const int count = PageCount();
    if (count == 0)
        return nullptr;
    const auto found = std::find(FPages.begin(), FPages.end(), CurPage);
    int index = found == FPages.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(found - FPages.begin());
    for (int step = 0; step < count; ++step) {
        index = GoForward ? (index + 1) % count : (index + count - 1) % count;
        TTabSheet* page = FPages[static_cast<std::size_t>(index)];
        if (!CheckTabVisible || page->GetTabVisible())
            return page;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward)
{
    TTabSheet* page = FindNextPage(FActivePage, GoForward, true);
    if (!page || page == FActivePage)
        return;
    const TControlRef<> alive(this);
    if (!CanChange() || !alive)
        return;
    ShowPage(page);
    Change();
}

void TPageControl::TabChosen(int TabIndex)
{
    TTabSheet* chosen = nullptr;
    for (TTabSheet* page : FPages)
        if (page->TabIndex() == TabIndex && TabIndex >= 0)
            chosen = page;
    if (!chosen || chosen == FActivePage)
        return;
    ShowPage(chosen);
    Change();
}

bool TPageControl::CanChange()
{
    bool allow = true;
    if (OnChanging && !IsDestroying())
        OnChanging(this, allow);
    return allow;
}

void TPageControl::Change()
{
    if (OnChange && !IsDestroying())
        OnChange(this);
}

void TPageControl::KeyDown(unsigned& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if ((Key == VK_LEFT || Key == VK_RIGHT) && Shift.Empty()) {
        SelectNextPage(Key == VK_RIGHT);
        Key = 0;
    }
}

void TPageControl::Paint()
{
    TCanvas& canvas = Canvas();
    TRect frame = Rect(0, TabHeight(), GetClientWidth(), GetClientHeight());
    canvas.DrawEdge(frame, EDGE_RAISED, BF_RECT);
}

void TPageControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (QTabBar* tabs = TabBar()) {
            const TPoint pos = TWMMouse(Message).Pos();
            const int tab = tabs->tabAt(QPoint(pos.X, pos.Y));
            // A refused change keeps the press from the tab bar.
            if (tab >= 0 && tab != tabs->currentIndex() && !CanChange())
                return;
        }
        break;
    case WM_SIZE:
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(Message);
        PlacePages();
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

}  // namespace plat
