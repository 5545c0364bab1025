#pragma once

#include "platform/core/TPersistent.h"

#include <functional>

namespace skelda::pager {

// A stored settings object whose setters announce a changed value once through OnChange, which
// its owner wires to its own handling.
class TNotifyingPersistent : public plat::TPersistent {
public:
    std::function<void(plat::TObject* Sender)> OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
    // Stores Value and announces it, unless it is the value already held.
    template <typename T>
    void Change(T& Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        Changed();
    }
};

}  // namespace skelda::pager
