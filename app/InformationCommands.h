#pragma once

// The main window's buttons that tell about the program: the About dialog, the help and the
// information text.

#include <string>

namespace plat {
class TObject;
}

namespace skelda::app {

class TInfoForm;

class InformationCommands {
public:
    // The folder where the information text lies, ending in '/'.
    explicit InformationCommands(std::string ProgramFolder);

    // The About dialog, modal; freed once closed.
    void AboutBtnClick(plat::TObject* Sender);
    // The application's help file at its table of contents, with no owner window. Help that
    // cannot be shown says why in a message box.
    void HelpBtnClick(plat::TObject* Sender);
    // A further information window each time, not modal, owned by the application and freed
    // when closed; its text is "Info.txt" of the program's folder.
    TInfoForm* InfoBtnClick(plat::TObject* Sender);

private:
    std::string FProgramFolder;
};

}  // namespace skelda::app
