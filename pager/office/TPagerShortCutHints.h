#pragma once

#include "pager/office/IShortCutHintHost.h"
#include "platform/controls/forms/TForm.h"

#include <string>
#include <vector>

namespace skelda::pager {

class TShortCutHintWindow;

// A pager's typed shortcut hints. Show puts each hint of a page whose tab is visible and enabled
// beside its tab (a page without one shows no empty box); every character typed then narrows
// them, a hint typed whole chooses its page, and a character that continues no hint beeps
// (Env().Beeper). While they show, the host's form is watched as an observer, so several pagers
// can watch one form and one going away leaves the form and the others as they were.
//
// The windows are made for the pages (AddWindow, owned by the host's window owner) and all freed
// on every Hide, also those of pages that left the pager meanwhile.
class TPagerShortCutHints {
public:
    explicit TPagerShortCutHints(IShortCutHintHost& Host) : FHost(Host) {}

    bool Showing() const { return FShowing; }
    void Show();
    void Hide();
    // A character typed while the hints show.
    void Typed(char32_t Char);

    // A window for a page to show its hint in, and freeing it again.
    TShortCutHintWindow* AddWindow();
    void RemoveWindow(TShortCutHintWindow* Window);
    int WindowCount() const { return static_cast<int>(FWindows.size()); }

private:
    void FormMessageSeen(const plat::TMessage& Message);

    IShortCutHintHost& FHost;
    bool FShowing = false;
    // What was typed since the hints showed.
    std::string FTyped;
    std::vector<TShortCutHintWindow*> FWindows;
    plat::TFormMessageObserverRegistration FFormHook;
};

}  // namespace skelda::pager
