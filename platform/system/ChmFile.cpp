#include "platform/system/ChmFile.h"

#include "platform/core/Utf8.h"
#include "platform/system/ChmFileCheck.h"

#include <chm_lib.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace plat {

namespace {

constexpr LONGUINT64 kMaxObjectBytes = LONGUINT64{64} << 20;
// The whole file is read to be checked before chmlib sees it; a help file is far smaller.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{128} << 20;
// A search of the objects stops after this many: a damaged page may hold entries of a few
// bytes each, and no help file has nearly so many objects.
constexpr int kMaxObjectsSearched = 100000;

// The codes of the system information's entries.
constexpr int kSystemContentsFile = 0;
constexpr int kSystemDefaultTopic = 2;
constexpr int kSystemTitle = 3;

std::uint16_t Word(const std::string& data, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(data[at]) |
                                      static_cast<unsigned char>(data[at + 1]) << 8);
}

// An entry's text ends at its first zero byte.
std::string EntryText(const std::string& data, std::size_t at, std::size_t length)
{
    std::string text = data.substr(at, length);
    if (const std::size_t zero = text.find('\0'); zero != std::string::npos)
        text.resize(zero);
    return text;
}

bool EndsWithNoCase(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() &&
           std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

// The file's bytes, or nothing when it cannot be read or is too large to be a help file.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& FileName)
{
    std::ifstream file(FileName, std::ios::binary | std::ios::ate);
    if (!file)
        return std::nullopt;
    const std::streamoff size = file.tellg();
    if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxFileBytes)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size))
        return std::nullopt;
    return bytes;
}

const TChmTopic* FirstWithPage(const std::vector<TChmTopic>& topics)
{
    for (const TChmTopic& topic : topics) {
        if (!topic.Local.empty())
            return &topic;
        if (const TChmTopic* inner = FirstWithPage(topic.Children))
            return inner;
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<TChmFile> TChmFile::Open(const std::string& FileName, std::string& Error)
{
    const auto refused = [&](const std::string& why) {
        Error = "\"" + FileName + "\" cannot be read as a compiled help file" + (why.empty() ? "" : ": " + why);
        return nullptr;
    };
    const std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(FileName);
    if (!bytes)
        return refused({});
    const TChmFileCheck check(*bytes);
    if (!check.Damage().empty())
        return refused(check.Damage());
    chmFile* handle = chm_open(FileName.c_str());
    if (!handle)
        return refused({});
    std::unique_ptr<TChmFile> file(new TChmFile(handle, check.CompressedBytes()));
    std::string contentsFile;
    file->ReadSystemInformation(contentsFile);
    if (contentsFile.empty())
        contentsFile = file->FirstObjectEndingWith(".hhc");
    if (!contentsFile.empty()) {
        if (const std::optional<std::string> siteMap = file->ReadObject(ChmPathFromLocal(contentsFile)))
            file->FContents = ParseChmContents(*siteMap);
    }
    if (file->FDefaultTopic.empty()) {
        const TChmTopic* first = FirstWithPage(file->FContents);
        file->FDefaultTopic = first ? first->Local : "/index.html";
    }
    return file;
}

TChmFile::TChmFile(chmFile* Handle, std::uint64_t CompressedBytes) : FHandle(Handle), FCompressedBytes(CompressedBytes)
{
}

TChmFile::~TChmFile()
{
    chm_close(FHandle);
}

std::optional<std::string> TChmFile::ReadObject(const std::string& Path) const
{
    chmUnitInfo unit{};
    if (Path.empty() || chm_resolve_object(FHandle, Path.c_str(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > kMaxObjectBytes)
        return std::nullopt;
    // chmlib would read blocks beyond the reset table from whatever bytes follow it.
    if (unit.space == CHM_COMPRESSED && (unit.start > FCompressedBytes || unit.length > FCompressedBytes - unit.start))
        return std::nullopt;
    std::string data(static_cast<std::size_t>(unit.length), '\0');
    if (data.empty())
        return data;
    const LONGINT64 read =
        chm_retrieve_object(FHandle, &unit, reinterpret_cast<unsigned char*>(data.data()), 0, unit.length);
    if (read < 0 || static_cast<LONGUINT64>(read) != unit.length)
        return std::nullopt;
    return data;
}

// The system information: a 4-byte version, then entries of a 2-byte code, a 2-byte length and
// that many bytes.
void TChmFile::ReadSystemInformation(std::string& ContentsFile)
{
    const std::optional<std::string> system = ReadObject("/#SYSTEM");
    if (!system)
        return;
    const std::string& data = *system;
    std::size_t at = 4;
    while (at + 4 <= data.size()) {
        const int code = Word(data, at);
        const std::size_t length = Word(data, at + 2);
        at += 4;
        if (length > data.size() - at)
            break;
        if (code == kSystemContentsFile)
            ContentsFile = EntryText(data, at, length);
        else if (code == kSystemDefaultTopic)
            FDefaultTopic = ChmPathFromLocal(Windows1252ToUtf8(EntryText(data, at, length)));
        else if (code == kSystemTitle)
            FTitle = Windows1252ToUtf8(EntryText(data, at, length));
        at += length;
    }
}

std::string TChmFile::FirstObjectEndingWith(const std::string& Suffix) const
{
    struct Search {
        const std::string& Suffix;
        std::string Found;
        int Searched = 0;
    } search{Suffix, {}};
    chm_enumerate(
        FHandle, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
        [](chmFile*, chmUnitInfo* unit, void* context) {
            auto& s = *static_cast<Search*>(context);
            if (++s.Searched > kMaxObjectsSearched)
                return CHM_ENUMERATOR_FAILURE;
            if (!EndsWithNoCase(unit->path, s.Suffix))
                return CHM_ENUMERATOR_CONTINUE;
            s.Found = unit->path;
            return CHM_ENUMERATOR_SUCCESS;
        },
        &search);
    return search.Found;
}

}  // namespace plat
