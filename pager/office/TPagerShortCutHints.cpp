#include "pager/office/TPagerShortCutHints.h"

#include "pager/glow/TShortCutHintWindow.h"
#include "pager/office/TVezOfficePage.h"
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

// Keyboard choices, like the mouse and the arrows, reach only tabs that can be chosen.
bool TakesShortCut(const TVezOfficePage& Page)
{
    return Page.GetTabVisible() && Page.GetTabEnabled() && !Page.GetShortCutHint().empty();
}

}  // namespace

TShortCutHintWindow* TPagerShortCutHints::AddWindow()
{
    auto* window = new TShortCutHintWindow(&FHost.HintWindowOwner());
    FWindows.push_back(window);
    return window;
}

void TPagerShortCutHints::RemoveWindow(TShortCutHintWindow* Window)
{
    const auto it = std::find(FWindows.begin(), FWindows.end(), Window);
    if (it == FWindows.end())
        return;
    FWindows.erase(it);
    delete Window;
}

void TPagerShortCutHints::Show()
{
    for (int i = 0; i < FHost.HintPageCount(); ++i)
        if (TakesShortCut(FHost.HintPage(i)))
            FHost.HintPage(i).ShowShortCutHint();
    FShowing = true;
    FTyped.clear();
    if (FFormHook.Observing())
        return;
    if (plat::TCustomForm* form = FHost.HintForm())
        FFormHook = form->AddMessageObserver(
            [this](plat::TCustomForm&, const plat::TMessage& Message) { FormMessageSeen(Message); });
}

void TPagerShortCutHints::Hide()
{
    for (int i = 0; i < FHost.HintPageCount(); ++i)
        FHost.HintPage(i).HideShortCutHint();
    // Pages that left the pager while their hint showed left their window behind.
    while (!FWindows.empty())
        RemoveWindow(FWindows.back());
    FShowing = false;
    FFormHook.Reset();
}

void TPagerShortCutHints::Typed(char32_t Char)
{
    FTyped += plat::CodePointToUtf8(Char);
    const std::string typed = plat::Utf8UpperCase(FTyped);
    bool matched = false;
    bool anyShown = false;
    for (int i = 0; i < FHost.HintPageCount(); ++i) {
        TVezOfficePage& page = FHost.HintPage(i);
        if (!TakesShortCut(page))
            continue;
        const std::string hint = plat::Utf8UpperCase(page.GetShortCutHint());
        if (hint == typed) {
            Hide();
            FHost.ShortCutChosen(i);
            return;
        }
        if (hint.compare(0, typed.size(), typed) == 0)
            matched = true;
        else
            page.HideShortCutHint();
        anyShown = anyShown || page.ShortCutHintWindow();
    }
    if (!anyShown)
        Hide();
    if (!matched)
        plat::Env().Beeper->MessageBeep(0);
}

void TPagerShortCutHints::FormMessageSeen(const plat::TMessage& Message)
{
    if (FHost.HintHostDestroying())
        return;
    const bool hides = Message.Msg == plat::WM_SIZE || Message.Msg == plat::WM_LBUTTONDOWN ||
                       Message.Msg == WM_MOVING ||
                       (Message.Msg == plat::WM_SYSCOMMAND &&
                        (Message.WParam == SC_MINIMIZE || Message.WParam == SC_MAXIMIZE));
    if (hides)
        Hide();
}

}  // namespace skelda::pager
