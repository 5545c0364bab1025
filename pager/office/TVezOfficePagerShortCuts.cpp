// Typed shortcut hints: shown beside the tabs while the pager has the focus, narrowed by each
// character typed, and hidden by whatever moves the user's attention away.

#include "pager/glow/TShortCutHintWindow.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/core/Messages.h"
#include "platform/core/Utf8.h"
#include "platform/system/Beeper.h"
#include "platform/system/Environment.h"

#include <algorithm>

namespace skelda::pager {

namespace {

constexpr unsigned WM_MOVING = 0x0216;
constexpr plat::WPARAM SC_MINIMIZE = 0xF020;
constexpr plat::WPARAM SC_MAXIMIZE = 0xF030;

// The nearest form up the parent chain (a form inside a form counts).
plat::TCustomForm* NearestParentForm(const plat::TControl& Control)
{
    for (plat::TWinControl* parent = Control.GetParent(); parent; parent = parent->GetParent())
        if (auto* form = dynamic_cast<plat::TCustomForm*>(parent))
            return form;
    return nullptr;
}

// Keyboard choices, like the mouse and the arrows, reach only tabs that can be chosen.
bool TakesShortCut(const TVezOfficePage& Page)
{
    return Page.GetTabVisible() && Page.GetTabEnabled() && !Page.GetShortCutHint().empty();
}

}  // namespace

TShortCutHintWindow* TVezOfficePager::AddShortCutHintWindow()
{
    auto* window = new TShortCutHintWindow(this);
    FShortCutHintWinList.push_back(window);
    return window;
}

void TVezOfficePager::RemoveShortCutHintWindow(TShortCutHintWindow* Window)
{
    const auto it = std::find(FShortCutHintWinList.begin(), FShortCutHintWinList.end(), Window);
    if (it == FShortCutHintWinList.end())
        return;
    FShortCutHintWinList.erase(it);
    delete Window;
}

void TVezOfficePager::ShowTabShortCutHints()
{
    if (!FShowShortCutHints)
        return;
    for (int i = 0; i < FVezPages.Count(); ++i)
        if (TakesShortCut(*FVezPages.Get(i)))
            FVezPages.Get(i)->ShowShortCutHint();
    FTabShortCutHintShowing = true;
    FTabShortCutChars.clear();
    if (Designing() || FFormHook.Observing())
        return;
    if (plat::TCustomForm* form = NearestParentForm(*this))
        FFormHook = form->AddMessageObserver(
            [this](plat::TCustomForm&, const plat::TMessage& Message) { FormMessageSeen(Message); });
}

void TVezOfficePager::HideTabShortCutHints()
{
    for (int i = 0; i < FVezPages.Count(); ++i)
        FVezPages.Get(i)->HideShortCutHint();
    // Pages that left the pager while their hint showed left their window behind.
    while (!FShortCutHintWinList.empty())
        RemoveShortCutHintWindow(FShortCutHintWinList.back());
    FTabShortCutHintShowing = false;
    FFormHook.Reset();
}

void TVezOfficePager::FocusMessage(const plat::TMessage& Message)
{
    if (Message.Msg == plat::WM_KILLFOCUS) {
        if (FTabShortCutHintShowing)
            HideTabShortCutHints();
        return;
    }
    const auto* focused = reinterpret_cast<const plat::TWinControl*>(Message.LParam);
    if (focused == this) {
        if (!Loading() && !Designing())
            ShowTabShortCutHints();
    } else if (FTabShortCutHintShowing) {
        HideTabShortCutHints();
    }
    InvalidateTabStrip();
}

void TVezOfficePager::KeyPress(char32_t& Key)
{
    if (FTabShortCutHintShowing)
        ShortCutTyped(Key);
    plat::TCustomControl::KeyPress(Key);
}

void TVezOfficePager::ShortCutTyped(char32_t Char)
{
    FTabShortCutChars += plat::CodePointToUtf8(Char);
    const std::string typed = plat::Utf8UpperCase(FTabShortCutChars);
    bool matched = false;
    bool anyShown = false;
    for (int i = 0; i < FVezPages.Count(); ++i) {
        TVezOfficePage* page = FVezPages.Get(i);
        if (!TakesShortCut(*page))
            continue;
        const std::string hint = plat::Utf8UpperCase(page->GetShortCutHint());
        if (hint == typed) {
            HideTabShortCutHints();
            SetActivePageIndex(i);
            return;
        }
        if (hint.compare(0, typed.size(), typed) == 0)
            matched = true;
        else
            page->HideShortCutHint();
        anyShown = anyShown || page->ShortCutHintWindow();
    }
    if (!anyShown)
        HideTabShortCutHints();
    if (!matched)
        plat::Env().Beeper->MessageBeep(0);
}

void TVezOfficePager::FormMessageSeen(const plat::TMessage& Message)
{
    if (IsDestroying())
        return;
    const bool hides = Message.Msg == plat::WM_SIZE || Message.Msg == plat::WM_LBUTTONDOWN ||
                       Message.Msg == WM_MOVING ||
                       (Message.Msg == plat::WM_SYSCOMMAND &&
                        (Message.WParam == SC_MINIMIZE || Message.WParam == SC_MAXIMIZE));
    if (hides)
        HideTabShortCutHints();
}

}  // namespace skelda::pager
