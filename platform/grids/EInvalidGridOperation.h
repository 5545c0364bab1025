#pragma once

#include "platform/core/Exception.h"

namespace plat {

// Errors of the library grid, its cell store and its axes.
class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};

// Raises EInvalidGridOperation "Grid index out of range".
[[noreturn]] void GridIndexError();
// Raises the same unless 0 <= Index < Limit.
void CheckGridIndex(int Index, int Limit);

}  // namespace plat
