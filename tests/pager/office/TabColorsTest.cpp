// Which colours a tab is painted in, state by state.

#include "pager/office/TabColors.h"

#include "pager/glow/PagerGlowVariants.h"
#include "pager/office/TTabAppearance.h"

#include <gtest/gtest.h>

namespace skelda::pager {
namespace {

// Every colour of the appearance distinct, so that each result names its source.
class TabColorsTest : public ::testing::Test {
protected:
    TabColorsTest()
    {
        A.SetColor(0x000001);
        A.SetColorTo(0x000002);
        A.SetColorMirror(0x000003);
        A.SetColorMirrorTo(0x000004);
        A.SetBorderColor(0x000005);
        A.SetTextColor(0x000006);
        A.SetColorHot(0x000100);
        A.SetColorHotTo(0x000200);
        A.SetColorMirrorHot(0x000300);
        A.SetColorMirrorHotTo(0x000400);
        A.SetBorderColorHot(0x000500);
        A.SetTextColorHot(0x000600);
        A.SetColorSelected(0x010000);
        A.SetColorSelectedTo(0x020000);
        A.SetColorMirrorSelected(0x030000);
        A.SetColorMirrorSelectedTo(0x040000);
        A.SetBorderColorSelected(0x050000);
        A.SetTextColorSelected(0x060000);
        A.SetColorDisabled(0x101010);
        A.SetColorDisabledTo(0x202020);
        A.SetColorMirrorDisabled(0x303030);
        A.SetColorMirrorDisabledTo(0x404040);
        A.SetBorderColorDisabled(0x505050);
        A.SetTextColorDisabled(0x606060);
        A.SetBorderColorSelectedHot(0x707070);
        A.SetBorderColorDown(0x808080);
        A.SetHighLightColor(0x0A0000);
        A.SetHighLightColorHot(0x0B0000);
        A.SetHighLightColorSelected(0x0C0000);
        A.SetHighLightColorSelectedHot(0x0D0000);
        A.SetHighLightColorDown(0x0E0000);
        A.SetGradient(ggVertical);
        A.SetGradientHot(ggDiagonalForward);
        A.SetGradientSelected(ggDiagonalBackward);
        A.SetGradientDisabled(ggRadial);
        A.BackGround().SetColor(0xF0F0F0);
        A.BackGround().SetColorTo(0xE0E0E0);
    }

