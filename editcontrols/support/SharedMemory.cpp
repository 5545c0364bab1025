#include "editcontrols/support/SharedMemory.h"

#include "editcontrols/support/TMMFHandleList.h"

namespace skelda::editcontrols {

std::uint32_t OpenSharedMemory(void*& AView, std::string_view AName, std::size_t ASizeBytes,
                               std::uint32_t ADesiredAccess)
{
    return MMFHandleList().Open(AView, AName, ASizeBytes, ADesiredAccess);
}

bool CloseSharedMemory(void*& AView)
{
    return MMFHandleList().Close(AView);
}

}  // namespace skelda::editcontrols
