#include "platform/system/ChmFileCheck.h"

#include <strings.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>
#include <vector>

namespace plat {

namespace {

constexpr std::uint64_t kFileHeaderV2Bytes = 0x58;
constexpr std::uint64_t kFileHeaderV3Bytes = 0x60;
constexpr std::uint64_t kDirectoryHeaderBytes = 0x54;
constexpr std::uint64_t kListPageHeaderBytes = 0x14;
constexpr std::uint64_t kIndexPageHeaderBytes = 0x08;
// chmlib's longest object path.
constexpr std::uint64_t kMaxPathBytes = 512;
constexpr std::uint64_t kResetTableBytes = 0x28;
constexpr std::uint64_t kControlDataMinBytes = 0x18;
// chmlib reads the control data into a buffer of this size and refuses a longer one itself.
constexpr std::uint64_t kControlDataMaxBytes = 256;
// A compressed block may take this much more than its uncompressed length: chmlib's buffer.
constexpr std::uint64_t kCompressedBlockSlackBytes = 6144;
// The LZX windows: 2^15 to 2^21 bytes.
constexpr std::uint32_t kMinWindowBytes = 1u << 15;
constexpr std::uint32_t kMaxWindowBytes = 1u << 21;
constexpr int kUncompressed = 0;
constexpr int kCompressed = 1;

constexpr char kResetTablePath[] =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
constexpr char kContentPath[] = "::DataSpace/Storage/MSCompressed/Content";
constexpr char kControlDataPath[] = "::DataSpace/Storage/MSCompressed/ControlData";

struct TDamaged {
    std::string What;
};

[[noreturn]] void Damaged(std::string What)
{
    throw TDamaged{std::move(What)};
}

// Little-endian numbers at offsets of the file; a read past its end is damage.
class TBytes {
public:
    explicit TBytes(std::span<const std::uint8_t> Data) : FData(Data) {}

    bool Holds(std::uint64_t At, std::uint64_t Count) const { return At <= FData.size() && Count <= FData.size() - At; }
    std::uint64_t Number(std::uint64_t At, int Count, const char* What) const
    {
        if (!Holds(At, static_cast<std::uint64_t>(Count)))
            Damaged(std::string(What) + " lies beyond the end of the file");
        std::uint64_t value = 0;
        for (int i = Count - 1; i >= 0; --i)
            value = value << 8 | FData[At + static_cast<std::uint64_t>(i)];
        return value;
    }
    std::uint32_t U32(std::uint64_t At, const char* What) const { return static_cast<std::uint32_t>(Number(At, 4, What)); }
    std::int32_t I32(std::uint64_t At, const char* What) const { return static_cast<std::int32_t>(U32(At, What)); }
    std::uint64_t U64(std::uint64_t At, const char* What) const { return Number(At, 8, What); }
    bool Is(std::uint64_t At, const char (&Signature)[5]) const
    {
        return Holds(At, 4) && std::memcmp(FData.data() + At, Signature, 4) == 0;
    }
    std::span<const std::uint8_t> Part(std::uint64_t At, std::uint64_t Count) const { return FData.subspan(At, Count); }
    std::uint64_t Size() const { return FData.size(); }

private:
    std::span<const std::uint8_t> FData;
};

std::uint64_t Sum(std::uint64_t A, std::uint64_t B)
{
    if (B > UINT64_MAX - A)
        Damaged("an offset beyond 64 bits");
    return A + B;
}

struct TEntry {
    std::string Path;
    std::uint64_t Space = 0;
    std::uint64_t Start = 0;
    std::uint64_t Length = 0;
    std::uint64_t Page = 0;  // index entries: the lower page
};

// One directory page: a list page (PMGL) with its objects and the next page, an index page
// (PMGI) with the first path of each lower page, or neither, where chmlib stops.
struct TPage {
    enum class TKind { List, Index, Other } Kind = TKind::Other;
    std::vector<TEntry> Entries;
    std::int32_t Next = -1;
};

// Reads the entries of a page between its header and its free space: numbers of 7 bits a byte
// (the high bit says that more follow) and paths of at most 512 bytes, all inside the page.
class TPageReader {
public:
    TPageReader(std::span<const std::uint8_t> Page, std::uint64_t At, std::uint64_t End)
        : FPage(Page), FAt(At), FEnd(End)
    {
    }

