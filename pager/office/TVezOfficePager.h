#pragma once

#include "foundation/ColorTones.h"
#include "foundation/GPTypes.h"
#include "pager/glow/GlowButtonTypes.h"
#include "pager/office/IPagerStylerClient.h"
#include "pager/office/IShortCutHintHost.h"
#include "pager/office/ITabDragHost.h"
#include "pager/office/TDbgList.h"
#include "pager/office/TPagerTabLayout.h"
#include "pager/office/TPagerFloatingPages.h"
#include "pager/office/TPagerShortCutHints.h"
#include "pager/office/TPagerTabDrag.h"
#include "pager/office/TPagerTabSettings.h"
#include "platform/controls/core/TCustomControl.h"
#include "platform/controls/forms/TForm.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace plat {
class TDragDockObject;
struct THintInfo;
class TTimer;
class TBitmap;
class TImageList;
class TPopupMenu;
}
namespace skelda::foundation {
class TVezHintInfo;
}

namespace skelda::pager {

class IGlowTextMeasurer;
class TCustomVezOfficePagerStyler;
class TGlowButtonAppearance;
class TPageButtonSettings;
class TArrowWindow;
class TFloatingPagerWindow;
class TShortCutHintWindow;
class TVezGlowButton;
class TTabAppearance;
class TVezOfficePage;
class TVistaBackground;
struct TTabImage;

using TTabChangingEvent = std::function<void(plat::TObject* Sender, int FromPage, int ToPage, bool& AllowChange)>;
using TTabMovedEvent = std::function<void(plat::TObject* Sender, int FromPos, int ToPos)>;
using TPageEvent = std::function<void(plat::TObject* Sender, TVezOfficePage* APage)>;
using TTabClickEvent = std::function<void(plat::TObject* Sender, int PageIndex)>;
using TTabEvent = std::function<void(plat::TObject* Sender, int PageIndex)>;
using TDrawTabEvent = std::function<void(plat::TObject* Sender, int TabIndex, plat::TRect TabRect)>;
using TClosePageEvent = std::function<void(plat::TObject* Sender, int PageIndex, bool& Allow)>;
using TClosedPageEvent = std::function<void(plat::TObject* Sender, int PageIndex)>;
// X and Y: the screen point where the list's menu would open.
using TListClickEvent = std::function<void(plat::TObject* Sender, int X, int Y)>;

// A tabbed container: an ordered list of pages (TVezOfficePage), one tab per page whose tab is
// visible along one edge, the active page shown in the page area, colours from a styler.
//
// The page list stays consistent whatever is done to it: a page is in the list at most once,
// docked pages have the pager as parent, only the active page is visible, the active page is
// kept as a page (so ActivePage and ActivePageIndex always agree), the closed pages are exactly
// the pages whose tab is hidden, and TabIndex is unique among the pages. The layout of tab order
// and visibility is saved and restored through Settings, by TabIndex; the string is untrusted
// and items naming no page are skipped.
//
// Geometry (tab, button and page rectangles, scrolling) is Layout(); tabs are measured through
// the text measurer (the platform's fonts unless a test gives another).
class TVezOfficePager : public plat::TCustomControl,
                        public IPagerStylerClient,
                        private IPagerTabLayoutHost,
                        private IShortCutHintHost,
                        private ITabDragHost {
public:
    explicit TVezOfficePager(plat::TComponent* AOwner);
    ~TVezOfficePager() override;

    std::string ClassName() const override { return "TVezOfficePager"; }

    // A pager cannot be put into a pager: raises EInvalidOperation "Invalid Parent".
    void SetParent(plat::TWinControl* AParent) override;

    // --- Pages -----------------------------------------------------------------------------
    // Attaches a page: -1 for nil, else its index (the one it had when already in the list).
    int AddVezPage(TVezOfficePage* VezPage);
    // Makes a page owned by the pager with that caption and attaches it.
    int AddVezPage(const std::string& PageCaption);
    // Detaches a docked page; a page not in the list is ignored. Removing the active page
    // activates the next page with a visible, enabled tab (forward, wrapping), else none.
    void RemoveVezPage(TVezOfficePage* VezPage);
    // Nothing when either index lies outside the list; the active page stays active.
    void MoveVezPage(int CurIndex, int NewIndex);
    // Removes and frees every docked page, last first.
    void ClearVezPages();
    // Shows every tab and restores creation (TabIndex) order.
    void ResetPages();
    int IndexOfPage(const TVezOfficePage* VezPage) const { return FVezPages.IndexOf(VezPage); }
    int GetVezPageCount() const { return FVezPages.Count(); }
    // Raises EListError "Index out of bounds in list read access" past the end.
    TVezOfficePage* VezPages(int Index) const { return FVezPages.Get(Index); }
    // Docked pages whose control is visible.
    int GetVezPageVisibleCount() const;
    // Adds "VezOfficePage<n>" (n: the former page count), activates it, fires OnInsertPage.
    virtual void InsertNewPage();
    // Numbers the docked pages' TabIndex 0, 1, 2, ... by position, and the floating pages on
    // from there in the order they went.
    void InitOrder();

    // --- The active page -------------------------------------------------------------------
    TVezOfficePage* GetActivePage() const { return FActivePage; }
    // Activates the page when it is in the list, else nothing.
    void SetActivePage(TVezOfficePage* Page);
    int GetActivePageIndex() const { return IndexOfPage(FActivePage); }
    // Brings the tab into view and switches pages; an index outside the list changes nothing.
    void SetActivePageIndex(int Value);
    // The next (or previous) page whose tab is visible and enabled, wrapping round.
    void SelectNextPage(bool GoForward);
    // The page after (or before) CurPage, wrapping round; optionally only pages with a visible
    // tab; nil when none qualifies.
    TVezOfficePage* FindNextPage(TVezOfficePage* CurPage, bool GoForward, bool CheckTabVisible) const;

    // --- Closed pages ----------------------------------------------------------------------
    // The pages whose tab is hidden, in the order they were closed, with the page's name then.
    int ClosedPageCount() const { return static_cast<int>(FClosedPages.size()); }
    TVezOfficePage* ClosedPage(int Index) const;
    const std::string& ClosedPageName(int Index) const;
    // Shows a closed page's tab again (activating it when no other tab shows); false when the
    // page is not closed.
    bool OpenClosedPage(TVezOfficePage* APage);
    void OpenAllClosedPages();
    // The user's menu for the closed-pages button; not owned, forgotten when it is freed. Without
    // one the pager builds its own.
    plat::TPopupMenu* GetClosedListMenu() const { return FClosedListMenu; }
    void SetClosedListMenu(plat::TPopupMenu* Value);

    // --- Closing -----------------------------------------------------------------------------
    // Closes the active page as its close button would; true when there was none or another
    // page is active now.
    bool CloseActivePage();

    // --- Layout string ---------------------------------------------------------------------
    // "P:<active>" then ",V:<TabIndex>" or ",H:<TabIndex>" per docked page in list order.
    std::string GetSettings() const;
    // Shows every tab in creation order, then applies the items: each V or H item shows or
    // hides its page's tab and puts the page at the next place (a page named twice keeps its
    // first), F items float their page, P activates by index (0 without one). Items naming no
    // page, of another letter or with a number beyond 32 bits are skipped.
    void SetSettings(const std::string& Value);
    // Writes the one line atomically; a failed write keeps the old file and raises
    // EFCreateError.
    void SaveToFile(const std::string& FileName) const;
    // Applies the file's line when it holds exactly one; raises EFOpenError when it cannot be
    // read.
    void LoadFromFile(const std::string& FileName);

    // --- Styler and appearance ---------------------------------------------------------------
    TCustomVezOfficePagerStyler* GetVezOfficePagerStyler() const { return FOfficePagerStyler; }
    void SetVezOfficePagerStyler(TCustomVezOfficePagerStyler* Value);
    // The styler in use: the assigned one, else the internal one ("InternalStyler").
    TCustomVezOfficePagerStyler& CurrentStyler() const { return *FCurrentOfficePagerStyler; }
    // The pager-level appearances painting uses: the own ones while colour tones are in use,
    // else the current styler's.
    TTabAppearance& TabAppearanceInUse() const;
    TVistaBackground& PageAppearanceInUse() const;
    // The tab appearance a page's tab paints with: its own when it uses it, else the pager's.
    const TTabAppearance& TabAppearanceFor(const TVezOfficePage& Page) const;
    bool GetTonesInUse() const { return FItones; }
    bool GetTabRoundEdges() const { return FTabRoundEdges; }
    // The look flags in effect: the own ones while tones are in use, else the styler's.
    bool UseShow3D() const;
    bool UseShadow() const;

    void StylerChanged(TStylerChange Kind) override;
    // Takes the tones in place of the styler's colours: pages, tabs and buttons get appearances
    // of the pager's own, square and flat, and no tab glows, until the next styler change.
    void SetColorTones(const foundation::TColorTones& Tones) override;
    // The tones last applied (meaningful while GetTonesInUse()).
    const foundation::TColorTones& GetColorTones() const { return FTones; }
    // The glow-button appearance made from the tones; nullptr before the first tones.
    const TGlowButtonAppearance* TonesButtonAppearance() const { return FGlowButtonAppearance.get(); }
    void StylerDestroying(TCustomVezOfficePagerStyler& Styler) override;
    void TabSettingsChanged();
    // The button settings changed: the closed-list button, the scroller and the buttons follow.
    void ButtonSettingsChanged();
    void SetPagesCacheValid(bool Value);
    // Copies the appearance into every page that does not use its own.
    void SetPagesPageAppearance(const TVistaBackground* Appearance);
    void SetPagesTabAppearance(const TTabAppearance* Appearance);

    // --- Glass ---------------------------------------------------------------------------------
    // Glass is possible when the desktop was composed as the pager was made; the composition
    // library answers that, and it is asked again at every paint.
    bool GlassActive() const;
    bool GlassExtendsPage() const;
    // In the designer, follows TabSettings.Glass: the pager's transparency and the form's glass
    // frame.
    void SyncGlassFrame();

    // --- Docking (with DockSite set) ---------------------------------------------------------
    // Every control docked onto the pager gets a page of its own, its tab showing the control's
    // text (a form's caption, else the first line) while the control is visible; undocking frees
    // the page. A docked control is dragged out by its tab (DragMode dmAutomatic, DragKind
    // dkDock) and floats in a window of its own on a double click on its tab.
    // The control docked on the page whose tab is at P (client coordinates), else nullptr.
    plat::TControl* DockedControlAt(plat::TPoint P) const;
    // A dock drag over the pager would fill the whole pager.
    void DockOver(plat::TDragDockObject* Source, int X, int Y, plat::TDragState State, bool& Accept) override;

    // --- Properties --------------------------------------------------------------------------
    TPagerTabSettings& TabSettings() { return FTabSettings; }
    const TPagerTabSettings& TabSettings() const { return FTabSettings; }
    void SetTabSettings(const TPagerTabSettings& Value) { FTabSettings.Assign(Value); }
    TPagerTabScroller& TabScroller() { return FTabScroller; }
    TPageButtonSettings& ButtonSettings() { return *FButtonSettings; }
    const TPageButtonSettings& ButtonSettings() const { return *FButtonSettings; }
    void SetButtonSettings(const TPageButtonSettings& Value);
    foundation::TVezHintInfo& OfficeHint() { return *FOfficeHint; }
    void SetOfficeHint(const foundation::TVezHintInfo& Value);
    TTabPosition GetTabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition Value);
    foundation::TAntiAlias GetAntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(foundation::TAntiAlias Value);
    bool GetAllowTabUndock() const { return FAllowTabUndock; }
    void SetAllowTabUndock(bool Value) { FAllowTabUndock = Value; }
    bool GetCloseOnTab() const { return FCloseOnTab; }
    void SetCloseOnTab(bool Value);
    TCloseOnTabPos GetCloseOnTabPosition() const { return FCloseOnTabPosition; }
    void SetCloseOnTabPosition(TCloseOnTabPos Value);
    plat::TImageList* GetImages() const { return FImages; }
    void SetImages(plat::TImageList* Value);
    plat::TImageList* GetDisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(plat::TImageList* Value);
    // The user's menu for the page-list button; not owned, forgotten when it is freed.
    plat::TPopupMenu* GetPageListMenu() const { return FPageListMenu; }
    void SetPageListMenu(plat::TPopupMenu* Value);
    bool GetFreeOnClose() const { return FFreeOnClose; }
    void SetFreeOnClose(bool Value) { FFreeOnClose = Value; }
    int GetFixedTabs() const { return FFixedTabs; }
    void SetFixedTabs(int Value);
    bool GetGlow() const { return FGlow; }
    void SetGlow(bool Value);
    int GetPageMargin() const { return FPageMargin; }
    void SetPageMargin(int Value);
    bool GetRotateTabLeftRight() const { return FRotateTabLeftRight; }
    void SetRotateTabLeftRight(bool Value);
    bool GetShowCloseOnNonSelectedTabs() const { return FShowCloseOnNonSelectedTabs; }
    void SetShowCloseOnNonSelectedTabs(bool Value);
    bool GetShowNonSelectedTabs() const { return FShowNonSelectedTabs; }
    void SetShowNonSelectedTabs(bool Value);
    bool GetShowTabHint() const { return FShowTabHint; }
    void SetShowTabHint(bool Value) { FShowTabHint = Value; }
    bool GetShowShortCutHints() const { return FShowShortCutHints; }
    void SetShowShortCutHints(bool Value) { FShowShortCutHints = Value; }
    bool GetTabReorder() const { return FTabReorder; }
    void SetTabReorder(bool Value) { FTabReorder = Value; }
    plat::TColor GetTabReorderIndicatorColor() const { return FTabReorderIndicatorColor; }
    void SetTabReorderIndicatorColor(plat::TColor Value) { FTabReorderIndicatorColor = Value; }
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool GetBufferedPages() const { return FBufferedPages; }
    void SetBufferedPages(bool Value) { FBufferedPages = Value; }
    int GetHotPageIndex() const { return FHotPageIndex; }
    int GetDownPageIndex() const { return FDownPageIndex; }
    int GetHintPageIndex() const { return FHintPageIndex; }
    bool GetInsertButtonHot() const { return FInsertButtonHot; }
    bool GetInsertButtonDown() const { return FInsertButtonDown; }
    bool GetPropertiesLoaded() const { return FPropertiesLoaded; }

