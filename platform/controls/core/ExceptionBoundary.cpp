#include "platform/controls/core/ExceptionBoundary.h"

#include "platform/core/Exception.h"

#include <cstdio>
#include <exception>

namespace plat {

namespace {

TBoundaryHandler InstalledHandler = nullptr;

// Before the application is there: say what happened, and carry on.
void ReportToStandardError() noexcept
{
    try {
        throw;
    } catch (const Exception& e) {
        std::fprintf(stderr, "Unhandled exception: %s\n", e.Message().c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Unhandled exception: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Unhandled exception of an unknown kind\n");
    }
}

}  // namespace

void SetBoundaryHandler(TBoundaryHandler Handler)
{
    InstalledHandler = Handler;
}

void HandleExceptionAtBoundary(TObject* Sender) noexcept
{
    try {
        if (TBoundaryHandler handler = InstalledHandler)
            handler(Sender);
        else
            ReportToStandardError();
    } catch (...) {
        // The handler does not raise; nothing may leave the boundary even if it did.
    }
}

}  // namespace plat
