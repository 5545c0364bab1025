#include "app/ProgramStartup.h"

#include "app/ProgramVersion.h"
#include "app/TSplashForm.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TTimer.h"
#include "platform/system/ProgramFile.h"

#include <memory>

namespace skelda::app {

std::string ProgramFolder()
{
    return plat::ExtractFilePath(plat::ProgramFileName());
}

void StartProgram(const std::string& ProgramFolder, const std::function<void()>& CreateMainWindow)
{
    // Owned by the application but not made by CreateForm: the main form is the next one.
    std::unique_ptr<TSplashForm> splash(plat::CreateForm<TSplashForm>(plat::Application));
    splash->Show();
    splash->Update();
    while (splash->SplashTimer->GetEnabled())
        if (!plat::Application->HandleMessage())
            break;

    plat::Application->SetTitle(kProgramTitle);
    plat::Application->SetHelpFile(ProgramFolder + kHelpFileName);
    CreateMainWindow();
    splash->Hide();
}

}  // namespace skelda::app
