#pragma once

#include "grid/settings/TDragScrollDelays.h"
#include "grid/settings/TDragScrollMargins.h"
#include "platform/core/TPersistent.h"

#include <memory>

namespace skelda::grid {

// Scrolling of the grid while something is dragged near its edges.
class TDragScrollOptions : public plat::TPersistent {
public:
    TDragScrollOptions();
    ~TDragScrollOptions() override;

    std::string ClassName() const override { return "TDragScrollOptions"; }

    // From another TDragScrollOptions: margins, delays, then Active. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    bool GetActive() const { return FActive; }
    void SetActive(bool Value) { FActive = Value; }
    TDragScrollDelays& Delays() { return *FDelays; }
    const TDragScrollDelays& Delays() const { return *FDelays; }
    void SetDelays(const TDragScrollDelays& Value);
    TDragScrollMargins& Margins() { return *FMargins; }
    const TDragScrollMargins& Margins() const { return *FMargins; }
    void SetMargins(const TDragScrollMargins& Value);

private:
    bool FActive = false;
    std::unique_ptr<TDragScrollDelays> FDelays;
    std::unique_ptr<TDragScrollMargins> FMargins;
};

}  // namespace skelda::grid