    std::string GetVersion() const;
    void SetVersion(const std::string&) {}
    // Bytes 3, 0, 0, 0 from the most significant down.
    int GetVersionNr() const { return 0x03000000; }

    // --- Geometry ------------------------------------------------------------------------------
    TPagerTabLayout& Layout() { return FLayout; }
    const TPagerTabLayout& Layout() const { return FLayout; }
    plat::TRect GetTabRect(int PageIndex) const { return FLayout.GetTabRect(PageIndex); }
    plat::TRect GetTabRect(const TVezOfficePage* Page) const { return GetTabRect(IndexOfPage(Page)); }
    int IndexOfTabAt(int X, int Y) const { return FLayout.IndexOfTabAt(X, Y); }
    plat::TRect GetTabStripRect() const { return FLayout.GetTabStripRect(); }
    plat::TRect GetPageRect() const { return FLayout.GetPageRect(); }
    // Recomputes the scroll range after a change that can move tabs, then lays out the buttons.
    void UpdateScroller();
    void ScrollToFirst();
    void ScrollToLast();
    void ScrollBack();
    void ScrollForward();
    void AlignPages();
    void AlignPage(TVezOfficePage* Page);
    // The caption's size in the font of the tab appearance in use (0, 0 outside the list).
    plat::TSize GetTabTextSize(int PageIndex) const;
    // The image's size: the page's picture, else its image-list entry; (0, 0) for none.
    plat::TSize GetTabImageSize(int PageIndex) const;
    // Measured lengths of tabs become stale: a caption, picture, font or look changed.
    void TabLengthsChanged() { FLayout.DropTabLengths(); }
    void SetTextMeasurer(const IGlowTextMeasurer* Measurer);

