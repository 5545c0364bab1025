// Compiled help files as the help window opens them: any bytes open or are refused with a reason
// that names the file, and never crash or hang chmlib, nor make it reserve what a header claims;
// an opened file reads its default page and every page of its contents, or says it has none, and
// its title is UTF-8.

#include "FuzzSupport.h"
#include "HeapPeak.h"

#include "platform/core/Utf8.h"
#include "platform/system/ChmFile.h"

#include <sys/mman.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

// Help files are read whole before chmlib sees them; larger inputs only slow the search down.
constexpr std::size_t MaxBytes = 1 << 20;
// What opening and reading may hold: the file read whole to be checked, an object of at most
// 64 MiB, chmlib's LZX window and cached blocks of at most 2 MiB each.
constexpr std::size_t OpenHeapBytes = std::size_t{96} << 20;

// chmlib opens files by name: the input becomes a file in memory, named through /proc.
class MemoryFile {
public:
    MemoryFile(const std::uint8_t* Data, std::size_t Size) : FDescriptor(memfd_create("help.chm", 0))
    {
        skelda::fuzz::Check(FDescriptor >= 0, "no file in memory");
        for (std::size_t done = 0; done < Size;) {
            const ssize_t written = write(FDescriptor, Data + done, Size - done);
            skelda::fuzz::Check(written > 0, "the input cannot be written");
            done += static_cast<std::size_t>(written);
        }
    }
    ~MemoryFile() { close(FDescriptor); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    std::string Name() const { return "/proc/self/fd/" + std::to_string(FDescriptor); }

private:
    int FDescriptor;
};

void ReadTopics(const plat::TChmFile& File, const std::vector<plat::TChmTopic>& Topics)
{
    for (const plat::TChmTopic& topic : Topics) {
        File.ReadObject(topic.Local);
        ReadTopics(File, topic.Children);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    if (Size > MaxBytes)
        return 0;
    const MemoryFile input(Data, Size);
    const std::size_t peakBytes = skelda::fuzz::PeakHeapGrowthBytes([&] {
        std::string error;
        const std::unique_ptr<plat::TChmFile> file = plat::TChmFile::Open(input.Name(), error);
        if (!file) {
            skelda::fuzz::Check(error.find(input.Name()) != std::string::npos, "refused without naming the file", error);
            return;
        }
        skelda::fuzz::Check(plat::IsValidUtf8(file->Title()), "a title that is no UTF-8", file->Title());
        skelda::fuzz::Check(!file->DefaultTopic().empty() && file->DefaultTopic()[0] == '/',
                            "a default page not from the root", file->DefaultTopic());
        file->ReadObject(file->DefaultTopic());
        ReadTopics(*file, file->Contents());
    });
    skelda::fuzz::Check(peakBytes <= OpenHeapBytes + 4 * Size, "opening held far more heap than the file",
                        std::to_string(peakBytes) + " bytes");
    return 0;
}
