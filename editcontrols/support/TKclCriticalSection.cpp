#include "editcontrols/support/TKclCriticalSection.h"

#include <memory>

namespace skelda::editcontrols {

TKclCriticalSection* TKclCriticalSection::CreateAndEnter(std::atomic<TKclCriticalSection*>& ASection)
{
    TKclCriticalSection* installed = ASection.load(std::memory_order_acquire);
    if (!installed) {
        auto own = std::make_unique<TKclCriticalSection>();
        if (ASection.compare_exchange_strong(installed, own.get(), std::memory_order_acq_rel))
            installed = own.release();
        // Otherwise installed now holds the winner's section and ours goes with own.
    }
    installed->Enter();
    return installed;
}

}  // namespace skelda::editcontrols
