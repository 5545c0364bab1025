#pragma once

// The notice, after the station was saved, that most settings take effect at the next start.

namespace skelda::foundation {
class TVezTaskDialog;
}

namespace skelda::app {

// Sets TSKDLG up for the notice, sounds the information beep and shows it. Custom buttons that
// an earlier dialog left in TSKDLG stay: after a failed download the notice offers "Close this
// warning" too.
void ShowRestartNotice(foundation::TVezTaskDialog& TSKDLG);

}  // namespace skelda::app
