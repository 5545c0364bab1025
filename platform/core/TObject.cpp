#include "platform/core/TObject.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace plat {

std::string TObject::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    // Drop the namespaces, but not inside template arguments.
    const auto templateStart = name.find('<');
    const auto lastScope = name.rfind("::", templateStart);
    if (lastScope != std::string::npos)
        name.erase(0, lastScope + 2);
    return name;
}

}  // namespace plat