    bool AtEnd() const { return FAt >= FEnd; }
    std::uint64_t Number()
    {
        std::uint64_t value = 0;
        for (;;) {
            if (FAt >= FEnd)
                Damaged("a directory entry runs past its page");
            const std::uint8_t byte = FPage[FAt++];
            if (value >> 57)
                Damaged("a directory entry holds a number beyond 64 bits");
            value = value << 7 | (byte & 0x7F);
            if (byte < 0x80)
                return value;
        }
    }
    std::string Path()
    {
        const std::uint64_t length = Number();
        if (length == 0 || length > kMaxPathBytes || length > FEnd - FAt)
            Damaged("a directory entry has a path of no length, or one too long for its page");
        std::string path(reinterpret_cast<const char*>(FPage.data() + FAt), length);
        FAt += length;
        // chmlib reads the path up to its first zero byte and takes its last character.
        if (path[0] == '\0')
            Damaged("a directory entry has an empty path");
        return path;
    }

private:
    std::span<const std::uint8_t> FPage;
    std::uint64_t FAt;
    std::uint64_t FEnd;
};

class TChecker {
public:
    explicit TChecker(std::span<const std::uint8_t> File) : FFile(File) {}

    std::uint64_t Run()
    {
        ReadHeaders();
        ReadPages();
        CheckListChain();
        CheckIndexTree();
        return CheckCompression();
    }

private:
    void ReadHeaders()
    {
        // chmlib reads the longer header whatever the version.
        if (!FFile.Holds(0, kFileHeaderV3Bytes) || !FFile.Is(0, "ITSF"))
            Damaged("it has no compiled help file header");
        const std::int32_t version = FFile.I32(4, "the file header");
        const std::int32_t headerBytes = FFile.I32(8, "the file header");
        if ((version != 2 && version != 3) ||
            headerBytes < static_cast<std::int32_t>(version == 2 ? kFileHeaderV2Bytes : kFileHeaderV3Bytes))
            Damaged("its file header is of no known version");
        const std::uint64_t directory = FFile.U64(0x48, "the file header");
        const std::uint64_t directoryBytes = FFile.U64(0x50, "the file header");
        FDataOffset = version == 3 ? FFile.U64(0x58, "the file header") : Sum(directory, directoryBytes);
        if (!FFile.Is(directory, "ITSP") || FFile.I32(Sum(directory, 4), "the directory header") != 1 ||
            FFile.I32(Sum(directory, 8), "the directory header") != static_cast<std::int32_t>(kDirectoryHeaderBytes))
            Damaged("its directory header is missing or of no known version");
        FPageBytes = FFile.U32(directory + 0x10, "the directory header");
        FRoot = FFile.I32(directory + 0x1C, "the directory header");
        FHead = FFile.I32(directory + 0x20, "the directory header");
        FPagesStart = Sum(directory, kDirectoryHeaderBytes);
        // The pages chmlib may go to are those of the directory that the file holds.
        const std::uint64_t directoryEnd = std::min(Sum(directory, directoryBytes), FFile.Size());
        if (FPageBytes < kListPageHeaderBytes)
            Damaged("its directory pages are shorter than their header");
        FPageCount = directoryEnd > FPagesStart ? (directoryEnd - FPagesStart) / FPageBytes : 0;
        if (FPageCount == 0)
            Damaged("its directory holds no whole page");
        if (FRoot <= -1)
            FRoot = FHead;
    }

    // Every page of the directory that says it is a list or an index page: chmlib may reach any
    // of them, and only through the references checked here.
    void ReadPages()
    {
        FPages.resize(FPageCount);
        for (std::uint64_t i = 0; i < FPageCount; ++i) {
            const std::uint64_t at = FPagesStart + i * FPageBytes;
            if (FFile.Is(at, "PMGL"))
                FPages[i] = ListPage(FFile.Part(at, FPageBytes));
            else if (FFile.Is(at, "PMGI"))
                FPages[i] = IndexPage(FFile.Part(at, FPageBytes));
        }
    }

