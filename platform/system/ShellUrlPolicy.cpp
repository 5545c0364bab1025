#include "platform/system/ShellUrlPolicy.h"

#include <algorithm>
#include <cctype>

namespace plat {

namespace {

std::string LowerScheme(const std::string& url, std::size_t colon)
{
    std::string scheme = url.substr(0, colon);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return scheme;
}

bool HasControlCharacters(const std::string& url)
{
    return std::any_of(url.begin(), url.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

TOpenResult Refuse(const std::string& url, const std::string& why)
{
    return TOpenResult::Failure("Refused to open \"" + url + "\": " + why);
}

}  // namespace

TOpenResult CheckShellUrl(const std::string& url)
{
    if (HasControlCharacters(url))
        return Refuse(url, "the link contains control characters");
    const std::size_t colon = url.find(':');
    if (colon == std::string::npos || colon == 0)
        return Refuse(url, "the link has no scheme");
    const std::string scheme = LowerScheme(url, colon);
    const std::string rest = url.substr(colon + 1);

    if (scheme == "http" || scheme == "https") {
        if (rest.rfind("//", 0) != 0 || rest.size() == 2 || rest[2] == '/')
            return Refuse(url, "the link names no host");
        return TOpenResult::Success();
    }
    if (scheme == "mailto") {
        if (rest.empty())
            return Refuse(url, "the link names no address");
        return TOpenResult::Success();
    }
    if (scheme == "file") {
        if (rest.rfind("//", 0) != 0 || rest.size() == 2)
            return Refuse(url, "the link names no file");
        return TOpenResult::Success();
    }
    return Refuse(url, "only http, https, mailto and file links are opened");
}

}  // namespace plat