    // --- The pulse of glowing tabs -------------------------------------------------------------
    // Starts the slow pulse of glowing tabs while some tab glows and glowing is allowed, else
    // stops it.
    void UpdateGlowTimer();
    // The pulse's strength, 0..160 and back, in steps of 20 every 70 ms.
    int GetGlowStep() const { return FStepHover; }
    bool GlowPulsing() const;
    // --- Floating pages ----------------------------------------------------------------------
    // Moves a docked page of this pager into a new floating window, in a clone of this pager,
    // at (Left, Top) on the screen (both 0 or less: where the clone happens to be), Width ×
    // Height (-1, or less than a tab's height: the clone's size); a window that would lie on no
    // monitor goes onto the work area of the nearest one. Fires OnTabUnDock. Nothing for a page
    // of another pager or one already floating.
    virtual void FloatPage(TVezOfficePage* Page, int Left, int Top, int Width, int Height);
    // The pages of this pager that float, in the order they went.
    int FloatingPageCount() const { return FFloatingPages.Count(); }
    // Nil past the end.
    TVezOfficePage* FloatingPages(int Index) const { return FFloatingPages.Page(Index); }
    // A pager owned by this one, in Window, set up as this one but with tabs on top and no
    // buttons: the pager a floating page lives in.
    TVezOfficePager* CreateFloatingPager(plat::TWinControl* Window);
    void CopyPagerSettings(const TVezOfficePager* Source);
    // Set in a clone: the pager it was made from (nil once that is gone).
    TVezOfficePager* GetClonedOfPager() const { return FClonedOfPager.Get(); }
    // The floating window made or moved last.
    plat::TCustomForm* GetFloatingWindow() const { return FTabDrag.MovedWindow(); }
    // Docks the pages of a clone back into this pager, as dropping their tabs here does.
    void DockPagesOf(TVezOfficePager& Clone);
    plat::TBorderIcons GetFloatingBorderIcons() const { return FFloatingPages.GetBorderIcons(); }
    void SetFloatingBorderIcons(plat::TBorderIcons Value) { FFloatingPages.SetBorderIcons(Value); }
    plat::TFormBorderStyle GetFloatingBorderStyle() const { return FFloatingPages.GetBorderStyle(); }
    void SetFloatingBorderStyle(plat::TFormBorderStyle Value) { FFloatingPages.SetBorderStyle(Value); }
    // Makes floating windows: a TFloatingPagerWindow unless set.
    TFloatingPagerWindowClass FloatingPagerWindowClass;
    // --- Dragging a tab off, along and back onto the strip ------------------------------------
    // The tab drag: with AllowTabUndock, a press on an unlocked tab drags it under this pager's
    // mouse capture (X, Y on the screen). Pulled 10 pixels off the strip, or 100 beyond its
    // ends, the page floats in its own window, which then follows the pointer; brought over the
    // strip, a floating page docks back; moved more than 5 pixels along the strip with
    // TabReorder, the tab lands where the arrow shows on release. The release, or losing the
    // capture, ends it. Nothing in the designer, without AllowTabUndock or for a page in no
    // pager.
    void BeginTabDrag(plat::TShiftState Shift, int X, TVezOfficePage* Page, int Y);
    void DragTabMove(plat::TShiftState, int X, int Y) { FTabDrag.Move({X, Y}); }
    void EndTabDrag() { FTabDrag.End(); }
    bool GetTabDragging() const { return FTabDrag.Dragging(); }

