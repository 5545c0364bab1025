#pragma once

#include "grid/settings/THeaderButton.h"
#include "grid/support/TCollection.h"

namespace skelda::grid {

class THeaderButtons : public TCollectionOf<THeaderButton> {
public:
    std::string ClassName() const override { return "THeaderButtons"; }
};

}  // namespace skelda::grid
