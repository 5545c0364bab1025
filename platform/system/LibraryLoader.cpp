#include "platform/system/LibraryLoader.h"

#include "platform/core/Exception.h"
#include "platform/system/Environment.h"

#include <cctype>

namespace plat {

ILibraryLoader& Libraries()
{
    ILibraryLoader* loader = Env().Libraries;
    if (!loader)
        throw EInvalidOperation("No library loader is installed");
    return *loader;
}

std::string TLibraryTable::Key(const std::string& FileName)
{
    std::string key = FileName;
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

void TLibraryTable::AddLibrary(const std::string& FileName, TExports Exports)
{
    Library& library = FLibraries[Key(FileName)];
    if (library.Handle == 0)
        library.Handle = FNextHandle++;
    library.Exports = std::move(Exports);
}

void TLibraryTable::RemoveLibrary(const std::string& FileName)
{
    FLibraries.erase(Key(FileName));
}

void TLibraryTable::RemoveEntry(const std::string& FileName, const std::string& ProcName)
{
    if (const auto found = FLibraries.find(Key(FileName)); found != FLibraries.end())
        found->second.Exports.erase(ProcName);
}

HMODULE TLibraryTable::LoadLibrary(const std::string& FileName)
{
    const auto found = FLibraries.find(Key(FileName));
    if (found == FLibraries.end())
        return 0;
    ++found->second.Loads;
    return found->second.Handle;
}

TLibraryTable::Library* TLibraryTable::Find(HMODULE Module)
{
    for (auto& [name, library] : FLibraries)
        if (library.Handle == Module && library.Loads > 0)
            return &library;
    return nullptr;
}

FARPROC TLibraryTable::GetProcAddress(HMODULE Module, const std::string& ProcName)
{
    const Library* library = Find(Module);
    if (!library)
        return nullptr;
    const auto entry = library->Exports.find(ProcName);
    return entry == library->Exports.end() ? nullptr : entry->second;
}

bool TLibraryTable::FreeLibrary(HMODULE Module)
{
    Library* library = Find(Module);
    if (!library)
        return false;
    --library->Loads;
    return true;
}

int TLibraryTable::LoadCount(const std::string& FileName) const
{
    const auto found = FLibraries.find(Key(FileName));
    return found == FLibraries.end() ? 0 : found->second.Loads;
}

}  // namespace plat
