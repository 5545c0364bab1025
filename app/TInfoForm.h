#pragma once

// The information window: the text "Info.txt" of the program's folder in a memo, and a close
// button. Made at run time, not from a form resource.

#include "platform/controls/forms/TForm.h"

#include <string>

namespace plat {
class TMemo;
}  // namespace plat

namespace skelda::editcontrols {
class TKvHTButton;
}

namespace skelda::app {

class TInfoForm : public plat::TForm {
public:
    static constexpr const char* kNotFoundText = "Could not find the file \"Info.txt\"...";

    explicit TInfoForm(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TInfoForm"; }

    // Loads the memo from FileName; when it cannot be read, beeps (MessageBeep 1) and says so
    // in the memo.
    void LoadText(const std::string& FileName);

    plat::TMemo* Memo;
    // Of the close kind: it closes the window.
    editcontrols::TKvHTButton* CloseBtn;
};

}  // namespace skelda::app
