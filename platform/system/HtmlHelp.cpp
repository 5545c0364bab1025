#include "platform/system/HtmlHelp.h"

#include "platform/system/Environment.h"
#include "platform/system/HelpViewer.h"

namespace plat {

TOpenResult HtmlHelp(const std::string& File, unsigned Command, std::uintptr_t Data)
{
    switch (Command) {
    case HH_DISPLAY_TOC:
        return Env().Help->ShowContents(File);
    case HH_HELP_CONTEXT:
        return Env().Help->ShowContext(File, static_cast<int>(Data));
    default:
        return TOpenResult::Failure("The help viewer has no command " + std::to_string(Command));
    }
}

}  // namespace plat
