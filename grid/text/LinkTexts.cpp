#include "grid/text/LinkTexts.h"

namespace skelda::grid {

namespace {

constexpr std::string_view ProtocolEnd = "://";
constexpr std::string_view MailTo = "mailto:";

}  // namespace

bool IsURL(std::string_view Text)
{
    return Text.find(ProtocolEnd) != std::string_view::npos || Text.find(MailTo) != std::string_view::npos;
}

void StripURLProtocol(std::string& Text)
{
    if (const std::size_t found = Text.find(ProtocolEnd); found != std::string::npos)
        Text.erase(0, found + ProtocolEnd.size());
    else if (const std::size_t mail = Text.find(MailTo); mail != std::string::npos)
        Text.erase(0, mail + MailTo.size());
}

}  // namespace skelda::grid
