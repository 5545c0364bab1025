#include "platform/controls/core/DragHooks.h"

#include "platform/core/Exception.h"

namespace plat {

namespace {

IDragRunner* InstalledRunner = nullptr;
TFloatingDockHostMaker InstalledMaker = nullptr;

}  // namespace

void SetDragRunner(IDragRunner* Runner)
{
    InstalledRunner = Runner;
}

IDragRunner* GetDragRunner()
{
    return InstalledRunner;
}

void SetFloatingDockHostMaker(TFloatingDockHostMaker Maker)
{
    InstalledMaker = Maker;
}

TWinControl* MakeFloatingDockHost(TControl& Client, const TRect& ScreenRect)
{
    if (!InstalledMaker)
        throw EInvalidOperation("No window can hold a floating control");
    return InstalledMaker(Client, ScreenRect);
}

}  // namespace plat
