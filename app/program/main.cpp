// SKELDA's entry point: the splash window while the program starts, then the main window and the
// message loop until it closes.

#include "app/ProgramStartup.h"
#include "app/ProgramVersion.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/qt/ProductionServices.h"

#include <QApplication>

namespace {

// The one place where the main window is made. Until the propagation window is assembled, the
// program opens its plain main form.
void CreateMainWindow()
{
    auto* mainForm = plat::Application->CreateForm<plat::TForm>();
    mainForm->SetCaption(skelda::app::kProgramTitle);
    mainForm->SetClientWidth(904);
    mainForm->SetClientHeight(628);
    mainForm->SetPosition(plat::poScreenCenter);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication qtApplication(argc, argv);
    plat::InstallProductionServices();
    skelda::app::StartProgram(skelda::app::ProgramFolder(), CreateMainWindow);
    plat::Application->Run();
    plat::Application->DestroyComponents();
    return 0;
}
