#pragma once

#include <string>

namespace plat {

// Plain text on the desktop's clipboard, UTF-8. The offscreen platform of the tests keeps the
// clipboard inside the process. Without a graphical application there is no clipboard: setting
// does nothing and reading gives an empty text. User-interface thread only.
void SetClipboardText(const std::string& Text);
std::string GetClipboardText();

}  // namespace plat
