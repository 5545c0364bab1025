#include "app/InformationCommands.h"

#include "app/ProgramStartup.h"
#include "app/TAPropos.h"
#include "app/TInfoForm.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/system/HtmlHelp.h"

#include <memory>

namespace skelda::app {

InformationCommands::InformationCommands(std::string ProgramFolder) : FProgramFolder(std::move(ProgramFolder)) {}

void InformationCommands::AboutBtnClick(plat::TObject*)
{
    const std::unique_ptr<TAPropos> about(plat::CreateForm<TAPropos>(plat::Application));
    about->ShowModal();
}

void InformationCommands::HelpBtnClick(plat::TObject*)
{
    const plat::TOpenResult shown = plat::HtmlHelp(plat::Application->GetHelpFile(), plat::HH_DISPLAY_TOC, 0);
    if (!shown.Ok)
        plat::ShowMessage(shown.Error);
}

TInfoForm* InformationCommands::InfoBtnClick(plat::TObject*)
{
    auto* info = plat::CreateForm<TInfoForm>(plat::Application);
    info->OnClose = [](plat::TObject*, plat::TCloseAction& Action) { Action = plat::caFree; };
    info->Show();
    info->LoadText(FProgramFolder + kInfoFileName);
    return info;
}

}  // namespace skelda::app
