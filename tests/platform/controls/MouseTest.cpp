#include "TestControls.h"

#include "platform/controls/forms/DragTarget.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

class MouseTest : public ::testing::Test {
protected:
    void LogMouse(TControl& control, const std::string& name)
    {
        control.OnMouseDown = [this, name](TObject*, TMouseButton, TShiftState shift, int x, int y) {
            log.Add(name + " down " + std::to_string(x) + "," + std::to_string(y) +
                    (shift.Contains(ssDouble) ? " double" : ""));
        };
        control.OnMouseUp = [this, name](TObject*, TMouseButton, TShiftState, int x, int y) {
            log.Add(name + " up " + std::to_string(x) + "," + std::to_string(y));
        };
        control.OnClick = log.Notify(name + " click");
        control.OnDblClick = log.Notify(name + " dblclick");
    }

    UiTestEnvironment ui;
    EventLog log;
    TForm* form = new TForm(Application);
};

TEST_F(MouseTest, ADoubleClickGivesDownUpDblclkUp)
{
    auto* control = AddControl<TLoggingControl>(*form, Bounds(10, 10, 100, 50), &log, "c");
    form->Show();
    log.Clear();

    ui.Simulator().DoubleClick(*control, {5, 6});
    std::vector<std::string> buttons;
    for (const std::string& entry : log.Entries())
        if (entry.starts_with("c:l"))
            buttons.push_back(entry);
    EXPECT_THAT(buttons, ElementsAre("c:ldown", "c:lup", "c:ldblclk", "c:lup"));
}

TEST_F(MouseTest, TwoClicksMakeADoubleClickOnlyCloseInTimeAndPlace)
{
    struct Case {
        const char* name;
        int pauseMs;
        TPoint second;
        bool doubleClicks;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"at once", 0, {20, 20}, true,
         {"c down 20,20", "c click", "c up 20,20", "c dblclick", "c down 20,20 double", "c up 20,20"}},
        {"just in time and near", 500, {22, 18}, true,
         {"c down 20,20", "c click", "c up 20,20", "c dblclick", "c down 22,18 double", "c up 22,18"}},
        {"too late", 501, {20, 20}, true,
         {"c down 20,20", "c click", "c up 20,20", "c down 20,20", "c click", "c up 20,20"}},
        {"too far", 0, {23, 20}, true,
         {"c down 20,20", "c click", "c up 20,20", "c down 23,20", "c click", "c up 23,20"}},
        {"control without double clicks", 0, {20, 20}, false,
         {"c down 20,20", "c click", "c up 20,20", "c down 20,20", "c click", "c up 20,20"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* control = AddControl<TLoggingControl>(*form, Bounds(10, 10, 100, 50));
        if (!c.doubleClicks)
            control->SetControlStyle(control->GetControlStyle() - TControlStyle{csDoubleClicks});
        LogMouse(*control, "c");
        form->Show();
        log.Clear();

        ui.Simulator().Click(*control, {20, 20});
        ui.Clock().Advance(c.pauseMs);
        ui.Simulator().Click(*control, c.second);
        EXPECT_THAT(log.Entries(), ElementsAreArray(c.expected));
        delete control;
        ui.Clock().Advance(1000);
    }
}

TEST_F(MouseTest, AWindowlessChildGetsTheMouseOverItInItsOwnCoordinates)
{
    auto* parent = AddControl<TLoggingControl>(*form, Bounds(10, 10, 200, 100));
    auto* child = AddControl<TLoggingGraphic>(*parent, Bounds(50, 20, 40, 30));
    LogMouse(*parent, "parent");
    LogMouse(*child, "child");
    form->Show();

    ui.Simulator().Click(*parent, {55, 25});
    ui.Simulator().Click(*parent, {5, 5});
    child->SetEnabled(false);
    ui.Clock().Advance(1000);
    ui.Simulator().Click(*parent, {55, 25});
    EXPECT_THAT(log.Entries(), ElementsAre("child down 5,5", "child click", "child up 5,5", "parent down 5,5",
                                           "parent click", "parent up 5,5", "parent down 55,25", "parent click",
                                           "parent up 55,25"));
}

TEST_F(MouseTest, TheCaptureKeepsTheMouseUntilTheButtonGoesUp)
{
    auto* a = AddControl<TLoggingControl>(*form, Bounds(0, 0, 100, 100));
    auto* b = AddControl<TLoggingControl>(*form, Bounds(150, 0, 100, 100));
    LogMouse(*a, "a");
    LogMouse(*b, "b");
    std::vector<TPoint> moves;
    a->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moves.push_back({x, y}); };
    form->Show();

    ui.Simulator().MouseDown(*a, {10, 10});
    EXPECT_EQ(GetCaptureControl(), a);
    ui.Simulator().MouseMove(*b, {10, 10});
    ui.Simulator().MouseUp(*b, {10, 10});
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_THAT(moves, ElementsAre(TPoint{160, 10}));
    EXPECT_THAT(log.Entries(), ElementsAre("a down 10,10", "a up 160,10")) << "released outside: no click";
}

