#pragma once

#include "grid/settings/THeaderButton.h"
#include "platform/core/TCollection.h"

namespace skelda::grid {

class THeaderButtons : public plat::TCollectionOf<THeaderButton> {
public:
    std::string ClassName() const override { return "THeaderButtons"; }
};

}  // namespace skelda::grid
