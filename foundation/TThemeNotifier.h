#pragma once

#include "foundation/THandleList.h"
#include "platform/controls/core/TControl.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/core/TComponent.h"

#include <functional>
#include <memory>

namespace skelda::foundation {

class TRegMonitorThread;

// The hidden window the theme monitor tells first: on WM_OFFICETHEMECHANGED it fires
// OnOfficeThemeChange (Sender: the window), then handles the message as any window does.
class TThemeNotifierWindow : public plat::TWinControl {
public:
    explicit TThemeNotifierWindow(plat::TComponent* AOwner);
    std::string ClassName() const override { return "TThemeNotifierWindow"; }

    void WndProc(plat::TMessage& Message) override;

    std::function<void(plat::TObject* Sender)> OnOfficeThemeChange;
};

// Tells windows when the office suite's colour theme changes. With the 2010 or 2007 suite
// installed it watches that suite's "Common" key on a thread of its own, which sends
// WM_OFFICETHEMECHANGED first to the notifier's own window (firing OnOfficeThemeChange, Sender:
// the notifier) and then to every registered window. Without a suite there is no window and no
// thread: registering does nothing and nothing is ever sent. The notifier owns its thread and
// the list of windows; freeing it stops the thread, ends a send the thread waits in, and waits
// for the thread. Registering and unregistering never wait for a send, also from a handler of
// the message.
class TThemeNotifier : public plat::TComponent {
public:
    explicit TThemeNotifier(plat::TComponent* AOwner);
    ~TThemeNotifier() override;

    std::string ClassName() const override { return "TThemeNotifier"; }

    // Adds a window not yet registered; removes one (nothing when absent).
    void RegisterWindow(plat::HWND Handle);
    void UnRegisterWindow(plat::HWND Handle);

    // nullptr without an office suite.
    TRegMonitorThread* RegMonitorThread() const { return FRegMonitorThread.get(); }
    TThemeNotifierWindow* NotifierWindow() const { return FNotifier.Get(); }
    const THandleList& WinList() const { return FWinList; }

    std::function<void(plat::TObject* Sender)> OnOfficeThemeChange;

private:
    THandleList FWinList;
    std::unique_ptr<TRegMonitorThread> FRegMonitorThread;
    plat::TControlRef<TThemeNotifierWindow> FNotifier;
};

// The notifier of the process, made on the first call: owned by the application's main form
// when that has a window, else by Owner. Freeing it clears the reference, so that a later call
// makes a new one.
TThemeNotifier* GetThemeNotifier(plat::TWinControl* Owner);

}  // namespace skelda::foundation
