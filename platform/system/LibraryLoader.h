#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace plat {

// A loaded library; 0 is none. The platform's loader once answered failures with values below
// 32, and callers that bind at run time still treat any such value as a failure.
using HMODULE = std::uintptr_t;
// An entry point as the loader hands it out; the caller converts it to the entry's published
// type before calling it.
using FARPROC = void (*)();

// The platform's libraries as the program binds them at run time: loaded by file name, entry
// points looked up by name, freed again. No library of the platform the program was written for
// exists here: production serves stand-ins for the few it binds (platform/graphics/
// StandInLibraries.h), tests install a loader of their own. Reached as Env().Libraries.
class ILibraryLoader {
public:
    virtual ~ILibraryLoader() = default;

    // A handle, the same for every load of one library, or 0 when there is no such library.
    virtual HMODULE LoadLibrary(const std::string& FileName) = 0;
    // The entry point, or nullptr when the library has none of that name (names are
    // case-sensitive, file names are not).
    virtual FARPROC GetProcAddress(HMODULE Module, const std::string& ProcName) = 0;
    // Undoes one load; false for a handle that is not loaded.
    virtual bool FreeLibrary(HMODULE Module) = 0;
};

// The installed loader; EInvalidOperation when none is.
ILibraryLoader& Libraries();

// A loader that serves libraries from tables: a file name (any case) and its entry points.
// Loads are counted per library; a library freed as often as it was loaded is unloaded.
class TLibraryTable : public ILibraryLoader {
public:
    using TExports = std::map<std::string, FARPROC>;

    void AddLibrary(const std::string& FileName, TExports Exports);
    void RemoveLibrary(const std::string& FileName);
    void RemoveEntry(const std::string& FileName, const std::string& ProcName);

    HMODULE LoadLibrary(const std::string& FileName) override;
    FARPROC GetProcAddress(HMODULE Module, const std::string& ProcName) override;
    bool FreeLibrary(HMODULE Module) override;

    // How many loads of the library are not freed yet.
    int LoadCount(const std::string& FileName) const;

private:
    struct Library {
        HMODULE Handle = 0;
        TExports Exports;
        int Loads = 0;
    };

    static std::string Key(const std::string& FileName);
    Library* Find(HMODULE Module);

    std::map<std::string, Library> FLibraries;
    HMODULE FNextHandle = 0x10000;
};

}  // namespace plat
