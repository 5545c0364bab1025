// Colour tones, the platform tests, and the office theme read from a seeded settings store.

#include "foundation/ColorTones.h"
#include "foundation/OfficeTheme.h"
#include "platform/graphics/ThemeLibrary.h"
#include "platform/system/RegistryException.h"
#include "platform/system/TRegistry.h"
#include "platform/testing/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

namespace skelda::foundation {
namespace {

using namespace plat;

TEST(ColorTonesTest, DefaultTonesAreTheSystemColours)
{
    const TColorTones tones = MakeDefaultTones();
    EXPECT_EQ(tones.Background.BrushColor, clWindow);
    EXPECT_EQ(tones.Background.BorderColor, clHighlight);
    EXPECT_EQ(tones.Background.TextColor, clWindowText);
    EXPECT_EQ(tones.Selected.TextColor, clHighlightText);
    EXPECT_EQ(tones.Hover.BrushColor, clGray);
    EXPECT_EQ(tones.Hover.TextColor, clWhite);
    EXPECT_EQ(tones.Disabled.BorderColor, clSilver);
    EXPECT_EQ(tones.Foreground.TextColor, clBlack);
}

TEST(ColorTonesTest, MetroTonesFrameWithTheAccentAndHoverTwentyPercentDarker)
{
    const struct {
        bool Light;
        TColor Color;
        TColor Background;
        TColor Text;
        TColor Hover;
    } cases[] = {
        {true, 0x0000FF, clWhite, clBlack, 0x0000CC},
        {false, 0x0000FF, clBlack, clWhite, 0x0000CC},
        // 0x85 * 0.8 = 106.4, 0x0A * 0.8 = 8, 0xFF * 0.8 = 204.
        {true, RGB(0x85, 0x0A, 0xFF), clWhite, clBlack, RGB(106, 8, 204)},
        // 5 * 0.8 = 4 and 3 * 0.8 = 2.4: to the nearest whole value.
        {true, RGB(5, 3, 0), clWhite, clBlack, RGB(4, 2, 0)},
    };
    for (const auto& c : cases) {
        const TColorTones tones = MakeMetroTones(c.Light, c.Color, clFuchsia);
        EXPECT_EQ(tones.Background.BrushColor, c.Background);
        EXPECT_EQ(tones.Background.BorderColor, c.Color);
        EXPECT_EQ(tones.Background.TextColor, c.Text);
        EXPECT_EQ(tones.Selected.BrushColor, c.Color);
        EXPECT_EQ(tones.Selected.TextColor, clWhite);
        EXPECT_EQ(tones.Hover.BrushColor, c.Hover);
        EXPECT_EQ(tones.Hover.BorderColor, c.Hover);
        EXPECT_EQ(tones.Disabled.BorderColor, clGray);
    }
    EXPECT_EQ(Darker(clWhite, 50), RGB(128, 128, 128)) << "127.5 goes to the even 128";
}

TEST(PlatformTestsTest, TheStandInKernelMakesTheModernFontTheDefault)
{
    plat::testing::ScopedEnvironment env;
    EXPECT_TRUE(IsVistaOrLater());
    EXPECT_EQ(GetDefaultFontName(), "Segoe UI");
    env.Libraries().RemoveEntry("KERNEL32.DLL", "GetLocaleInfoEx");
    EXPECT_FALSE(IsVistaOrLater());
    EXPECT_EQ(GetDefaultFontName(), "Tahoma");
    EXPECT_EQ(env.Libraries().LoadCount("KERNEL32.DLL"), 0);
}

// A visual-styles library whose active style has the colour scheme the test sets.
std::string g_colorName;
bool g_themeActive = true;

uxtheme::BOOL ThemeActive() { return g_themeActive ? 1 : 0; }

HRESULT CurrentThemeName(char* file, int fileSize, char* color, int colorSize, char* size, int sizeSize)
{
    std::strncpy(file, "luna.msstyles", static_cast<std::size_t>(fileSize));
    std::strncpy(color, g_colorName.c_str(), static_cast<std::size_t>(colorSize));
    std::strncpy(size, "NormalSize", static_cast<std::size_t>(sizeSize));
    return S_OK;
}

void InstallVisualStyle(plat::testing::ScopedEnvironment& env, const std::string& colorName, bool active = true)
{
    g_colorName = colorName;
    g_themeActive = active;
    env.Libraries().AddLibrary("UXTHEME.DLL", {{"IsThemeActive", reinterpret_cast<FARPROC>(&ThemeActive)},
                                               {"GetCurrentThemeName", reinterpret_cast<FARPROC>(&CurrentThemeName)}});
}

void CreateKey(const std::string& key)
{
    TRegistry registry;
    ASSERT_TRUE(registry.CreateKey(key));
}

void WriteTheme(const std::string& key, int value)
{
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(key, true));
    registry.WriteInteger("Theme", value);
}

TEST(OfficeThemeTest, TheInstalledSuiteIsTheNewestWhoseSettingsExist)
{
    const struct {
        const char* Key;
        int Version;
    } cases[] = {
        {nullptr, 0},
        {"Software\\Microsoft\\Office\\11.0\\Common\\General", 0},
        {"Software\\Microsoft\\Office\\12.0\\Common\\General", 1},
        {"Software\\Microsoft\\Office\\14.0\\Common\\General", 2},
        {"Software\\Microsoft\\Office\\14.0\\Common", 0},
    };
    for (const auto& c : cases) {
        plat::testing::ScopedEnvironment env;
        if (c.Key)
            CreateKey(c.Key);
        EXPECT_EQ(InstalledOfficeVersion(), c.Version) << (c.Key ? c.Key : "nothing");
    }
}

TEST(OfficeThemeTest, TheThemeComesFromTheNewestSuiteThenFromTheVisualStyle)
{
    const struct {
        const char* Name;
        std::optional<int> Theme2010;
        bool Key2010;
        std::optional<int> Theme2007;
        const char* ColorName;
        bool ThemeActive;
        TOfficeTheme Expected;
    } cases[] = {
        {"2010 black", 3, true, std::nullopt, "", true, ot2010Black},
        {"2010 silver", 2, true, std::nullopt, "", true, ot2010Silver},
        {"2010 value 0 beats 2007", 0, true, 1, "", true, ot2003Blue},
        {"2010 without a value", std::nullopt, true, 2, "", true, ot2007Silver},
        {"2007 blue", std::nullopt, false, 1, "", true, ot2007Blue},
        {"2007 value 7", std::nullopt, false, 7, "", true, ot2003Blue},
        {"classic look", std::nullopt, false, std::nullopt, "", true, ot2003Classic},
        {"luna blue", std::nullopt, false, std::nullopt, "NormalColor", true, ot2003Blue},
        {"luna olive", std::nullopt, false, std::nullopt, "HomeStead", true, ot2003Olive},
        {"luna silver", std::nullopt, false, std::nullopt, "Metallic", true, ot2003Silver},
        {"themes off", std::nullopt, false, std::nullopt, "Metallic", false, ot2003Classic},
        {"case counts", std::nullopt, false, std::nullopt, "metallic", true, ot2003Classic},
    };
    for (const auto& c : cases) {
        plat::testing::ScopedEnvironment env;
        InstallVisualStyle(env, c.ColorName, c.ThemeActive);
        if (c.Key2010)
            CreateKey(Office2010CommonKey);
        if (c.Theme2010)
            WriteTheme(Office2010CommonKey, *c.Theme2010);
        if (c.Theme2007)
            WriteTheme(Office2007CommonKey, *c.Theme2007);
        EXPECT_EQ(DetectOfficeTheme(), c.Expected) << c.Name;
        EXPECT_EQ(env.Libraries().LoadCount("UXTHEME.DLL"), 0) << c.Name;
    }
}

TEST(OfficeThemeTest, TheStandInPlatformHasAClassicLookAndOldPlatformsNone)
{
    plat::testing::ScopedEnvironment env;
    EXPECT_EQ(GetVisualStyleColorIndex(), 0) << "the stand-in style has no colour scheme name";
    EXPECT_EQ(DetectOfficeTheme(), ot2003Classic);

    InstallVisualStyle(env, "NormalColor");
    EXPECT_EQ(GetVisualStyleColorIndex(), 1);
    env.Platform().SetCommonControlsVersion({5, 82, 0, 0});
    EXPECT_EQ(GetVisualStyleColorIndex(), 0);
    env.Platform().SetCommonControlsVersion({0, 0, 0, 0});
    EXPECT_EQ(GetVisualStyleColorIndex(), 1) << "an unreadable version counts as a recent one";
    TOSVersionInfo version = env.Platform().GetVersionEx();
    version.MajorVersion = 5;
    version.MinorVersion = 0;
    env.Platform().SetVersionEx(version);
    EXPECT_EQ(GetVisualStyleColorIndex(), 0);
    env.Libraries().RemoveLibrary("UXTHEME.DLL");
    version.MinorVersion = 1;
    env.Platform().SetVersionEx(version);
    EXPECT_EQ(GetVisualStyleColorIndex(), 0);
}

TEST(OfficeThemeTest, AThemeValueThatIsNoNumberReachesTheCaller)
{
    plat::testing::ScopedEnvironment env;
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(Office2010CommonKey, true));
    registry.WriteString("Theme", "blue");
    EXPECT_THROW(DetectOfficeTheme(), ERegistryException);
}

}  // namespace
}  // namespace skelda::foundation
