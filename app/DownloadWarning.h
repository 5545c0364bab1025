#pragma once

// The warning that the day's solar flux could not be downloaded, shown once at start-up through
// the window's task dialog.

#include <string>

namespace skelda::foundation {
class TVezTaskDialog;
}

namespace skelda::app {

inline constexpr const char* kCloseWarningButton = "Close this warning";

// Sets TSKDLG up for the warning (its custom button stays for later dialogs), sounds the
// information beep and shows it. When BulletinUrl is a plain web address, the content links the
// service's home page and the footer the bulletin.
void ShowDownloadWarning(foundation::TVezTaskDialog& TSKDLG, const std::string& BulletinUrl);

}  // namespace skelda::app