    // --- Reordering tabs by dragging ------------------------------------------------------------
    // The arrow that shows where a dragged tab would land; made on the first reorder press,
    // freed when the tab position changes.
    void CreateArrowWindow();
    TArrowWindow* GetArrowWindow() const { return FArrow.Get(); }
    // A drag of this pager's own tabs is over the pager: accepted over a tab, the arrow placed
    // above (or beside) that tab.
    void DragOver(plat::TObject* Source, int X, int Y, plat::TDragState State, bool& Accept) override;
    // Moves the tab the drag started on to the tab under (X, Y).
    void DragDrop(plat::TObject* Source, int X, int Y) override;
    void DragCanceled() override;
    // --- Buttons ---------------------------------------------------------------------------------
    // Makes, places, dresses and drops the pager's buttons as the settings, the scroller and the
    // pages want them. A dropped button is hidden at once and freed once the current event is
    // over, so that no button goes inside its own click.
    void UpdateButtons();
    // Makes the closed-pages button when missing and lays it out.
    void CreateClosedListButton();
    // Shows the closed-pages button (when made) exactly while it is wanted and a page is closed.
    void UpdateClosedListButton();
    // The single close button may close: the active page shows a close, or every tab does.
    bool CloseButtonEnabled() const;
    TVezGlowButton* GetScrollFirstButton() const { return FScrollFirstButton; }
    TVezGlowButton* GetScrollPrevButton() const { return FScrollPrevButton; }
    TVezGlowButton* GetScrollNextButton() const { return FScrollNextButton; }
    TVezGlowButton* GetScrollLastButton() const { return FScrollLastButton; }
    TVezGlowButton* GetPageListButton() const { return FPageListButton; }
    TVezGlowButton* GetClosedListButton() const { return FClosedListButton; }
    TVezGlowButton* GetCloseButtonGlobal() const { return FCloseButtonGlobal; }
    // --- Shortcut hints --------------------------------------------------------------------
    // With ShowShortCutHints, the pages whose tab is visible and enabled and that have a
    // ShortCutHint show it beside their tab (they show when the pager gets the focus). Typing a
    // hint's characters activates its page; a character no hint goes on with beeps. The hints
    // hide on Escape, the arrows, a page switch, the focus leaving, and a click on, resize,
    // move, minimize or maximize of the form, which the pager watches without taking over.
    void ShowTabShortCutHints();
    void HideTabShortCutHints() { FShortCutHints.Hide(); }
    bool GetTabShortCutHintShowing() const { return FShortCutHints.Showing(); }
    // The shortcut hint windows the pages show now.
    int ShortCutHintWindowCount() const { return FShortCutHints.WindowCount(); }
    // A hint window owned by the pager, for a page to show its hint in / to free again.
    TShortCutHintWindow* AddShortCutHintWindow() { return FShortCutHints.AddWindow(); }
    void RemoveShortCutHintWindow(TShortCutHintWindow* Window) { FShortCutHints.RemoveWindow(Window); }

