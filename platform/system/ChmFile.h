#pragma once

// A compiled HTML help file (.chm), read with chmlib: the pages and pictures it holds, its title,
// its default page and its table of contents.

#include "platform/system/ChmContents.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct chmFile;

namespace plat {

class TChmFile {
public:
    // Nothing (with the reason in Error) when the file cannot be opened, is no help file, or is
    // damaged in a way chmlib does not check (TChmFileCheck).
    static std::unique_ptr<TChmFile> Open(const std::string& FileName, std::string& Error);
    ~TChmFile();
    TChmFile(const TChmFile&) = delete;
    TChmFile& operator=(const TChmFile&) = delete;

    // The bytes of the object at Path ("/index.html"); nothing when the file has none there.
    // Objects larger than 64 MiB, and compressed ones beyond the blocks the file describes, are
    // refused as damage.
    std::optional<std::string> ReadObject(const std::string& Path) const;

    // From the file's system information, as UTF-8; empty when it has none.
    const std::string& Title() const { return FTitle; }
    // The page shown first: the file's default topic, else the first page of the contents,
    // else "/index.html".
    const std::string& DefaultTopic() const { return FDefaultTopic; }
    const std::vector<TChmTopic>& Contents() const { return FContents; }

private:
    TChmFile(chmFile* Handle, std::uint64_t CompressedBytes);
    void ReadSystemInformation(std::string& ContentsFile);
    std::string FirstObjectEndingWith(const std::string& Suffix) const;

    chmFile* FHandle;
    std::uint64_t FCompressedBytes;
    std::string FTitle;
    std::string FDefaultTopic;
    std::vector<TChmTopic> FContents;
};

}  // namespace plat
