#pragma once

#include <string>

namespace skelda::foundation {

// Opens a link clicked in a task dialog with the desktop's handler, through the shell service,
// when it names a place to read or to write to (http, https, mailto, in any case); anything else
// is left alone: text from a dialog must never start a program or open a file.
void OpenDialogLink(const std::string& HRef);

}  // namespace skelda::foundation
