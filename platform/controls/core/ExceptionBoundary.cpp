#include "platform/controls/core/ExceptionBoundary.h"

#include "platform/controls/forms/TApplication.h"

namespace plat {

void HandleExceptionAtBoundary(TObject* Sender) noexcept
{
    try {
        Application->HandleException(Sender);
    } catch (...) {
        // HandleException does not raise; nothing may leave the boundary even if it did.
    }
}

}  // namespace plat
