#pragma once

#include "grid/settings/TFooterButton.h"
#include "grid/support/TCollection.h"

namespace skelda::grid {

class TFooterButtons : public TCollectionOf<TFooterButton> {
public:
    std::string ClassName() const override { return "TFooterButtons"; }
};

}  // namespace skelda::grid
