#include "platform/system/ChmContents.h"

#include "platform/core/Utf8.h"

#include <algorithm>
#include <cctype>

namespace plat {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// "&amp;", "&lt;", "&gt;", "&quot;", "&apos;", "&#NN;" and "&#xNN;"; anything else stays.
std::string ResolveReferences(std::string_view text)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (semicolon == std::string_view::npos || semicolon - i > 10) {
            out += text[i++];
            continue;
        }
        const std::string name = LowerCase(text.substr(i + 1, semicolon - i - 1));
        std::string replacement;
        if (name == "amp")
            replacement = "&";
        else if (name == "lt")
            replacement = "<";
        else if (name == "gt")
            replacement = ">";
        else if (name == "quot")
            replacement = "\"";
        else if (name == "apos")
            replacement = "'";
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x';
            const std::string digits = name.substr(hex ? 2 : 1);
            const bool valid = !digits.empty() && std::all_of(digits.begin(), digits.end(), [hex](char c) {
                return hex ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c));
            });
            const unsigned long code = valid ? std::stoul(digits, nullptr, hex ? 16 : 10) : 0;
            if (valid && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF))
                replacement = CodePointToUtf8(static_cast<char32_t>(code));
        }
        if (replacement.empty()) {
            out += text[i++];
            continue;
        }
        out += replacement;
        i = semicolon + 1;
    }
    return out;
}

// The value of attribute Name inside one tag's text (after its tag name), quoted or not.
std::string Attribute(std::string_view tag, std::string_view name)
{
    std::size_t i = 0;
    while (i < tag.size()) {
        while (i < tag.size() && !std::isalpha(static_cast<unsigned char>(tag[i])))
            ++i;
        const std::size_t start = i;
        while (i < tag.size() && (std::isalnum(static_cast<unsigned char>(tag[i])) || tag[i] == '-'))
            ++i;
        const std::string attribute = LowerCase(tag.substr(start, i - start));
        while (i < tag.size() && tag[i] == ' ')
            ++i;
        if (i >= tag.size() || tag[i] != '=')
            continue;
        ++i;
        while (i < tag.size() && tag[i] == ' ')
            ++i;
        std::string_view value;
        if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
            const std::size_t close = tag.find(tag[i], i + 1);
            const std::size_t end = close == std::string_view::npos ? tag.size() : close;
            value = tag.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            const std::size_t begin = i;
            while (i < tag.size() && !std::isspace(static_cast<unsigned char>(tag[i])))
                ++i;
            value = tag.substr(begin, i - begin);
        }
        if (attribute == name)
            return std::string(value);
    }
    return {};
}

}  // namespace

std::vector<TChmTopic> ParseChmContents(std::string_view SiteMap)
{
    std::vector<TChmTopic> root;
    // The open lists, innermost last; empty before the first <ul>, when items go to the root.
    std::vector<std::vector<TChmTopic>*> open;
    std::vector<TChmTopic>* current = &root;
    bool inItem = false;
    TChmTopic item;

    std::size_t i = 0;
    while ((i = SiteMap.find('<', i)) != std::string_view::npos) {
        std::size_t end = SiteMap.find('>', i);
        if (end == std::string_view::npos)
            end = SiteMap.size();
        const std::string_view tag = SiteMap.substr(i + 1, end - i - 1);
        i = end;
        if (StartsWithNoCase(tag, "ul") && (tag.size() == 2 || !std::isalnum(static_cast<unsigned char>(tag[2])))) {
            if (open.empty())
                current = &root;
            else if (static_cast<int>(open.size()) < MaxChmContentsDepth && !current->empty())
                current = &current->back().Children;
            open.push_back(current);
        } else if (StartsWithNoCase(tag, "/ul")) {
            if (!open.empty())
                open.pop_back();
            current = open.empty() ? &root : open.back();
        } else if (StartsWithNoCase(tag, "object") && LowerCase(Attribute(tag.substr(6), "type")) == "text/sitemap") {
            inItem = true;
            item = {};
        } else if (inItem && StartsWithNoCase(tag, "param")) {
            const std::string name = LowerCase(Attribute(tag.substr(5), "name"));
            const std::string value = ResolveReferences(Windows1252ToUtf8(Attribute(tag.substr(5), "value")));
            if (name == "name" && item.Name.empty())
                item.Name = value;
            else if (name == "local" && item.Local.empty())
                item.Local = ChmPathFromLocal(value);
        } else if (inItem && StartsWithNoCase(tag, "/object")) {
            inItem = false;
            if (!item.Name.empty())
                current->push_back(std::move(item));
        }
    }
    return root;
}

std::string ChmPathFromLocal(std::string_view Local)
{
    if (const std::size_t separator = Local.find("::"); separator != std::string_view::npos)
        Local.remove_prefix(separator + 2);
    std::string path(Local);
    std::replace(path.begin(), path.end(), '\\', '/');
    while (path.starts_with("./"))
        path.erase(0, 2);
    if (path.empty())
        return path;
    if (path[0] != '/')
        path.insert(path.begin(), '/');
    return path;
}

}  // namespace plat
