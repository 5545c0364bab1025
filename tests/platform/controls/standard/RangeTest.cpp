// Controls that hold a value in a range: scroll bars, progress bars, up-down arrows.

#include "StandardFixture.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/controls/standard/TProgressBar.h"
#include "platform/controls/standard/TScrollBar.h"
#include "platform/controls/standard/TUpDown.h"
#include "platform/core/Exception.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"

#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

class RangeTest : public StandardFixture {};

TEST_F(RangeTest, ScrollBarPositionStaysInItsRange)
{
    auto* bar = AddControl<TScrollBar>(*form, Bounds(10, 10, 200, 16));
    bar->OnChange = log.Notify("change");
    bar->SetParams(50, 0, 100);
    bar->SetPosition(50);
    bar->SetPageSize(20);
    EXPECT_EQ(bar->GetPosition(), 50);
    bar->SetPosition(95);
    EXPECT_EQ(bar->GetPosition(), 81) << "Max - PageSize + 1";
    bar->SetPosition(-4);
    EXPECT_EQ(bar->GetPosition(), 0);
    EXPECT_EQ(Count("change"), 3);

    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
    EXPECT_THROW(bar->SetMax(10), EInvalidOperation) << "below the page size";
    EXPECT_THROW(bar->SetPageSize(200), EInvalidOperation);
    EXPECT_EQ(bar->GetMax(), 100);

    bar->SetKind(sbVertical);
    EXPECT_EQ(bar->GetWidth(), 16);
    EXPECT_EQ(bar->GetHeight(), 200);
}

TEST_F(RangeTest, UserScrollingGoesThroughOnScroll)
{
    struct Case {
        unsigned key;
        TScrollCode code;
        int position;
    };
    const Case cases[] = {
        {VK_RIGHT, scLineDown, 12},
        {VK_LEFT, scLineUp, 10},
        {VK_NEXT, scPageDown, 30},
        {VK_PRIOR, scPageUp, 10},
        {VK_END, scBottom, 100},
        {VK_HOME, scTop, 0},
    };
    auto* bar = AddControl<TScrollBar>(*form, Bounds(10, 10, 200, 16));
    bar->SetSmallChange(2);
    bar->SetLargeChange(20);
    bar->SetPosition(10);
    std::vector<TScrollCode> codes;
    bar->OnScroll = [&](TObject*, TScrollCode code, int&) { codes.push_back(code); };
    form->Show();
    bar->SetFocus();
    for (const Case& c : cases) {
        codes.clear();
        ui.Simulator().KeyPress(c.key);
        EXPECT_THAT(codes, ElementsAre(c.code)) << c.key;
        EXPECT_EQ(bar->GetPosition(), c.position) << c.key;
    }

    // The mouse on an arrow, through the native bar.
    codes.clear();
    ui.Simulator().Click(*bar, {195, 8});
    EXPECT_THAT(codes, ::testing::Contains(scLineDown));
    EXPECT_EQ(bar->GetPosition(), 2);

    // OnScroll may hold the thumb back.
    bar->OnScroll = [](TObject*, TScrollCode, int& pos) { pos = std::min(pos, 40); };
    ui.Simulator().KeyPress(VK_END);
    EXPECT_EQ(bar->GetPosition(), 40);
}

TEST_F(RangeTest, ProgressBarStepsAndWraps)
{
    auto* bar = AddControl<TProgressBar>(*form, Bounds(10, 10, 150, 16));
    bar->SetStep(40);
    bar->StepIt();
    bar->StepIt();
    EXPECT_EQ(bar->GetPosition(), 80);
    bar->StepIt();
    EXPECT_EQ(bar->GetPosition(), 0) << "past Max it starts again";
    bar->StepBy(250);
    EXPECT_EQ(bar->GetPosition(), 100);
    bar->SetMax(50);
    EXPECT_EQ(bar->GetPosition(), 50);
    bar->SetMin(60);
    EXPECT_EQ(bar->GetMax(), 60);
    EXPECT_EQ(bar->GetPosition(), 60);
}

