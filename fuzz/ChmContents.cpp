// The table of contents of a help file, as any .hhc text may hold it: the tree stays within its
// depth, every page is a path from the file's root and every name is UTF-8 with a text.

#include "FuzzSupport.h"

#include "platform/core/Utf8.h"
#include "platform/system/ChmContents.h"

namespace {

void CheckTopics(const std::vector<plat::TChmTopic>& topics, int depth)
{
    // A list at the deepest level holds topics whose own lists are empty: only a list with topics counts.
    if (topics.empty())
        return;
    skelda::fuzz::Check(depth <= plat::MaxChmContentsDepth, "contents deeper than the limit", std::to_string(depth));
    for (const plat::TChmTopic& topic : topics) {
        skelda::fuzz::Check(!topic.Name.empty(), "an item without a name");
        skelda::fuzz::Check(plat::IsValidUtf8(topic.Name), "a name that is no UTF-8", topic.Name);
        skelda::fuzz::Check(topic.Local.empty() || topic.Local[0] == '/', "a page not from the root", topic.Local);
        CheckTopics(topic.Children, depth + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    CheckTopics(plat::ParseChmContents(skelda::fuzz::AsText(Data, Size)), 1);
    return 0;
}
