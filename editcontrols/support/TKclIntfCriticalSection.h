#pragma once

#include "platform/core/TObject.h"

#include <mutex>
#include <utility>

namespace skelda::editcontrols {

// A critical section held exactly as long as a reference to it is: taking a reference enters
// it and dropping the reference leaves it, so a scope that holds one cannot leave the section
// held on any way out, an exception included. References nest within one thread.
class TKclIntfCriticalSection : public plat::TObject {
public:
    class TReference {
    public:
        explicit TReference(TKclIntfCriticalSection& ASection) : FSection(&ASection)
        {
            FSection->FCriticalSection.lock();
        }
        TReference(TReference&& AOther) noexcept : FSection(std::exchange(AOther.FSection, nullptr)) {}
        TReference(const TReference&) = delete;
        TReference& operator=(const TReference&) = delete;
        TReference& operator=(TReference&&) = delete;
        ~TReference()
        {
            if (FSection)
                FSection->FCriticalSection.unlock();
        }

    private:
        TKclIntfCriticalSection* FSection;
    };

    [[nodiscard]] TReference Reference() { return TReference(*this); }

private:
    std::recursive_mutex FCriticalSection;
};

}  // namespace skelda::editcontrols
