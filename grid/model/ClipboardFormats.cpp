#include "grid/model/ClipboardFormats.h"

#include "platform/core/Exception.h"

#include <cctype>
#include <map>
#include <mutex>

namespace skelda::grid {

unsigned RegisterClipboardFormat(const std::string& Name)
{
    constexpr unsigned FirstId = 0xC000;
    constexpr unsigned LastId = 0xFFFF;
    if (Name.empty())
        throw plat::EInvalidArgument("A clipboard format needs a name");
    std::string Folded = Name;
    for (char& C : Folded)
        C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    static std::mutex Lock;
    static std::map<std::string, unsigned> Ids;
    std::lock_guard Guard(Lock);
    const auto [It, Inserted] = Ids.try_emplace(Folded, FirstId + static_cast<unsigned>(Ids.size()));
    if (Inserted && It->second > LastId) {
        Ids.erase(It);
        throw plat::EInvalidArgument("No clipboard format id left for \"%s\"", {Name});
    }
    return It->second;
}

}  // namespace skelda::grid
