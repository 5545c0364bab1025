#pragma once

#include "platform/system/Beeper.h"

#include <vector>

namespace plat::testing {

// Silent: keeps the sound type of every beep.
class CountingBeeper : public IBeeper {
public:
    void MessageBeep(unsigned soundType) override { FSoundTypes.push_back(soundType); }

    int Count() const { return static_cast<int>(FSoundTypes.size()); }
    const std::vector<unsigned>& SoundTypes() const { return FSoundTypes; }

private:
    std::vector<unsigned> FSoundTypes;
};

}  // namespace plat::testing
