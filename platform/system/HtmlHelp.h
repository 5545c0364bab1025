#pragma once

#include "platform/system/OpenResult.h"

#include <cstdint>
#include <string>

namespace plat {

// The commands of the HTML Help call that the program uses.
enum : unsigned {
    HH_DISPLAY_TOC = 0x0001,   // the table of contents, at the help's first page
    HH_HELP_CONTEXT = 0x000F,  // the topic of the context id in Data
};

// Shows File through the environment's help viewer (Env().Help); the help window has no owner.
// Another command is refused with a result.
TOpenResult HtmlHelp(const std::string& File, unsigned Command, std::uintptr_t Data);

}  // namespace plat
