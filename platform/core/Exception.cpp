#include "platform/core/Exception.h"

#include "platform/core/Format.h"

namespace plat {

Exception::Exception(std::string message) : FMessage(std::move(message)) {}

Exception::Exception(std::string_view fmt, std::initializer_list<TVarRec> args)
    : FMessage(Format(fmt, args))
{
}

}  // namespace plat
