#include "editcontrols/support/TKclDispatcherObject.h"

#include <utility>

namespace skelda::editcontrols {

TKclWaitResult WaitResultFromCode(std::uint32_t ACode)
{
    switch (ACode) {
    case WAIT_OBJECT_0:
        return wrSignaled;
    case WAIT_ABANDONED:
        return wrAbandoned;
    case WAIT_IO_COMPLETION:
        return wrIoCompletion;
    case WAIT_TIMEOUT:
        return wrTimeout;
    default:
        return wrError;
    }
}

TKclDispatcherObject::TKclDispatcherObject(std::string AName, bool AExisted)
    : FExisted(AExisted), FName(std::move(AName))
{
}

TKclWaitResult TKclDispatcherObject::WaitFor(std::uint32_t ATimeoutMs)
{
    return WaitResultFromCode(Wait(ATimeoutMs));
}

}  // namespace skelda::editcontrols
