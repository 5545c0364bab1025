// The glow button's appearance: defaults, change notification, styles and colour tones.

#include "foundation/ColorTones.h"
#include "pager/glow/GlowButtonStyles.h"
#include "pager/glow/TGlowButtonAppearance.h"

#include <gtest/gtest.h>

namespace skelda::pager {
namespace {

using namespace skelda::foundation;

TEST(GlowAppearanceTest, DefaultsDeriveDownCheckedAndDisabledColours)
{
    const TGlowButtonAppearance a;
    EXPECT_EQ(a.GetColor(), 0xFFFFFF);
    EXPECT_EQ(a.GetColorMirror(), 0xC0C0C0);
    EXPECT_EQ(a.GetColorHotTo(), 0xF9D2B2);
    const plat::TColor down[] = {a.GetColorDown(), a.GetColorDownTo(), a.GetColorMirrorDown(), a.GetColorMirrorDownTo()};
    const plat::TColor checked[] = {a.GetColorChecked(), a.GetColorCheckedTo(), a.GetColorMirrorChecked(),
                                    a.GetColorMirrorCheckedTo()};
    const plat::TColor expected[] = {0xF5D8CA, 0xF9BDA0, 0xF5B49C, 0xFFDFDC};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(down[i], expected[i]) << i;
        EXPECT_EQ(checked[i], expected[i]) << i;
    }
    EXPECT_EQ(a.GetColorDisabled(), 0xF2F2F2);
    EXPECT_EQ(a.GetColorMirrorDisabled(), 0xB6B6B6);
    EXPECT_EQ(a.GetBorderColorDown(), 0x800000);
    EXPECT_EQ(a.GetGradientMirrorChecked(), ggVertical);
    EXPECT_EQ(a.GetGradientChecked(), ggRadial);
    EXPECT_EQ(a.GetTextColorHot(), plat::clBlack);
    EXPECT_TRUE(a.GetSystemFont());
    EXPECT_FALSE(a.GetTranspHover());
}

TEST(GlowAppearanceTest, OneChangeNotificationPerChangedPropertyAndNoneForEqualValues)
{
    TGlowButtonAppearance a;
    int changes = 0;
    a.OnChange = [&](plat::TObject*) { ++changes; };
    a.SetColor(0x123456);
    a.SetColor(0x123456);
    a.SetGradientHot(ggRadial);
    EXPECT_EQ(changes, 1);

    a.Assign(a);
    EXPECT_EQ(changes, 1) << "assigning an appearance to itself changes nothing";

    TGlowButtonAppearance other;
    other.SetBorderColor(0x010203);
    other.SetTextColorDown(0x040506);
    other.SetTranspHover(true);
    a.Assign(other);
    EXPECT_EQ(changes, 1 + 3) << "Color back, BorderColor and TextColorDown";
    EXPECT_TRUE(a.GetTranspHover()) << "copied without a notification";
}

struct StyleCase {
    TZORStyle Style;
    bool TranspHover;
    plat::TColor Normal[5];  // Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColor
    plat::TColor HotColor;
    plat::TColor DownBorder;
    plat::TColor CheckedBorder;
    TGDIPGradient HotGradient;
};

class GlowStyleTest : public ::testing::TestWithParam<StyleCase> {};

TEST_P(GlowStyleTest, StyleSetsItsNormalAndHotColours)
{
    const StyleCase& c = GetParam();
    TGlowButtonAppearance a;
    ApplyGlowButtonStyle(a, c.Style);
    EXPECT_EQ(a.GetTranspHover(), c.TranspHover);
    const plat::TColor normal[] = {a.GetColor(), a.GetColorTo(), a.GetColorMirror(), a.GetColorMirrorTo(),
                                   a.GetBorderColor()};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(normal[i], c.Normal[i]) << "normal colour " << i;
    EXPECT_EQ(a.GetColorHot(), c.HotColor);
    EXPECT_EQ(a.GetBorderColorDown(), c.DownBorder);
    EXPECT_EQ(a.GetBorderColorChecked(), c.CheckedBorder);
    EXPECT_EQ(a.GetGradientHot(), c.HotGradient);
    EXPECT_EQ(a.GetColorDisabled(), 0xF2F2F2) << "no style touches the disabled colours";
}

constexpr plat::TColor kDefaultCheckedBorder = 0xFF0000;

INSTANTIATE_TEST_SUITE_P(
    AllStyles, GlowStyleTest,
    ::testing::Values(
        StyleCase{tsOffice2003Blue, false, {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, 0xEBFDFF, 0x45667B,
                  kDefaultCheckedBorder, ggVertical},
        StyleCase{tsOffice2003Silver, false, {0xE6E9E2, 0xE6D8D8, 0xE6E9E2, 0xC8B2B3, 0x927476}, 0xEBFDFF, 0x45667B,
                  kDefaultCheckedBorder, ggVertical},
        StyleCase{tsOffice2003Olive, false, {0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1}, 0xEBFDFF, 0x45667B,
                  kDefaultCheckedBorder, ggVertical},
        StyleCase{tsOffice2003Classic, false, {0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0xC9D1D5, 0x000000}, 0xEBFDFF, 0x45667B,
                  kDefaultCheckedBorder, ggVertical},
        StyleCase{tsOffice2007Luna, false, {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, 0xEBFDFF, 0x45667B,
                  0x45667B, ggVertical},
        StyleCase{tsOffice2007Obsidian, false, {0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2}, 0xEBFDFF, 0x45667B,
                  0x45667B, ggVertical},
        StyleCase{tsWindowsXP, false, {0xFFFFFF, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC}, 0xEFD3C6, plat::clHighlight,
                  0x000000, ggVertical},
        StyleCase{tsWhidbey, false, {0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC}, 0xEBFDFF, 0x45667B,
                  kDefaultCheckedBorder, ggVertical},
        StyleCase{tsCustom, false, {0xFFFFFF, 0xFFFFFF, 0xC0C0C0, 0xFFFFFF, 0xC0C0C0}, 0xF5F0E1, 0x800000,
                  kDefaultCheckedBorder, ggRadial},
        StyleCase{tsOffice2007Silver, false, {0xF3F3F1, 0xF5F5F3, 0xEEEAE7, 0xF8F7F6, 0xCCCAC9}, 0xEBFDFF, 0x45667B,
                  0x45667B, ggVertical},
        StyleCase{tsWindowsVista, false, {0xFDF8F1, 0xFDF8F1, 0xFCEFD5, 0xFDF8F1, 0xFDDE99}, plat::clNone, 0xFEDF9A,
                  0xFEDF9A, ggVertical},
        StyleCase{tsWindows7, false, {0xFCEBDC, 0xFCDBC1, 0xFCDBC1, 0xFCDBC1, 0xCEA27D}, 0xFDFBFA, 0xCEA27D,
                  plat::clHighlight, ggVertical},
        StyleCase{tsTerminal, false, {plat::clBtnFace, plat::clBtnFace, plat::clBtnFace, plat::clBtnFace, 0xC0C0C0},
                  0xC0C0C0, plat::clHighlight, 0x808080, ggRadial},
        StyleCase{tsOffice2010Blue, true, {0xFDF6EF, 0xF0DAC7, 0xF0DAC7, 0xF0DAC7, 0xC7B29F}, 0x8AE3FD, 0x308AC2,
                  0x308AC2, ggVertical},
        StyleCase{tsOffice2010Silver, true, {0xFFFFFF, 0xEDE5E0, 0xEDE5E0, 0xEDE5E0, 0xD2CDC8}, 0x8AE3FD, 0x308AC2,
                  0x308AC2, ggVertical},
        StyleCase{tsOffice2010Black, true, {0xBFBFBF, 0x919191, 0x919191, 0x919191, 0x6D6D6D}, 0x8AE3FD, 0x308AC2,
                  0x308AC2, ggVertical}));

TEST(GlowAppearanceTest, ClassicAfterLunaKeepsTheCheckedBorder)
{
    TGlowButtonAppearance a;
    ApplyGlowButtonStyle(a, tsOffice2010Blue);
    ApplyGlowButtonStyle(a, tsOffice2007Luna);
    ApplyGlowButtonStyle(a, tsOffice2003Classic);
    EXPECT_EQ(a.GetBorderColorChecked(), 0x45667B);
    EXPECT_FALSE(a.GetTranspHover());
}

TEST(GlowAppearanceTest, ColorTonesFillEveryStateButChecked)
{
    TGlowButtonAppearance a;
    TColorTones tones;
    tones.Background = {0x111111, 0x121212, 0x131313};
    tones.Hover = {0x212121, 0x222222, 0x232323};
    tones.Selected = {0x313131, 0x323232, 0x333333};
    tones.Disabled = {0x414141, 0x424242, 0x434343};
    a.ApplyColorTones(tones);
    EXPECT_EQ(a.GetColor(), 0x111111);
    EXPECT_EQ(a.GetColorMirror(), 0x111111);
    EXPECT_EQ(a.GetColorTo(), plat::clNone);
    EXPECT_EQ(a.GetBorderColor(), 0x121212);
    EXPECT_EQ(a.GetColorMirrorHot(), 0x212121);
    EXPECT_EQ(a.GetColorMirrorHotTo(), plat::clNone);
    EXPECT_EQ(a.GetBorderColorHot(), 0x222222);
    EXPECT_EQ(a.GetTextColorHot(), 0x232323);
    EXPECT_EQ(a.GetColorDown(), 0x313131);
    EXPECT_EQ(a.GetBorderColorDown(), 0x323232);
    EXPECT_EQ(a.GetTextColorDown(), 0x333333);
    EXPECT_EQ(a.GetColorMirrorDisabledTo(), 0x111111);
    EXPECT_EQ(a.GetBorderColorDisabled(), 0x434343);
    EXPECT_EQ(a.GetColorChecked(), 0xF5D8CA) << "checked colours stay";
    EXPECT_EQ(a.GetGradientHot(), ggRadial) << "so do the gradients";
}

}  // namespace
}  // namespace skelda::pager
