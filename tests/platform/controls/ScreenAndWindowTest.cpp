#include "TestControls.h"

#include "platform/controls/core/WindowRegion.h"
#include "platform/controls/forms/HintManager.h"
#include "platform/controls/forms/TApplicationEvents.h"
#include "platform/controls/forms/THintWindow.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/core/Exception.h"
#include "platform/testing/FakeMonitorLayout.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QGuiApplication>
#include <QRegion>
#include <QWidget>

#include <gtest/gtest.h>

#include <limits>

using namespace plat;
using namespace plat::testing;

namespace {

// Two monitors side by side, the second one lower and smaller.
std::vector<TMonitor> TwoMonitors()
{
    return {{0, Rect(0, 0, 1280, 1024), Rect(0, 0, 1280, 984), true},
            {0, Rect(1280, 200, 2304, 968), Rect(1280, 200, 2304, 968), false}};
}

TEST(ScreenTest, TheMonitorNearestAPointIsTheOneHoldingItElseTheClosest)
{
    UiTestEnvironment ui;
    TheScreen().SetMonitorLayout(TwoMonitors());
    struct Case {
        TPoint point;
        int monitor;
    } const cases[] = {
        {{10, 10}, 0},       {{1279, 1023}, 0}, {{1280, 200}, 1}, {{2303, 967}, 1},
        {{3000, 500}, 1},    {{-50, -50}, 0},   {{2000, 0}, 1},   {{1300, 1020}, 0},
        {{2000, 990}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.point.X) + "," + std::to_string(c.point.Y));
        const auto nearest = TheScreen().MonitorNearest(c.point);
        ASSERT_TRUE(nearest.has_value());
        EXPECT_EQ(nearest->MonitorNum, c.monitor);
    }
    EXPECT_EQ(TheScreen().MonitorCount(), 2);
    EXPECT_EQ(TheScreen().Width(), 1280);
    EXPECT_EQ(TheScreen().DesktopRect(), Rect(0, 0, 2304, 1024));
    EXPECT_THROW(TheScreen().Monitors(2), EListError);

    TheScreen().SetMonitorLayout({});
    EXPECT_EQ(TheScreen().MonitorCount(), static_cast<int>(QGuiApplication::screens().size()));
}

TEST(ScreenTest, TheEnvironmentsMonitorsGiveThePointsMonitorAndWorkArea)
{
    UiTestEnvironment ui;
    FakeMonitorLayout monitors(FakeMonitorLayout::TwoMonitors());
    struct Case {
        TPoint point;
        std::optional<int> nearest, null, primary;
    } const cases[] = {
        {{100, 100}, 0, 0, 0},
        {{2000, -100}, 1, 1, 1},
        {{2000, -400}, 1, std::nullopt, 0},
        {{1000, 1200}, 0, std::nullopt, 0},
        {{3300, 800}, 1, std::nullopt, 0},
        // A stored window position can be anything; the distance must not overflow.
        {{std::numeric_limits<int>::min(), std::numeric_limits<int>::min()}, 0, std::nullopt, 0},
        {{std::numeric_limits<int>::max(), std::numeric_limits<int>::max()}, 1, std::nullopt, 0},
    };
    const auto number = [](const std::optional<TMonitor>& m) { return m ? std::optional<int>(m->MonitorNum) : std::nullopt; };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.point.X) + "," + std::to_string(c.point.Y));
        EXPECT_EQ(number(Screen->MonitorFromPoint(c.point)), c.nearest);
        EXPECT_EQ(number(Screen->MonitorFromPoint(c.point, mdNull)), c.null);
        EXPECT_EQ(number(Screen->MonitorFromPoint(c.point, mdPrimary)), c.primary);
    }
    EXPECT_EQ(Screen->MonitorFromPoint({2000, -400})->WorkareaRect, Rect(1920, -270, 3200, 724));
    EXPECT_EQ(Screen->WorkAreaRect(), Rect(0, 0, 1920, 1040));
    EXPECT_EQ(Screen->DesktopRect(), Rect(0, -300, 3200, 1080));

    // A layout set on the screen stands in front of the environment's.
    Screen->SetMonitorLayout({{0, Rect(0, 0, 800, 600), Rect(0, 0, 800, 600), true}});
    EXPECT_EQ(Screen->MonitorCount(), 1);
    Screen->SetMonitorLayout({});
    EXPECT_EQ(Screen->MonitorCount(), 2);
}

