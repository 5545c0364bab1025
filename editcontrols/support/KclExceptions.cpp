#include "editcontrols/support/KclExceptions.h"

#include "platform/core/Format.h"

#include <cerrno>
#include <cstring>

namespace skelda::editcontrols {

namespace {

std::string SystemErrorText(int AErrno)
{
    char buffer[256];
    // The GNU strerror_r returns either the buffer or a static text.
    return strerror_r(AErrno, buffer, sizeof buffer);
}

// Format may touch errno; the error to report is the one before it ran.
std::string FormatKeepingErrno(std::string_view AFmt, std::initializer_list<plat::TVarRec> AArgs)
{
    const int saved = errno;
    std::string text = plat::Format(AFmt, AArgs);
    errno = saved;
    return text;
}

}  // namespace

EKclWin32Error::EKclWin32Error(int AErrno, std::string_view AMsg)
    : EKclError("Win32 error: %s (%u)%s%s",
                {SystemErrorText(AErrno), static_cast<std::uint32_t>(AErrno), "\r\n", AMsg}),
      FLastError(static_cast<std::uint32_t>(AErrno)),
      FLastErrorMsg(SystemErrorText(AErrno))
{
}

EKclWin32Error::EKclWin32Error(std::string_view AMsg) : EKclWin32Error(errno, AMsg) {}

EKclWin32Error::EKclWin32Error(std::string_view AFmt, std::initializer_list<plat::TVarRec> AArgs)
    : EKclWin32Error(errno, FormatKeepingErrno(AFmt, AArgs))
{
}

}  // namespace skelda::editcontrols
