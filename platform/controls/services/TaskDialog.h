#pragma once

#include "platform/system/HResult.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plat {

class TIcon;
class TWinControl;

// The common-controls task dialog, with the platform's names and numbers: a title, a main
// instruction, content, an expandable text, a verification box, radio buttons, custom buttons
// (or command links), common buttons, a progress bar, icons and a footer. The dialog service
// shows it (IDialogService::TaskDialogIndirect); its callback hears what happens (TDN_) and
// steers it with messages to the dialog's window (TDM_).

// Flags of TTaskDialogConfig::Flags.
enum : unsigned {
    TDF_ENABLE_HYPERLINKS = 0x0001,
    TDF_USE_HICON_MAIN = 0x0002,
    TDF_USE_HICON_FOOTER = 0x0004,
    TDF_ALLOW_DIALOG_CANCELLATION = 0x0008,
    TDF_USE_COMMAND_LINKS = 0x0010,
    TDF_USE_COMMAND_LINKS_NO_ICON = 0x0020,
    TDF_EXPAND_FOOTER_AREA = 0x0040,
    TDF_EXPANDED_BY_DEFAULT = 0x0080,
    TDF_VERIFICATION_FLAG_CHECKED = 0x0100,
    TDF_SHOW_PROGRESS_BAR = 0x0200,
    TDF_SHOW_MARQUEE_PROGRESS_BAR = 0x0400,
    TDF_CALLBACK_TIMER = 0x0800,
    TDF_POSITION_RELATIVE_TO_WINDOW = 0x1000,
    TDF_NO_DEFAULT_RADIO_BUTTON = 0x4000,
    TDF_CAN_BE_MINIMIZED = 0x8000,
};

// Common buttons of TTaskDialogConfig::CommonButtons. They show in this order, after the custom
// buttons, and close the dialog with IDOK, IDYES, IDNO, IDCANCEL, IDRETRY and IDCLOSE.
enum : unsigned {
    TDCBF_OK_BUTTON = 0x0001,
    TDCBF_YES_BUTTON = 0x0002,
    TDCBF_NO_BUTTON = 0x0004,
    TDCBF_CANCEL_BUTTON = 0x0008,
    TDCBF_RETRY_BUTTON = 0x0010,
    TDCBF_CLOSE_BUTTON = 0x0020,
};

// Icons the dialog knows by number: the system's four, and the resource numbers of the
// common-controls library that name the same pictures. Any other number shows no icon.
enum : int {
    TD_WARNING_ICON = 0xFFFF,
    TD_ERROR_ICON = 0xFFFE,
    TD_INFORMATION_ICON = 0xFFFD,
    TD_SHIELD_ICON = 0xFFFC,
    TD_RESOURCE_SHIELD_ICON = 78,
    TD_RESOURCE_INFORMATION_ICON = 81,
    TD_RESOURCE_WARNING_ICON = 84,
    TD_RESOURCE_ERROR_ICON = 98,
    TD_RESOURCE_QUESTION_ICON = 99,
};

// Notifications to the callback.
enum : unsigned {
    TDN_CREATED = 0,
    TDN_BUTTON_CLICKED = 2,           // WParam: the button's id; S_FALSE keeps the dialog open
    TDN_HYPERLINK_CLICKED = 3,        // LParam: the link's href, a const char* (UTF-8)
    TDN_TIMER = 4,                    // WParam: ms since the dialog was created or the callback answered S_FALSE here
    TDN_DESTROYED = 5,
    TDN_RADIO_BUTTON_CLICKED = 6,     // WParam: the radio button's id
    TDN_DIALOG_CONSTRUCTED = 7,
    TDN_VERIFICATION_CLICKED = 8,     // WParam: 1 checked, 0 not
    TDN_HELP = 9,
    TDN_EXPANDO_BUTTON_CLICKED = 10,  // WParam: 1 expanded, 0 collapsed
};

