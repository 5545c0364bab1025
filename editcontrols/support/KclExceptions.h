#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace skelda::editcontrols {

// The error family of the support routines.
class EKclError : public plat::Exception {
public:
    using plat::Exception::Exception;
};

// A fault of the support routines themselves rather than of their caller or the system.
class EKclInternalError : public EKclError {
public:
    using EKclError::EKclError;
};

// A call to the operating system failed. The code is the calling thread's errno when the
// exception is constructed, so construct it right after the failing call (or after restoring
// errno); its text is the C library's description of that code. The message reads
// "Win32 error: <text> (<code>)", a CR LF and the given message, which may be empty.
class EKclWin32Error : public EKclError {
public:
    explicit EKclWin32Error(std::string_view AMsg);
    // The given message is Format(AFmt, AArgs).
    EKclWin32Error(std::string_view AFmt, std::initializer_list<plat::TVarRec> AArgs);

    std::uint32_t LastError() const { return FLastError; }
    const std::string& LastErrorMsg() const { return FLastErrorMsg; }

private:
    EKclWin32Error(int AErrno, std::string_view AMsg);

    std::uint32_t FLastError;
    std::string FLastErrorMsg;
};

// A mutex could not be created ("Failed to create mutex") or opened ("Failed to open mutex").
class EKclMutexError : public EKclWin32Error {
public:
    using EKclWin32Error::EKclWin32Error;
};

// A named shared-memory block was refused: a bad name or an empty new block.
class ESharedMemError : public EKclError {
public:
    using EKclError::EKclError;
};

}  // namespace skelda::editcontrols
