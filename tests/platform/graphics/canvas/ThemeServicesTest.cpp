#include "CanvasFixture.h"

#include "platform/core/Exception.h"
#include "platform/graphics/ThemeParts.h"
#include "platform/graphics/ThemeServices.h"
#include "platform/system/Environment.h"
#include "platform/testing/ScopedEnvironment.h"
#include "platform/testing/TRecordingCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace plat {
namespace {

// The theme service of a test environment (themes on, Fusion) and a white recording canvas.
class ThemeServicesTest : public ::testing::Test {
protected:
    ThemeServicesTest() { Clear(); }
    ~ThemeServicesTest() override { EXPECT_EQ(env.Themes().OpenHandleCount(), 0) << "every open is closed"; }

    void Clear()
    {
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect(Rect(0, 0, 80, 60));
        canvas.ClearCalls();
    }

    // The pixels of one part drawn alone on white.
    QImage Drawn(HTHEME Theme, int PartId, int StateId, const TRect& R)
    {
        Clear();
        EXPECT_EQ(themes.DrawThemeBackground(Theme, canvas, PartId, StateId, R, nullptr), S_OK);
        return canvas.Image().copy();
    }

    testing::ScopedEnvironment env;
    IThemeServices& themes = ThemeServices();
    testing::TRecordingCanvas canvas{80, 60};
    testing::SaveImageOnFailure keep{canvas.Image()};
};

TEST_F(ThemeServicesTest, OpensTheKnownClassesByAnyCaseAndTheFirstKnownOfAList)
{
    EXPECT_TRUE(themes.ThemesEnabled());
    for (const char* name : {"BUTTON", "button", "Spin", "SCROLLBAR", "ComboBox", "EDIT", "header", "Progress", "TAB",
                             "WINDOW", "ListView;Button", " spin ; tab"}) {
        const HTHEME theme = themes.OpenThemeData(name);
        EXPECT_NE(theme, 0u) << name;
        EXPECT_EQ(themes.CloseThemeData(theme), S_OK) << name;
        EXPECT_EQ(themes.CloseThemeData(theme), E_HANDLE) << name << ": closed already";
    }
    for (const char* name : {"", "LISTVIEW", "BUTTONS", ";", "TREEVIEW;REBAR"})
        EXPECT_EQ(themes.OpenThemeData(name), 0u) << name;
    EXPECT_EQ(themes.CloseThemeData(0), E_HANDLE);
}

TEST_F(ThemeServicesTest, SwitchedOffNothingOpensButOpenHandlesKeepDrawing)
{
    const HTHEME open = themes.OpenThemeData("BUTTON");
    env.Themes().SetThemesEnabled(false);
    EXPECT_FALSE(themes.ThemesEnabled());
    EXPECT_EQ(themes.OpenThemeData("BUTTON"), 0u);
    EXPECT_EQ(themes.DrawThemeBackground(open, canvas, BP_PUSHBUTTON, PBS_NORMAL, Rect(5, 5, 40, 25), nullptr), S_OK);
    EXPECT_EQ(themes.CloseThemeData(open), S_OK);
    env.Themes().SetThemesEnabled(true);
    EXPECT_TRUE(themes.ThemesEnabled());
}

TEST_F(ThemeServicesTest, WrongHandlesPartsAndStatesFailWithoutDrawing)
{
    const HTHEME button = themes.OpenThemeData("BUTTON");
    const HTHEME spin = themes.OpenThemeData("SPIN");
    const TRect r = Rect(5, 5, 30, 30);
    const struct {
        HTHEME Theme;
        int Part;
        int State;
        HRESULT Result;
    } cases[] = {
        {button, 99, 1, E_INVALIDARG},
        {button, 0, 1, E_INVALIDARG},
        {button, BP_CHECKBOX, -1, E_INVALIDARG},
        {button, BP_CHECKBOX, CBS_MIXEDDISABLED + 1, E_INVALIDARG},
        {button, BP_RADIOBUTTON, RBS_CHECKEDDISABLED + 1, E_INVALIDARG},
        {button, BP_PUSHBUTTON, PBS_DEFAULTED + 1, E_INVALIDARG},
        {spin, SPNP_DOWNHORZ + 1, 1, E_INVALIDARG},
        {spin, SPNP_UP, UPS_DISABLED + 1, E_INVALIDARG},
        {button + spin + 100, BP_PUSHBUTTON, PBS_NORMAL, E_HANDLE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Part) + "/" + std::to_string(c.State));
        EXPECT_EQ(themes.DrawThemeBackground(c.Theme, canvas, c.Part, c.State, r, nullptr), c.Result);
        TSize size;
        EXPECT_EQ(themes.GetThemePartSize(c.Theme, c.Part, c.State, nullptr, TS_TRUE, size), c.Result);
        TColor color = clNone;
        EXPECT_EQ(themes.GetThemeColor(c.Theme, c.Part, c.State, TMT_FILLCOLOR, color), c.Result);
    }
    EXPECT_TRUE(canvas.Calls().empty());
    EXPECT_EQ(InkBounds(canvas.Image()), TRect{});
    themes.CloseThemeData(button);
    themes.CloseThemeData(spin);
    EXPECT_EQ(themes.DrawThemeBackground(button, canvas, BP_PUSHBUTTON, PBS_NORMAL, r, nullptr), E_HANDLE);
}

