#include "platform/controls/core/WindowHost.h"

#include "platform/core/Exception.h"

#include <utility>

namespace plat {

namespace {

TWindowHostFactory& DefaultFactory()
{
    static TWindowHostFactory factory;
    return factory;
}

}  // namespace

void SetDefaultWindowHostFactory(TWindowHostFactory Factory)
{
    DefaultFactory() = std::move(Factory);
}

TWindowHost* CreateDefaultWindowHost(TWinControl& Control)
{
    if (!DefaultFactory())
        throw EInvalidOperation("A control cannot have a window: no window system is installed");
    return DefaultFactory()(Control);
}

}  // namespace plat