    // Repaints the tab strip.
    void InvalidateTabStrip();
    // Repaints the active page, if there is one.
    void InvalidateActivePage();

    plat::TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;
    // A close may be refused; a closed page's former index follows once it is gone or hidden.
    TClosePageEvent OnClosePage;
    TClosedPageEvent OnClosedPage;
    // Fired in place of the menus of the closed-pages and page-list buttons.
    TListClickEvent OnClosedListClick;
    TListClickEvent OnPageListClick;
    TTabMovedEvent OnTabMoved;
    TPageEvent OnInsertPage;
    // A page was floated out of this pager / docked back into it.
    TPageEvent OnTabUnDock;
    TPageEvent OnTabDock;
    // Draws a tab's content in place of the pager (its body is painted already).
    TDrawTabEvent OnDrawTab;
    // The scroll buttons' clicks: first and last before they scroll, previous and next after.
    // Tab clicks fire before the page switch they cause (OnChanging, OnChange).
    TTabClickEvent OnTabClick;
    TTabClickEvent OnTabRightClick;
    TTabClickEvent OnTabDblClick;
    TTabClickEvent OnTabCheckBoxClick;
    // Never fired in the designer; enter also fires for a disabled tab.
    TTabEvent OnTabMouseEnter;
    TTabEvent OnTabMouseLeave;
    plat::TNotifyEvent OnFirstClick;
    plat::TNotifyEvent OnLastClick;
    plat::TNotifyEvent OnPrevClick;
    plat::TNotifyEvent OnNextClick;

protected:
    void Loaded() override;
    void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;
    void Dispatch(plat::TMessage& Message) override;
    void CreateWnd() override;
    void AlignControls(plat::TControl* AControl, plat::TRect& Rect) override;
    void Resize() override;
    // The page switch: OnChanging may veto it; the old page hides (OnHide), the new one shows.
    void ChangeActivePage(int Value);
    // The docking control's new page becomes its parent.
    void DoAddDockClient(plat::TControl* Client, const plat::TRect& ARect) override;
    // The page of the control that left is freed.
    void DoRemoveDockClient(plat::TControl* Client) override;