TEST_F(ThemeServicesTest, EveryPartDrawsInsideItsRectangleAndIsRecordedAsOneCall)
{
    const struct {
        const char* Class;
        int Part;
        int State;
    } parts[] = {
        {"BUTTON", BP_PUSHBUTTON, PBS_DEFAULTED},      {"BUTTON", BP_RADIOBUTTON, RBS_CHECKEDHOT},
        {"BUTTON", BP_CHECKBOX, CBS_MIXEDPRESSED},     {"COMBOBOX", CP_DROPDOWNBUTTON, CBXS_HOT},
        {"EDIT", EP_EDITTEXT, ETS_FOCUSED},            {"EDIT", EP_EDITTEXT, ETS_READONLY},
        {"HEADER", HP_HEADERITEMRIGHT, HIS_PRESSED},   {"PROGRESS", PP_BAR, 0},
        {"PROGRESS", PP_CHUNK, 1},                     {"PROGRESS", PP_CHUNKVERT, 1},
        {"SCROLLBAR", SBP_ARROWBTN, ABS_RIGHTPRESSED}, {"SPIN", SPNP_DOWNHORZ, DNHZS_DISABLED},
        {"TAB", TABP_TABITEM, TIS_SELECTED},           {"TAB", TABP_PANE, 0},
        {"WINDOW", WP_CAPTION, CS_INACTIVE},           {"WINDOW", WP_DIALOG, 0},
    };
    const TRect r = Rect(10, 8, 50, 32);
    for (const auto& p : parts) {
        const std::string call = "DrawThemeBackground(" + std::string(p.Class) + "," + std::to_string(p.Part) + "," +
                                 std::to_string(p.State) + ",10,8,50,32)";
        SCOPED_TRACE(call);
        const HTHEME theme = themes.OpenThemeData(p.Class);
        const QImage image = Drawn(theme, p.Part, p.State, r);
        EXPECT_EQ(canvas.Calls(), std::vector<std::string>{call});
        const TRect ink = InkBounds(image);
        EXPECT_FALSE(ink.IsEmpty());
        EXPECT_TRUE(ink.Left >= r.Left && ink.Top >= r.Top && ink.Right <= r.Right && ink.Bottom <= r.Bottom);
        themes.CloseThemeData(theme);
    }
}

TEST_F(ThemeServicesTest, StatesOfAPartLookDifferent)
{
    const struct {
        const char* Class;
        int Part;
        int State;
        int OtherState;
    } pairs[] = {
        {"BUTTON", BP_PUSHBUTTON, PBS_NORMAL, PBS_PRESSED},
        {"BUTTON", BP_PUSHBUTTON, PBS_NORMAL, PBS_DISABLED},
        {"BUTTON", BP_PUSHBUTTON, PBS_NORMAL, PBS_DEFAULTED},
        {"BUTTON", BP_CHECKBOX, CBS_UNCHECKEDNORMAL, CBS_CHECKEDNORMAL},
        {"BUTTON", BP_CHECKBOX, CBS_CHECKEDNORMAL, CBS_MIXEDNORMAL},
        {"BUTTON", BP_CHECKBOX, CBS_CHECKEDNORMAL, CBS_CHECKEDDISABLED},
        {"BUTTON", BP_CHECKBOX, CBS_UNCHECKEDNORMAL, CBS_UNCHECKEDPRESSED},
        {"BUTTON", BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL, RBS_CHECKEDNORMAL},
        {"BUTTON", BP_RADIOBUTTON, RBS_CHECKEDNORMAL, RBS_CHECKEDDISABLED},
        {"SCROLLBAR", SBP_ARROWBTN, ABS_UPNORMAL, ABS_DOWNNORMAL},
        {"SCROLLBAR", SBP_ARROWBTN, ABS_LEFTNORMAL, ABS_RIGHTNORMAL},
        {"SCROLLBAR", SBP_ARROWBTN, ABS_UPNORMAL, ABS_UPPRESSED},
        {"SPIN", SPNP_UP, UPS_NORMAL, UPS_DISABLED},
        {"COMBOBOX", CP_DROPDOWNBUTTON, CBXS_NORMAL, CBXS_PRESSED},
        {"EDIT", EP_EDITTEXT, ETS_NORMAL, ETS_DISABLED},
        {"TAB", TABP_TABITEM, TIS_NORMAL, TIS_SELECTED},
    };
    const TRect r = Rect(10, 10, 40, 34);
    for (const auto& p : pairs) {
        SCOPED_TRACE(std::string(p.Class) + " part " + std::to_string(p.Part) + " states " + std::to_string(p.State) +
                     "/" + std::to_string(p.OtherState));
        const HTHEME theme = themes.OpenThemeData(p.Class);
        EXPECT_NE(Drawn(theme, p.Part, p.State, r), Drawn(theme, p.Part, p.OtherState, r));
        themes.CloseThemeData(theme);
    }
    const HTHEME spin = themes.OpenThemeData("SPIN");
    EXPECT_EQ(Drawn(spin, SPNP_UP, UPS_NORMAL, r), Drawn(spin, SPNP_UP, UPS_NORMAL, r)) << "drawing repeats";
    themes.CloseThemeData(spin);
}

