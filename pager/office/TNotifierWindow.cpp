#include "pager/office/TNotifierWindow.h"

#include "foundation/TRegMonitorThread.h"
#include "platform/controls/core/Messages.h"

namespace skelda::pager {

TNotifierWindow::TNotifierWindow(plat::TComponent* AOwner) : plat::TWinControl(AOwner) {}

void TNotifierWindow::WndProc(plat::TMessage& Message)
{
    if ((Message.Msg == plat::WM_THEMECHANGED || Message.Msg == foundation::WM_OFFICETHEMECHANGED) && OnThemeChange)
        OnThemeChange(this);
    plat::TWinControl::WndProc(Message);
}

}  // namespace skelda::pager
