#pragma once

#include "pager/glow/GlowButtonTypes.h"
#include "pager/office/PagerBackgrounds.h"
#include "pager/office/TTabAppearance.h"
#include "pager/office/TTabProgress.h"
#include "platform/controls/core/TCustomControl.h"

#include <memory>
#include <string>

namespace plat {
class TBitmap;
class TCustomForm;
class TTimer;
}
namespace skelda::foundation {
class TGDIPPicture;
class TVezHintInfo;
}

namespace skelda::pager {

class IFloatingPagerWindow;
class TShortCutHintWindow;
class TVezOfficePager;

// One page of a TVezOfficePager: a container for the page's controls that paints the page's
// background, and everything the pager needs for the page's tab (caption, pictures, enabled and
// visible flags, close button and check box, progress, glow, own colours). A page outside a
// pager's list is detached: its setters then only store.
//
// TabIndex is the page's identity in a saved layout: the pager keeps it unique among its pages.
class TVezOfficePage : public plat::TCustomControl {
public:
    explicit TVezOfficePage(plat::TComponent* AOwner);
    ~TVezOfficePage() override;

    std::string ClassName() const override { return "TVezOfficePage"; }

    TVezOfficePager* GetVezOfficePager() const { return FVezOfficePager; }
    // Detaches from the current pager and attaches to Value (nil: detached).
    void SetVezOfficePager(TVezOfficePager* Value);

    // A page or a pager as parent puts the page into that pager (at the page's position for a
    // page); raises EInvalidOperation "Invalid Parent" when the pager refuses it, or "Invalid
    // Parent a:b" for a position outside the list.
    void SetParent(plat::TWinControl* AParent) override;

    // Caption is the tab's caption: a change lays the tabs out again.
    void SetText(const std::string& Value) override;
    const std::string& GetWideCaption() const { return FWideCaption; }
    void SetWideCaption(const std::string& Value);
    // Caption, or WideCaption when Caption is empty: the text the tab shows.
    std::string ShownCaption() const { return GetCaption().empty() ? FWideCaption : GetCaption(); }

    foundation::TGDIPPicture& Picture() { return *FIPicture; }
    void SetPicture(const foundation::TGDIPPicture& Value);
    foundation::TGDIPPicture& DisabledPicture() { return *FIDisabledPicture; }
    void SetDisabledPicture(const foundation::TGDIPPicture& Value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);

    TVistaBackground& PageAppearance() { return FPageAppearance; }
    void SetPageAppearance(const TVistaBackground& Value) { FPageAppearance.Assign(Value); }
    bool GetUsePageAppearance() const { return FUsePageAppearance; }
    void SetUsePageAppearance(bool Value);
    TTabAppearance& TabAppearance() { return FTabAppearance; }
    const TTabAppearance& TabAppearance() const { return FTabAppearance; }
    void SetTabAppearance(const TTabAppearance& Value) { FTabAppearance.Assign(Value); }
    bool GetUseTabAppearance() const { return FUseTabAppearance; }
    void SetUseTabAppearance(bool Value);

    const std::string& GetTabHint() const { return FTabHint; }
    void SetTabHint(const std::string& Value) { FTabHint = Value; }
    bool GetTabVisible() const { return FTabVisible; }
    // Hiding the tab lists the page among its pager's closed pages; showing takes it out.
    void SetTabVisible(bool Value);
    bool GetTabEnabled() const { return FTabEnabled; }
    void SetTabEnabled(bool Value);
    bool GetShowClose() const { return FShowClose; }
    // False drops both close buttons of the page.
    void SetShowClose(bool Value);
    foundation::TVezHintInfo& OfficeHint() { return *FOfficeHint; }
    void SetOfficeHint(const foundation::TVezHintInfo& Value);
    // Position in the pager's list, -1 when detached; writing a position outside the list is
    // ignored.
    int GetPageIndex() const;
    void SetPageIndex(int Value);
    const std::string& GetShortCutHint() const { return FShortCutHintText; }
    void SetShortCutHint(const std::string& Value) { FShortCutHintText = Value; }
    TShortCutHintPos GetShortCutHintPos() const { return FShortCutHintPos; }
    void SetShortCutHintPos(TShortCutHintPos Value) { FShortCutHintPos = Value; }
    bool GetShowCheckBox() const { return FShowCheckBox; }
    void SetShowCheckBox(bool Value);
    bool GetChecked() const { return FChecked; }
    void SetChecked(bool Value);
    TTabProgress& Progress() { return FProgress; }
    const TTabProgress& Progress() const { return FProgress; }
    void SetProgress(const TTabProgress& Value) { FProgress.Assign(Value); }
    bool GetGlow() const { return FGlow; }
    void SetGlow(bool Value);
    plat::TColor GetGlowColor() const { return FGlowColor; }
    // A colour other than clNone makes a glowing tab pulse.
    void SetGlowColor(plat::TColor Value);
    bool GetLocked() const { return FLocked; }
    void SetLocked(bool Value) { FLocked = Value; }
    int GetTabIndex() const { return FTabIndex; }
    void SetTabIndex(int Value) { FTabIndex = Value; }