// Messages to the dialog's window (WM_USER + n). A click on a button the dialog does not show, or
// on a disabled one, does nothing.
enum : unsigned {
    TDM_CLICK_BUTTON = 0x0400 + 102,                        // WParam: id
    TDM_SET_PROGRESS_BAR_STATE = 0x0400 + 104,              // WParam: PBST_*
    TDM_SET_PROGRESS_BAR_RANGE = 0x0400 + 105,              // LParam: minimum in the low word, maximum in the high word
    TDM_SET_PROGRESS_BAR_POS = 0x0400 + 106,                // WParam: position; answers the former one
    TDM_SET_PROGRESS_BAR_MARQUEE = 0x0400 + 107,            // WParam: 1 runs the marquee, 0 stops it
    TDM_ENABLE_BUTTON = 0x0400 + 111,                       // WParam: id, LParam: 1 enables, 0 disables
    TDM_UPDATE_ELEMENT_TEXT = 0x0400 + 114,                 // WParam: TDE_*, LParam: const char* (UTF-8)
    TDM_SET_BUTTON_ELEVATION_REQUIRED_STATE = 0x0400 + 115, // WParam: id, LParam: 1 shows the shield
};

// Elements of TDM_UPDATE_ELEMENT_TEXT.
enum : unsigned {
    TDE_CONTENT = 0,
    TDE_EXPANDED_INFORMATION = 1,
    TDE_FOOTER = 2,
    TDE_MAIN_INSTRUCTION = 3,
};

// Progress bar states.
enum : unsigned { PBST_NORMAL = 1, PBST_ERROR = 2, PBST_PAUSED = 3 };

// The running dialog, as its callback sees it and as messages reach it. It exists from the first
// notification to the last (TDN_DESTROYED); nobody may keep it beyond.
class ITaskDialogWindow {
public:
    virtual ~ITaskDialogWindow() = default;
    // Handles a TDM_ message at once; other messages answer 0.
    virtual std::intptr_t Perform(unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam) = 0;
};

// Answers S_OK, or S_FALSE to TDN_BUTTON_CLICKED (keep the dialog open) and to TDN_TIMER (start
// counting the elapsed time afresh).
using TTaskDialogCallback = std::function<HRESULT(ITaskDialogWindow* Window, unsigned Notification,
                                                  std::uintptr_t WParam, std::intptr_t LParam)>;

struct TTaskDialogButton {
    int ButtonID = 0;
    // A command link shows its first line as its caption and the rest as a note below it.
    std::string ButtonText;
    friend bool operator==(const TTaskDialogButton&, const TTaskDialogButton&) = default;
};

// What TaskDialogIndirect shows. Texts are UTF-8; an empty text shows nothing. With
// TDF_ENABLE_HYPERLINKS, <a href="...">...</a> in the content, the expanded information and the
// footer is a link; "\n" breaks a line everywhere.
struct TTaskDialogConfig {
    // The window the dialog belongs to (and is centred on with TDF_POSITION_RELATIVE_TO_WINDOW);
    // nullptr for the application, the dialog then centres on the screen.
    TWinControl* Parent = nullptr;
    unsigned Flags = 0;
    unsigned CommonButtons = 0;
    // Empty: the application's title.
    std::string WindowTitle;
    int MainIcon = 0;
    // Shown instead of MainIcon with TDF_USE_HICON_MAIN.
    std::shared_ptr<const TIcon> MainIconHandle;
    std::string MainInstruction;
    std::string Content;
    std::vector<TTaskDialogButton> Buttons;
    // A button id; one the dialog does not show makes its first button the default.
    int DefaultButton = 0;
    std::vector<TTaskDialogButton> RadioButtons;
    // A radio button id; one the dialog does not show selects the first radio button, unless
    // TDF_NO_DEFAULT_RADIO_BUTTON.
    int DefaultRadioButton = 0;
    std::string VerificationText;
    std::string ExpandedInformation;
    // Beside the expand button while expanded and while collapsed; either stands in for the
    // other, and without both the dialog says "Hide details" and "See details".
    std::string ExpandedControlText;
    std::string CollapsedControlText;
    int FooterIcon = 0;
    std::string Footer;
    TTaskDialogCallback Callback;
};

// The ids of the buttons the dialog shows, in their order: the custom buttons, then the common
// ones; a dialog without any shows OK.
std::vector<int> TaskDialogButtonIds(const TTaskDialogConfig& Config);
// The button Enter presses: DefaultButton when the dialog shows it, else the first.
int TaskDialogDefaultButton(const TTaskDialogConfig& Config);
// The radio button selected at the start, 0 for none.
int TaskDialogDefaultRadioButton(const TTaskDialogConfig& Config);
// Whether Escape and the window's close box cancel the dialog (as IDCANCEL).
bool TaskDialogCanCancel(const TTaskDialogConfig& Config);

}  // namespace plat
