#include "foundation/TThemeNotifier.h"

#include "foundation/OfficeTheme.h"
#include "foundation/TRegMonitorThread.h"
#include "platform/controls/core/WindowHandles.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"

namespace skelda::foundation {

namespace {

TThemeNotifier*& ProcessNotifier()
{
    static TThemeNotifier* notifier = nullptr;
    return notifier;
}

}  // namespace

TThemeNotifierWindow::TThemeNotifierWindow(plat::TComponent* AOwner) : plat::TWinControl(AOwner) {}

void TThemeNotifierWindow::WndProc(plat::TMessage& Message)
{
    if (Message.Msg == WM_OFFICETHEMECHANGED && OnOfficeThemeChange)
        OnOfficeThemeChange(this);
    plat::TWinControl::WndProc(Message);
}

TThemeNotifier::TThemeNotifier(plat::TComponent* AOwner) : plat::TComponent(AOwner)
{
    if (ComponentState().Contains(plat::csDesigning))
        return;
    const int version = InstalledOfficeVersion();
    if (version != 1 && version != 2)
        return;
    auto* window = new TThemeNotifierWindow(this);
    window->Hide();
    window->SetParent(dynamic_cast<plat::TWinControl*>(AOwner));
    window->OnOfficeThemeChange = [this](plat::TObject*) {
        if (OnOfficeThemeChange)
            OnOfficeThemeChange(this);
    };
    FNotifier = plat::TControlRef<TThemeNotifierWindow>(window);

    FRegMonitorThread = std::make_unique<TRegMonitorThread>(FWinList);
    FRegMonitorThread->SetWnd(plat::WindowHandleOf(*window));
    FRegMonitorThread->SetFilter(4);
    FRegMonitorThread->SetKey(version == 2 ? Office2010CommonKey : Office2007CommonKey);
    FRegMonitorThread->SetRootKey(plat::HKEY_CURRENT_USER);
    FRegMonitorThread->SetWatchSub(true);
    FRegMonitorThread->Start();
}

TThemeNotifier::~TThemeNotifier()
{
    FRegMonitorThread.reset();
    if (ProcessNotifier() == this)
        ProcessNotifier() = nullptr;
}

void TThemeNotifier::RegisterWindow(plat::HWND Handle)
{
    if (FRegMonitorThread && !FWinList.HasValue(Handle))
        FWinList.Add(Handle);
}

void TThemeNotifier::UnRegisterWindow(plat::HWND Handle)
{
    if (FRegMonitorThread)
        FWinList.DeleteValue(Handle);
}

TThemeNotifier* GetThemeNotifier(plat::TWinControl* Owner)
{
    TThemeNotifier*& notifier = ProcessNotifier();
    if (!notifier) {
        plat::TComponent* owner = Owner;
        if (plat::TCustomForm* main = plat::Application->MainForm(); main && main->HandleAllocated())
            owner = main;
        notifier = new TThemeNotifier(owner);
    }
    return notifier;
}

}  // namespace skelda::foundation