    // The text colour the last tab paint chose (read by the tab content painter).
    plat::TColor GetTxtColor() const { return FTxtColor; }
    void SetTxtColor(plat::TColor Value) { FTxtColor = Value; }
    // The background cache holds the current background.
    bool GetValidCache() const { return FValidCache; }
    void SetValidCache(bool Value) { FValidCache = Value; }

    // The tab's close buttons (made, placed and dropped by the pager's button layout); the pager
    // owns them. Nil when there is none.
    plat::TControl* GetCloseButton() const { return FCloseButton; }
    void SetCloseButton(plat::TControl* Value) { FCloseButton = Value; }
    plat::TControl* GetCloseButtonChrome() const { return FCloseButtonChrome; }
    void SetCloseButtonChrome(plat::TControl* Value) { FCloseButtonChrome = Value; }

    // Floats the page out of its pager into a window at (X, Y) on the screen, in the default
    // size; nothing without a pager or in the designer. The longer form's further arguments
    // are not used.
    void SetFloating(int X, int Y);
    void SetFloating(int X, int Y, int, int) { SetFloating(X, Y); }
    // The window the page floats in, or nil (also in the designer).
    IFloatingPagerWindow* FloatingWindow() const;
    plat::TCustomForm* GetFloatingWindow() const;
    bool GetFloating() const { return FFloating; }
    // For a page that floated: the pager it came from (nil once that is gone).
    TVezOfficePager* GetParentPager() const { return FParentPager.Get(); }

    // Focuses the first child control in Tab order that can take the focus.
    void SelectFirstControl();

    // Shows ShortCutHint in a small window beside the tab, placed by ShortCutHintPos; the pager
    // makes the window and frees it again when the hint hides.
    void ShowShortCutHint();
    void HideShortCutHint();
    // The window while the hint shows, else nil.
    TShortCutHintWindow* ShortCutHintWindow() const { return FShortCutHint.Get(); }

    // The tab's glow animation, steps of 20 every 50 ms: the hover glow rises to 120 and holds
    // while the mouse stays on the tab, then falls back; a press glow rises once. The timer
    // lives only while a glow moves or holds.
    int GetStepHover() const { return FStepHover; }
    int GetStepPush() const { return FStepPush; }
    TGlowState GetGlowState() const { return FGlowState; }
    bool HasGlowTimer() const { return FTimer != nullptr; }

    plat::TNotifyEvent OnShow;
    plat::TNotifyEvent OnHide;

protected:
    void Dispatch(plat::TMessage& Message) override;
    // The page's background in its colours (its own or the pager's), its border lines, the line
    // that joins it to its tab when it is the active page, and round corners that take the
    // colours the pager shows around them.
    void Paint() override;
    void AdjustClientRect(plat::TRect& Rect) const override;

private:
    friend class TVezOfficePager;

    // The pager's side of attaching and detaching; no list work.
    void AttachTo(TVezOfficePager* Pager) { FVezOfficePager = Pager; }
    void PictureChanged();
    void TabFontChanged();
    // Repaints the pager (when attached) and the page.
    void RepaintTab();
    // The pager's tab geometry after a change of what the tab shows.
    void TabContentChanged();
    bool Loading() const { return ComponentState().Contains(plat::csLoading); }
    void PaintBorderLines(const TVistaBackground& Colors, bool OnGlass);
    void PaintTabJoin(const TVistaBackground& Colors);
    void PaintRoundCorners();

    // The pager starts and steers the glow; the page advances it.
    void StartGlow(int TimeInc, TGlowState State, bool TimerAllowed);
    void GlowTimerTick();
    void FreeGlowTimer();

    bool FTabVisible = true;
    TVezOfficePager* FVezOfficePager = nullptr;
    plat::TTimer* FTimer = nullptr;
    int FTimeInc = 20;
    int FStepHover = 0;
    int FStepPush = 0;
    TGlowState FGlowState = gsNone;
    bool FTabEnabled = true;
    int FImageIndex = -1;
    std::string FTabHint;
    std::unique_ptr<foundation::TVezHintInfo> FOfficeHint;
    std::unique_ptr<foundation::TGDIPPicture> FIPicture;
    std::unique_ptr<foundation::TGDIPPicture> FIDisabledPicture;
    bool FUpdatingParent = false;
    // Owned by the pager, which may free it first.
    plat::TControlRef<TShortCutHintWindow> FShortCutHint;
    TShortCutHintPos FShortCutHintPos = shpTop;
    std::string FShortCutHintText;
    bool FShowClose = true;
    bool FUseTabAppearance = false;
    TTabAppearance FTabAppearance;
    TVistaBackground FPageAppearance;
    bool FUsePageAppearance = false;
    std::unique_ptr<plat::TBitmap> FBkgCache;
    bool FValidCache = false;
    std::string FWideCaption;
    bool FShowCheckBox = false;
    bool FChecked = false;
    plat::TControl* FCloseButton = nullptr;
    plat::TControl* FCloseButtonChrome = nullptr;
    TTabProgress FProgress;
    bool FGlow = false;
    plat::TColor FGlowColor = plat::clRed;
    plat::TColor FTxtColor = plat::clNone;
    int FTabIndex = 0;
    bool FLocked = false;
    plat::TControlRef<TVezOfficePager> FParentPager;
    bool FFloating = false;
};

}  // namespace skelda::pager
