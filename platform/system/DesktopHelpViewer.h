#pragma once

#include "platform/system/HelpViewer.h"

namespace plat {

// Opens the help file with the desktop's viewer for its type. The desktop offers no way to
// jump to a topic from outside, so a context id shows the file from its start.
class DesktopHelpViewer : public IHelpViewer {
public:
    TOpenResult ShowContents(const std::string& helpFile) override;
    TOpenResult ShowContext(const std::string& helpFile, int contextId) override;
};

}  // namespace plat