    // A press on a tab clicks it and switches to it (left and right buttons, enabled tabs other
    // than the active one); any other press on a tab marks it pressed until release.
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    // The arrow keys move among the pages whose tab is visible and enabled; Tab leaves the pager.
    void KeyDown(unsigned& Key, plat::TShiftState Shift) override;
    // While shortcut hints show, each character typed goes towards them.
    void KeyPress(char32_t& Key) override;

    // The strip's background, every tab, the insert button and the buttons' frame.
    void Paint() override;
    // On glass (GlassActive, the desktop composed now, transparent) the pager erases and paints
    // itself into a buffer made opaque over the update rectangle, so that the composed frame does
    // not show through what it paints; otherwise it paints as any control.
    void PaintWindow(plat::TPaintContext& Context) override;
    // One tab's body, then its content (OnDrawTab, else DrawTabContent).
    void DrawTab(int PageIndex);
    // The tab's image and caption in the text colour its body chose.
    virtual void DrawTabContent(int PageIndex, const plat::TRect& R);

    void ScrollFirstClick(plat::TObject* Sender);
    void ScrollPrevClick(plat::TObject* Sender);
    void ScrollNextClick(plat::TObject* Sender);
    void ScrollLastClick(plat::TObject* Sender);
    // Closes the page a tab's close button names (its Tag), else the active page. A close
    // asked for while one runs, or for a Tag naming no page, is ignored.
    virtual void CloseButtonClick(plat::TObject* Sender);
    // A tab's glow close button closes on a left release.
    void CloseButtonMouseUp(plat::TObject* Sender, plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y);
    // The menus open below the button, or above it when they would pass the bottom of the work
    // area of the nearest monitor.
    virtual void PageListButtonClick(plat::TObject* Sender);
    virtual void ClosedListButtonClick(plat::TObject* Sender);
    void ClosedListItemClick(plat::TObject* Sender);
    void PageListItemClick(plat::TObject* Sender);

private:
    friend class TVezOfficePage;

    // IPagerTabLayoutHost
    TPagerLayoutFacts LayoutFacts() const override;
    const TPagerTabSettings& LayoutTabSettings() const override { return FTabSettings; }
    int LayoutTabCount() const override { return FVezPages.Count(); }
    TTabFacts LayoutTab(int Index) const override;
    plat::TSize MeasureTabCaption(int Index, bool Horizontal) const override;
    plat::TSize LayoutTabImageSize(int Index) const override { return GetTabImageSize(Index); }
    TPagerTabScroller& LayoutScroller() override { return FTabScroller; }
    const TPagerTabScroller& LayoutScroller() const override { return FTabScroller; }
    plat::TRect CentredCloseRect(int Index) const override;

    // IShortCutHintHost
    int HintPageCount() const override;
    TVezOfficePage& HintPage(int Index) const override;
    void ShortCutChosen(int Index) override;
    plat::TCustomForm* HintForm() const override;
    plat::TComponent& HintWindowOwner() override { return *this; }
    bool HintHostDestroying() const override { return IsDestroying(); }

    // ITabDragHost
    void SetDragCapture(bool Capture) override;
    std::optional<TTabDragSpot> SpotOf(const TVezOfficePage& Page, plat::TPoint Screen) const override;
    plat::TCustomForm* TearOff(TVezOfficePage& Page, plat::TPoint Screen) override;
    bool ShowReorderTarget(TVezOfficePage& Page, plat::TPoint Client) override;
    void HideReorderTarget(TVezOfficePage& Page) override;
    bool DocksHere(const TVezOfficePage& Page) const override;
    // Docks a floating page back (appended, active, its TabIndex kept) and fires OnTabDock.
    void DockBack(TVezOfficePage& Page) override;
    void FinishReorder(TVezOfficePage& Page, plat::TPoint Screen, bool Drop) override;
    void TabDragEnded(TVezOfficePage* Page) override;