TEST_F(ThemeServicesTest, StateZeroIsThePartsFirstState)
{
    const HTHEME button = themes.OpenThemeData("BUTTON");
    const TRect r = Rect(10, 10, 40, 34);
    EXPECT_EQ(Drawn(button, BP_CHECKBOX, 0, r), Drawn(button, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, r));
    EXPECT_NE(Drawn(button, BP_CHECKBOX, 0, r), Drawn(button, BP_CHECKBOX, CBS_CHECKEDNORMAL, r));
    EXPECT_EQ(Drawn(button, BP_PUSHBUTTON, 0, r), Drawn(button, BP_PUSHBUTTON, PBS_NORMAL, r));
    themes.CloseThemeData(button);
}

TEST_F(ThemeServicesTest, TheCanvasOriginAndBothClipsApply)
{
    const HTHEME theme = themes.OpenThemeData("BUTTON");
    const TRect clip = Rect(10, 10, 30, 30);
    EXPECT_EQ(themes.DrawThemeBackground(theme, canvas, BP_PUSHBUTTON, PBS_NORMAL, Rect(10, 10, 60, 30), &clip), S_OK);
    EXPECT_EQ(canvas.Calls(), std::vector<std::string>{"DrawThemeBackground(BUTTON,1,1,10,10,60,30 clip=10,10,30,30)"});
    EXPECT_EQ(InkBounds(canvas.Image()).Right, 30);

    Clear();
    canvas.IntersectClipRect(Rect(0, 0, 20, 60));
    EXPECT_EQ(themes.DrawThemeBackground(theme, canvas, BP_PUSHBUTTON, PBS_NORMAL, Rect(10, 10, 60, 30), nullptr), S_OK);
    EXPECT_EQ(InkBounds(canvas.Image()).Right, 20);

    canvas.SelectClipRgn(nullptr);
    Clear();
    canvas.SetViewportOrg({20, 5});
    EXPECT_EQ(themes.DrawThemeBackground(theme, canvas, BP_PUSHBUTTON, PBS_NORMAL, Rect(0, 0, 30, 20), nullptr), S_OK);
    EXPECT_EQ(InkBounds(canvas.Image()), Rect(20, 5, 50, 25));
    canvas.SetViewportOrg({0, 0});

    Clear();
    EXPECT_EQ(themes.DrawThemeBackground(theme, canvas, BP_PUSHBUTTON, PBS_NORMAL, Rect(10, 10, 10, 30), nullptr), S_OK);
    EXPECT_EQ(InkBounds(canvas.Image()), TRect{}) << "an empty rectangle draws nothing";
    themes.CloseThemeData(theme);
}