    TPage ListPage(std::span<const std::uint8_t> Bytes) const
    {
        TBytes page(Bytes);
        TPage result{TPage::TKind::List, {}, page.I32(0x10, "a directory page")};
        CheckReference(result.Next, true);
        TPageReader reader(Bytes, kListPageHeaderBytes, EntriesEnd(page, kListPageHeaderBytes));
        while (!reader.AtEnd()) {
            TEntry entry;
            entry.Path = reader.Path();
            entry.Space = reader.Number();
            entry.Start = reader.Number();
            entry.Length = reader.Number();
            // chmlib reads every section but the first as the compressed one.
            if (entry.Space != kUncompressed && entry.Space != kCompressed)
                Damaged("an object lies in a section the file does not have");
            result.Entries.push_back(std::move(entry));
        }
        return result;
    }

    TPage IndexPage(std::span<const std::uint8_t> Bytes) const
    {
        TBytes page(Bytes);
        TPage result{TPage::TKind::Index, {}, -1};
        TPageReader reader(Bytes, kIndexPageHeaderBytes, EntriesEnd(page, kIndexPageHeaderBytes));
        while (!reader.AtEnd()) {
            TEntry entry;
            entry.Path = reader.Path();
            entry.Page = reader.Number();
            if (entry.Page >= FPageCount)
                Damaged("an index page leads to a page the file does not hold");
            result.Entries.push_back(std::move(entry));
        }
        return result;
    }

    std::uint64_t EntriesEnd(const TBytes& Page, std::uint64_t HeaderBytes) const
    {
        const std::uint32_t freeBytes = Page.U32(4, "a directory page");
        if (freeBytes > FPageBytes - HeaderBytes)
            Damaged("a directory page has more free space than room");
        return FPageBytes - freeBytes;
    }

    // A page number chmlib goes to: -1 ends (where it may), anything else must be a page of the
    // file; a negative one would wrap round to an offset before the directory.
    void CheckReference(std::int64_t Page, bool MayEnd) const
    {
        if ((Page == -1 && MayEnd) || (Page >= 0 && static_cast<std::uint64_t>(Page) < FPageCount))
            return;
        Damaged("a directory page leads to a page the file does not hold");
    }

    void CheckListChain() const
    {
        CheckReference(FHead, false);
        std::vector<bool> seen(FPageCount);
        for (std::int32_t page = FHead; page != -1 && FPages[page].Kind == TPage::TKind::List; page = FPages[page].Next) {
            if (seen[page])
                Damaged("its list of directory pages runs in a circle");
            seen[page] = true;
        }
    }

    // Looking a path up walks down from the root through index pages; no index page may lead
    // back to one above it.
    void CheckIndexTree() const
    {
        CheckReference(FRoot, false);
        enum class TMark { None, Open, Done };
        std::vector<TMark> marks(FPageCount, TMark::None);
        // Depth first without recursion: a damaged file may nest its pages as deep as it has pages.
        std::vector<std::pair<std::uint64_t, std::size_t>> path{{static_cast<std::uint64_t>(FRoot), 0}};
        marks[FRoot] = TMark::Open;
        while (!path.empty()) {
            auto& [page, next] = path.back();
            const TPage& index = FPages[page];
            if (index.Kind != TPage::TKind::Index || next == index.Entries.size()) {
                marks[page] = TMark::Done;
                path.pop_back();
                continue;
            }
            const std::uint64_t lower = index.Entries[next++].Page;
            if (marks[lower] == TMark::Open)
                Damaged("its index pages lead round in a circle");
            if (marks[lower] == TMark::None) {
                marks[lower] = TMark::Open;
                path.emplace_back(lower, 0);
            }
        }
    }

    // chmlib's lookup: an index page sends the path to the page of the last entry not after it
    // (compared without case), a list page holds the object or not.
    std::optional<TEntry> Resolve(const char* Path) const
    {
        std::int64_t page = FRoot;
        while (page != -1) {
            const TPage& current = FPages[static_cast<std::size_t>(page)];
            if (current.Kind == TPage::TKind::List) {
                const auto found = std::ranges::find_if(
                    current.Entries, [&](const TEntry& e) { return strcasecmp(e.Path.c_str(), Path) == 0; });
                return found == current.Entries.end() ? std::nullopt : std::optional<TEntry>(*found);
            }
            if (current.Kind != TPage::TKind::Index)
                return std::nullopt;
            std::int64_t lower = -1;
            for (const TEntry& entry : current.Entries) {
                if (strcasecmp(entry.Path.c_str(), Path) > 0)
                    break;
                lower = static_cast<std::int64_t>(entry.Page);
            }
            page = lower;
        }
        return std::nullopt;
    }

