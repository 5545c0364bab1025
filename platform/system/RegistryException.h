#pragma once

#include "platform/core/Exception.h"

namespace plat {

// Raised by the registry store: "Invalid data type for '<name>'", "Failed to get data for
// '<name>'", "Failed to set data for '<name>'", "Failed to create key <key>".
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

}  // namespace plat
