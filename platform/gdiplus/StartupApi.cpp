// Start-up, shut-down and the memory functions of the flat API.

#include "platform/gdiplus/GdiplusFlat.h"

#include <atomic>
#include <cstdlib>

namespace plat::gdiplus {

namespace {

std::atomic<std::uintptr_t> LastToken{0};

// With its background thread suppressed, the platform hands the caller two entry points to
// run its notification work on the caller's thread. There is no such work here.
Status NotificationHook(std::uintptr_t* token)
{
    if (!token)
        return InvalidParameter;
    *token = ++LastToken;
    return Ok;
}

void NotificationUnhook(std::uintptr_t) {}

}  // namespace

Status GdiplusStartup(std::uintptr_t* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output)
{
    if (!token || !input)
        return InvalidParameter;
    if (input->GdiplusVersion < 1 || input->GdiplusVersion > 2)
        return UnsupportedGdiplusVersion;
    if (input->SuppressBackgroundThread && !output)
        return InvalidParameter;
    if (output) {
        output->NotificationHook = NotificationHook;
        output->NotificationUnhook = NotificationUnhook;
    }
    *token = ++LastToken;
    return Ok;
}

void GdiplusShutdown(std::uintptr_t) {}

void* GdipAlloc(std::size_t size)
{
    return std::malloc(size);
}

void GdipFree(void* ptr)
{
    std::free(ptr);
}

}  // namespace plat::gdiplus
