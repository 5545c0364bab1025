#include "app/RestartNotice.h"

#include "foundation/TCustomVezTaskDialog.h"
#include "platform/controls/services/DialogService.h"
#include "platform/system/Beeper.h"
#include "platform/system/Environment.h"

namespace skelda::app {

void ShowRestartNotice(foundation::TVezTaskDialog& TSKDLG)
{
    TSKDLG.SetTitle("Information");
    TSKDLG.SetInstruction("Restart the program");
    TSKDLG.SetContent("You need to restart the program to take into account the modifications that have been made.");
    TSKDLG.SetVerificationText({});
    TSKDLG.SetExpandedText({});
    TSKDLG.SetExpandControlText({});
    TSKDLG.SetCollapsControlText({});
    TSKDLG.SetFooter({});
    TSKDLG.SetOptions({foundation::doHyperlinks, foundation::doCommandLinks, foundation::doAllowDialogCancel});
    TSKDLG.SetIcon(foundation::tiInformation);
    TSKDLG.SetFooterIcon(foundation::tfiInformation);
    TSKDLG.SetCommonButtons({});
    plat::Env().Beeper->MessageBeep(plat::MB_ICONASTERISK);
    TSKDLG.Execute();
}

}  // namespace skelda::app
