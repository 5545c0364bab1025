#pragma once

#include "platform/core/Exception.h"

namespace skelda::grid {

// Errors of the string grid, such as a row or column index outside the grid.
class ZOdeVuzeViriz : public plat::Exception {
public:
    using plat::Exception::Exception;
};

}  // namespace skelda::grid
