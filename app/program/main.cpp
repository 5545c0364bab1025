// SKELDA's entry point. The propagation window is not built yet: the program opens its plain
// main form, so that the build, the packaging and the start-up path run end to end.

#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/qt/ProductionServices.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApplication(argc, argv);
    plat::InstallProductionServices();
    plat::Application->SetTitle("SKELDA");
    auto* mainForm = plat::Application->CreateForm<plat::TForm>();
    mainForm->SetCaption("SKELDA");
    mainForm->SetClientWidth(800);
    mainForm->SetClientHeight(600);
    mainForm->SetPosition(plat::poScreenCenter);
    plat::Application->Run();
    plat::Application->DestroyComponents();
    return 0;
}
