#pragma once

#include "platform/controls/services/TaskDialog.h"
#include "platform/system/HResult.h"

#include <string>

namespace plat {

// Message box buttons, icons and default button, with the platform's numbers.
enum : unsigned {
    MB_OK = 0x0000,
    MB_OKCANCEL = 0x0001,
    MB_ABORTRETRYIGNORE = 0x0002,
    MB_YESNOCANCEL = 0x0003,
    MB_YESNO = 0x0004,
    MB_RETRYCANCEL = 0x0005,
    MB_ICONHAND = 0x0010,
    MB_ICONERROR = MB_ICONHAND,
    MB_ICONSTOP = MB_ICONHAND,
    MB_ICONQUESTION = 0x0020,
    MB_ICONEXCLAMATION = 0x0030,
    MB_ICONWARNING = MB_ICONEXCLAMATION,
    MB_ICONASTERISK = 0x0040,
    MB_ICONINFORMATION = MB_ICONASTERISK,
    MB_DEFBUTTON1 = 0x0000,
    MB_DEFBUTTON2 = 0x0100,
    MB_DEFBUTTON3 = 0x0200,
    MB_TYPEMASK = 0x000F,
    MB_ICONMASK = 0x00F0,
    MB_DEFMASK = 0x0F00,
    // Text and caption read right to left.
    MB_RTLREADING = 0x00100000,
};

// The button that closed a message box.
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7, IDCLOSE = 8 };

// Modal message boxes and task dialogs. Production shows Qt dialogs; tests record each one and
// answer from a script.
class IDialogService {
public:
    virtual ~IDialogService() = default;

    // Shows Text with the buttons, icon and default button of Flags (MB_*); returns the ID* of
    // the button chosen. Closing the box without a choice answers IDCANCEL where the box has a
    // Cancel button, else the default button's id.
    virtual int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags) = 0;

    // Shows the task dialog of Config modally (see TaskDialog.h) and, once it is gone, answers
    // S_OK with the id of the button that closed it (IDCANCEL when it was cancelled), the radio
    // button selected (0 for none) and whether the verification box was checked. Any output may
    // be nullptr. A dialog that cannot be run to its end answers E_FAIL and zeros.
    virtual HRESULT TaskDialogIndirect(const TTaskDialogConfig& Config, int* Button, int* RadioButton,
                                       bool* VerificationFlagChecked) = 0;
};

// The ids of the buttons a message box of these flags shows, in order, and the one that is
// the default.
int MessageBoxButtons(unsigned Flags, int (&Ids)[3]);
int MessageBoxDefaultId(unsigned Flags);

}  // namespace plat
