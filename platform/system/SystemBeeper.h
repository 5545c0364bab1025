#pragma once

#include "platform/system/Beeper.h"

namespace plat {

// The desktop's beep; silent when the program runs without a graphical application.
class SystemBeeper : public IBeeper {
public:
    void MessageBeep(unsigned soundType) override;
};

}  // namespace plat
