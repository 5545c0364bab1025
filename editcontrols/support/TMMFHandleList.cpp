#include "editcontrols/support/TMMFHandleList.h"

#include "editcontrols/support/KclExceptions.h"
#include "editcontrols/support/SharedMemory.h"
#include "platform/core/Utf8.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace skelda::editcontrols {

namespace {

std::string PosixName(std::string_view AName)
{
    return "/" + std::string(AName);
}

// Clean-up after a failed call must not change the error that is raised.
class TKeepErrno {
public:
    TKeepErrno() : FErrno(errno) {}
    ~TKeepErrno() { errno = FErrno; }
    TKeepErrno(const TKeepErrno&) = delete;
    TKeepErrno& operator=(const TKeepErrno&) = delete;

private:
    int FErrno;
};

struct TMapping {
    int Protection;
    int Flags;
};

TMapping MappingFor(std::uint32_t ADesiredAccess)
{
    if (ADesiredAccess & FILE_MAP_WRITE)
        return {PROT_READ | PROT_WRITE, MAP_SHARED};
    if (ADesiredAccess & FILE_MAP_COPY)
        return {PROT_READ | PROT_WRITE, MAP_PRIVATE};
    if (ADesiredAccess & FILE_MAP_READ)
        return {PROT_READ, MAP_SHARED};
    errno = EINVAL;
    throw EKclWin32Error("");
}

// Whether APosixName still names the object open as AHandle, rather than one that replaced it.
bool StillNames(int AHandle, const std::string& APosixName)
{
    const int named = ::shm_open(APosixName.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (named < 0)
        return false;
    struct stat ours {}, theirs {};
    const bool same = ::fstat(AHandle, &ours) == 0 && ::fstat(named, &theirs) == 0 &&
                      ours.st_dev == theirs.st_dev && ours.st_ino == theirs.st_ino;
    ::close(named);
    return same;
}

}  // namespace

TMMFHandleList::~TMMFHandleList()
{
    for (const TMMFHandleListItem& item : FItems)
        ReleaseBlock(item);
}

std::uint32_t TMMFHandleList::Open(void*& AView, std::string_view AName, std::size_t ASizeBytes,
                                   std::uint32_t ADesiredAccess)
{
    AView = nullptr;
    if (AName.empty() || AName.find('/') != std::string_view::npos)
        throw ESharedMemError("Invalid MMF name \"%s\"", {AName});
    const auto lock = FLock.Reference();
    const auto open = std::find_if(FItems.begin(), FItems.end(), [AName](const TMMFHandleListItem& item) {
        return plat::Utf8SameText(item.Name, AName);
    });
    if (open != FItems.end()) {
        ++open->References;
        AView = open->Memory;
        return ERROR_ALREADY_EXISTS;
    }
    if (ASizeBytes == 0)
        throw ESharedMemError("The MMF named \"%s\" cannot be created empty", {AName});
    FItems.reserve(FItems.size() + 1);
    FItems.push_back(MakeBlock(AName, ASizeBytes, ADesiredAccess));
    AView = FItems.back().Memory;
    return 0;
}

bool TMMFHandleList::Close(void*& AView)
{
    if (!AView)
        return true;
    const auto lock = FLock.Reference();
    const auto open = std::find_if(FItems.begin(), FItems.end(),
                                   [AView](const TMMFHandleListItem& item) { return item.Memory == AView; });
    if (open == FItems.end())
        return false;
    if (open->References < 2) {
        ReleaseBlock(*open);
        FItems.erase(open);
    } else {
        --open->References;
    }
    AView = nullptr;
    return true;
}

TMMFHandleListItem TMMFHandleList::MakeBlock(std::string_view AName, std::size_t ASizeBytes,
                                             std::uint32_t ADesiredAccess)
{
    const TMapping mapping = MappingFor(ADesiredAccess);
    const std::string posixName = PosixName(AName);
    ::shm_unlink(posixName.c_str());
    const int handle = ::shm_open(posixName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (handle < 0)
        throw EKclWin32Error("");
    const auto fail = [&] {
        {
            TKeepErrno keep;
            ::close(handle);
            ::shm_unlink(posixName.c_str());
        }
        throw EKclWin32Error("");
    };
    if (::ftruncate(handle, static_cast<off_t>(ASizeBytes)) != 0)
        fail();
    void* memory = ::mmap(nullptr, ASizeBytes, mapping.Protection, mapping.Flags, handle, 0);
    if (memory == MAP_FAILED)
        fail();
    return {memory, handle, std::string(AName), ASizeBytes, 1};
}

void TMMFHandleList::ReleaseBlock(const TMMFHandleListItem& AItem)
{
    ::munmap(AItem.Memory, AItem.SizeBytes);
    const std::string posixName = PosixName(AItem.Name);
    if (StillNames(AItem.Handle, posixName))
        ::shm_unlink(posixName.c_str());
    ::close(AItem.Handle);
}

TMMFHandleList& MMFHandleList()
{
    static TMMFHandleList list;
    return list;
}

}  // namespace skelda::editcontrols
