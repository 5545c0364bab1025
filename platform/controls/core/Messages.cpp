#include "platform/controls/core/Messages.h"

#include "platform/core/Exception.h"

#include <cctype>
#include <map>
#include <mutex>

namespace plat {

namespace {

std::string FoldCase(const std::string& name)
{
    std::string folded = name;
    for (char& c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

}  // namespace

unsigned RegisterWindowMessage(const std::string& Name)
{
    constexpr unsigned firstId = 0xC000;
    constexpr unsigned lastId = 0xFFFF;
    if (Name.empty())
        throw EInvalidArgument("A window message needs a name");
    static std::mutex lock;
    static std::map<std::string, unsigned> ids;
    std::lock_guard guard(lock);
    const auto [it, inserted] = ids.try_emplace(FoldCase(Name), firstId + static_cast<unsigned>(ids.size()));
    if (inserted && it->second > lastId) {
        ids.erase(it);
        throw EInvalidArgument("No window message id left for \"%s\"", {Name});
    }
    return it->second;
}

}  // namespace plat
