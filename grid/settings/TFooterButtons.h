#pragma once

#include "grid/settings/TFooterButton.h"
#include "platform/core/TCollection.h"

namespace skelda::grid {

class TFooterButtons : public plat::TCollectionOf<TFooterButton> {
public:
    std::string ClassName() const override { return "TFooterButtons"; }
};

}  // namespace skelda::grid
