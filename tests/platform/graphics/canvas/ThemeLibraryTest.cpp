// The stand-in visual-styles library: the entries callers use work through the theme service,
// the rest answer "not supported".

#include "platform/graphics/StandInLibraries.h"
#include "platform/graphics/ThemeLibrary.h"
#include "platform/graphics/ThemeParts.h"
#include "platform/testing/ScopedEnvironment.h"
#include "platform/testing/TRecordingCanvas.h"

#include <gtest/gtest.h>

namespace plat {
namespace {

template <typename Proc>
Proc EntryOf(TLibraryTable& libraries, HMODULE module, const char* name)
{
    return reinterpret_cast<Proc>(libraries.GetProcAddress(module, name));
}

class ThemeLibraryTest : public ::testing::Test {
protected:
    testing::ScopedEnvironment env;
    TLibraryTable libraries = MakeStandInLibraries();
    HMODULE module = libraries.LoadLibrary("uxtheme.dll");
};

TEST_F(ThemeLibraryTest, EveryEntryOfTheListIsServed)
{
    ASSERT_NE(module, 0u);
    for (const std::string_view name : uxtheme::EntryNames)
        EXPECT_NE(libraries.GetProcAddress(module, std::string(name)), nullptr) << name;
    EXPECT_EQ(libraries.GetProcAddress(module, "BeginBufferedPaint"), nullptr);
    EXPECT_EQ(libraries.LoadLibrary("DWMAPI.DLL"), 0u);
    const HMODULE kernel = libraries.LoadLibrary("kernel32.dll");
    EXPECT_NE(libraries.GetProcAddress(kernel, "GetLocaleInfoEx"), nullptr);
}

TEST_F(ThemeLibraryTest, UsedEntriesDrawAndAnswerThroughTheThemeService)
{
    testing::TRecordingCanvas canvas(40, 40);
    const auto open = EntryOf<uxtheme::OpenThemeDataProc>(libraries, module, "OpenThemeData");
    const auto draw = EntryOf<uxtheme::DrawThemeBackgroundProc>(libraries, module, "DrawThemeBackground");
    const auto close = EntryOf<uxtheme::CloseThemeDataProc>(libraries, module, "CloseThemeData");
    const auto active = EntryOf<uxtheme::IsThemeActiveProc>(libraries, module, "IsThemeActive");
    const auto name = EntryOf<uxtheme::GetCurrentThemeNameProc>(libraries, module, "GetCurrentThemeName");

    EXPECT_EQ(active(), 1);
    const HTHEME theme = open(0, "BUTTON");
    ASSERT_NE(theme, 0u);
    const TRect rect = Rect(2, 2, 20, 20);
    EXPECT_EQ(draw(theme, canvas.Handle(), BP_CHECKBOX, CBS_CHECKEDNORMAL, &rect, nullptr), S_OK);
    EXPECT_EQ(canvas.CallsOf("DrawThemeBackground").size(), 1u);
    EXPECT_EQ(close(theme), S_OK);

    char file[8] = "x";
    char color[8] = "x";
    char size[8] = "x";
    EXPECT_EQ(name(file, 8, color, 8, size, 8), S_OK);
    EXPECT_STREQ(color, "") << "no visual-style colour scheme";

    env.Themes().SetThemesEnabled(false);
    EXPECT_EQ(active(), 0);
    EXPECT_EQ(open(0, "BUTTON"), 0u);
    EXPECT_EQ(name(file, 8, color, 8, size, 8), E_PROP_ID_UNSUPPORTED);
}

TEST_F(ThemeLibraryTest, OtherEntriesAnswerNotSupported)
{
    const auto text = EntryOf<uxtheme::DrawThemeTextProc>(libraries, module, "DrawThemeText");
    const auto defined = EntryOf<uxtheme::IsThemePartDefinedProc>(libraries, module, "IsThemePartDefined");
    const auto properties = EntryOf<uxtheme::GetThemeAppPropertiesProc>(libraries, module, "GetThemeAppProperties");
    const auto setProperties = EntryOf<uxtheme::SetThemeAppPropertiesProc>(libraries, module, "SetThemeAppProperties");
    EXPECT_EQ(text(1, nullptr, 1, 1, "a", 1, 0, 0, nullptr), E_NOTIMPL);
    EXPECT_EQ(defined(1, 1, 1), 0);
    EXPECT_EQ(properties(), 0u);
    setProperties(7);
}

}  // namespace
}  // namespace plat
