#pragma once

#include "grid/model/TCollection.h"
#include "grid/model/THeaderButton.h"

namespace skelda::grid {

class THeaderButtons : public TCollectionOf<THeaderButton> {
public:
    std::string ClassName() const override { return "THeaderButtons"; }
};

}  // namespace skelda::grid
