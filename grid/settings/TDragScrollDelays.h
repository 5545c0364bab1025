#pragma once

#include "platform/core/TPersistent.h"

namespace skelda::grid {

// How long a drag waits at the grid's edge before it scrolls, and between scroll steps.
class TDragScrollDelays : public plat::TPersistent {
public:
    std::string ClassName() const override { return "TDragScrollDelays"; }

    // From another TDragScrollDelays; other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    // Milliseconds.
    int GetInitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int Value) { FInitialDelay = Value; }
    int GetRepeatDelay() const { return FRepeatDelay; }
    void SetRepeatDelay(int Value) { FRepeatDelay = Value; }

private:
    int FInitialDelay = 1000;
    int FRepeatDelay = 250;
};

}  // namespace skelda::grid
