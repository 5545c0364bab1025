#pragma once

#include "platform/system/DesktopHelpViewer.h"
#include "platform/system/HelpViewer.h"

#include <map>
#include <memory>
#include <string>

namespace plat {

class QtHelpWindow;

// The help viewer of the program: a compiled help file (.chm) opens in the program's own help
// window (QtHelpWindow), one window per file, brought to the front and back to its first page at
// each request; any other file goes to the desktop's viewer. The help has no map of context ids,
// so a context shows the first page too.
class QtHelpViewer : public IHelpViewer {
public:
    QtHelpViewer();
    ~QtHelpViewer() override;

    TOpenResult ShowContents(const std::string& helpFile) override;
    TOpenResult ShowContext(const std::string& helpFile, int contextId) override;

    // The window open for helpFile, if any.
    QtHelpWindow* WindowFor(const std::string& helpFile) const;

private:
    DesktopHelpViewer FDesktop;
    std::map<std::string, std::unique_ptr<QtHelpWindow>> FWindows;
};

}  // namespace plat
