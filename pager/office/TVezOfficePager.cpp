#include "pager/office/TVezOfficePager.h"

#include "foundation/TGDIPPicture.h"
#include "foundation/TVezHintInfo.h"
#include "pager/glow/GlowTextMeasurer.h"
#include "pager/glow/TGlowButtonAppearance.h"
#include "pager/office/PagerEnvironment.h"
#include "pager/office/PagerLayoutString.h"
#include "pager/office/InsertButton.h"
#include "pager/office/PagerDesignerHint.h"
#include "pager/office/TabContent.h"
#include "pager/office/PagerButtonDressing.h"
#include "pager/office/TPageButtonSettings.h"
#include "pager/office/TabPainting.h"
#include "pager/office/TabProgressBar.h"
#include "pager/office/TabStrip.h"
#include "pager/office/TabContentLayout.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePagerOfficeStyler.h"
#include "pager/office/TabCaption.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/ParentBackdrop.h"
#include "platform/controls/core/MessageDelivery.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/HintInfo.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/forms/TPopupMenu.h"
#include "platform/core/Exception.h"
#include "platform/core/ScopedRestore.h"
#include "platform/core/TStringList.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TImageList.h"
#include "platform/system/AtomicFile.h"

#include <algorithm>

namespace skelda::pager {

namespace {

// Frees a pager button once the event that dropped it is over (WParam: the button, LParam: 0
// for a glow button, 1 for a chrome one).
unsigned DestroyCloseButtonMessage()
{
    static const unsigned message = plat::RegisterWindowMessage("OPDESTROYCLOSEBTN");
    return message;
}

// Points Field at Value, watching for the freeing of what it points at, so that the pager can
// forget it; false when Field already held Value.
template <class TWatched>
bool WatchInstead(plat::TComponent& Watcher, TWatched*& Field, TWatched* Value)
{
    if (Field == Value)
        return false;
    if (Field)
        Field->RemoveFreeNotification(&Watcher);
    Field = Value;
    if (Field)
        Field->FreeNotification(&Watcher);
    return true;
}

}  // namespace

TVezOfficePager::TVezOfficePager(plat::TComponent* AOwner)
    : plat::TCustomControl(AOwner),
      FButtonSettings(std::make_unique<TPageButtonSettings>()),
      FButtonsBkg(std::make_unique<plat::TBitmap>()),
      FOfficeHint(std::make_unique<foundation::TVezHintInfo>())
{
    FIsAeroVista = IsComCtl6() && PagerCompositionEnabled() && !Designing();
    plat::TControlStyle style = GetControlStyle();
    style.Include(plat::csAcceptsControls);
    style.Exclude(plat::csOpaque);
    SetControlStyle(style);

    FInternalOfficePagerStyler = new TCustomVezOfficePagerStyler(this);
    FInternalOfficePagerStyler->SetName("InternalStyler");
    FCurrentOfficePagerStyler = FInternalOfficePagerStyler;
    FInternalOfficePagerStyler->AddControl(this);

    FTabSettings.OnChange = [this](plat::TObject*) { TabSettingsChanged(); };
    FTabSettings.OnGlassChange = [this](bool) { SyncGlassFrame(); };
    FButtonSettings->OnChange = [this](plat::TObject*) { ButtonSettingsChanged(); };
    SetShowHint(false);
    SetDoubleBuffered(true);
    SetBounds(GetLeft(), GetTop(), 400, 200);
    FDesignTime = Designing() && !(AOwner && AOwner->ComponentState().Contains(plat::csLoading));

    TVezOfficePagerOfficeStyler luna(nullptr);
    luna.SetStyle(psOffice2007Luna);
    FInternalOfficePagerStyler->Assign(luna);
}

TVezOfficePager::~TVezOfficePager()
{
    Destroying();
    ReleaseLayerReferences();
    FreeFloatingWindows();
    if (FOfficePagerStyler && FOfficePagerStyler != FInternalOfficePagerStyler)
        FOfficePagerStyler->RemoveControl(this);
    delete FInternalOfficePagerStyler;
    FInternalOfficePagerStyler = nullptr;
    FCurrentOfficePagerStyler = nullptr;
    // The pages belong to their owner, not to the pager: they only lose their pager.
    for (int i = 0; i < FVezPages.Count(); ++i)
        FVezPages.Get(i)->AttachTo(nullptr);
    FVezPages.Clear();
    FActivePage = nullptr;
    FClosedPages.clear();
}

std::string TVezOfficePager::GetVersion() const
{
    const auto nr = static_cast<unsigned>(GetVersionNr());
    return std::to_string((nr >> 24) & 0xFF) + "." + std::to_string((nr >> 16) & 0xFF) + "." +
           std::to_string((nr >> 8) & 0xFF) + "." + std::to_string(nr & 0xFF);
}

void TVezOfficePager::SetParent(plat::TWinControl* AParent)
{
    if (dynamic_cast<TVezOfficePager*>(AParent))
        throw plat::EInvalidOperation("Invalid Parent");
    plat::TCustomControl::SetParent(AParent);
    if (AParent && !FPropertiesLoaded && !Designing() && !Loading()) {
        FPropertiesLoaded = true;
        UpdateButtons();
    }
}

void TVezOfficePager::Loaded()
{
    plat::TCustomControl::Loaded();
    FPropertiesLoaded = true;
    UpdateButtons();
    UpdateScroller();
}

void TVezOfficePager::CreateWnd()
{
    plat::TCustomControl::CreateWnd();
    if (!FDesignTime || GetName().empty())
        return;
    const std::string first = GetName() + "1";
    if (const plat::TCustomForm* form = plat::GetParentForm(this); form && form->FindComponent(first))
        return;
    FDesignTime = false;
    for (int i = 1; i <= 3; ++i) {
        auto* page = new TVezOfficePage(this);
        page->SetName(GetName() + std::to_string(i));
        page->SetCaption(page->GetName());
        page->SetTabIndex(i - 1);
        AddVezPage(page);
    }
    SetActivePageIndex(0);
}

// --- Pages ------------------------------------------------------------------------------------

int TVezOfficePager::AddVezPage(TVezOfficePage* VezPage)
{
    if (!VezPage)
        return -1;
    plat::TCustomForm* const floatingWindow = FloatingWindowAround(VezPage);
    int index = IndexOfPage(VezPage);
    const bool added = index < 0;
    if (added) {
        // A page lives in one pager's list only.
        if (VezPage->FVezOfficePager && VezPage->FVezOfficePager != this)
            VezPage->FVezOfficePager->RemoveVezPage(VezPage);
        if (TabIndexTaken(VezPage->GetTabIndex(), VezPage))
            VezPage->SetTabIndex(NextTabIndex());
        FVezPages.Add(VezPage);
        index = FVezPages.Count() - 1;
        if (Designing()) {
            if (!VezPage->GetUsePageAppearance())
                VezPage->PageAppearance().Assign(PageAppearanceInUse());
            if (!VezPage->GetUseTabAppearance())
                VezPage->TabAppearance().Assign(TabAppearanceInUse());
        }
    }
    if (VezPage->GetParent() != this) {
        const plat::TScopedRestore guard(VezPage->FUpdatingParent, true);
        VezPage->SetParent(this);
    }
    VezPage->AttachTo(this);
    AlignPage(VezPage);
    PageDocked(VezPage, floatingWindow);
    if (added && !VezPage->GetTabVisible())
        AddClosedPage(VezPage);
    if (VezPage != FActivePage)
        VezPage->Hide();
    InvalidateTabStrip();
    if (FActivePage) {
        FActivePage->BringToFront();
        FActivePage->Invalidate();
    }
    UpdateScroller();
    return index;
}

int TVezOfficePager::AddVezPage(const std::string& PageCaption)
{
    auto* page = new TVezOfficePage(this);
    page->SetCaption(PageCaption);
    return AddVezPage(page);
}

void TVezOfficePager::RemoveVezPage(TVezOfficePage* VezPage)
{
    if (IndexOfPage(VezPage) < 0)
        return;
    if (VezPage == FActivePage) {
        if (TVezOfficePage* next = NextSelectablePage(IndexOfPage(VezPage), true))
            ChangeActivePage(IndexOfPage(next));
        // No page to go to, or the switch was refused: the page leaves all the same.
        if (FActivePage == VezPage) {
            FActivePage = nullptr;
            VezPage->Hide();
            if (VezPage->OnHide && !VezPage->ComponentState().Contains(plat::csDestroying))
                VezPage->OnHide(VezPage);
        }
    }
    // Handlers of the switch may have taken the page out already.
    const int index = IndexOfPage(VezPage);
    if (index < 0)
        return;
    RemoveClosedPage(VezPage);
    VezPage->HideShortCutHint();
    FVezPages.Delete(index);
    VezPage->AttachTo(nullptr);
    ReleaseButtonLater(VezPage->FCloseButton, 0);
    ReleaseButtonLater(VezPage->FCloseButtonChrome, 1);
    if (!IsDestroying()) {
        UpdateButtons();
        UpdateScroller();
    }
    InvalidateTabStrip();
    Invalidate();
    InvalidateActivePage();
}

void TVezOfficePager::MoveVezPage(int CurIndex, int NewIndex)
{
    const int count = FVezPages.Count();
    if (CurIndex < 0 || CurIndex >= count || NewIndex < 0 || NewIndex >= count)
        return;
    const int oldActive = GetActivePageIndex();
    FVezPages.Move(CurIndex, NewIndex);
    const int newActive = GetActivePageIndex();
    // The active page stays the active page; its handlers hear that its number changed.
    if (oldActive != newActive) {
        bool allow = true;
        if (OnChanging && FPropertiesLoaded && !IsDestroying())
            OnChanging(this, oldActive, newActive, allow);
        if (allow) {
            UpdateButtons();
            if (OnChange && !IsDestroying() && !Loading())
                OnChange(this);
        }
    }
    UpdateScroller();
    if (OnTabMoved)
        OnTabMoved(this, CurIndex, NewIndex);
}

void TVezOfficePager::ClearVezPages()
{
    for (int i = FVezPages.Count() - 1; i >= 0; --i)
        if (i < FVezPages.Count())
            delete FVezPages.Get(i);
}

void TVezOfficePager::ResetPages()
{
    DockFloatingPages();
    for (int i = 0; i < FVezPages.Count(); ++i)
        FVezPages.Get(i)->SetTabVisible(true);
    // Creation order is TabIndex order; numbers left free by removed pages are passed over.
    for (int position = 0; position < FVezPages.Count(); ++position) {
        int lowest = position;
        for (int i = position + 1; i < FVezPages.Count(); ++i)
            if (FVezPages.Get(i)->GetTabIndex() < FVezPages.Get(lowest)->GetTabIndex())
                lowest = i;
        if (lowest != position)
            MoveVezPage(lowest, position);
    }
}

int TVezOfficePager::GetVezPageVisibleCount() const
{
    int count = 0;
    for (int i = 0; i < FVezPages.Count(); ++i)
        if (FVezPages.Get(i)->GetVisible())
            ++count;
    return count;
}

void TVezOfficePager::InsertNewPage()
{
    const int index = AddVezPage("VezOfficePage" + std::to_string(FVezPages.Count()));
    TVezOfficePage* page = FVezPages.Get(index);
    SetActivePageIndex(index);
    if (OnInsertPage)
        OnInsertPage(this, page);
}

void TVezOfficePager::InitOrder()
{
    for (int i = 0; i < FVezPages.Count(); ++i)
        FVezPages.Get(i)->SetTabIndex(i);
    // Floating pages come back with their number: it must name them alone.
    int next = FVezPages.Count();
    for (int i = 0; i < FFloatingPages.Count(); ++i)
        FFloatingPages.Page(i)->SetTabIndex(next++);
}

int TVezOfficePager::NextTabIndex() const
{
    int next = 0;
    for (int i = 0; i < FVezPages.Count(); ++i)
        next = std::max(next, FVezPages.Get(i)->GetTabIndex() + 1);
    // A floating page comes back with its number.
    for (int i = 0; i < FFloatingPages.Count(); ++i)
        next = std::max(next, FFloatingPages.Page(i)->GetTabIndex() + 1);
    return next;
}

bool TVezOfficePager::TabIndexTaken(int TabIndex, const TVezOfficePage* Except) const
{
    const auto holds = [&](const TVezOfficePage* Page) { return Page != Except && Page->GetTabIndex() == TabIndex; };
    for (int i = 0; i < FVezPages.Count(); ++i)
        if (holds(FVezPages.Get(i)))
            return true;
    // A floating page keeps its number for when it docks again.
    for (int i = 0; i < FFloatingPages.Count(); ++i)
        if (holds(FFloatingPages.Page(i)))
            return true;
    return false;
}

TVezOfficePage* TVezOfficePager::PageByTabIndex(int TabIndex) const
{
    for (int i = 0; i < FVezPages.Count(); ++i)
        if (FVezPages.Get(i)->GetTabIndex() == TabIndex)
            return FVezPages.Get(i);
    return nullptr;
}

// --- The active page --------------------------------------------------------------------------

void TVezOfficePager::SetActivePage(TVezOfficePage* Page)
{
    const int index = IndexOfPage(Page);
    if (index >= 0)
        SetActivePageIndex(index);
}

void TVezOfficePager::SetActivePageIndex(int Value)
{
    if (Value >= 0 && Value < FVezPages.Count() && TPagerTabLayout::IsNone(GetTabRect(Value))) {
        int before = 0;
        for (int i = 0; i < Value; ++i)
            if (FVezPages.Get(i)->GetTabVisible())
                ++before;
        FTabScroller.SetPosition(std::min(before, FTabScroller.GetMax()));
    }
    ChangeActivePage(Value);
    InvalidateTabStrip();
}

void TVezOfficePager::ChangeActivePage(int Value)
{
    const int count = FVezPages.Count();
    if (Value < 0 || Value >= count || (Value == GetActivePageIndex() && count > 1))
        return;
    if (FShortCutHints.Showing())
        HideTabShortCutHints();
    bool allow = true;
    if (OnChanging && FPropertiesLoaded && !IsDestroying())
        OnChanging(this, GetActivePageIndex(), Value, allow);
    // The handler may have changed the list.
    if (!allow || Value >= FVezPages.Count())
        return;
    TVezOfficePage* const newPage = FVezPages.Get(Value);
    plat::TCustomForm* const form = plat::GetParentForm(this);
    plat::TWinControl* const focused = form ? form->GetActiveControl() : nullptr;
    const bool hadFocus = FActivePage && focused && FActivePage->ContainsControl(focused);
    TVezOfficePage* const old = FActivePage;
    if (old) {
        old->Hide();
        // A page on its way out hears nothing more.
        if (old->OnHide && !old->ComponentState().Contains(plat::csDestroying))
            old->OnHide(old);
    }
    FActivePage = newPage;
    UpdateButtons();
    if (GetVisible() || Designing()) {
        // Its OnShow fires below, once, after the page is shown and focused.
        plat::TNotifyEvent onShow = std::exchange(newPage->OnShow, nullptr);
        newPage->Show();
        newPage->BringToFront();
        if (hadFocus) {
            if (newPage->CanFocus())
                newPage->SetFocus();
            else if (CanFocus())
                SetFocus();
            if (!Designing())
                newPage->SelectFirstControl();
        }
        newPage->OnShow = std::move(onShow);
        if (!Loading() && HandleAllocated() && newPage->OnShow && newPage->GetVisible())
            newPage->OnShow(newPage);
    }
    if (OnChange && !IsDestroying() && !Loading())
        OnChange(this);
}

void TVezOfficePager::SelectNextPage(bool GoForward)
{
    const int active = GetActivePageIndex();
    if (active < 0)
        return;
    if (TVezOfficePage* next = NextSelectablePage(active, GoForward))
        SetActivePageIndex(IndexOfPage(next));
}

TVezOfficePage* TVezOfficePager::NextSelectablePage(int Index, bool GoForward) const
{
    const int count = FVezPages.Count();
    for (int step = 1; step < count; ++step) {
        const int i = ((Index + (GoForward ? step : -step)) % count + count) % count;
        TVezOfficePage* page = FVezPages.Get(i);
        if (page->GetTabVisible() && page->GetTabEnabled())
            return page;
    }
    return nullptr;
}

TVezOfficePage* TVezOfficePager::FindNextPage(TVezOfficePage* CurPage, bool GoForward, bool CheckTabVisible) const
{
    const int count = FVezPages.Count();
    if (count == 0)
        return nullptr;
    const int start = IndexOfPage(CurPage);
    if (start < 0)
        return FVezPages.Get(GoForward ? 0 : count - 1);
    for (int step = 1; step <= count; ++step) {
        const int i = ((start + (GoForward ? step : -step)) % count + count) % count;
        TVezOfficePage* page = FVezPages.Get(i);
        if (!CheckTabVisible || page->GetTabVisible())
            return page;
    }
    return nullptr;
}

// --- Closed pages -----------------------------------------------------------------------------

TVezOfficePage* TVezOfficePager::ClosedPage(int Index) const
{
    if (Index < 0 || Index >= ClosedPageCount())
        throw plat::EListError("Index out of bounds in list read access");
    return FClosedPages[static_cast<std::size_t>(Index)].Page;
}

const std::string& TVezOfficePager::ClosedPageName(int Index) const
{
    ClosedPage(Index);
    return FClosedPages[static_cast<std::size_t>(Index)].Name;
}

void TVezOfficePager::PageTabVisibilityChanged(TVezOfficePage* Page)
{
    if (Page->GetTabVisible())
        RemoveClosedPage(Page);
    else
        AddClosedPage(Page);
    UpdateClosedListButton();
}

void TVezOfficePager::AddClosedPage(TVezOfficePage* Page)
{
    RemoveClosedPage(Page);
    FClosedPages.push_back({Page->GetName(), Page});
}

void TVezOfficePager::RemoveClosedPage(const TVezOfficePage* Page)
{
    std::erase_if(FClosedPages, [Page](const TClosedPage& Closed) { return Closed.Page == Page; });
}

// --- Buttons dropped later ----------------------------------------------------------------------

void TVezOfficePager::ReleaseButtonLater(plat::TControl*& Button, int Kind)
{
    if (!Button)
        return;
    Button->Hide();
    plat::PostMessage(this, DestroyCloseButtonMessage(), reinterpret_cast<plat::WPARAM>(Button),
                      static_cast<plat::LPARAM>(Kind));
    Button = nullptr;
}

void TVezOfficePager::DestroyReleasedButton(plat::TControl* Button)
{
    // Only a button the pager still owns: the message may outlive it.
    for (int i = 0; i < ComponentCount(); ++i)
        if (Components(i) == Button) {
            delete Button;
            return;
        }
}

void TVezOfficePager::Dispatch(plat::TMessage& Message)
{
    if (FTabDrag.Dragging() && TabDragMessage(Message))
        return;
    if (Message.Msg == DestroyCloseButtonMessage()) {
        if (Message.WParam != 0)
            DestroyReleasedButton(reinterpret_cast<plat::TControl*>(Message.WParam));
        return;
    }
    if (Message.Msg == plat::CM_DESIGNHITTEST && Designing()) {
        // Tabs take clicks in the designer, so that pages can be chosen there.
        const plat::TPoint p = ScreenToClient(plat::GetCursorPos());
        if (FLayout.GetTabsRect().Contains(p) && plat::GetKeyState(plat::VK_LBUTTON) < 0 &&
            IndexOfTabAt(p.X, p.Y) >= 0) {
            Message.Result = 1;
            return;
        }
    }
    switch (Message.Msg) {
    case plat::CM_MOUSELEAVE:
        plat::TCustomControl::Dispatch(Message);
        MouseLeft();
        return;
    case plat::WM_LBUTTONDOWN:
        plat::TCustomControl::Dispatch(Message);
        DragDockedControlOut(plat::TWMMouse(Message).Pos());
        return;
    case plat::WM_LBUTTONDBLCLK:
        plat::TCustomControl::Dispatch(Message);
        // The tab that was double-clicked has gone with the control it held.
        if (!FloatDockedControl(plat::TWMMouse(Message).Pos()))
            TabDoubleClicked(plat::TWMMouse(Message).Pos());
        return;
    case plat::CM_DOCKCLIENT:
        DockClient(Message);
        return;
    case plat::CM_UNDOCKCLIENT:
        UndockClient(Message);
        return;
    case plat::CM_DOCKNOTIFICATION:
        DockNotification(Message);
        break;
    case plat::WM_GETDLGCODE:
        Message.Result = plat::DLGC_WANTARROWS | plat::DLGC_WANTCHARS;
        return;
    case plat::CM_DIALOGKEY: {
        const plat::TWMKey key(Message);
        if (DialogKey(key.CharCode(), plat::KeyDataToShiftState(key.KeyData()))) {
            Message.Result = 1;
            return;
        }
        break;
    }
    case plat::CM_DIALOGCHAR:
        if (DialogChar(static_cast<char32_t>(plat::TWMKey(Message).CharCode()))) {
            Message.Result = 1;
            return;
        }
        break;
    case plat::CM_FOCUSCHANGED:
    case plat::WM_KILLFOCUS:
        plat::TCustomControl::Dispatch(Message);
        FocusMessage(Message);
        return;
    case plat::CM_HINTSHOW:
        plat::TCustomControl::Dispatch(Message);
        if (plat::THintInfo* info = plat::TCMHintShow(Message).HintInfo())
            HintShowing(*info);
        return;
    default:
        break;
    }
    if (Message.Msg == plat::CM_VISIBLECHANGED) {
        plat::TCustomControl::Dispatch(Message);
        if (FActivePage)
            FActivePage->SetVisible(GetVisible());
        return;
    }
    plat::TCustomControl::Dispatch(Message);
}

// --- Layout string ------------------------------------------------------------------------------

std::string TVezOfficePager::GetSettings() const
{
    std::string text = "P:" + std::to_string(GetActivePageIndex());
    for (int i = 0; i < FVezPages.Count(); ++i) {
        const TVezOfficePage* page = FVezPages.Get(i);
        text += (page->GetTabVisible() ? ",V:" : ",H:") + std::to_string(page->GetTabIndex());
    }
    return text + FFloatingPages.LayoutItems();
}

void TVezOfficePager::SetSettings(const std::string& Value)
{
    ResetPages();
    int active = 0;
    std::vector<int> order;
    for (const TPagerLayoutItem& item : ParsePagerLayout(Value)) {
        if (item.Kind == 'P') {
            active = item.Number;
            continue;
        }
        TVezOfficePage* page = PageByTabIndex(item.Number);
        if (!page)
            continue;
        if (item.Kind == 'F') {
            const auto fromLayout = FFloatingPages.PlacingFromLayout();
            FloatPage(page, item.Left, item.Top, item.Width, item.Height);
            continue;
        }
        page->SetTabVisible(item.Kind == 'V');
        // Hidden tabs take their places as well: the saved active index counts them.
        if (std::find(order.begin(), order.end(), item.Number) == order.end())
            order.push_back(item.Number);
    }
    // A page named and then floated has left the list: it takes no place.
    int position = 0;
    for (const int tabIndex : order)
        if (TVezOfficePage* page = PageByTabIndex(tabIndex))
            MoveVezPage(IndexOfPage(page), position++);
    SetActivePageIndex(active);
}

void TVezOfficePager::SaveToFile(const std::string& FileName) const
{
    std::string error;
    if (!plat::WriteFileAtomically(FileName, GetSettings() + "\r\n", error))
        throw plat::EFCreateError("Cannot create file \"" + FileName + "\". " + error);
}

void TVezOfficePager::LoadFromFile(const std::string& FileName)
{
    plat::TStringList lines;
    lines.LoadFromFile(FileName);
    if (lines.Count() == 1)
        SetSettings(lines.GetStrings(0));
}

// --- Styler and appearance ----------------------------------------------------------------------

void TVezOfficePager::SetVezOfficePagerStyler(TCustomVezOfficePagerStyler* Value)
{
    SetPagesCacheValid(false);
    if (Value && Value == FOfficePagerStyler)
        return;
    if (FOfficePagerStyler && FOfficePagerStyler != FInternalOfficePagerStyler)
        FOfficePagerStyler->RemoveControl(this);
    FOfficePagerStyler = Value;
    if (Value) {
        FCurrentOfficePagerStyler = Value;
        Value->AddControl(this, this);
    } else {
        FCurrentOfficePagerStyler = FInternalOfficePagerStyler;
    }
    if (!IsDestroying() && !Loading())
        for (int i = 0; i < FVezPages.Count(); ++i)
            FVezPages.Get(i)->Invalidate();
    StylerChanged(static_cast<TStylerChange>(0));
    if (FOfficePagerStyler)
        FOfficePagerStyler->UpdateTones();
    SetPagesCacheValid(false);
    Invalidate();
}

void TVezOfficePager::StylerDestroying(TCustomVezOfficePagerStyler& Styler)
{
    if (&Styler == FOfficePagerStyler)
        SetVezOfficePagerStyler(nullptr);
}

void TVezOfficePager::Notification(plat::TComponent* AComponent, plat::TOperation Operation)
{
    if (Operation == plat::opRemove && !IsDestroying()) {
        // The component may be half torn down: only its address is compared.
        if (FOfficePagerStyler && AComponent == static_cast<plat::TComponent*>(FOfficePagerStyler)) {
            FOfficePagerStyler = nullptr;
            FCurrentOfficePagerStyler = FInternalOfficePagerStyler;
            StylerChanged(static_cast<TStylerChange>(0));
        }
        if (FImages && AComponent == static_cast<plat::TComponent*>(FImages))
            SetImages(nullptr);
        if (FDisabledImages && AComponent == static_cast<plat::TComponent*>(FDisabledImages))
            SetDisabledImages(nullptr);
        if (FPageListMenu && AComponent == static_cast<plat::TComponent*>(FPageListMenu))
            SetPageListMenu(nullptr);
        if (FClosedListMenu && AComponent == static_cast<plat::TComponent*>(FClosedListMenu))
            FClosedListMenu = nullptr;
        for (int i = 0; i < FVezPages.Count(); ++i)
            if (AComponent == static_cast<plat::TComponent*>(FVezPages.Get(i))) {
                RemoveVezPage(FVezPages.Get(i));
                break;
            }
    }
    plat::TCustomControl::Notification(AComponent, Operation);
}

TTabAppearance& TVezOfficePager::TabAppearanceInUse() const
{
    return FTabAppearance && FItones ? *FTabAppearance : CurrentStyler().TabAppearance();
}

TVistaBackground& TVezOfficePager::PageAppearanceInUse() const
{
    return FPageAppearance && FItones ? *FPageAppearance : CurrentStyler().PageAppearance();
}

const TTabAppearance& TVezOfficePager::TabAppearanceFor(const TVezOfficePage& Page) const
{
    return Page.GetUseTabAppearance() ? Page.TabAppearance() : TabAppearanceInUse();
}

bool TVezOfficePager::UseShow3D() const
{
    return FItones ? FShow3D : CurrentStyler().GetShow3D();
}

bool TVezOfficePager::UseShadow() const
{
    return FItones ? FShadow : CurrentStyler().GetShowShadow();
}

void TVezOfficePager::StylerChanged(TStylerChange Kind)
{
    if (Designing()) {
        SetPagesPageAppearance(&CurrentStyler().PageAppearance());
        SetPagesTabAppearance(&CurrentStyler().TabAppearance());
    }
    SetPagesCacheValid(false);
    Invalidate();
    InvalidateActivePage();
    // A styler's font is the tabs' font: a new styler or a font change lays the tabs out again.
    TabLengthsChanged();
    if (Kind == scPageAppearance || Kind == scGlowButtonAppearance)
        UpdateButtons();
    else if (Kind == scTabFont)
        TabSettingsChanged();
    else if (Kind == 0)
        UpdateScroller();
    if (FItones) {
        FItones = false;
        FTabRoundEdges = true;
        FShow3D = true;
        FShadow = true;
        UpdateButtons();
        UpdateGlowTimer();
    }
}

void TVezOfficePager::TabSettingsChanged()
{
    SetPagesCacheValid(false);
    AlignPages();
    UpdateButtons();
    UpdateScroller();
    Invalidate();
    InvalidateActivePage();
}

void TVezOfficePager::SetPagesCacheValid(bool Value)
{
    for (int i = 0; i < FVezPages.Count(); ++i)
        FVezPages.Get(i)->SetValidCache(Value);
}

void TVezOfficePager::SetPagesPageAppearance(const TVistaBackground* Appearance)
{
    if (!Appearance)
        return;
    for (int i = 0; i < FVezPages.Count(); ++i)
        if (!FVezPages.Get(i)->GetUsePageAppearance())
            FVezPages.Get(i)->PageAppearance().Assign(*Appearance);
}

void TVezOfficePager::SetPagesTabAppearance(const TTabAppearance* Appearance)
{
    if (!Appearance)
        return;
    for (int i = 0; i < FVezPages.Count(); ++i)
        if (!FVezPages.Get(i)->GetUseTabAppearance())
            FVezPages.Get(i)->TabAppearance().Assign(*Appearance);
}

// --- Glass ----------------------------------------------------------------------------------------

bool TVezOfficePager::GlassActive() const
{
    return FTabSettings.GetGlass() && FIsAeroVista && FTransparent && !Designing();
}

bool TVezOfficePager::GlassExtendsPage() const
{
    const auto* form = dynamic_cast<const plat::TCustomForm*>(GetParent());
    const plat::TAlign align = GetAlign();
    return form && form->GlassFrame().GetEnabled() && GlassActive() &&
           (align == plat::alTop || align == plat::alBottom || align == plat::alClient);
}

void TVezOfficePager::SyncGlassFrame()
{
    if (!Designing() || Loading())
        return;
    const bool glass = FTabSettings.GetGlass();
    SetTransparent(glass);
    auto* form = dynamic_cast<plat::TCustomForm*>(GetParent());
    const plat::TAlign align = GetAlign();
    if (!form || !(align == plat::alTop || align == plat::alBottom || align == plat::alClient))
        return;
    plat::TGlassFrame& frame = form->GlassFrame();
    if (glass) {
        frame.SetTop(27);
        frame.SetEnabled(true);
    } else if (frame.GetTop() == 27) {
        frame.SetTop(0);
        frame.SetEnabled(false);
    }
}

// --- Properties -----------------------------------------------------------------------------------

void TVezOfficePager::SetButtonSettings(const TPageButtonSettings& Value)
{
    FButtonSettings->Assign(Value);
    Invalidate();
    InvalidateActivePage();
}

void TVezOfficePager::ButtonSettingsChanged()
{
    if (FButtonSettings->GetClosedListButton() && !Designing())
        CreateClosedListButton();
    else
        UpdateClosedListButton();
    UpdateScroller();
    Invalidate();
    InvalidateActivePage();
}

void TVezOfficePager::SetOfficeHint(const foundation::TVezHintInfo& Value)
{
    FOfficeHint->Assign(Value);
}

void TVezOfficePager::SetTabPosition(TTabPosition Value)
{
    if (FTabPosition == Value)
        return;
    FTabPosition = Value;
    FreeArrowWindow();
    SetPagesCacheValid(false);
    AlignPages();
    UpdateScroller();
    Invalidate();
}

void TVezOfficePager::SetAntiAlias(foundation::TAntiAlias Value)
{
    if (FAntiAlias == Value)
        return;
    FAntiAlias = Value;
    // Captions measure differently with and without anti-aliasing.
    UpdateScroller();
    Invalidate();
}

void TVezOfficePager::SetCloseOnTab(bool Value)
{
    if (FCloseOnTab == Value)
        return;
    FCloseOnTab = Value;
    UpdateScroller();
    Invalidate();
    InvalidateActivePage();
}

void TVezOfficePager::SetCloseOnTabPosition(TCloseOnTabPos Value)
{
    if (FCloseOnTabPosition == Value)
        return;
    FCloseOnTabPosition = Value;
    UpdateButtons();
    InvalidateActivePage();
    Invalidate();
}

void TVezOfficePager::SetImages(plat::TImageList* Value)
{
    if (!WatchInstead(*this, FImages, Value))
        return;
    UpdateScroller();
    Invalidate();
    InvalidateActivePage();
}

void TVezOfficePager::SetDisabledImages(plat::TImageList* Value)
{
    if (!WatchInstead(*this, FDisabledImages, Value))
        return;
    UpdateScroller();
    Invalidate();
    InvalidateActivePage();
}

void TVezOfficePager::SetFixedTabs(int Value)
{
    if (Value < 0 || (Value >= FVezPages.Count() && !Loading()))
        Value = 0;
    FFixedTabs = Value;
    if (!Designing() && Value > 0)
        FTabScroller.SetPosition(0);
    UpdateScroller();
    Invalidate();
}

void TVezOfficePager::SetPageMargin(int Value)
{
    if (FPageMargin == Value)
        return;
    FPageMargin = Value;
    AlignPages();
    UpdateScroller();
    Invalidate();
}

void TVezOfficePager::SetRotateTabLeftRight(bool Value)
{
    if (FRotateTabLeftRight == Value)
        return;
    FRotateTabLeftRight = Value;
    UpdateScroller();
    Invalidate();
    InvalidateActivePage();
}

void TVezOfficePager::SetShowCloseOnNonSelectedTabs(bool Value)
{
    if (FShowCloseOnNonSelectedTabs == Value)
        return;
    FShowCloseOnNonSelectedTabs = Value;
    UpdateScroller();
    InvalidateTabStrip();
}

void TVezOfficePager::SetShowNonSelectedTabs(bool Value)
{
    if (FShowNonSelectedTabs == Value)
        return;
    FShowNonSelectedTabs = Value;
    InvalidateTabStrip();
}

void TVezOfficePager::SetPageListMenu(plat::TPopupMenu* Value)
{
    WatchInstead(*this, FPageListMenu, Value);
}

void TVezOfficePager::SetClosedListMenu(plat::TPopupMenu* Value)
{
    WatchInstead(*this, FClosedListMenu, Value);
}

void TVezOfficePager::SetTransparent(bool Value)
{
    if (FTransparent == Value)
        return;
    FTransparent = Value;
    Invalidate();
}

// --- Painting -------------------------------------------------------------------------------------

void TVezOfficePager::Paint()
{
    plat::TCanvas& canvas = Canvas();
    const plat::TRect client = GetClientRect();
    if (FTransparent)
        plat::PaintParentBackdrop(*this, canvas);
    else
        PaintTabStripBackground(canvas, TabStripPaintRect(GetTabStripRect(), client, FTabPosition),
                                TabAppearanceInUse().BackGround());
    if (ButtonsAreaInUse())
        CaptureButtonsBackground(canvas, FLayout.GetButtonsRect(), *FButtonsBkg);
    for (int i = 0; i < FVezPages.Count(); ++i)
        DrawTab(i);
    if (FButtonSettings->GetShowInsertButton())
        PaintInsertButton(canvas, {FLayout.GetInsertButtonRect(), ibsNormal, FTabSettings.GetShape(),
                                   FTabSettings.GetRounding(), FTabPosition});
    if (FTabScroller.GetVisible() || (FButtonSettings->GetCloseButton() && !FCloseOnTab) ||
        FButtonSettings->GetPageListButton())
        PaintButtonsFrame(canvas, FLayout.GetButtonsRect(), PageAppearanceInUse().GetBorderColor(), FItones,
                          GlassActive());
    if (Designing() && FVezPages.Count() == 0)
        PaintEmptyDesignerHint(canvas, plat::TControl::Font(), GetHeight());
}

void TVezOfficePager::DrawTab(int PageIndex)
{
    if (PageIndex < 0 || PageIndex >= FVezPages.Count())
        return;
    const plat::TRect r = GetTabRect(PageIndex);
    TVezOfficePage* page = FVezPages.Get(PageIndex);
    const TTabProgressPainter progress(page->Progress());
    TDrawTabRequest request;
    request.Rect = r;
    request.TabHeight = FTabSettings.GetHeight();
    request.Appearance = &TabAppearanceFor(*page);
    request.State.TabEnabled = page->GetTabEnabled();
    request.State.Active = page == FActivePage;
    request.State.Hot = PageIndex == FHotPageIndex;
    request.State.Down = PageIndex == FDownPageIndex && !Designing();
    request.State.ShowNonSelectedTabs = FShowNonSelectedTabs;
    request.State.PagerFocused = Focused();
    request.State.FadeRunning = page->HasGlowTimer();
    request.State.FadeState = page->GetGlowState();
    request.State.StepHoverPercent = page->GetStepHover();
    request.State.StepPushPercent = page->GetStepPush();
    request.State.Glowing = GlowAllowed() && FBrGlowTimer && page->GetGlow() && !Designing();
    request.State.GlowColor = page->GetGlowColor();
    request.State.PagerStepHoverPercent = FStepHover;
    request.Position = FTabPosition;
    request.RotateTabLeftRight = FRotateTabLeftRight;
    request.Shape = FTabSettings.GetShape();
    request.Rounding = FTabSettings.GetRounding();
    request.RoundEdges = FTabRoundEdges;
    request.Enabled = GetEnabled();
    request.AntiAlias = FAntiAlias;
    request.Progress = &progress;
    request.Show3D = UseShow3D();
    request.Shadow = UseShadow();
    request.Glass = GlassActive();
    request.ComposeOffscreen = request.State.Active && FCloseOnTab && FButtonSettings->GetCloseButton();
    request.ShowCheckBox = page->GetShowCheckBox();
    request.Checked = page->GetChecked();
    request.CheckBoxEnabled = page->GetEnabled();
    request.CheckBoxRect = FLayout.GetCheckBoxRect(PageIndex);
    request.ThemedCheckBox = !Designing();
    const std::optional<plat::TColor> text = pager::DrawTab(Canvas(), request);
    if (!text)
        return;
    page->SetTxtColor(*text);
    if (OnDrawTab)
        OnDrawTab(this, PageIndex, r);
    else
        DrawTabContent(PageIndex, r);
    // The active tab stays on top of the tabs beside it.
    if (FLayout.ActiveNeighbourSide(PageIndex) != 0)
        DrawTab(GetActivePageIndex());
}

bool TVezOfficePager::ButtonsAreaInUse() const
{
    const TPageButtonSettings& b = *FButtonSettings;
    return ButtonAreaInUse({FTabScroller.GetVisible(), b.GetPageListButton(), b.GetClosedListButton(),
                            !FClosedPages.empty(), b.GetCloseButton(), FCloseOnTab});
}

void TVezOfficePager::DrawTabContent(int PageIndex, const plat::TRect& R)
{
    TVezOfficePage* page = FVezPages.Get(PageIndex);
    const TPageButtonSettings& b = *FButtonSettings;
    TTabContentRequest request;
    request.Rect = R;
    request.Caption = page->GetCaption();
    request.WideCaption = page->GetWideCaption();
    request.Image = TabImage(*page);
    request.ShowClose = page->GetShowClose();
    request.ShowCheckBox = page->GetShowCheckBox();
    request.Active = page == FActivePage;
    request.Enabled = page->GetEnabled();
    request.Font = &TabAppearanceFor(*page).Font();
    request.TextColor = page->GetTxtColor();
    request.Settings = &FTabSettings;
    request.Position = FTabPosition;
    request.RotateTabLeftRight = FRotateTabLeftRight;
    request.CloseOnTab = FCloseOnTab;
    request.CloseOnLeft = FCloseOnTabPosition == cpLeft;
    request.ShowCloseOnNonSelectedTabs = FShowCloseOnNonSelectedTabs;
    request.CloseButton = b.GetCloseButton();
    request.ButtonSizePx = b.GetButtonSize();
    request.AntiAlias = FAntiAlias;
    request.Glass = GlassActive();
    if (ButtonsAreaInUse()) {
        request.ButtonsBackground = FButtonsBkg.get();
        request.ButtonsRect = FLayout.GetButtonsRect();
    }
    request.Measurer = &Measurer();
    pager::DrawTabContent(Canvas(), request);
}

TTabImage TVezOfficePager::TabImage(TVezOfficePage& Page) const
{
    return ChooseTabImage(&Page.Picture(), &Page.DisabledPicture(), FImages, FDisabledImages, Page.GetImageIndex(),
                          Page.GetEnabled(), Page.GetTabEnabled());
}

// --- Geometry -------------------------------------------------------------------------------------

void TVezOfficePager::UpdateScroller()
{
    FLayout.UpdateScroller();
    UpdateButtons();
}

void TVezOfficePager::ScrollToFirst()
{
    if (FLayout.ScrollToFirst())
        InvalidateTabStrip(), InvalidateActivePage();
}

void TVezOfficePager::ScrollToLast()
{
    if (FLayout.ScrollToLast())
        InvalidateTabStrip(), InvalidateActivePage();
}

void TVezOfficePager::ScrollBack()
{
    if (FLayout.ScrollBack())
        InvalidateTabStrip(), InvalidateActivePage();
}

void TVezOfficePager::ScrollForward()
{
    if (FLayout.ScrollForward())
        InvalidateTabStrip(), InvalidateActivePage();
}

void TVezOfficePager::AlignPages()
{
    for (int i = 0; i < FVezPages.Count(); ++i)
        AlignPage(FVezPages.Get(i));
}

void TVezOfficePager::AlignPage(TVezOfficePage* Page)
{
    if (IndexOfPage(Page) >= 0)
        Page->SetBoundsRect(FLayout.GetPageRect());
}

void TVezOfficePager::AlignControls(plat::TControl* AControl, plat::TRect& Rect)
{
    plat::TCustomControl::AlignControls(AControl, Rect);
    AlignPages();
}

void TVezOfficePager::Resize()
{
    plat::TCustomControl::Resize();
    AlignPages();
    UpdateScroller();
    if (FButtonSettings->GetClosedListButton())
        UpdateClosedListButton();
    SetPagesCacheValid(false);
}

void TVezOfficePager::SetTextMeasurer(const IGlowTextMeasurer* Measurer)
{
    FMeasurer = Measurer;
    UpdateScroller();
}

const IGlowTextMeasurer& TVezOfficePager::Measurer() const
{
    return MeasurerOrSystem(FMeasurer);
}

plat::TSize TVezOfficePager::GetTabImageSize(int PageIndex) const
{
    if (PageIndex < 0 || PageIndex >= FVezPages.Count())
        return {0, 0};
    return TabImage(*FVezPages.Get(PageIndex)).Size();
}

plat::TSize TVezOfficePager::GetTabTextSize(int PageIndex) const
{
    if (PageIndex < 0 || PageIndex >= FVezPages.Count())
        return {0, 0};
    const TVezOfficePage* page = FVezPages.Get(PageIndex);
    return pager::GetTabTextSize(const_cast<TVezOfficePager*>(this)->Canvas(), TabAppearanceFor(*page).Font(),
                                 page->GetCaption(), page->GetWideCaption(), FAntiAlias, &Measurer());
}

plat::TSize TVezOfficePager::MeasureTabCaption(int Index, bool Horizontal) const
{
    const TVezOfficePage* page = FVezPages.Get(Index);
    const std::string caption = page->ShownCaption();
    if (caption.empty())
        return {0, 0};
    const plat::TFont& font = TabAppearanceFor(*page).Font();
    if (Horizontal) {
        TTabCaptionRequest request;
        request.Rect = {0, 0, 1000, 100};
        request.Caption = page->GetCaption();
        request.WideCaption = page->GetWideCaption();
        request.Font = &font;
        request.Enabled = page->GetEnabled();
        request.Draw = false;
        request.AntiAlias = FAntiAlias;
        request.Position = FTabPosition;
        request.WordWrap = FTabSettings.GetWordWrap();
        request.Measurer = &Measurer();
        plat::TRect text{0, 0, 0, 0};
        PaintTabCaption(const_cast<TVezOfficePager*>(this)->Canvas(), request, text);
        return {text.Right, text.Bottom};
    }
    return MeasureSingleLine(font, caption);
}

plat::TSize TVezOfficePager::MeasureSingleLine(const plat::TFont& Font, const std::string& Text) const
{
    plat::TCanvas& canvas = const_cast<TVezOfficePager*>(this)->Canvas();
    plat::TFont saved;
    saved.Assign(canvas.Font());
    canvas.Font().Assign(Font);
    plat::TRect r{0, 0, 1000, 100};
    Measurer().CalcTextGdi(canvas, Text, r, plat::DT_CALCRECT | plat::DT_SINGLELINE);
    canvas.Font().Assign(saved);
    return {r.Right, r.Bottom};
}

TPagerLayoutFacts TVezOfficePager::LayoutFacts() const
{
    TPagerLayoutFacts f;
    f.Client = GetClientRect();
    f.Position = FTabPosition;
    f.Rotated = FRotateTabLeftRight;
    f.PageMargin = FPageMargin;
    const TPageButtonSettings& b = *FButtonSettings;
    f.Buttons = {b.GetButtonSize(),        b.GetFirstButton(),       b.GetLastButton(),
                 b.GetPageListButton(),    b.GetCloseButton(),       b.GetClosedListButton(),
                 b.GetShowInsertButton(),  b.GetScrollButtonsAlways()};
    f.CloseOnTab = FCloseOnTab;
    f.CloseOnTabPosition = FCloseOnTabPosition;
    f.ShowCloseOnNonSelectedTabs = FShowCloseOnNonSelectedTabs;
    f.ActiveIndex = GetActivePageIndex();
    f.FixedTabs = Designing() ? 0 : FFixedTabs;
    f.HasClosedPages = !FClosedPages.empty();
    f.GlassExtendsPage = GlassExtendsPage();
    f.AlignedToClient = GetAlign() == plat::alClient;
    f.TonesInUse = FItones;
    return f;
}

TTabFacts TVezOfficePager::LayoutTab(int Index) const
{
    const TVezOfficePage* page = FVezPages.Get(Index);
    return {page, page->GetTabVisible(), page->GetShowClose(), page->GetShowCheckBox()};
}

plat::TRect TVezOfficePager::CentredCloseRect(int Index) const
{
    const TVezOfficePage* page = FVezPages.Get(Index);
    TTabContentInputs inputs;
    inputs.TabRect = GetTabRect(Index);
    inputs.ImageSize = GetTabImageSize(Index);
    inputs.TextSize = GetTabTextSize(Index);
    TakeTabSettings(inputs, FTabSettings);
    inputs.Position = FTabPosition;
    inputs.RotateTabLeftRight = FRotateTabLeftRight;
    inputs.Active = page == FActivePage;
    inputs.CloseOnTab = FCloseOnTab;
    inputs.ShowCloseOnNonSelectedTabs = FShowCloseOnNonSelectedTabs;
    inputs.CloseOnLeft = FCloseOnTabPosition == cpLeft;
    inputs.ButtonSizePx = FButtonSettings->GetButtonSize();
    // Only the edges along the tab are laid out; the rest stays none.
    TTabContentLayout layout{TPagerTabLayout::None(), TPagerTabLayout::None(), TPagerTabLayout::None()};
    GetTabContentLayout(inputs, layout);
    return layout.CloseRect;
}

void TVezOfficePager::InvalidateTabStrip()
{
    InvalidateRect(FLayout.GetTabStripRect());
}

void TVezOfficePager::InvalidateActivePage()
{
    if (FActivePage)
        FActivePage->Invalidate();
}

}  // namespace skelda::pager
