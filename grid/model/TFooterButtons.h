#pragma once

#include "grid/model/TCollection.h"
#include "grid/model/TFooterButton.h"

namespace skelda::grid {

class TFooterButtons : public TCollectionOf<TFooterButton> {
public:
    std::string ClassName() const override { return "TFooterButtons"; }
};

}  // namespace skelda::grid
