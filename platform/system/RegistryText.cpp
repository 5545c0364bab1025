#include "platform/system/RegistryText.h"

#include <optional>
#include <utility>
#include <vector>

namespace plat {

namespace {

constexpr std::string_view Header = "; SKELDA settings store, format 1";
constexpr char HexDigits[] = "0123456789abcdef";

bool NeedsEscape(unsigned char c)
{
    return c < 0x20 || c == 0x7F || c == '%' || c == '"' || c == '\\' || c == '[' || c == ']';
}

void AppendEscaped(std::string& out, std::string_view text)
{
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (NeedsEscape(c)) {
            out += '%';
            out += HexDigits[c >> 4];
            out += HexDigits[c & 0xF];
        } else {
            out += ch;
        }
    }
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> Unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '%') {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int high = HexValue(text[i + 1]);
            const int low = HexValue(text[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else if (NeedsEscape(c)) {
            return std::nullopt;
        } else {
            out += text[i];
        }
    }
    return out;
}

void AppendValue(std::string& out, const RegistryValue& value)
{
    out += '"';
    AppendEscaped(out, value.Name);
    out += "\"=";
    switch (value.Type) {
    case rdString:
        out += "sz:\"";
        AppendEscaped(out, value.Data);
        out += '"';
        break;
    case rdInteger:
        out += "dword:";
        for (int i = 3; i >= 0; --i) {
            const auto byte = static_cast<unsigned char>(value.Data[static_cast<std::size_t>(i)]);
            out += HexDigits[byte >> 4];
            out += HexDigits[byte & 0xF];
        }
        break;
    case rdBinary:
    case rdUnknown:
        out += "hex:";
        for (std::size_t i = 0; i < value.Data.size(); ++i) {
            if (i > 0)
                out += ',';
            const auto byte = static_cast<unsigned char>(value.Data[i]);
            out += HexDigits[byte >> 4];
            out += HexDigits[byte & 0xF];
        }
        break;
    }
    out += '\n';
}

// A path deeper than the store allows counts as damaged: left in the tree, it would make every
// save write its path again for each level, and take as much stack to free.
std::optional<std::vector<std::string>> ParseKeyPath(std::string_view text)
{
    std::vector<std::string> path;
    if (text.empty())
        return path;
    std::size_t start = 0;
    while (true) {
        if (path.size() == MaxRegistryKeyDepth)
            return std::nullopt;
        const std::size_t end = text.find('\\', start);
        const std::string_view segment = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        std::optional<std::string> name = Unescape(segment);
        if (!name || name->empty())
            return std::nullopt;
        path.push_back(std::move(*name));
        if (end == std::string_view::npos)
            return path;
        start = end + 1;
    }
}

std::optional<std::string> ParseHexBytes(std::string_view text)
{
    std::string bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!bytes.empty()) {
            if (text[i] != ',')
                return std::nullopt;
            ++i;
        }
        if (i + 2 > text.size())
            return std::nullopt;
        const int high = HexValue(text[i]);
        const int low = HexValue(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return bytes;
}

// "name"=sz:"text" | "name"=dword:0000000a | "name"=hex:01,02
std::optional<RegistryValue> ParseValue(std::string_view line)
{
    if (line.size() < 2 || line[0] != '"')
        return std::nullopt;
    const std::size_t nameEnd = line.find('"', 1);
    if (nameEnd == std::string_view::npos || nameEnd + 1 >= line.size() || line[nameEnd + 1] != '=')
        return std::nullopt;
    std::optional<std::string> name = Unescape(line.substr(1, nameEnd - 1));
    if (!name)
        return std::nullopt;
    const std::string_view data = line.substr(nameEnd + 2);

    RegistryValue value;
    value.Name = std::move(*name);
    if (data.starts_with("sz:\"")) {
        const std::string_view quoted = data.substr(4);
        if (quoted.empty() || quoted.back() != '"')
            return std::nullopt;
        std::optional<std::string> text = Unescape(quoted.substr(0, quoted.size() - 1));
        if (!text)
            return std::nullopt;
        value.Type = rdString;
        value.Data = std::move(*text);
    } else if (data.starts_with("dword:")) {
        const std::string_view digits = data.substr(6);
        if (digits.size() != 8)
            return std::nullopt;
        std::string bigEndian;
        for (std::size_t i = 0; i < 8; i += 2) {
            const int high = HexValue(digits[i]);
            const int low = HexValue(digits[i + 1]);
            if (high < 0 || low < 0)
                return std::nullopt;
            bigEndian += static_cast<char>(high * 16 + low);
        }
        value.Type = rdInteger;
        value.Data.assign(bigEndian.rbegin(), bigEndian.rend());
    } else if (data.starts_with("hex:")) {
        std::optional<std::string> bytes = ParseHexBytes(data.substr(4));
        if (!bytes)
            return std::nullopt;
        value.Type = rdBinary;
        value.Data = std::move(*bytes);
    } else {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string FormatRegistryText(const RegistryKey& root)
{
    std::string out(Header);
    out += '\n';
    if (!root.Values().empty()) {
        out += "[]\n";
        for (const RegistryValue& value : root.Values())
            AppendValue(out, value);
    }
    // Depth first with a stack of its own, each key before its subkeys: the depth of the tree
    // must not count against the call stack.
    std::vector<std::pair<const RegistryKey*, std::string>> pending;
    const auto pushSubKeys = [&pending](const RegistryKey& key, const std::string& path) {
        const std::vector<const RegistryKey*> subKeys = key.SubKeys();
        for (auto sub = subKeys.rbegin(); sub != subKeys.rend(); ++sub) {
            std::string subPath = path;
            if (!subPath.empty())
                subPath += '\\';
            AppendEscaped(subPath, (*sub)->Name());
            pending.emplace_back(*sub, std::move(subPath));
        }
    };
    pushSubKeys(root, {});
    while (!pending.empty()) {
        auto [key, path] = std::move(pending.back());
        pending.pop_back();
        out += '[';
        out += path;
        out += "]\n";
        for (const RegistryValue& value : key->Values())
            AppendValue(out, value);
        pushSubKeys(*key, path);
    }
    return out;
}

RegistryKey ParseRegistryText(std::string_view text)
{
    RegistryKey root;
    // Only whole lines count: a line without its end was cut off in the middle.
    std::size_t lineStart = 0;
    bool headerSeen = false;
    RegistryKey* current = nullptr;
    while (true) {
        const std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            break;
        std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        if (!headerSeen) {
            // Anything else is not a settings file at all.
            if (line != Header)
                return root;
            headerSeen = true;
            continue;
        }
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            current = nullptr;
            if (line.back() != ']')
                continue;
            if (std::optional<std::vector<std::string>> path = ParseKeyPath(line.substr(1, line.size() - 2))) {
                current = &root;
                for (const std::string& step : *path)
                    current = &current->EnsureSubKey(step);
            }
            continue;
        }
        if (current) {
            if (std::optional<RegistryValue> value = ParseValue(line))
                current->SetValue(std::move(*value));
        }
    }
    return root;
}

}  // namespace plat
