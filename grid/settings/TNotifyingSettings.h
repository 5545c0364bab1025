#pragma once

#include "platform/core/TPersistent.h"

#include <functional>

namespace skelda::grid {

// A settings group that tells its grid when one of its values changed.
class TNotifyingSettings : public plat::TPersistent {
public:
    std::function<void(plat::TObject* Sender)> OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
};

}  // namespace skelda::grid
