#pragma once

// The table of contents of a compiled help file: the "site map" HTML of its .hhc file, lists
// (<ul>) of items whose <object type="text/sitemap"> carries the parameters "Name" and "Local".

#include <string>
#include <string_view>
#include <vector>

namespace plat {

struct TChmTopic {
    std::string Name;
    // The page inside the help file, from its root: "/index.html", "/guide/a.html#part"; empty
    // for a heading without a page of its own.
    std::string Local;
    std::vector<TChmTopic> Children;
    friend bool operator==(const TChmTopic&, const TChmTopic&) = default;
};

// Lists deeper than this are kept at this depth, so that no file makes a tree too deep to free.
inline constexpr int MaxChmContentsDepth = 32;

// Reads what it can and skips the rest: an item without a "Name" is dropped, a list opened
// before any item belongs to the level around it, a surplus </ul> is ignored. Texts are
// Windows-1252, as the help compiler writes them, and come back as UTF-8 with the HTML
// character references resolved. Linear in the size of the text.
std::vector<TChmTopic> ParseChmContents(std::string_view SiteMap);

// A page path of the help file as a path from its root: a "ms-its:file.chm::" prefix and
// "./" are dropped, '\' becomes '/', and a leading '/' is added.
std::string ChmPathFromLocal(std::string_view Local);

}  // namespace plat
