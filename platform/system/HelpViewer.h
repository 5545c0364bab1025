#pragma once

#include "platform/system/OpenResult.h"

#include <string>

namespace plat {

// Shows the program's help file: its table of contents, or the topic of a help context id.
class IHelpViewer {
public:
    virtual ~IHelpViewer() = default;
    virtual TOpenResult ShowContents(const std::string& helpFile) = 0;
    virtual TOpenResult ShowContext(const std::string& helpFile, int contextId) = 0;
};

}  // namespace plat
