// How changes reach the pager and its pages: styler notices of each kind, tab settings, the
// look flags, the pages' appearances and background caches, and the glass frame.

#include "pager/office/TVezOfficePagerOfficeStyler.h"
#include "platform/controls/forms/TPopupMenu.h"
#include "tests/pager/office/PagerFixture.h"

namespace skelda::pager::testing {
namespace {

class PagerChangesTest : public PagerTest {
protected:
    PagerChangesTest()
    {
        pager->SetVezOfficePagerStyler(&styler);
        AddPages(2);
        pager->SetActivePageIndex(0);
    }
    ~PagerChangesTest() override { pager->SetVezOfficePagerStyler(nullptr); }

    void MarkCachesValid()
    {
        for (int i = 0; i < pager->GetVezPageCount(); ++i)
            pager->VezPages(i)->SetValidCache(true);
    }
    bool AnyCacheValid() const
    {
        for (int i = 0; i < pager->GetVezPageCount(); ++i)
            if (pager->VezPages(i)->GetValidCache())
                return true;
        return false;
    }

    TVezOfficePagerOfficeStyler styler{nullptr};
};

TEST_F(PagerChangesTest, EveryStylerNoticeDropsThePageCaches)
{
    const struct {
        const char* Name;
        std::function<void(TVezOfficePagerOfficeStyler&)> Change;
    } cases[] = {
        {"tab colours", [](auto& S) { S.TabAppearance().SetColor(0x102030); }},
        {"page colours", [](auto& S) { S.PageAppearance().SetColor(0x102030); }},
        {"round edges", [](auto& S) { S.SetRoundEdges(false); }},
        {"button colours", [](auto& S) { S.GlowButtonAppearance().SetColor(0x102030); }},
        {"tab font", [](auto& S) { S.TabAppearance().Font().SetSize(14); }},
        {"style", [](auto& S) { S.SetStyle(psOffice2010Black); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        MarkCachesValid();
        c.Change(styler);
        EXPECT_FALSE(AnyCacheValid());
    }
}

TEST_F(PagerChangesTest, ANewTabFontLaysTheTabsOutAgain)
{
    pager->UpdateScroller();
    measurer.Texts.clear();
    styler.TabAppearance().Font().SetSize(14);
    EXPECT_EQ(std::count(measurer.Texts.begin(), measurer.Texts.end(), "A"), 1);

    // So does a styler of its own: its font may differ.
    measurer.Texts.clear();
    pager->SetVezOfficePagerStyler(nullptr);
    EXPECT_EQ(std::count(measurer.Texts.begin(), measurer.Texts.end(), "B"), 1);
}

TEST_F(PagerChangesTest, TabSettingsMoveThePagesAndTheTabs)
{
    pager->TabSettings().SetHeight(40);
    EXPECT_EQ(pager->VezPages(0)->GetTop(), 40);
    EXPECT_EQ(pager->GetTabRect(0).Bottom, 44);
    pager->TabSettings().SetWidth(70);
    EXPECT_EQ(pager->GetTabRect(1).Left, 5 + 70 + 4);
}

TEST_F(PagerChangesTest, LookFlagsComeFromTheStyler)
{
    EXPECT_TRUE(pager->UseShow3D());
    EXPECT_TRUE(pager->UseShadow());
    styler.SetShow3D(false);
    styler.SetShowShadow(false);
    EXPECT_FALSE(pager->UseShow3D());
    EXPECT_FALSE(pager->UseShadow());
    EXPECT_FALSE(pager->GetTonesInUse());
    EXPECT_EQ(&pager->TabAppearanceInUse(), &styler.TabAppearance());
    EXPECT_EQ(&pager->PageAppearanceInUse(), &styler.PageAppearance());
    TVezOfficePage* page = pager->VezPages(0);
    EXPECT_EQ(&pager->TabAppearanceFor(*page), &styler.TabAppearance());
    page->SetUseTabAppearance(true);
    EXPECT_EQ(&pager->TabAppearanceFor(*page), &page->TabAppearance());
}

TEST_F(PagerChangesTest, PagesTakeAppearancesUnlessTheyUseTheirOwn)
{
    TVezOfficePage* own = pager->VezPages(1);
    own->SetUsePageAppearance(true);
    own->SetUseTabAppearance(true);
    own->PageAppearance().SetColor(0x0000FF);
    own->TabAppearance().SetColor(0x0000FF);
    TVistaBackground page;
    page.SetColor(0x00FF00);
    TTabAppearance tab;
    tab.SetColor(0x00FF00);
    pager->SetPagesPageAppearance(&page);
    pager->SetPagesTabAppearance(&tab);
    pager->SetPagesPageAppearance(nullptr);
    EXPECT_EQ(pager->VezPages(0)->PageAppearance().GetColor(), 0x00FF00u);
    EXPECT_EQ(pager->VezPages(0)->TabAppearance().GetColor(), 0x00FF00u);
    EXPECT_EQ(own->PageAppearance().GetColor(), 0x0000FFu);
    EXPECT_EQ(own->TabAppearance().GetColor(), 0x0000FFu);

    // In the designer every styler change copies the styler's colours over.
    form->SetDesigning(true);
    styler.PageAppearance().SetColor(0x123456);
    EXPECT_EQ(pager->VezPages(0)->PageAppearance().GetColor(), 0x123456u);
    EXPECT_EQ(own->PageAppearance().GetColor(), 0x0000FFu);
    form->SetDesigning(false);
}

TEST_F(PagerChangesTest, GlassFollowsTheSettingOnlyInTheDesigner)
{
    pager->SetAlign(plat::alTop);
    pager->TabSettings().SetGlass(true);
    EXPECT_FALSE(pager->GetTransparent()) << "not at run time";
    EXPECT_FALSE(form->GlassFrame().GetEnabled());
    pager->TabSettings().SetGlass(false);

    form->SetDesigning(true);
    pager->TabSettings().SetGlass(true);
    EXPECT_TRUE(pager->GetTransparent());
    EXPECT_EQ(form->GlassFrame().GetTop(), 27);
    EXPECT_TRUE(form->GlassFrame().GetEnabled());
    EXPECT_FALSE(pager->GlassActive()) << "never in the designer, and composition is off here";
    pager->TabSettings().SetGlass(false);
    EXPECT_FALSE(pager->GetTransparent());
    EXPECT_EQ(form->GlassFrame().GetTop(), 0);
    EXPECT_FALSE(form->GlassFrame().GetEnabled());

    // A frame the user set otherwise is left alone.
    pager->TabSettings().SetGlass(true);
    form->GlassFrame().SetTop(40);
    pager->TabSettings().SetGlass(false);
    EXPECT_EQ(form->GlassFrame().GetTop(), 40);
    EXPECT_TRUE(form->GlassFrame().GetEnabled());
    form->SetDesigning(false);

    pager->SetTransparent(true);
    pager->TabSettings().SetGlass(true);
    EXPECT_FALSE(pager->GlassActive()) << "without composition";
    EXPECT_FALSE(pager->GlassExtendsPage());
}

TEST_F(PagerChangesTest, APageListMenuIsForgottenWhenEitherSideGoesFirst)
{
    // Menus of another owner: only the free notification tells of their going.
    auto* menu = new plat::TPopupMenu(nullptr);
    pager->SetPageListMenu(menu);
    EXPECT_EQ(pager->GetPageListMenu(), menu);
    delete menu;
    EXPECT_EQ(pager->GetPageListMenu(), nullptr);

    menu = new plat::TPopupMenu(nullptr);
    auto* other = new TVezOfficePager(form);
    other->SetPageListMenu(menu);
    pager->SetPageListMenu(menu);
    delete other;
    delete menu;
    EXPECT_EQ(pager->GetPageListMenu(), nullptr);
}

}  // namespace
}  // namespace skelda::pager::testing
