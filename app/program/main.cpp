// SKELDA's entry point: the splash window while the program starts, then the main window and the
// message loop until it closes.

#include "app/ProgramStartup.h"
#include "app/TMUFForm.h"
#include "editcontrols/support/SupportUnits.h"
#include "foundation/FoundationUnits.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/qt/ProductionServices.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApplication(argc, argv);
    plat::InstallProductionServices();
    // The control libraries' own start-up comes before any control exists, and is undone in
    // reverse order once every control is gone.
    skelda::foundation::StartUpFoundationUnits();
    skelda::editcontrols::StartUpSupportUnits();
    const std::string folder = skelda::app::ProgramFolder();
    skelda::app::StartProgram(folder, [&] { plat::Application->CreateForm<skelda::app::TMUFForm>(folder); });
    plat::Application->Run();
    plat::Application->DestroyComponents();
    skelda::editcontrols::ShutDownSupportUnits();
    skelda::foundation::ShutDownFoundationUnits();
    return 0;
}
