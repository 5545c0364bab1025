#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace skelda::editcontrols {

// Access to a view of shared memory, as the Windows kernel numbers it.
inline constexpr std::uint32_t FILE_MAP_COPY = 0x00000001;
inline constexpr std::uint32_t FILE_MAP_WRITE = 0x00000002;
inline constexpr std::uint32_t FILE_MAP_READ = 0x00000004;
inline constexpr std::uint32_t FILE_MAP_ALL_ACCESS = 0x000F001F;

// The answer when the named block was open already.
inline constexpr std::uint32_t ERROR_ALREADY_EXISTS = 183;

// The process's named shared-memory blocks (see TMMFHandleList).
//
// OpenSharedMemory sets AView to the block named AName and answers 0 when it made the block,
// ERROR_ALREADY_EXISTS when the block was open already; ASizeBytes and ADesiredAccess
// (FILE_MAP_*) apply to a new block. ESharedMemError for a bad name or an empty new block,
// EKclWin32Error when the system refuses the block.
std::uint32_t OpenSharedMemory(void*& AView, std::string_view AName, std::size_t ASizeBytes,
                               std::uint32_t ADesiredAccess);
// Drops one open of the block whose view AView is and sets AView to nullptr. True when it did
// or AView was nullptr already; false when AView is no view of an open block.
bool CloseSharedMemory(void*& AView);

}  // namespace skelda::editcontrols
