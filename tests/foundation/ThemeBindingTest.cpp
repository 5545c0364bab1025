// The theme library binding, the composition check and the foundation's start-up, over the
// stand-in libraries and fakes of them.

#include "foundation/FoundationUnits.h"
#include "foundation/TDesktopComposition.h"
#include "foundation/TThemeLibraryBinding.h"
#include "platform/core/Exception.h"
#include "platform/testing/ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace skelda::foundation {
namespace {

using plat::testing::ScopedEnvironment;

TEST(ThemeBindingTest, BindingLoadsTheLibraryOnceAndFillsTheTable)
{
    ScopedEnvironment env;
    TThemeLibraryBinding binding("VezXPVS");
    binding.Bind();
    ASSERT_TRUE(binding.Loaded());
    const plat::HMODULE first = binding.Handle();
    for (const plat::FARPROC entry : binding.Table())
        EXPECT_NE(entry, nullptr);
    binding.Bind();
    EXPECT_EQ(binding.Handle(), first);
    EXPECT_EQ(env.Libraries().LoadCount("uxtheme.dll"), 1);
    binding.Free();
    EXPECT_FALSE(binding.Loaded());
    EXPECT_EQ(env.Libraries().LoadCount("UXTHEME.DLL"), 0);
    EXPECT_EQ(binding.Table()[0], nullptr);
}

TEST(ThemeBindingTest, WithoutTheLibraryNothingIsBoundAndNothingRaised)
{
    ScopedEnvironment env;
    env.Libraries().RemoveLibrary("UXTHEME.DLL");
    TThemeLibraryBinding binding("ATXPVS");
    EXPECT_NO_THROW(binding.Bind());
    EXPECT_FALSE(binding.Loaded());
    EXPECT_EQ(binding.Table()[0], nullptr);
    EXPECT_NO_THROW(binding.Free());
}

// A loader that answers every load with one of the platform's old error codes.
class ErrorCodeLoader : public plat::ILibraryLoader {
public:
    plat::HMODULE LoadLibrary(const std::string&) override { return 5; }
    plat::FARPROC GetProcAddress(plat::HMODULE, const std::string&) override { return nullptr; }
    bool FreeLibrary(plat::HMODULE) override { return false; }
};

TEST(ThemeBindingTest, AHandleBelowThirtyTwoIsNoLibrary)
{
    ScopedEnvironment env;
    ErrorCodeLoader loader;
    plat::Env().Libraries = &loader;
    TThemeLibraryBinding binding("ACXPVS");
    EXPECT_NO_THROW(binding.Bind());
    EXPECT_FALSE(binding.Loaded());
}

TEST(ThemeBindingTest, AMissingEntryPointStopsTheStartUpNamingTheModule)
{
    ScopedEnvironment env;
    env.Libraries().RemoveEntry("UXTHEME.DLL", "GetThemeFont");
    TThemeLibraryBinding binding("VezXPVS");
    try {
        binding.Bind();
        FAIL() << "no assertion";
    } catch (const plat::EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "Assertion failure (VezXPVS: GetThemeFont)");
    }
    binding.Free();
}

TEST(ThemeBindingTest, OneBindingServesTheThreeNames)
{
    EXPECT_EQ(&VezXPVS(), &ATXPVS());
    EXPECT_EQ(&VezXPVS(), &ACXPVS());
}

plat::HRESULT CompositionOff(std::int32_t* Enabled)
{
    *Enabled = 0;
    return plat::S_OK;
}

plat::HRESULT CompositionOn(std::int32_t* Enabled)
{
    *Enabled = 1;
    return plat::S_OK;
}

plat::TLibraryTable::TExports DwmExports(plat::HRESULT (*entry)(std::int32_t*))
{
    return {{"DwmIsCompositionEnabled", reinterpret_cast<plat::FARPROC>(entry)}};
}

