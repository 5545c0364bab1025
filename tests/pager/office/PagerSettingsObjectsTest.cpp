// The pager's settings objects: defaults, which setters announce and when, copying, the scroller
// and the checked list.

#include "pager/office/PagerBackgrounds.h"
#include "pager/office/TDbgList.h"
#include "pager/office/TPagerTabSettings.h"
#include "pager/office/TTabAppearance.h"
#include "pager/office/TTabProgress.h"
#include "tests/pager/office/Announcements.h"

#include <gtest/gtest.h>

#include <functional>

namespace skelda::pager {
namespace {

TEST(PagerTabSettingsTest, DefaultsAndOneAnnouncementPerChangedValue)
{
    TPagerTabSettings s;
    EXPECT_EQ(s.GetLeftMargin(), 4);
    EXPECT_EQ(s.GetRightMargin(), 4);
    EXPECT_EQ(s.GetHeight(), 26);
    EXPECT_EQ(s.GetStartMargin(), 4);
    EXPECT_EQ(s.GetEndMargin(), 0);
    EXPECT_EQ(s.GetSpacing(), 4);
    EXPECT_EQ(s.GetWidth(), 0);
    EXPECT_FALSE(s.GetWordWrap());
    EXPECT_EQ(s.GetImagePosition(), ipLeft);
    EXPECT_EQ(s.GetShape(), tsRectangle);
    EXPECT_EQ(s.GetRounding(), 1);
    EXPECT_EQ(s.GetAlignment(), plat::taLeftJustify);
    EXPECT_FALSE(s.GetGlass());

    const std::function<void(TPagerTabSettings&)> actions[] = {
        [](auto& t) { t.SetHeight(30); }, [](auto& t) { t.SetSpacing(2); }, [](auto& t) { t.SetWidth(80); },
        [](auto& t) { t.SetShape(tsLeftRamp); }, [](auto& t) { t.SetWordWrap(true); },
        [](auto& t) { t.SetAlignment(plat::taCenter); }, [](auto& t) { t.SetRounding(5); },
    };
    for (const auto& action : actions) {
        EXPECT_EQ(Announcements(s, action), 1);
        EXPECT_EQ(Announcements(s, action), 0) << "the same value again is no change";
    }
    s.SetRounding(20);
    EXPECT_EQ(s.GetRounding(), 8) << "rounding is held to the drawable range";

    std::vector<std::string> order;
    s.OnGlassChange = [&](bool) { order.push_back("glass"); };
    s.OnChange = [&](plat::TObject*) { order.push_back("change"); };
    s.SetGlass(true);
    EXPECT_EQ(order, (std::vector<std::string>{"glass", "change"}));
}

TEST(PagerTabSettingsTest, AssignCopiesAllButSpacing)
{
    TPagerTabSettings source;
    source.SetHeight(40);
    source.SetSpacing(9);
    source.SetShape(tsRightRamp);
    source.SetGlass(true);
    TPagerTabSettings target;
    target.Assign(source);
    EXPECT_EQ(target.GetHeight(), 40);
    EXPECT_EQ(target.GetShape(), tsRightRamp);
    EXPECT_TRUE(target.GetGlass());
    EXPECT_EQ(target.GetSpacing(), 4);
}

TEST(PagerTabScrollerTest, RangeChecksAndDirections)
{
    TPagerTabScroller scroller;
    EXPECT_FALSE(scroller.CanGoBack());
    EXPECT_FALSE(scroller.CanGoForward());
    scroller.SetMax(3);
    scroller.SetPosition(1);
    EXPECT_TRUE(scroller.CanGoBack());
    EXPECT_TRUE(scroller.CanGoForward());
    scroller.SetMin(5);
    EXPECT_EQ(scroller.GetMin(), 0) << "Min above Max is ignored";
    scroller.SetMin(2);
    scroller.SetMax(1);
    EXPECT_EQ(scroller.GetMax(), 3) << "Max below Min is ignored";
    scroller.SetPosition(-4);
    EXPECT_EQ(scroller.GetPosition(), -4) << "the position is not held to the range";
}

TEST(PagerBackgroundsTest, GradientBackgroundAlwaysAnnouncesVistaOnlyOnChange)
{
    TGradientBackground strip;
    EXPECT_EQ(strip.GetColor(), plat::clWhite);
    EXPECT_EQ(strip.GetColorTo(), plat::clBtnFace);
    EXPECT_EQ(strip.GetSteps(), 64);
    EXPECT_EQ(Announcements<TGradientBackground>(strip, [](auto& b) { b.SetColor(plat::clWhite); }), 1);
    TGradientBackground other;
    other.SetDirection(gdVertical);
    EXPECT_EQ(Announcements<TGradientBackground>(strip, [&](auto& b) { b.Assign(other); }), 0);
    EXPECT_EQ(strip.GetDirection(), gdVertical);

    TVistaBackground page;
    EXPECT_EQ(page.GetBorderColor(), plat::clGray);
    EXPECT_EQ(page.GetColorMirror(), plat::clSilver);
    EXPECT_EQ(Announcements<TVistaBackground>(page, [](auto& b) { b.SetColor(plat::clWhite); }), 0);
    EXPECT_EQ(Announcements<TVistaBackground>(page, [](auto& b) { b.SetColor(plat::clRed); }), 1);
    TVistaBackground source;
    source.SetColor(0x123456);
    source.SetGradient(ggRadial);
    EXPECT_EQ(Announcements<TVistaBackground>(page, [&](auto& b) { b.Assign(source); }), 1)
        << "colours copy quietly, the changed gradient announces";
    EXPECT_EQ(page.GetColor(), 0x123456);
}

TEST(TabAppearanceTest, DefaultsAndWhichSettersAnnounce)
{
    TTabAppearance a;
    EXPECT_EQ(a.GetColor(), plat::clBtnFace);
    EXPECT_EQ(a.GetColorHot(), plat::clYellow);
    EXPECT_EQ(a.GetTextColor(), plat::clBlue);
    EXPECT_EQ(a.GetTextColorDisabled(), plat::clWhite);
    EXPECT_EQ(a.GetShadowColor(), 0xE8C7AEu);
    EXPECT_EQ(a.GetHighLightColorDown(), 0xFFFBD0u);
    EXPECT_EQ(a.Font().GetName(), "Tahoma");
    EXPECT_EQ(a.Font().GetSize(), 8);

    const struct {
        const char* Name;
        std::function<void(TTabAppearance&)> Action;
        int Expected;
    } cases[] = {
        {"Color", [](auto& t) { t.SetColor(plat::clRed); }, 1},
        {"GradientHot", [](auto& t) { t.SetGradientHot(ggRadial); }, 1},
        {"TextColorSelected", [](auto& t) { t.SetTextColorSelected(plat::clRed); }, 1},
        {"BorderColorDown", [](auto& t) { t.SetBorderColorDown(plat::clRed); }, 1},
        {"BackGround", [](auto& t) { t.BackGround().SetSteps(8); }, 1},
        {"BorderColorHot", [](auto& t) { t.SetBorderColorHot(plat::clRed); }, 0},
        {"ShadowColor", [](auto& t) { t.SetShadowColor(plat::clRed); }, 0},
        {"HighLightColorSelectedHot", [](auto& t) { t.SetHighLightColorSelectedHot(plat::clRed); }, 0},
        {"Font", [](auto& t) { t.Font().SetSize(12); }, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Announcements<TTabAppearance>(a, c.Action), c.Expected) << c.Name;

    int fontChanges = 0;
    a.OnFontChange = [&](plat::TObject*) { ++fontChanges; };
    a.Font().SetName("Arial");
    EXPECT_EQ(fontChanges, 1);
}

TEST(TabAppearanceTest, AssignCopiesEverythingAndClearColorsKeepsGradientsAndFont)
{
    TTabAppearance source;
    source.SetColorSelected(0x010203);
    source.SetHighLightColor(0x040506);
    source.SetGradientMirror(ggRadial);
    source.Font().SetName("Arial");
    source.BackGround().SetColorTo(0x070809);
    TTabAppearance target;
    target.Assign(source);
    EXPECT_EQ(target.GetColorSelected(), 0x010203u);
    EXPECT_EQ(target.GetHighLightColor(), 0x040506u);
    EXPECT_EQ(target.GetGradientMirror(), ggRadial);
    EXPECT_EQ(target.Font().GetName(), "Arial");
    EXPECT_EQ(target.BackGround().GetColorTo(), 0x070809u);

    EXPECT_EQ(Announcements<TTabAppearance>(target, [](auto& t) { t.ClearColors(); }), 0);
    for (const plat::TColor c : {target.GetColor(), target.GetTextColor(), target.GetShadowColor(),
                                 target.GetHighLightColorDown(), target.GetBorderColorSelectedHot(),
                                 target.GetColorMirrorDisabledTo()})
        EXPECT_EQ(c, plat::clNone);
    EXPECT_EQ(target.GetGradientMirror(), ggRadial);
    EXPECT_EQ(target.Font().GetName(), "Arial");
}

TEST(TabProgressTest, DefaultsAndAssignAnnouncesOnce)
{
    TTabProgress p;
    EXPECT_EQ(p.GetColorTo(), plat::clSilver);
    EXPECT_EQ(p.GetCompleteColorTo(), plat::clRed);
    EXPECT_EQ(p.GetMax(), 100);
    EXPECT_EQ(p.GetPosition(), 50);
    EXPECT_FALSE(p.GetVisible());
    EXPECT_EQ(Announcements<TTabProgress>(p, [](auto& t) { t.SetPosition(50); }), 0);
    EXPECT_EQ(Announcements<TTabProgress>(p, [](auto& t) { t.SetPosition(41); }), 1);
    TTabProgress source;
    source.SetVisible(true);
    source.SetMax(82);
    EXPECT_EQ(Announcements<TTabProgress>(p, [&](auto& t) { t.Assign(source); }), 1);
    EXPECT_EQ(p.GetMax(), 82);
    EXPECT_EQ(p.GetPosition(), 50);
}

TEST(DbgListTest, AccessPastTheEndRaisesAndLeavesTheList)
{
    TDbgList<int> list;
    const auto message = [](const std::function<void()>& Action) {
        try {
            Action();
        } catch (const plat::EListError& e) {
            return std::string(e.Message());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { list.Get(0); }), "Index out of bounds in list read access");
    int a = 1, b = 2;
    list.Add(&a);
    EXPECT_EQ(message([&] { list.Put(1, &b); }), "Index out of bounds in list write access");
    EXPECT_EQ(message([&] { list.Get(-1); }), "Index out of bounds in list read access");
    EXPECT_EQ(list.Count(), 1);
    list.Put(0, &b);
    EXPECT_EQ(list.Get(0), &b);
}

}  // namespace
}  // namespace skelda::pager