    bool Designing() const { return ComponentState().Contains(plat::csDesigning); }
    bool PaintsOnGlass() const;
    bool Loading() const { return ComponentState().Contains(plat::csLoading); }
    const IGlowTextMeasurer& Measurer() const;
    TTabImage TabImage(TVezOfficePage& Page) const;
    // A button is shown whose background the tabs must give back.
    bool ButtonsAreaInUse() const;
    // Single-line text in the 1000 × 100 box tabs are measured in.
    plat::TSize MeasureSingleLine(const plat::TFont& Font, const std::string& Text) const;
    // The page's tab was shown or hidden: keeps the closed list equal to the hidden tabs.
    void PageTabVisibilityChanged(TVezOfficePage* Page);
    void AddClosedPage(TVezOfficePage* Page);
    void RemoveClosedPage(const TVezOfficePage* Page);
    // One more than the highest TabIndex of the pages (0 without pages).
    int NextTabIndex() const;
    // Held by a docked or floating page other than Except.
    bool TabIndexTaken(int TabIndex, const TVezOfficePage* Except) const;
    TVezOfficePage* PageByTabIndex(int TabIndex) const;
    // The next page after Index, wrapping round, whose tab is visible and enabled; nil if none.
    TVezOfficePage* NextSelectablePage(int Index, bool GoForward) const;
    // Hides the button and frees it once the current event is over.
    void ReleaseButtonLater(plat::TControl*& Button, int Kind);
    void ReleaseButtonLater(TVezGlowButton*& Button);
    TVezGlowButton* MakeGlowButton(plat::TNotifyEvent OnClick);
    void DressButton(TVezGlowButton& Button);
    void UpdateCloseButtons();
    void UpdateScrollButtons();
    void DestroyReleasedButton(plat::TControl* Button);
    void ShowOnly(TVezOfficePage* Page);

    // Mouse state.
    void MouseLeft();
    void TabDoubleClicked(plat::TPoint Pos);
    void HintShowing(plat::THintInfo& Info) const;
    // Ctrl+Tab from the pager or a control inside it; true when it was taken.
    bool DialogKey(unsigned Key, plat::TShiftState Shift);
    // A caption's accelerator activates its page; true when one did.
    bool DialogChar(char32_t Char);
    // Forgets the hot tab (and a pressed one) as the mouse leaves it.
    void LeaveHotTab(bool FireLeave);
    void InvalidateInsertButton();
    // The tab's rectangle, or the whole strip for an index outside the list.
    void InvalidateTab(int Index);
    bool GlowAllowed() const { return FGlow && !FItones; }
    bool HasGlowingTabs() const;
    bool PulsesNow(const TVezOfficePage& Page, int Index) const;
    void GlowTimerTick();
    // Hover glow rising (+20) or falling (-20), or the press glow, of the tab at Index.
    void GlowTab(int Index, int TimeInc, TGlowState State);
    bool InTabStrip(int X, int Y) const { return FLayout.GetTabStripRect().Contains(plat::TPoint{X, Y}); }

    // Settings string.
    void ApplySettings(const std::string& Value);

    // Floating pages.
    // FloatPage with the window at At, or where the clone happens to be without it.
    void FloatPageAt(TVezOfficePage* Page, std::optional<plat::TPoint> At, int Width, int Height);
    // The floating window a page sits in (through its pager), or nil.
    static plat::TCustomForm* FloatingWindowAround(const TVezOfficePage* Page);
    // A page joins the list: it stops floating here, and the window it floated in goes.
    void PageDocked(TVezOfficePage* Page, plat::TCustomForm* FormerWindow);
    void ForgetFloatingPage(const TVezOfficePage* Page) { FFloatingPages.Forget(Page); }
    // Docks every floating page back, last first, keeping their TabIndex.
    void DockFloatingPages();
    // Frees the windows of the pages floating out of this pager as it goes.
    void FreeFloatingWindows();

    // The tab drag's moves and release, and the loss of its capture; true when taken.
    bool TabDragMessage(plat::TMessage& Message);

    // Reordering by dragging.
    // A left press on an enabled tab starts the plain drag or the tab drag of the page pressed.
    void PressStartsDrag(TVezOfficePage* Page, plat::TShiftState Shift, int X, int Y);
    void HideArrow();
    void FreeArrowWindow();
    // The page a reorder drop moves: the one the drag started on while it is still here.
    TVezOfficePage* ReorderedPage() const;
    // Shortcut hints show while the pager has the focus.
    void FocusMessage(const plat::TMessage& Message);

    // The page at Index leaves the list (freed) or closes (tab hidden).
    void FreeClosingPage(TVezOfficePage* Page, int Index);
    void HideClosingPage(TVezOfficePage* Page);
    plat::TPopupMenu& ClosedListMenuInUse();
    // Where a list button's menu of ItemCount items opens: Below (screen), or above the button
    // when that would pass the work area's bottom.
    plat::TPoint ListMenuPoint(plat::TPoint Below, int ItemCount, int ButtonHeight) const;

