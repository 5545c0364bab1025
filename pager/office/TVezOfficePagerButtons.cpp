// The pager's own buttons: scroll, page list, closed pages and close, made, placed, dressed and
// dropped as the button settings, the scroller and the pages want them.

#include "pager/glow/TVezGlowButton.h"
#include "pager/office/PagerButtonDressing.h"
#include "pager/office/TPageButtonSettings.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "pager/office/TVezPagerButton.h"

namespace skelda::pager {

namespace {

void Place(plat::TControl& Button, const plat::TRect& R)
{
    Button.SetBounds(R.Left, R.Top, R.Width(), R.Height());
}

void GiveHint(plat::TControl& Button, const std::string& Hint)
{
    Button.SetHint(Hint);
    Button.SetShowHint(true);
}

}  // namespace

TVezGlowButton* TVezOfficePager::MakeGlowButton(plat::TNotifyEvent OnClick)
{
    auto* button = new TVezGlowButton(this);
    button->SetParent(this);
    button->OnClick = std::move(OnClick);
    return button;
}

void TVezOfficePager::DressButton(TVezGlowButton& Button)
{
    DressPagerButton(Button, FCurrentOfficePagerStyler, nullptr);
}

void TVezOfficePager::ReleaseButtonLater(TVezGlowButton*& Button)
{
    plat::TControl* control = Button;
    ReleaseButtonLater(control, 0);
    Button = nullptr;
}

bool TVezOfficePager::CloseButtonEnabled() const
{
    return (FButtonSettings->GetCloseButton() && (!FActivePage || FActivePage->GetShowClose())) ||
           (FShowCloseOnNonSelectedTabs && FVezPages.Count() > 0);
}

void TVezOfficePager::UpdateButtons()
{
    if (!FPropertiesLoaded && !Designing())
        return;
    UpdateCloseButtons();
    UpdateClosedListButton();
    const TPageButtonSettings& settings = *FButtonSettings;
    if (settings.GetPageListButton()) {
        if (!FPageListButton)
            FPageListButton = MakeGlowButton([this](plat::TObject* Sender) { PageListButtonClick(Sender); });
        Place(*FPageListButton, FLayout.GetPageListRect());
        DressButton(*FPageListButton);
        FPageListButton->SetPicture(settings.PageListButtonPicture());
        GiveHint(*FPageListButton, settings.GetPageListButtonHint());
        FPageListButton->SetEnabled(FLayout.VisibleTabCount() > 0);
    } else {
        ReleaseButtonLater(FPageListButton);
    }
    UpdateScrollButtons();
}

void TVezOfficePager::UpdateCloseButtons()
{
    const TPageButtonSettings& settings = *FButtonSettings;
    const bool anyTab = FLayout.VisibleTabCount() > 0;
    if (!settings.GetCloseButton()) {
        for (int i = 0; i < FVezPages.Count(); ++i) {
            TVezOfficePage* page = FVezPages.Get(i);
            ReleaseButtonLater(page->FCloseButton, 0);
            ReleaseButtonLater(page->FCloseButtonChrome, 1);
        }
        ReleaseButtonLater(FCloseButtonGlobal);
        return;
    }
    if (!FCloseOnTab) {
        for (int i = 0; i < FVezPages.Count(); ++i)
            if (plat::TControl* button = FVezPages.Get(i)->FCloseButton)
                button->SetWidth(0);
        if (!FCloseButtonGlobal)
            FCloseButtonGlobal = MakeGlowButton([this](plat::TObject* Sender) { CloseButtonClick(Sender); });
        Place(*FCloseButtonGlobal, FLayout.GetCloseButtonRect(-1));
        DressButton(*FCloseButtonGlobal);
        FCloseButtonGlobal->SetPicture(settings.CloseButtonPicture());
        GiveHint(*FCloseButtonGlobal, settings.GetCloseButtonHint());
        FCloseButtonGlobal->SetEnabled(anyTab && CloseButtonEnabled());
        return;
    }
    if (FCloseButtonGlobal)
        FCloseButtonGlobal->SetWidth(0);
    const bool chrome = settings.GetCloseButtonLook() == cblChrome;
    for (int i = 0; i < FVezPages.Count(); ++i) {
        TVezOfficePage* page = FVezPages.Get(i);
        if (!page->GetShowClose()) {
            if (page->FCloseButton)
                page->FCloseButton->Hide();
            continue;
        }
        plat::TControl* button = nullptr;
        if (chrome) {
            ReleaseButtonLater(page->FCloseButton, 0);
            if (!page->FCloseButtonChrome) {
                auto* made = new TVezPagerButton(this);
                made->SetParent(this);
                made->OnClick = [this](plat::TObject* Sender) { CloseButtonClick(Sender); };
                page->FCloseButtonChrome = made;
            }
            button = page->FCloseButtonChrome;
        } else {
            ReleaseButtonLater(page->FCloseButtonChrome, 1);
            if (!page->FCloseButton) {
                auto* made = new TVezGlowButton(this);
                made->SetParent(this);
                made->OnMouseUp = [this](plat::TObject* Sender, plat::TMouseButton Button, plat::TShiftState Shift,
                                         int X, int Y) { CloseButtonMouseUp(Sender, Button, Shift, X, Y); };
                page->FCloseButton = made;
            }
            auto* glow = static_cast<TVezGlowButton*>(page->FCloseButton);
            glow->SetPicture(settings.CloseButtonPicture());
            DressButton(*glow);
            button = glow;
        }
        Place(*button, FLayout.GetCloseButtonRect(i));
        button->SetTag(i);
        GiveHint(*button, settings.GetCloseButtonHint());
        button->SetEnabled(anyTab);
        // A closed page's tab is gone, and its close button with it.
        const bool shown = page->GetTabVisible() && (FShowCloseOnNonSelectedTabs || page == FActivePage);
        button->SetVisible(shown);
        if (!shown)
            button->SetWidth(0);
    }
}

void TVezOfficePager::UpdateScrollButtons()
{
    if (!FTabScroller.GetVisible()) {
        ReleaseButtonLater(FScrollFirstButton);
        ReleaseButtonLater(FScrollPrevButton);
        ReleaseButtonLater(FScrollNextButton);
        ReleaseButtonLater(FScrollLastButton);
        return;
    }
    const TPageButtonSettings& settings = *FButtonSettings;
    const struct {
        TVezGlowButton* TVezOfficePager::*Button;
        TPagerScrollButton Kind;
        void (TVezOfficePager::*Click)(plat::TObject*);
        plat::TRect Rect;
        const std::string& Hint;
        bool Enabled;
        bool Shown;
    } buttons[] = {
        {&TVezOfficePager::FScrollFirstButton, psbFirst, &TVezOfficePager::ScrollFirstClick,
         FLayout.GetScrollFirstRect(), settings.GetScrollButtonFirstHint(), FTabScroller.CanGoBack(),
         settings.GetFirstButton()},
        {&TVezOfficePager::FScrollLastButton, psbLast, &TVezOfficePager::ScrollLastClick, FLayout.GetScrollLastRect(),
         settings.GetScrollButtonLastHint(), FTabScroller.CanGoForward(), settings.GetLastButton()},
        {&TVezOfficePager::FScrollPrevButton, psbPrevious, &TVezOfficePager::ScrollPrevClick,
         FLayout.GetScrollPrevRect(), settings.GetScrollButtonPrevHint(), FTabScroller.CanGoBack(), true},
        {&TVezOfficePager::FScrollNextButton, psbNext, &TVezOfficePager::ScrollNextClick, FLayout.GetScrollNextRect(),
         settings.GetScrollButtonNextHint(), FTabScroller.CanGoForward(), true},
    };
    for (const auto& b : buttons) {
        TVezGlowButton*& button = this->*b.Button;
        if (!button) {
            const auto click = b.Click;
            button = MakeGlowButton([this, click](plat::TObject* Sender) { (this->*click)(Sender); });
        }
        Place(*button, b.Rect);
        DressButton(*button);
        button->SetPicture(settings.ScrollPicture(b.Kind, FTabPosition));
        GiveHint(*button, b.Hint);
        button->SetRepeatClick(true);
        button->SetEnabled(b.Enabled);
        button->SetVisible(b.Shown);
        if (!b.Shown)
            button->SetWidth(0);
    }
}

void TVezOfficePager::CreateClosedListButton()
{
    if (!FClosedListButton)
        FClosedListButton = MakeGlowButton([this](plat::TObject* Sender) { ClosedListButtonClick(Sender); });
    UpdateClosedListButton();
}

void TVezOfficePager::UpdateClosedListButton()
{
    if (!FClosedListButton)
        return;
    const TPageButtonSettings& settings = *FButtonSettings;
    const int size = settings.GetButtonSize();
    FClosedListButton->SetBounds(FClosedListButton->GetLeft(), FClosedListButton->GetTop(), size, size);
    // Switched off, the button goes out of sight with its setting.
    const bool shown = settings.GetClosedListButton() && !FClosedPages.empty();
    FClosedListButton->SetVisible(shown);
    if (!shown)
        return;
    DressButton(*FClosedListButton);
    FClosedListButton->SetPicture(settings.ClosedListButtonPicture());
    GiveHint(*FClosedListButton, settings.GetClosedListButtonHint());
    const plat::TRect r = FLayout.GetClosedListRect();
    FClosedListButton->SetBounds(r.Left, r.Top, size, size);
}

void TVezOfficePager::ScrollFirstClick(plat::TObject* Sender)
{
    if (OnFirstClick)
        OnFirstClick(Sender);
    ScrollToFirst();
    UpdateButtons();
}

void TVezOfficePager::ScrollLastClick(plat::TObject* Sender)
{
    if (OnLastClick)
        OnLastClick(Sender);
    ScrollToLast();
    UpdateButtons();
}

void TVezOfficePager::ScrollPrevClick(plat::TObject* Sender)
{
    ScrollBack();
    UpdateButtons();
    if (OnPrevClick)
        OnPrevClick(Sender);
}

void TVezOfficePager::ScrollNextClick(plat::TObject* Sender)
{
    ScrollForward();
    UpdateButtons();
    if (OnNextClick)
        OnNextClick(Sender);
}

}  // namespace skelda::pager
