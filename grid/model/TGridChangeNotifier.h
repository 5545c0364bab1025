#pragma once

#include "platform/core/TComponent.h"
#include "platform/core/Types.h"

namespace skelda::grid {

// A component that wants to hear of cell changes derives from this class, overrides
// CellsChangedNotify and registers with the grid's RegisterNotifier.
class TGridChangeNotifier : public plat::TComponent {
public:
    using plat::TComponent::TComponent;

    std::string ClassName() const override { return "TGridChangeNotifier"; }

    // The cells from (Left, Top) to (Right, Bottom), both corners included, have changed.
    virtual void CellsChangedNotify(const plat::TRect& Rect);
};

}  // namespace skelda::grid