TEST(CompositionTest, TheAnswerDependsOnTheVersionTheLibraryAndItsEntry)
{
    const struct {
        const char* Name;
        int MajorVersion;
        bool WithLibrary;
        plat::HRESULT (*Entry)(std::int32_t*);
        plat::HRESULT CallResult;
        bool Enabled;
        int LoadsAfter;
    } cases[] = {
        {"version 5 asks nothing", 5, true, CompositionOn, plat::S_OK, false, 0},
        {"composition switched off", 6, true, CompositionOff, plat::S_OK, false, 1},
        {"composition on", 6, true, CompositionOn, plat::S_OK, true, 1},
        {"no library", 6, false, nullptr, plat::E_NOTIMPL, false, 0},
        {"no entry", 6, true, nullptr, plat::E_NOTIMPL, false, 1},
    };
    for (const auto& c : cases) {
        ScopedEnvironment env;
        plat::TOSVersionInfo version = env.Platform().GetVersionEx();
        version.MajorVersion = c.MajorVersion;
        env.Platform().SetVersionEx(version);
        if (c.WithLibrary)
            env.Libraries().AddLibrary("DWMAPI.DLL", c.Entry ? DwmExports(c.Entry) : plat::TLibraryTable::TExports{});
        TDesktopComposition composition;
        EXPECT_EQ(composition.IsCompositionEnabled(), c.Enabled) << c.Name;
        EXPECT_EQ(env.Libraries().LoadCount("DWMAPI.DLL"), c.LoadsAfter) << c.Name;
        std::int32_t enabled = -1;
        EXPECT_EQ(composition.CallDwmIsCompositionEnabled(enabled), c.CallResult) << c.Name;
        composition.Free();
        EXPECT_EQ(env.Libraries().LoadCount("DWMAPI.DLL"), 0) << c.Name;
    }
}

TEST(CompositionTest, TheLibraryIsLoadedOnceAndTheEntryLookedForAgainWhileMissing)
{
    ScopedEnvironment env;
    env.Libraries().AddLibrary("DWMAPI.DLL", {});
    TDesktopComposition composition;
    std::int32_t enabled = -1;
    EXPECT_EQ(composition.CallDwmIsCompositionEnabled(enabled), plat::E_NOTIMPL);
    env.Libraries().AddLibrary("DWMAPI.DLL", DwmExports(CompositionOff));
    EXPECT_EQ(composition.CallDwmIsCompositionEnabled(enabled), plat::S_OK);
    EXPECT_EQ(enabled, 0);
    EXPECT_EQ(env.Libraries().LoadCount("DWMAPI.DLL"), 1);
    composition.Free();
}

TEST(CompositionTest, TheStandInPlatformHasNoComposition)
{
    ScopedEnvironment env;
    TDesktopComposition composition;
    std::int32_t enabled = -1;
    EXPECT_EQ(composition.CallDwmIsCompositionEnabled(enabled), plat::E_NOTIMPL);
    EXPECT_FALSE(composition.IsCompositionEnabled());
}

TEST(FoundationUnitsTest, StartUpBindsTheThemeLibraryAndShutDownFreesItAll)
{
    ScopedEnvironment env;
    env.Libraries().AddLibrary("DWMAPI.DLL", DwmExports(CompositionOn));
    StartUpFoundationUnits();
    StartUpFoundationUnits();
    EXPECT_TRUE(VezXPVS().Loaded());
    EXPECT_EQ(env.Libraries().LoadCount("UXTHEME.DLL"), 1);
    EXPECT_TRUE(IsCompositionEnabled());
    ShutDownFoundationUnits();
    EXPECT_FALSE(VezXPVS().Loaded());
    EXPECT_EQ(env.Libraries().LoadCount("UXTHEME.DLL"), 0);
    EXPECT_EQ(env.Libraries().LoadCount("DWMAPI.DLL"), 0);
    ShutDownFoundationUnits();
}

}  // namespace
}  // namespace skelda::foundation