TEST(CaptureTest, ThePressedWindowsMovesReachTheCaptureInAnotherWindowWhileThePressedOneMoves)
{
    UiTestEnvironment ui;
    auto* clone = new TForm(Application);
    clone->SetBounds(700, 400, 300, 200);
    auto* pressed = AddControl<TLoggingControl>(*clone, Bounds(10, 10, 100, 50));
    auto* origin = new TForm(Application);
    origin->SetBounds(50, 60, 400, 300);
    auto* holder = AddControl<TLoggingControl>(*origin, Bounds(20, 30, 100, 50));
    clone->Show();
    origin->Show();
    std::vector<TPoint> seen;
    pressed->OnMouseDown = [holder](TObject*, TMouseButton, TShiftState, int, int) { holder->SetMouseCapture(true); };
    holder->OnMouseMove = [&seen](TObject*, TShiftState, int X, int Y) { seen.push_back({X, Y}); };
    bool released = false;
    holder->OnMouseUp = [&released](TObject*, TMouseButton, TShiftState, int, int) { released = true; };

    ui.Simulator().MouseDown(*pressed, {5, 5});
    std::vector<TPoint> expected;
    for (int step = 1; step <= 3; ++step) {
        // The window under the pointer follows it, as a torn-off page's window does.
        clone->SetBounds(clone->GetLeft() + 15, clone->GetTop() + 10, clone->GetWidth(), clone->GetHeight());
        ui.Simulator().MouseMove(*pressed, {5, 5});
        expected.push_back(holder->ScreenToClient(pressed->ClientToScreen({5, 5})));
    }
    ui.Simulator().MouseUp(*pressed, {5, 5});

    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(released);
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST(RegionTest, ARoundedRectangleCutsItsCornersAlongTheEllipses)
{
    const TRegion round = RoundRectRegion(Rect(10, 20, 110, 70), 16, 16);
    EXPECT_EQ(round.Bounds(), Rect(10, 20, 110, 70));
    for (const TPoint inside : {TPoint{60, 20}, TPoint{10, 45}, TPoint{60, 69}, TPoint{13, 23}})
        EXPECT_TRUE(round.Contains(inside)) << inside.X << "," << inside.Y;
    for (const TPoint corner : {TPoint{10, 20}, TPoint{109, 20}, TPoint{10, 69}, TPoint{108, 68}, TPoint{11, 21}})
        EXPECT_FALSE(round.Contains(corner)) << corner.X << "," << corner.Y;
    // The shape is the same at all four corners.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool topLeft = round.Contains({10 + x, 20 + y});
            EXPECT_EQ(round.Contains({109 - x, 20 + y}), topLeft);
            EXPECT_EQ(round.Contains({10 + x, 69 - y}), topLeft);
            EXPECT_EQ(round.Contains({109 - x, 69 - y}), topLeft);
        }
    EXPECT_EQ(RoundRectRegion(Rect(0, 0, 10, 10), 0, 0).Rects(), TRegion(Rect(0, 0, 10, 10)).Rects());
    EXPECT_TRUE(RoundRectRegion(Rect(5, 5, 5, 20), 16, 16).IsEmpty());
    // An ellipse larger than the rectangle gives an ellipse inside it, not a wider shape.
    EXPECT_EQ(RoundRectRegion(Rect(0, 0, 10, 10), 100, 100).Bounds(), Rect(0, 0, 10, 10));
}

