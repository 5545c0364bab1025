#include "foundation/FoundationUnits.h"

#include "foundation/GPColors.h"
#include "foundation/TDesktopComposition.h"
#include "foundation/TThemeLibraryBinding.h"
#include "platform/gdiplus/GdiplusFlat.h"

#include <cstdint>

namespace skelda::foundation {

namespace {

struct TGdiplusModule {
    bool Started = false;
    GdiplusStartupInput Input;
    GdiplusStartupOutput Output;
    std::uintptr_t Token = 0;
    // Separate from the start-up token, as the platform hands out two.
    std::uintptr_t HookToken = 0;
};

TGdiplusModule& GdiplusModule()
{
    static TGdiplusModule module;
    return module;
}

void StartGdiplus()
{
    TGdiplusModule& module = GdiplusModule();
    module.Input = GdiplusStartupInput{1, nullptr, true, false};
    module.Output = GdiplusStartupOutput{};
    GdiplusStartup(&module.Token, &module.Input, &module.Output);
    if (!IsWindows6OrLater() && module.Output.NotificationHook)
        module.Output.NotificationHook(&module.HookToken);
    module.Started = true;
}

void ShutDownGdiplus()
{
    TGdiplusModule& module = GdiplusModule();
    if (!IsWindows6OrLater() && module.Output.NotificationUnhook)
        module.Output.NotificationUnhook(module.HookToken);
    GdiplusShutdown(module.Token);
    module.Started = false;
}

}  // namespace

void StartUpFoundationUnits()
{
    if (GdiplusModule().Started)
        return;
    StartGdiplus();
    VezXPVS().Bind();
    ATXPVS().Bind();
    ACXPVS().Bind();
}

void ShutDownFoundationUnits()
{
    if (!GdiplusModule().Started)
        return;
    DesktopComposition().Free();
    ACXPVS().Free();
    ATXPVS().Free();
    VezXPVS().Free();
    ShutDownGdiplus();
}

}  // namespace skelda::foundation
