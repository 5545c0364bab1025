#include "platform/core/Exception.h"

namespace plat {

Exception::Exception(std::string message) : FMessage(std::move(message)) {}

}  // namespace plat
