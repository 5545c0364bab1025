#pragma once

#include "platform/core/TObject.h"

#include <atomic>
#include <mutex>

namespace skelda::editcontrols {

// A lock for the threads of this process. The thread that holds it may enter it again; each
// Enter needs its Leave. A thread that finds it held waits without time-out.
class TKclCriticalSection : public plat::TObject {
public:
    void Enter() { FCriticalSection.lock(); }
    void Leave() { FCriticalSection.unlock(); }

    // Enters the critical section ASection holds, making one first when it holds none. Threads
    // that find ASection empty at the same time each make one, but only the first to install
    // it (compare-exchange against nullptr) keeps it; the others free theirs and enter the
    // installed one, so exactly one is ever installed. Answers the one entered. Whoever owns
    // ASection frees what it holds.
    static TKclCriticalSection* CreateAndEnter(std::atomic<TKclCriticalSection*>& ASection);

private:
    std::recursive_mutex FCriticalSection;
};

}  // namespace skelda::editcontrols