TEST_F(RangeTest, ProgressBarFillsAndItsMarqueeTravelsOnTheTimer)
{
    auto* bar = AddControl<TProgressBar>(*form, Bounds(10, 10, 104, 16));
    bar->SetSmooth(true);
    bar->SetPosition(50);
    form->Show();
    const TColor highlight = ColorToRGB(clHighlight);
    const QImage half = Screenshot(*bar, "progress_half.png");
    // Half of the 100 pixels inside the edge.
    EXPECT_EQ(PixelAt(half, 2 + 49, 8), highlight);
    EXPECT_NE(PixelAt(half, 2 + 51, 8), highlight);

    bar->SetStyle(pbstMarquee);
    bar->SetMarqueeInterval(30);
    auto blockStart = [&] {
        const QImage picture = Screenshot(*bar);
        for (int x = 0; x < picture.width(); ++x)
            if (PixelAt(picture, x, 8) == highlight)
                return x;
        return -1;
    };
    const int first = blockStart();
    ui.Clock().Advance(29);
    EXPECT_EQ(blockStart(), first);
    ui.Clock().Advance(1);
    const int second = blockStart();
    EXPECT_GT(second, first);
    ui.Clock().Advance(30);
    EXPECT_EQ(blockStart() - second, second - first) << "even steps";
    // Round the track and back in at the start.
    ui.Clock().Advance(30 * 20);
    EXPECT_LT(blockStart(), 2 + 100);

    bar->SetStyle(pbstNormal);
    EXPECT_EQ(ui.Timers().ActiveCount(), 0);
}

TEST_F(RangeTest, UpDownStepsAsksFirstAndTellsItsAssociate)
{
    auto* edit = AddControl<TEdit>(*form, Bounds(10, 10, 80, 21));
    auto* updown = AddControl<TUpDown>(*form, Bounds(0, 0, 15, 21));
    updown->SetMax(5);
    updown->SetPosition(4);
    updown->SetAssociate(edit);
    EXPECT_EQ(edit->GetWidth(), 65);
    EXPECT_EQ(updown->GetLeft(), 75);
    EXPECT_EQ(edit->GetText(), "4");

    updown->OnClick = [&](TObject*, TUDBtnType button) { log.Add(button == btNext ? "next" : "prev"); };
    bool allow = true;
    updown->OnChanging = [&](TObject*, bool& allowChange) {
        log.Add("changing");
        allowChange = allow;
    };
    form->Show();
    ui.Simulator().Click(*updown, {7, 3});
    ui.Simulator().Click(*updown, {7, 3});
    EXPECT_EQ(updown->GetPosition(), 5) << "held at Max without Wrap";
    EXPECT_THAT(log.Entries(), ElementsAre("changing", "next", "changing", "next"));

    updown->SetWrap(true);
    updown->Step(btNext);
    EXPECT_EQ(updown->GetPosition(), 0);
    EXPECT_EQ(edit->GetText(), "0");

    // What the user typed is where the next step starts; a refused change stays put.
    edit->SetText("3");
    updown->Step(btPrev);
    EXPECT_EQ(updown->GetPosition(), 2);
    allow = false;
    log.Clear();
    ui.Simulator().Click(*updown, {7, 17});
    EXPECT_EQ(updown->GetPosition(), 2);
    EXPECT_THAT(log.Entries(), ElementsAre("changing"));
}

TEST_F(RangeTest, HoldingAnUpDownArrowRepeats)
{
    auto* updown = AddControl<TUpDown>(*form, Bounds(10, 10, 15, 30));
    updown->SetOrientation(udHorizontal);
    form->Show();
    ui.Simulator().MouseDown(*updown, {12, 10});
    EXPECT_EQ(updown->GetPosition(), 1);
    ui.Clock().Advance(399);
    EXPECT_EQ(updown->GetPosition(), 1);
    ui.Clock().Advance(1);
    EXPECT_EQ(updown->GetPosition(), 2);
    ui.Clock().Advance(300);
    EXPECT_EQ(updown->GetPosition(), 5);
    ui.Simulator().MouseUp(*updown, {12, 10});
    ui.Clock().Advance(1000);
    EXPECT_EQ(updown->GetPosition(), 5);
}

}  // namespace