TEST_F(ThemeServicesTest, CheckBoxHasASizeOfItsOwnAndIsDrawnAtItCentred)
{
    const HTHEME theme = themes.OpenThemeData("BUTTON");
    TSize box;
    ASSERT_EQ(themes.GetThemePartSize(theme, BP_CHECKBOX, CBS_CHECKEDNORMAL, nullptr, TS_TRUE, box), S_OK);
    EXPECT_EQ(box.cx, box.cy);
    EXPECT_GE(box.cx, 10);
    EXPECT_LE(box.cx, 20);
    TSize radio;
    ASSERT_EQ(themes.GetThemePartSize(theme, BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL, nullptr, TS_MIN, radio), S_OK);
    EXPECT_GE(radio.cx, 10);

    const TRect small = Rect(0, 0, 8, 6);
    TSize drawn;
    ASSERT_EQ(themes.GetThemePartSize(theme, BP_CHECKBOX, CBS_CHECKEDNORMAL, &small, TS_DRAW, drawn), S_OK);
    EXPECT_EQ(drawn, (TSize{8, 6}));
    ASSERT_EQ(themes.GetThemePartSize(theme, BP_CHECKBOX, CBS_CHECKEDNORMAL, &small, TS_TRUE, drawn), S_OK);
    EXPECT_EQ(drawn, box);

    const TRect button = Rect(0, 0, 75, 23);
    TSize push;
    ASSERT_EQ(themes.GetThemePartSize(theme, BP_PUSHBUTTON, PBS_NORMAL, &button, TS_TRUE, push), S_OK);
    EXPECT_EQ(push, (TSize{75, 23})) << "a push button takes the size it is given";
    ASSERT_EQ(themes.GetThemePartSize(theme, BP_PUSHBUTTON, PBS_NORMAL, nullptr, TS_TRUE, push), S_OK);
    EXPECT_EQ(push, TSize{});
    EXPECT_EQ(themes.GetThemePartSize(theme, BP_CHECKBOX, CBS_CHECKEDNORMAL, nullptr, static_cast<THEMESIZE>(3), push),
              E_INVALIDARG);

    const TRect cell = Rect(10, 10, 50, 50);
    const TRect ink = InkBounds(Drawn(theme, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, cell));
    EXPECT_LE(ink.Width(), box.cx);
    EXPECT_LE(ink.Height(), box.cy);
    EXPECT_LE(std::abs((ink.Left + ink.Right) - (cell.Left + cell.Right)), 2);
    EXPECT_LE(std::abs((ink.Top + ink.Bottom) - (cell.Top + cell.Bottom)), 2);
    themes.CloseThemeData(theme);
}

TEST_F(ThemeServicesTest, ColoursFollowThePartAndItsState)
{
    const HTHEME button = themes.OpenThemeData("BUTTON");
    const HTHEME edit = themes.OpenThemeData("EDIT");
    auto color = [&](HTHEME theme, int part, int state, int prop) {
        TColor value = clNone;
        EXPECT_EQ(themes.GetThemeColor(theme, part, state, prop, value), S_OK) << prop;
        EXPECT_EQ(value & ~0xFFFFFF, 0) << "a plain 00BBGGRR colour";
        return value;
    };
    // The diagonal spin face draws its dividers in these three; they must be told apart.
    const TColor light = color(button, BP_PUSHBUTTON, PBS_NORMAL, TMT_EDGELIGHTCOLOR);
    const TColor hint = color(button, BP_PUSHBUTTON, PBS_NORMAL, TMT_BORDERCOLORHINT);
    const TColor shadow = color(button, BP_PUSHBUTTON, PBS_NORMAL, TMT_EDGESHADOWCOLOR);
    EXPECT_NE(light, hint);
    EXPECT_NE(light, shadow);
    EXPECT_NE(hint, shadow);

    EXPECT_NE(color(button, BP_PUSHBUTTON, PBS_NORMAL, TMT_TEXTCOLOR), color(button, BP_PUSHBUTTON, PBS_DISABLED, TMT_TEXTCOLOR));
    EXPECT_NE(color(button, BP_PUSHBUTTON, PBS_NORMAL, TMT_TEXTCOLOR), color(button, BP_PUSHBUTTON, PBS_NORMAL, TMT_FILLCOLOR));
    EXPECT_NE(color(edit, EP_EDITTEXT, ETS_NORMAL, TMT_FILLCOLOR), color(button, BP_PUSHBUTTON, PBS_NORMAL, TMT_FILLCOLOR));

    TColor unchanged = clNone;
    EXPECT_EQ(themes.GetThemeColor(button, BP_PUSHBUTTON, PBS_NORMAL, 3809, unchanged), E_PROP_ID_UNSUPPORTED);
    EXPECT_EQ(themes.GetThemeColor(button, BP_PUSHBUTTON, PBS_NORMAL, 0, unchanged), E_PROP_ID_UNSUPPORTED);
    EXPECT_EQ(unchanged, clNone);
    themes.CloseThemeData(button);
    themes.CloseThemeData(edit);
}

TEST(ThemeServicesAccessTest, AskingWithoutAnInstalledServiceRaises)
{
    Environment& env = Env();
    IThemeServices* installed = env.Themes;
    env.Themes = nullptr;
    EXPECT_THROW(ThemeServices(), EInvalidOperation);
    env.Themes = installed;
    EXPECT_EQ(&ThemeServices(), installed) << "the test main installs the production service";
}

}  // namespace
}  // namespace plat
