#pragma once

#include "platform/core/Exception.h"

namespace plat {

// A picture that cannot be read or written, or an operation a picture does not allow.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

}  // namespace plat
