#pragma once

// A compiled HTML help file (.chm), read with chmlib: the pages and pictures it holds, its title,
// its default page and its table of contents.

#include "platform/system/ChmContents.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct chmFile;

namespace plat {

class TChmFile {
public:
    // Nothing (with the reason in Error) when the file cannot be opened or is no help file.
    static std::unique_ptr<TChmFile> Open(const std::string& FileName, std::string& Error);
    ~TChmFile();
    TChmFile(const TChmFile&) = delete;
    TChmFile& operator=(const TChmFile&) = delete;

    // The bytes of the object at Path ("/index.html"); nothing when the file has none there.
    // Objects larger than 64 MiB are refused as damage.
    std::optional<std::string> ReadObject(const std::string& Path) const;

    // From the file's system information, as UTF-8; empty when it has none.
    const std::string& Title() const { return FTitle; }
    // The page shown first: the file's default topic, else the first page of the contents,
    // else "/index.html".
    const std::string& DefaultTopic() const { return FDefaultTopic; }
    const std::vector<TChmTopic>& Contents() const { return FContents; }

private:
    explicit TChmFile(chmFile* Handle);
    void ReadSystemInformation(std::string& ContentsFile);
    std::string FirstObjectEndingWith(const std::string& Suffix) const;

    chmFile* FHandle;
    std::string FTitle;
    std::string FDefaultTopic;
    std::vector<TChmTopic> FContents;
};

}  // namespace plat
