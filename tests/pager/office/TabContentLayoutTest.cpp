// Where a fixed-length tab puts its close button, image and text.

#include "pager/office/TabContentLayout.h"

#include <gtest/gtest.h>

namespace skelda::pager {
namespace {

constexpr int kUnset = -999;
const plat::TRect kUnsetRect = plat::Rect(kUnset, kUnset, kUnset, kUnset);

TTabContentInputs Horizontal()
{
    TTabContentInputs q;
    q.TabRect = plat::Rect(0, 0, 100, 26);
    q.ImageSize = {16, 16};
    q.TextSize = {30, 13};
    q.TabWidth = 100;
    q.Alignment = plat::taCenter;
    return q;
}

TTabContentInputs Rotated(TTabPosition Position, plat::TAlignment Alignment)
{
    TTabContentInputs q = Horizontal();
    q.TabRect = plat::Rect(0, 0, 26, 100);
    q.Position = Position;
    q.Alignment = Alignment;
    return q;
}

TEST(TabContentLayoutTest, PartsFollowEachOtherAlongTheTab)
{
    // Each row: the inputs changed from a centred top tab of 100 with a 16-pixel image on the
    // left and 30 pixels of text, then the edges along the tab (left/right, or top/bottom on
    // rotated tabs) of the close button, the image's start and the text.
    struct Along {
        int CloseFrom, CloseTo, Image, TextFrom, TextTo;
    };
    const auto active = [](TTabContentInputs q, bool Left) {
        q.Active = q.CloseOnTab = true;
        q.CloseOnLeft = Left;
        return q;
    };
    const auto with = [](TTabContentInputs q, auto Change) {
        Change(q);
        return q;
    };
    const struct {
        const char* Name;
        TTabContentInputs Inputs;
        Along Expected;
    } cases[] = {
        {"centred", Horizontal(), {kUnset, kUnset, 26, 44, 74}},
        {"close on the right", active(Horizontal(), false), {67, 85, 15, 33, 63}},
        {"close on the left", active(Horizontal(), true), {15, 33, 37, 55, 85}},
        {"inactive tab leaves the close button out", with(Horizontal(), [](auto& q) { q.CloseOnTab = true; }),
         {kUnset, kUnset, 26, 44, 74}},
        {"inactive tab showing its close button as the active one",
         with(Horizontal(), [](auto& q) { q.CloseOnTab = q.ShowCloseOnNonSelectedTabs = true; }),
         {67, 85, 15, 33, 63}},
        {"image on the right", with(Horizontal(), [](auto& q) { q.ImagePosition = ipRight; }),
         {kUnset, kUnset, 58, 26, 56}},
        {"image above takes no length", with(Horizontal(), [](auto& q) { q.ImagePosition = ipTop; }),
         {kUnset, kUnset, kUnset, 35, 65}},
        {"text longer than the tab",
         with(Horizontal(), [](auto& q) { q.TextSize.cx = 120, q.ImagePosition = ipRight; }),
         {kUnset, kUnset, 102, 0, 120}},
        {"right ramp shortens the tab",
         with(Horizontal(), [](auto& q) { q.TextSize.cx = 120, q.ImagePosition = ipRight, q.Shape = tsRightRamp,
                                         q.Rounding = 3; }),
         {kUnset, kUnset, 99, 0, 120}},
        {"unrotated side tab as a top tab", with(Horizontal(), [](auto& q) { q.Position = tpLeft,
                                                                             q.RotateTabLeftRight = false; }),
         {kUnset, kUnset, 26, 44, 74}},
        {"left justified places nothing", with(Horizontal(), [](auto& q) { q.Alignment = plat::taLeftJustify; }),
         {kUnset, kUnset, kUnset, kUnset, kUnset}},
        {"right justified top tab places nothing",
         with(Horizontal(), [](auto& q) { q.Alignment = plat::taRightJustify; }),
         {kUnset, kUnset, kUnset, kUnset, kUnset}},
        {"left, centred, reads upwards", Rotated(tpLeft, plat::taCenter), {kUnset, kUnset, 58, 26, 56}},
        {"left, right justified, from the top", active(Rotated(tpLeft, plat::taRightJustify), false),
         {0, 18, 54, 22, 52}},
        {"right, centred, reads downwards", Rotated(tpRight, plat::taCenter), {kUnset, kUnset, 26, 44, 74}},
        {"right, right justified, from the bottom", active(Rotated(tpRight, plat::taRightJustify), false),
         {82, 100, 30, 48, 78}},
        {"right, centred, close first", active(Rotated(tpRight, plat::taCenter), true), {15, 33, 37, 55, 85}},
        {"left, centred, close last", active(Rotated(tpLeft, plat::taCenter), false), {15, 33, 69, 37, 67}},
    };
    for (const auto& c : cases) {
        TTabContentLayout layout{kUnsetRect, kUnsetRect, kUnsetRect};
        ASSERT_TRUE(GetTabContentLayout(c.Inputs, layout)) << c.Name;
        const bool rotated = (c.Inputs.Position == tpLeft || c.Inputs.Position == tpRight) &&
                             c.Inputs.RotateTabLeftRight;
        const Along got = rotated ? Along{layout.CloseRect.Top, layout.CloseRect.Bottom, layout.ImageRect.Top,
                                          layout.TextRect.Top, layout.TextRect.Bottom}
                                  : Along{layout.CloseRect.Left, layout.CloseRect.Right, layout.ImageRect.Left,
                                          layout.TextRect.Left, layout.TextRect.Right};
        EXPECT_EQ(got.CloseFrom, c.Expected.CloseFrom) << c.Name;
        EXPECT_EQ(got.CloseTo, c.Expected.CloseTo) << c.Name;
        EXPECT_EQ(got.Image, c.Expected.Image) << c.Name;
        EXPECT_EQ(got.TextFrom, c.Expected.TextFrom) << c.Name;
        EXPECT_EQ(got.TextTo, c.Expected.TextTo) << c.Name;
        // The edges across the tab are the caller's.
        const plat::TRect& text = layout.TextRect;
        EXPECT_EQ(rotated ? text.Left : text.Top, kUnset) << c.Name;
    }
}

TEST(TabContentLayoutTest, NothingWithoutAFixedSizeOrWhenScrolledOut)
{
    const struct {
        const char* Name;
        int TabWidth, TabHeight;
        plat::TRect Rect;
    } cases[] = {
        {"automatic width", 0, 26, plat::Rect(0, 0, 100, 26)},
        {"no height", 100, 0, plat::Rect(0, 0, 100, 26)},
        {"scrolled out", 100, 26, plat::Rect(-120, 0, -20, 26)},
    };
    for (const auto& c : cases) {
        TTabContentInputs q = Horizontal();
        q.TabWidth = c.TabWidth;
        q.TabHeight = c.TabHeight;
        q.TabRect = c.Rect;
        TTabContentLayout layout{kUnsetRect, kUnsetRect, kUnsetRect};
        EXPECT_FALSE(GetTabContentLayout(q, layout)) << c.Name;
        EXPECT_EQ(layout.TextRect, kUnsetRect) << c.Name;
    }
}

}  // namespace
}  // namespace skelda::pager
