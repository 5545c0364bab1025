// Colour tones: what a pager paints and dresses while it follows a styler's tones, and how a
// later styler change gives the styler's look back.

#include "pager/glow/TGlowButtonAppearance.h"
#include "pager/glow/TVezGlowButton.h"
#include "pager/office/TPageButtonSettings.h"
#include "pager/office/TTabAppearance.h"
#include "pager/office/TVezOfficePagerOfficeStyler.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "tests/pager/office/PagerFixture.h"

#include <QImage>

namespace skelda::pager::testing {
namespace {

// Tones whose colours are all different, so that a pixel tells which tone painted it.
foundation::TColorTones DistinctTones()
{
    foundation::TColorTones t;
    t.Background = {0xF0E8E0, 0x102030, 0x202020};
    t.Foreground = {0x00FFFF, 0x00FFFF, 0x00FFFF};
    t.Selected = {0xB04010, 0x803000, 0xFFFFFF};
    t.Hover = {0x40A0F0, 0x2070C0, 0x000080};
    t.Disabled = {0xA0A0A0, 0x909090, 0x606060};
    return t;
}

class PagerTonesTest : public PagerTest {
protected:
    PagerTonesTest()
    {
        pager->SetBounds(0, 0, 400, 200);
        pager->TabSettings().SetWidth(100);
        AddPages(3);
        pager->SetActivePageIndex(1);
    }
    // A point inside the tab's body, clear of its caption and its edges.
    plat::TColor TabBody(const QImage& Shot, int Index) const
    {
        const plat::TRect r = pager->GetTabRect(Index);
        return plat::testing::PixelAt(Shot, r.Right - 12, (r.Top + r.Bottom) / 2);
    }