TEST(WindowRegionTest, TheRegionBecomesTheWindowsMaskAndCanBeTakenAway)
{
    UiTestEnvironment ui;
    auto* window = new THintWindow(Application);
    window->SetBounds(50, 50, 120, 40);
    EXPECT_FALSE(GetWindowRgn(*window).has_value());
    const TRegion round = RoundRectRegion(Rect(0, 0, 120, 40), 16, 16);
    SetWindowRgn(*window, round, true);
    const auto mask = GetWindowRgn(*window);
    ASSERT_TRUE(mask.has_value());
    EXPECT_TRUE(mask->Subtract(round).IsEmpty());
    EXPECT_TRUE(round.Subtract(*mask).IsEmpty());
    EXPECT_FALSE(mask->Contains({0, 0}));
    SetWindowRgn(*window, std::nullopt, false);
    EXPECT_FALSE(GetWindowRgn(*window).has_value());
}

TEST(WindowRegionTest, AChildWindowShapedByAPolygonShowsExactlyTheRegionsPixels)
{
    UiTestEnvironment ui;
    auto* form = new TForm(Application);
    form->SetBounds(100, 100, 200, 100);
    auto* child = AddControl<TLoggingControl>(*form, Bounds(20, 20, 30, 30));
    form->Show();
    // A concave arrow: the notches beside its shaft lie outside.
    const std::vector<TPoint> arrow{{15, 0}, {30, 15}, {20, 15}, {20, 30}, {10, 30}, {10, 15}, {0, 15}};
    const TRegion shape = PolygonRegion(arrow, WINDING);
    SetWindowRgn(*child, shape, true);
    const auto mask = GetWindowRgn(*child);
    ASSERT_TRUE(mask.has_value());
    EXPECT_TRUE(mask->Subtract(shape).IsEmpty());
    EXPECT_TRUE(shape.Subtract(*mask).IsEmpty());
    const QRegion native = child->Handle()->mask();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(native.contains(QPoint(x, y)), shape.Contains({x, y})) << x << "," << y;
    EXPECT_TRUE(shape.Contains({15, 1}));
    EXPECT_TRUE(shape.Contains({15, 25}));
    EXPECT_FALSE(shape.Contains({3, 25}));
    EXPECT_FALSE(shape.Contains({26, 25}));
}

TEST(ApplicationEventsTest, EveryEventsComponentHearsTheHintAfterTheApplicationUntilItIsFreed)
{
    UiTestEnvironment ui;
    auto* form = new TForm(Application);
    form->SetBounds(100, 100, 300, 200);
    auto* control = AddControl<TLoggingControl>(*form, Bounds(10, 10, 100, 50));
    control->SetHint("Plain");
    control->SetShowHint(true);
    form->Show();

    std::vector<std::string> heard;
    Application->OnShowHint = [&](std::string& text, bool&, THintInfo&) { heard.push_back("application " + text); };
    auto* first = new TApplicationEvents(form);
    first->OnShowHint = [&](std::string& text, bool&, THintInfo& info) {
        heard.push_back("first " + text);
        text = "<b>Rich</b>";
        info.HintMaxWidth = 77;
    };
    auto* second = new TApplicationEvents(form);
    int maxWidthSeen = 0;
    second->OnShowHint = [&](std::string& text, bool&, THintInfo& info) {
        heard.push_back("second " + text);
        maxWidthSeen = info.HintMaxWidth;
    };
    ui.Simulator().MouseMove(*control, {20, 20});
    ui.Clock().Advance(Application->GetHintPause());
    EXPECT_EQ(heard, (std::vector<std::string>{"application Plain", "first Plain", "second <b>Rich</b>"}));
    EXPECT_EQ(maxWidthSeen, 77);
    ASSERT_NE(HintManager::ShowingHintWindow(), nullptr);
    EXPECT_EQ(HintManager::ShowingHintWindow()->GetText(), "<b>Rich</b>");

    Application->CancelHint();
    ui.Simulator().Leave(*form);
    delete first;
    heard.clear();
    ui.Simulator().MouseMove(*control, {25, 25});
    ui.Clock().Advance(Application->GetHintPause());
    EXPECT_EQ(heard, (std::vector<std::string>{"application Plain", "second Plain"}));
}

}  // namespace