    // The bytes of an uncompressed object as chmlib reads them: fewer when the file ends first.
    std::uint64_t Available(const TEntry& Object, std::uint64_t Count) const
    {
        const std::uint64_t at = Sum(FDataOffset, Object.Start);
        const std::uint64_t wanted = std::min(Count, Object.Length);
        return at >= FFile.Size() ? 0 : std::min(wanted, FFile.Size() - at);
    }

    // chmlib switches decompression off when a part of it is missing or the reset table is of
    // another version; but once they are there it divides by the control data's numbers and
    // trusts the reset table's block lengths.
    std::uint64_t CheckCompression() const
    {
        const std::optional<TEntry> table = Resolve(kResetTablePath);
        const std::optional<TEntry> content = Resolve(kContentPath);
        const std::optional<TEntry> control = Resolve(kControlDataPath);
        if (!table || !content || !control || table->Space != kUncompressed || content->Space != kUncompressed ||
            control->Space != kUncompressed)
            return 0;
        const std::uint64_t tableAt = FDataOffset + table->Start;
        if (Available(*table, kResetTableBytes) != kResetTableBytes || FFile.U32(tableAt, "the reset table") != 2)
            return 0;
        if (control->Length > kControlDataMaxBytes)
            return 0;
        const std::uint32_t windowBytes = CheckControlData(*control);
        const std::uint32_t blockCount = FFile.U32(tableAt + 4, "the reset table");
        const std::uint64_t entriesAt = Sum(tableAt, FFile.U32(tableAt + 12, "the reset table"));
        const std::uint64_t compressedBytes = FFile.U64(tableAt + 0x18, "the reset table");
        const std::uint64_t blockBytes = FFile.U64(tableAt + 0x20, "the reset table");
        if (blockBytes == 0 || blockBytes > windowBytes)
            Damaged("its compressed blocks are empty or longer than the decompression window");
        for (std::uint32_t block = 0; block < blockCount; ++block) {
            const std::uint64_t start = FFile.U64(Sum(entriesAt, std::uint64_t{block} * 8), "the reset table");
            const std::uint64_t end =
                block + 1 < blockCount ? FFile.U64(entriesAt + (std::uint64_t{block} + 1) * 8, "the reset table") : compressedBytes;
            if (end < start || end - start > blockBytes + kCompressedBlockSlackBytes)
                Damaged("a compressed block is longer than chmlib's buffer for it");
        }
        return blockCount * blockBytes;
    }

    // The window size the control data gives; chmlib divides by half of it and by the reset
    // interval, and the decompressor needs an LZX window.
    std::uint32_t CheckControlData(const TEntry& Control) const
    {
        if (Available(Control, Control.Length) != Control.Length || Control.Length < kControlDataMinBytes)
            Damaged("its compression control data is missing or cut short");
        const std::uint64_t at = FDataOffset + Control.Start;
        const std::uint32_t version = FFile.U32(at + 8, "the control data");
        std::uint32_t resetInterval = FFile.U32(at + 12, "the control data");
        std::uint32_t windowBytes = FFile.U32(at + 16, "the control data");
        const std::uint32_t windowsPerReset = FFile.U32(at + 20, "the control data");
        if (version == 2) {
            // chmlib counts these in units of 32 KiB for this version, in 32 bits.
            resetInterval *= 0x8000;
            windowBytes *= 0x8000;
        }
        if (!FFile.Is(at + 4, "LZXC") || !std::has_single_bit(windowBytes) || windowBytes < kMinWindowBytes ||
            windowBytes > kMaxWindowBytes || resetInterval == 0 || resetInterval % (windowBytes / 2) != 0 ||
            resetInterval / (windowBytes / 2) * windowsPerReset == 0)
            Damaged("its compression control data gives no LZX window or no reset interval");
        return windowBytes;
    }

    TBytes FFile;
    std::uint64_t FDataOffset = 0;
    std::uint64_t FPagesStart = 0;
    std::uint64_t FPageBytes = 0;
    std::uint64_t FPageCount = 0;
    std::int32_t FRoot = -1;
    std::int32_t FHead = -1;
    std::vector<TPage> FPages;
};

}  // namespace

TChmFileCheck::TChmFileCheck(std::span<const std::uint8_t> File)
{
    try {
        FCompressedBytes = TChecker(File).Run();
    } catch (const TDamaged& damaged) {
        FDamage = damaged.What;
    }
}

}  // namespace plat