    // Docking.
    void DockClient(plat::TMessage& Message);
    void UndockClient(plat::TMessage& Message);
    void DockNotification(const plat::TMessage& Message);
    // The page that is Client's parent while Client is docked here; nullptr otherwise.
    TVezOfficePage* PageOfDockClient(const plat::TControl* Client) const;
    // One of the pages when Client's parent is, else nullptr.
    TVezOfficePage* PageHolding(const plat::TControl* Client) const;
    void DragDockedControlOut(plat::TPoint Pos);
    // True when a docked control was taken out into its own window.
    bool FloatDockedControl(plat::TPoint Pos);

    // Owned as a component of the pager.
    TCustomVezOfficePagerStyler* FInternalOfficePagerStyler = nullptr;
    TCustomVezOfficePagerStyler* FOfficePagerStyler = nullptr;
    TCustomVezOfficePagerStyler* FCurrentOfficePagerStyler = nullptr;
    int FPageMargin = 1;
    TDbgList<TVezOfficePage> FVezPages;
    bool FPropertiesLoaded = false;
    bool FShowNonSelectedTabs = false;
    TPagerTabSettings FTabSettings;
    TPagerTabScroller FTabScroller;
    std::unique_ptr<TPageButtonSettings> FButtonSettings;
    // The buttons area as it was before the tabs were drawn.
    std::unique_ptr<plat::TBitmap> FButtonsBkg;
    TPagerTabLayout FLayout{*this};
    TVezOfficePage* FActivePage = nullptr;
    int FHotPageIndex = -1;
    int FDownPageIndex = -1;
    int FHintPageIndex = -1;
    // The tab the mouse last entered, enabled or not.
    int FEnteredPageIndex = -1;
    // The pulse of glowing tabs.
    plat::TTimer* FBrGlowTimer = nullptr;
    int FStepHover = 0;
    int FTimeInc = 20;
    bool FInsertButtonHot = false;
    bool FInsertButtonDown = false;
    plat::TImageList* FImages = nullptr;
    plat::TImageList* FDisabledImages = nullptr;
    plat::TPopupMenu* FPageListMenu = nullptr;
    bool FShowTabHint = false;
    std::unique_ptr<foundation::TVezHintInfo> FOfficeHint;
    TTabPosition FTabPosition = tpTop;
    foundation::TAntiAlias FAntiAlias = foundation::aaClearType;
    bool FRotateTabLeftRight = true;
    bool FCloseOnTab = false;
    TCloseOnTabPos FCloseOnTabPosition = cpRight;
    bool FFreeOnClose = false;
    bool FShowShortCutHints = false;
    bool FTabReorder = false;
    bool FDesignTime = false;
    bool FBufferedPages = false;
    bool FGlow = true;
    bool FTransparent = false;
    bool FShowCloseOnNonSelectedTabs = false;
    struct TClosedPage {
        std::string Name;
        TVezOfficePage* Page;
    };
    std::vector<TClosedPage> FClosedPages;
    int FFixedTabs = 0;
    bool FIsAeroVista = false;
    plat::TColor FTabReorderIndicatorColor = plat::clBlue;
    bool FAllowTabUndock = false;
    bool FTabRoundEdges = true;
    bool FShadow = true;
    bool FShow3D = true;
    bool FItones = false;
    foundation::TColorTones FTones;
    std::unique_ptr<TVistaBackground> FPageAppearance;
    std::unique_ptr<TTabAppearance> FTabAppearance;
    std::unique_ptr<TGlowButtonAppearance> FGlowButtonAppearance;
    const IGlowTextMeasurer* FMeasurer = nullptr;
    bool FIsClosing = false;
    TPagerShortCutHints FShortCutHints{*this};
    plat::TPopupMenu* FClosedListMenu = nullptr;
    // Owned as a component of the pager, made on first use.
    plat::TPopupMenu* FInternalClosedListMenu = nullptr;
    // The page made for a control while it docks, and the page of a control while it undocks.
    TVezOfficePage* FNewPage = nullptr;
    TVezOfficePage* FUndockPage = nullptr;
    TVezGlowButton* FPageListButton = nullptr;
    TVezGlowButton* FScrollPrevButton = nullptr;
    TVezGlowButton* FScrollNextButton = nullptr;
    TVezGlowButton* FScrollFirstButton = nullptr;
    TVezGlowButton* FScrollLastButton = nullptr;
    TVezGlowButton* FClosedListButton = nullptr;
    TVezGlowButton* FCloseButtonGlobal = nullptr;
    plat::TControlRef<TArrowWindow> FArrow;
    TPagerFloatingPages FFloatingPages;
    plat::TControlRef<TVezOfficePager> FClonedOfPager;
    TPagerTabDrag FTabDrag{*this};
    // The page whose tab a drag started on: a vetoed switch leaves it inactive, and it is still
    // the one that moves.
    plat::TControlRef<TVezOfficePage> FReorderPage;
};

}  // namespace skelda::pager