    TTabAppearance A;
};

TEST_F(TabColorsTest, EachStatePicksItsGroup)
{
    const struct {
        const char* Name;
        TTabStateInputs State;
        plat::TColor Color, ColorTo, Border, Text, Highlight;
        TGDIPGradient Gradient;
        bool PaintBody;
    } cases[] = {
        {"disabled shown", {.TabEnabled = false, .Active = true, .ShowNonSelectedTabs = true},
         0x101010, 0x202020, 0x505050, 0x606060, 0x0A0000, ggRadial, true},
        {"selected", {.Active = true}, 0x010000, 0x020000, 0x050000, 0x060000, 0x0A0000, ggDiagonalBackward, true},
        {"selected and hot", {.Active = true, .Hot = true},
         0x010000, 0x020000, 0x707070, 0x060000, 0x0D0000, ggDiagonalBackward, true},
        {"selected and pressed", {.Active = true, .Hot = true, .Down = true},
         0x010000, 0x020000, 0x808080, 0x060000, 0x0E0000, ggDiagonalBackward, true},
        {"hot", {.Hot = true}, 0x000100, 0x000200, 0x000500, 0x000600, 0x0B0000, ggDiagonalForward, true},
        {"normal shown", {.ShowNonSelectedTabs = true}, 0x000001, 0x000002, 0x000005, 0x000006, 0x0A0000,
         ggVertical, true},
        {"normal hidden", {}, plat::clNone, plat::clNone, plat::clNone, 0x000006, 0x0A0000, ggDiagonalForward,
         false},
        {"disabled hidden", {.TabEnabled = false}, plat::clNone, plat::clNone, plat::clNone, 0x606060, 0x0A0000,
         ggDiagonalForward, false},
        {"focused active", {.Active = true, .PagerFocused = true},
         0x000100, 0x000200, 0x707070, 0x000600, 0x0C0000, ggDiagonalForward, true},
        {"focus is only the active tab's", {.Hot = true, .PagerFocused = true},
         0x000100, 0x000200, 0x000500, 0x000600, 0x0B0000, ggDiagonalForward, true},
    };
    for (const auto& c : cases) {
        const TTabColors got = ChooseTabColors(A, c.State);
        EXPECT_EQ(got.Fill.Color, c.Color) << c.Name;
        EXPECT_EQ(got.Fill.ColorTo, c.ColorTo) << c.Name;
        EXPECT_EQ(got.Border, c.Border) << c.Name;
        EXPECT_EQ(got.Text, c.Text) << c.Name;
        EXPECT_EQ(got.Highlight, c.Highlight) << c.Name;
        EXPECT_EQ(got.Fill.Gradient, c.Gradient) << c.Name;
        EXPECT_EQ(got.PaintBody, c.PaintBody) << c.Name;
        EXPECT_EQ(got.Focused, c.State.PagerFocused && c.State.Active) << c.Name;
    }
}

TEST_F(TabColorsTest, FadesBlendByTheirStep)
{
    const auto mix = [](plat::TColor From, plat::TColor To, int Percent) { return PagerMixColors(From, To, Percent); };

    // A tab fading in or out over the strip blends towards the strip, and its ColorTo towards the
    // strip's ColorTo; it gets a body while it fades.
    TTabColors got = ChooseTabColors(A, {.Hot = true, .FadeRunning = true, .FadeState = gsHover,
                                         .StepHoverPercent = 30});
    EXPECT_EQ(got.Fill.Color, mix(0x000100, 0xF0F0F0, 30));
    EXPECT_EQ(got.Fill.ColorTo, mix(0x000200, 0xE0E0E0, 30));
    EXPECT_EQ(got.Border, mix(0x000500, 0xF0F0F0, 30));
    got = ChooseTabColors(A, {.FadeRunning = true, .FadeState = gsHover, .StepHoverPercent = 70});
    EXPECT_TRUE(got.PaintBody);
    EXPECT_EQ(got.Fill.ColorMirror, mix(0x000300, 0xF0F0F0, 70));

    A.BackGround().SetColorTo(plat::clNone);
    got = ChooseTabColors(A, {.Hot = true, .FadeRunning = true, .FadeState = gsHover, .StepHoverPercent = 30});
    EXPECT_EQ(got.Fill.ColorTo, mix(0x000200, 0xF0F0F0, 30)) << "a strip without ColorTo lends its Color";

    // With bodies shown, hot and normal tabs blend between their own groups.
    for (const bool hot : {true, false}) {
        got = ChooseTabColors(A, {.Hot = hot, .ShowNonSelectedTabs = true, .FadeRunning = true,
                                  .FadeState = gsHover, .StepHoverPercent = 40});
        EXPECT_EQ(got.Fill.ColorMirrorTo, mix(0x000400, 0x000004, 40)) << hot;
        EXPECT_EQ(got.Border, mix(0x000500, 0x000005, 40)) << hot;
    }

    // The active tab: a press fade blends selected into hot, a hover fade only its border.
    got = ChooseTabColors(A, {.Active = true, .FadeRunning = true, .FadeState = gsPush, .StepPushPercent = 25});
    EXPECT_EQ(got.Fill.Color, mix(0x010000, 0x000100, 25));
    EXPECT_EQ(got.Border, mix(0x050000, 0x000500, 25));
    got = ChooseTabColors(A, {.Active = true, .FadeRunning = true, .FadeState = gsHover, .StepHoverPercent = 60});
    EXPECT_EQ(got.Fill.Color, 0x010000);
    EXPECT_EQ(got.Border, mix(0x707070, 0x050000, 60));

    // A stopped timer is no fade, whatever its state says.
    got = ChooseTabColors(A, {.Hot = true, .FadeState = gsHover, .StepHoverPercent = 30});
    EXPECT_EQ(got.Fill.Color, 0x000100);
}

TEST_F(TabColorsTest, GlowPulsesTheBorderLast)
{
    const TTabColors got = ChooseTabColors(A, {.Active = true, .PagerFocused = true, .Glowing = true,
                                               .GlowColor = 0x00FF00, .PagerStepHoverPercent = 50});
    EXPECT_EQ(got.Border, PagerMixColors(0x00FF00, 0x707070, 50)) << "over the focused border";
    EXPECT_EQ(ChooseTabColors(A, {.Active = true, .Glowing = true, .GlowColor = plat::clNone}).Border, 0x050000);
}

}  // namespace
}  // namespace skelda::pager
