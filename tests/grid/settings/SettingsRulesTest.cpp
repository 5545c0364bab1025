#include "grid/settings/TBands.h"
#include "grid/settings/TFilter.h"
#include "grid/settings/TGridProgressAppearance.h"
#include "grid/settings/THeaderAppearance.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TNavigation.h"
#include "grid/settings/TSearchFooter.h"
#include "grid/settings/TSyncGrid.h"
#include "platform/core/Exception.h"
#include "platform/core/TComponent.h"

#include <gtest/gtest.h>

namespace skelda::grid {
namespace {

TEST(NavigationTest, AdvanceAutoSwitchesAdvanceOnEnterOnButNotOff)
{
    TNavigation navigation;
    navigation.SetAdvanceAuto(true);
    EXPECT_TRUE(navigation.GetAdvanceOnEnter());
    navigation.SetAdvanceAuto(false);
    EXPECT_TRUE(navigation.GetAdvanceOnEnter());
}

TEST(MouseActionsTest, HotmailRowSelectBringsRowSelectionAndCheckAllAlong)
{
    TMouseActions actions;
    int invalidations = 0;
    actions.OnInvalidate = [&](plat::TObject*) { ++invalidations; };

    actions.SetHotmailRowSelect(true);
    EXPECT_TRUE(actions.GetDisjunctRowSelect());
    EXPECT_TRUE(actions.GetCheckAllCheck());
    actions.SetHotmailRowSelect(false);
    EXPECT_TRUE(actions.GetDisjunctRowSelect());
    EXPECT_TRUE(actions.GetCheckAllCheck());
    EXPECT_EQ(invalidations, 2);
}

TEST(MouseActionsTest, EditOnDblClickOnlyDisablesEditingWhenSwitchedOn)
{
    TMouseActions actions;
    int disables = 0;
    actions.OnDisableEdit = [&](plat::TObject*) { ++disables; };
    actions.SetEditOnDblClickOnly(false);
    actions.SetEditOnDblClickOnly(true);
    EXPECT_EQ(disables, 1);
}

TEST(MouseActionsTest, OnlyOneDisjunctModeAtDesignTime)
{
    using TSetter = void (TMouseActions::*)(bool);
    struct TMode {
        TSetter Set;
        bool (TMouseActions::*Get)() const;
    };
    const TMode modes[] = {{&TMouseActions::SetDisjunctRowSelect, &TMouseActions::GetDisjunctRowSelect},
                           {&TMouseActions::SetDisjunctColSelect, &TMouseActions::GetDisjunctColSelect},
                           {&TMouseActions::SetDisjunctCellSelect, &TMouseActions::GetDisjunctCellSelect}};
    for (bool designing : {false, true}) {
        TMouseActions actions;
        actions.OnIsDesigning = [designing](plat::TObject*) { return designing; };
        for (const TMode& mode : modes)
            (actions.*mode.Set)(true);
        int on = 0;
        for (const TMode& mode : modes)
            on += (actions.*mode.Get)() ? 1 : 0;
        EXPECT_EQ(on, designing ? 1 : 3) << "designing " << designing;
        EXPECT_TRUE(actions.GetDisjunctCellSelect()) << "the last one switched on stays on";
    }
}

TEST(SyncGridTest, NeverKeepsTheOwnerGridInStep)
{
    plat::TComponent owner(nullptr);
    plat::TComponent other(nullptr);
    TSyncGrid sync(&owner);
    sync.SetGrid(&other);
    sync.SetGrid(&owner);
    EXPECT_EQ(sync.GetGrid(), &other);

    TSyncGrid ownersOwn(&other);
    ownersOwn.SetGrid(&owner);
    TSyncGrid target(&owner);
    target.Assign(ownersOwn);
    EXPECT_EQ(target.GetGrid(), nullptr);
}

TEST(BandsTest, TotalLengthFollowsTheLengths)
{
    TBands bands;
    int notices = 0;
    bands.OnChange = [&](plat::TObject*) { ++notices; };
    bands.SetPrimaryLength(3);
    EXPECT_EQ(bands.GetTotalLength(), 4);
    EXPECT_EQ(notices, 0) << "inactive bands do not show";

    TBands copy;
    copy.Assign(bands);
    EXPECT_EQ(copy.GetTotalLength(), 4);
}

TEST(SearchFooterTest, CaptionsAreFilledOnlyForAGridPlacedInDesign)
{
    const TSearchFooter designed(true);
    EXPECT_EQ(designed.GetFindNextCaption(), "Find &next");
    EXPECT_EQ(designed.GetFindPrevCaption(), "Find &previous");
    EXPECT_EQ(designed.GetMatchCaseCaption(), "Match case");
    EXPECT_EQ(designed.GetHighLightCaption(), "Highlight");
    EXPECT_EQ(designed.GetHintClose(), "Close");
    EXPECT_EQ(designed.GetHintFindNext(), "Find next occurrence");
    EXPECT_EQ(designed.GetHintFindPrev(), "Find previous occurrence");
    EXPECT_EQ(designed.GetHintHighlight(), "Highlight occurrences");

    const TSearchFooter atRunTime(false);
    EXPECT_EQ(atRunTime.GetFindNextCaption(), "");
    EXPECT_EQ(atRunTime.GetHintHighlight(), "");
}

TEST(SearchFooterTest, AssignSendsNoNotice)
{
    TSearchFooter source(true);
    source.SetVisible(true);
    TSearchFooter target(false);
    int notices = 0;
    target.OnChange = [&](plat::TObject*) { ++notices; };
    target.Assign(source);
    EXPECT_TRUE(target.GetVisible());
    EXPECT_EQ(notices, 0);
}

TEST(ProgressAppearanceTest, AssignReportsOnceForTheWholeCopy)
{
    TGridProgressAppearance source;
    source.SetSteps(20);
    source.SetStyle(psClassic);
    TGridProgressAppearance target;
    int notices = 0;
    target.OnChange = [&](plat::TObject*) { ++notices; };
    target.Assign(source);
    EXPECT_EQ(notices, 1);
}

TEST(HeaderAppearanceTest, ButtonChangesOfCaptionStateAndWidthAreReported)
{
    THeaderAppearance header;
    int notices = 0;
    header.OnButtonsChanged = [&](plat::TObject*) { ++notices; };

    THeaderButton& button = header.Buttons().Add();
    header.Buttons().Add();
    EXPECT_EQ(notices, 0) << "adding buttons";
    button.SetCaption("OK");
    button.SetEnabled(false);
    button.SetWidth(60);
    EXPECT_EQ(notices, 3);
    button.SetCaption("OK");
    button.SetHeight(30);
    button.SetImageIndex(2);
    EXPECT_EQ(notices, 3) << "same caption, height and image";
    header.Buttons().Delete(1);
    EXPECT_EQ(notices, 3) << "removing a button";
}

TEST(FilterTest, AddJoinsConditionsWithAndAfterTheFirst)
{
    TFilter filter;
    EXPECT_EQ(filter.Add().GetOperation(), foNONE);
    EXPECT_EQ(filter.Add().GetOperation(), foAND);
    EXPECT_EQ(filter.Insert(0).GetOperation(), foSHORT) << "Insert keeps the new item's operation";
    EXPECT_EQ(filter.Count(), 3);
}

TEST(FilterTest, ColumnFilterFindsOrAddsTheColumnsCondition)
{
    TFilter filter;
    filter.Add().SetColumn(2);
    EXPECT_FALSE(filter.HasFilter(4));

    TFilterData& added = filter.ColumnFilter(4);
    EXPECT_EQ(added.GetColumn(), 4);
    EXPECT_EQ(added.GetOperation(), foAND);
    EXPECT_TRUE(filter.HasFilter(4));
    EXPECT_EQ(&filter.ColumnFilter(4), &added);
    EXPECT_EQ(filter.Count(), 2);
}

TEST(FilterTest, AssignCopiesEveryCondition)
{
    TFilter source;
    source.Add().SetCondition(">5");
    TFilterData& second = source.Add();
    second.SetColumn(3);
    second.SetOperation(foXOR);
    TFilter target;
    target.Add();
    target.Add();
    target.Add();

    target.Assign(source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target.GetItem(0).GetCondition(), ">5");
    EXPECT_EQ(target.GetItem(0).GetOperation(), foNONE);
    EXPECT_EQ(target.GetItem(1).GetColumn(), 3);
    EXPECT_EQ(target.GetItem(1).GetOperation(), foXOR);
    EXPECT_EQ(target.GetItem(1).Collection(), &target);
}

TEST(FilterTest, AssignOfAnotherCollectionRaisesAndKeepsTheConditions)
{
    TFilter filter;
    filter.Add().SetCondition("a*");
    THeaderButtons buttons;
    buttons.Add();
    EXPECT_THROW(filter.Assign(buttons), plat::EConvertError);
    ASSERT_EQ(filter.Count(), 1);
    EXPECT_EQ(filter.GetItem(0).GetCondition(), "a*");
}

TEST(FilterTest, BadIndexesRaise)
{
    TFilter filter;
    filter.Add();
    EXPECT_THROW(filter.GetItem(1), plat::EListError);
    EXPECT_THROW(filter.GetItem(-1), plat::EListError);
    EXPECT_THROW(filter.Delete(1), plat::EListError);
    EXPECT_THROW(filter.Insert(2), plat::EListError);
    EXPECT_NO_THROW(filter.Insert(1));
}

}  // namespace
}  // namespace skelda::grid
