#include "foundation/NewlineEscapes.h"

namespace skelda::foundation {

namespace {

std::string ReplaceAll(std::string Text, const std::string& From, const std::string& To)
{
    for (std::size_t at = Text.find(From); at != std::string::npos; at = Text.find(From, at + To.size()))
        Text.replace(at, From.size(), To);
    return Text;
}

}  // namespace

std::string ExpandNewlineEscapes(const std::string& Text)
{
    if (Text.find("\\\\n") != std::string::npos)
        return ReplaceAll(Text, "\\\\n", "\\n");
    return ReplaceAll(Text, "\\n", "\n");
}

}  // namespace skelda::foundation