TEST_F(MouseTest, EnterAndLeaveFollowTheControlUnderTheCursor)
{
    auto* a = AddControl<TLoggingControl>(*form, Bounds(0, 0, 100, 100));
    auto* graphic = AddControl<TLoggingGraphic>(*a, Bounds(10, 10, 20, 20));
    auto* b = AddControl<TLoggingControl>(*form, Bounds(150, 0, 100, 100));
    a->OnMouseEnter = log.Notify("enter a");
    a->OnMouseLeave = log.Notify("leave a");
    graphic->OnMouseEnter = log.Notify("enter graphic");
    graphic->OnMouseLeave = log.Notify("leave graphic");
    b->OnMouseEnter = log.Notify("enter b");
    b->OnMouseLeave = log.Notify("leave b");
    form->Show();

    ui.Simulator().MouseMove(*a, {50, 50});
    ui.Simulator().MouseMove(*a, {60, 50});
    ui.Simulator().MouseMove(*a, {15, 15});
    ui.Simulator().MouseMove(*b, {5, 5});
    ui.Simulator().Leave(*b);
    EXPECT_THAT(log.Entries(), ElementsAre("enter a", "leave a", "enter graphic", "leave graphic", "enter b",
                                           "leave b"));
}

TEST_F(MouseTest, TheWheelGoesToTheFocusedControlThenUpItsParentsUntilOneTakesIt)
{
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(0, 0, 200, 200));
    auto* inner = AddControl<TLoggingControl>(*panel, Bounds(10, 10, 50, 50));
    auto* elsewhere = AddControl<TLoggingControl>(*form, Bounds(250, 0, 50, 50));
    auto logWheel = [this](TControl& control, const std::string& name, bool takes) {
        control.OnMouseWheel = [this, name, takes](TObject*, TShiftState, int delta, TPoint, bool& handled) {
            log.Add(name + " " + std::to_string(delta));
            handled = takes;
        };
    };
    logWheel(*inner, "inner", false);
    logWheel(*panel, "panel", true);
    logWheel(*form, "form", true);
    logWheel(*elsewhere, "elsewhere", true);
    form->Show();
    inner->SetFocus();

    ui.Simulator().Wheel(*elsewhere, {5, 5}, -120);
    EXPECT_THAT(log.Entries(), ElementsAre("inner -120", "panel -120"));
}

TEST_F(MouseTest, TheCursorIsTheOneOfTheControlUnderIt)
{
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(0, 0, 200, 200));
    panel->SetCursor(crHandPoint);
    auto* beam = AddControl<TLoggingGraphic>(*panel, Bounds(100, 100, 50, 50));
    beam->SetCursor(crIBeam);
    auto* plain = AddControl<TLoggingGraphic>(*panel, Bounds(10, 100, 50, 50));
    form->Show();
    const QWidget* widget = panel->Handle();

    ui.Simulator().MouseMove(*panel, {5, 5});
    EXPECT_EQ(widget->cursor().shape(), Qt::PointingHandCursor);
    ui.Simulator().MouseMove(*panel, {110, 110});
    EXPECT_EQ(widget->cursor().shape(), Qt::IBeamCursor);
    ui.Simulator().MouseMove(*plain, {5, 5});
    EXPECT_EQ(widget->cursor().shape(), Qt::PointingHandCursor) << "a control without a cursor shows its parent's";
    beam->SetCursor(crCross);
    ui.Simulator().MouseMove(*beam, {5, 5});
    EXPECT_EQ(widget->cursor().shape(), Qt::CrossCursor);
}

TEST_F(MouseTest, DisabledControlsGetNoMouseInput)
{
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(0, 0, 200, 200));
    auto* inner = AddControl<TLoggingControl>(*panel, Bounds(10, 10, 50, 50));
    LogMouse(*inner, "inner");
    form->Show();
    panel->SetEnabled(false);

    ui.Simulator().Click(*inner, {5, 5});
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(MouseTest, TheDragTargetIsTheInnermostControlUnderAScreenPoint)
{
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(10, 10, 150, 150));
    auto* inner = AddControl<TLoggingControl>(*panel, Bounds(10, 10, 50, 50));
    auto* graphic = AddControl<TLoggingGraphic>(*panel, Bounds(80, 10, 30, 30));
    auto* disabled = AddControl<TLoggingControl>(*panel, Bounds(10, 80, 30, 30));
    disabled->SetEnabled(false);
    auto* hidden = AddControl<TLoggingControl>(*panel, Bounds(80, 80, 30, 30));
    hidden->Hide();
    form->Show();

    struct Case {
        const char* name;
        TControl* in;
        TPoint at;
        bool allowDisabled;
        TControl* expected;
    };
    const Case cases[] = {
        {"a windowed child of a windowed child", inner, {5, 5}, false, inner},
        {"a windowless child", graphic, {5, 5}, false, graphic},
        {"the panel between its children", panel, {70, 70}, false, panel},
        {"the form beside the panel", form, {200, 100}, false, form},
        {"a disabled control gives its parent", disabled, {5, 5}, false, panel},
        {"unless disabled ones are allowed", disabled, {5, 5}, true, disabled},
        {"a hidden control gives its parent", panel, {85, 85}, true, panel},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindDragTarget(c.in->ClientToScreen(c.at), c.allowDisabled), c.expected) << c.name;

    EXPECT_EQ(FindDragTarget(form->ClientToScreen({-50, -50}), true), nullptr) << "no form there";
    form->Hide();
    EXPECT_EQ(FindDragTarget(inner->ClientToScreen({5, 5}), false), nullptr) << "a hidden form has no targets";
}

}  // namespace