    const foundation::TColorTones tones = DistinctTones();
};

TEST_F(PagerTonesTest, TheSelectedTabTakesTheBackgroundToneAndTheOthersTheSelectionTone)
{
    pager->SetShowNonSelectedTabs(true);
    const plat::TRect before = pager->VezPages(1)->GetBoundsRect();
    pager->SetColorTones(tones);
    ASSERT_TRUE(pager->GetTonesInUse());
    EXPECT_EQ(pager->VezPages(1)->GetBoundsRect().Bottom, before.Bottom + 1) << "the page reaches one row lower";
    const QImage shot = plat::testing::Screenshot(*pager);
    EXPECT_EQ(TabBody(shot, 1), tones.Background.BrushColor) << "the selected tab";
    EXPECT_EQ(TabBody(shot, 0), tones.Selected.BrushColor);
    EXPECT_EQ(TabBody(shot, 2), tones.Selected.BrushColor);
    EXPECT_EQ(plat::testing::PixelAt(shot, 350, 10), tones.Selected.BrushColor) << "the strip beyond the tabs";
    const plat::TRect page = pager->VezPages(1)->GetBoundsRect();
    EXPECT_EQ(plat::testing::PixelAt(shot, page.Left + 20, page.Top + 20), tones.Background.BrushColor)
        << "the page";
    EXPECT_FALSE(pager->GetTabRoundEdges());
    EXPECT_FALSE(pager->UseShow3D());
    EXPECT_FALSE(pager->UseShadow());
}

TEST_F(PagerTonesTest, AStylerChangeBringsBackItsColoursRoundEdges3DAndShadow)
{
    TVezOfficePagerOfficeStyler styler(nullptr);
    styler.SetStyle(psOffice2010Blue);
    pager->SetVezOfficePagerStyler(&styler);
    const QImage before = plat::testing::Screenshot(*pager);
    pager->SetColorTones(tones);
    ASSERT_EQ(TabBody(plat::testing::Screenshot(*pager), 1), tones.Background.BrushColor);

    styler.SetStyle(psOffice2007Luna);
    styler.SetStyle(psOffice2010Blue);
    EXPECT_FALSE(pager->GetTonesInUse());
    EXPECT_TRUE(pager->GetTabRoundEdges());
    EXPECT_EQ(pager->UseShow3D(), styler.GetShow3D());
    EXPECT_EQ(pager->UseShadow(), styler.GetShowShadow());
    EXPECT_EQ(&pager->TabAppearanceInUse(), &pager->CurrentStyler().TabAppearance());
    EXPECT_EQ(TabBody(plat::testing::Screenshot(*pager), 1), TabBody(before, 1)) << "painted as before the tones";
}

TEST_F(PagerTonesTest, NoTabGlowsUnderTonesAndThePulseComesBackWithTheStyler)
{
    TVezOfficePage& page = *pager->VezPages(1);
    page.SetGlowColor(plat::clRed);
    page.SetGlow(true);
    ASSERT_TRUE(pager->GlowPulsing());
    pager->SetColorTones(tones);
    EXPECT_FALSE(pager->GlowPulsing()) << "the pulse stops";
    ui.Simulator().MouseMove(*pager, plat::TPoint{(pager->GetTabRect(2).Left + pager->GetTabRect(2).Right) / 2, pager->GetTabRect(2).Top + 10});
    EXPECT_FALSE(pager->VezPages(2)->HasGlowTimer()) << "hovering starts no glow";
    EXPECT_EQ(pager->GetHotPageIndex(), 2);

    pager->StylerChanged(scTabAppearance);
    EXPECT_TRUE(pager->GlowPulsing());
}

TEST_F(PagerTonesTest, ThePagersButtonsAreSquareInTheTonesUntilTheStylerChanges)
{
    pager->ButtonSettings().SetCloseButton(true);
    pager->ButtonSettings().SetPageListButton(true);
    pager->SetColorTones(tones);
    const std::vector<TVezGlowButton*> buttons{pager->GetCloseButtonGlobal(), pager->GetPageListButton()};
    for (TVezGlowButton* button : buttons) {
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->GetRounded());
        EXPECT_EQ(button->Appearance().GetColor(), tones.Background.BrushColor);
        EXPECT_EQ(button->Appearance().GetColorHot(), tones.Hover.BrushColor);
        EXPECT_EQ(button->Appearance().GetColorDown(), tones.Selected.BrushColor);
        EXPECT_EQ(button->Appearance().GetColorTo(), plat::clNone);
    }
    pager->StylerChanged(scTabAppearance);
    for (TVezGlowButton* button : buttons)
        EXPECT_EQ(button->Appearance().GetColor(), pager->CurrentStyler().GlowButtonAppearance().GetColor());
}

TEST_F(PagerTonesTest, AClonePagerShowsTheTonesOfThePagerItCameFrom)
{
    pager->SetColorTones(tones);
    TVezOfficePage* page = pager->VezPages(0);
    pager->FloatPage(page, 50, 50, -1, -1);
    TVezOfficePager* clone = page->GetVezOfficePager();
    ASSERT_NE(clone, pager);
    EXPECT_TRUE(clone->GetTonesInUse());
    const QImage shot = plat::testing::Screenshot(*clone);
    const plat::TRect tab = clone->GetTabRect(0);
    EXPECT_EQ(plat::testing::PixelAt(shot, tab.Right - 12, (tab.Top + tab.Bottom) / 2), tones.Background.BrushColor);
}

// For a person to look at.
TEST_F(PagerTonesTest, APagerUnderTonesIsPictured)
{
    pager->SetTextMeasurer(nullptr);
    pager->ButtonSettings().SetCloseButton(true);
    pager->VezPages(2)->SetTabEnabled(false);
    pager->SetColorTones(foundation::MakeMetroTones(true, 0x9A572B, plat::clBlack));
    const QImage shot = plat::testing::Screenshot(*pager, "pager-tones.png");
    EXPECT_EQ(TabBody(shot, 1), pager->GetColorTones().Background.BrushColor);
}

}  // namespace
}  // namespace skelda::pager::testing
