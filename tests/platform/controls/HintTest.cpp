#include "TestControls.h"

#include "platform/controls/forms/HintInfo.h"
#include "platform/controls/forms/HintManager.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/THintWindow.h"
#include "platform/controls/qt/ControlRendering.h"
#include "platform/graphics/QtConversions.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;

namespace {

// Lets a test change the hint record the way a control's CM_HINTSHOW handler does.
class THintingControl : public TLoggingControl {
public:
    using TLoggingControl::TLoggingControl;
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == CM_HINTSHOW && OnHintShow) {
            Message.Result = OnHintShow(*TCMHintShow(Message).HintInfo()) ? 0 : 1;
            return;
        }
        TLoggingControl::Dispatch(Message);
    }
    std::function<bool(THintInfo&)> OnHintShow;
};

class THintWindowOfTest : public THintWindow {
public:
    using THintWindow::THintWindow;
    std::string ClassName() const override { return "THintWindowOfTest"; }
};

std::string ShowingText()
{
    THintWindow* window = HintManager::ShowingHintWindow();
    return window && window->GetVisible() ? window->GetText() : std::string("(none)");
}

class HintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form->SetBounds(100, 100, 400, 300);
        a = AddControl<THintingControl>(*form, Bounds(10, 10, 100, 50));
        a->SetHint("Compute|Runs the computation");
        a->SetShowHint(true);
        b = AddControl<THintingControl>(*form, Bounds(200, 10, 100, 50));
        b->SetHint("Chart");
        b->SetShowHint(true);
        form->Show();
    }

    UiTestEnvironment ui;
    TForm* form = new TForm(Application);
    THintingControl* a = nullptr;
    THintingControl* b = nullptr;
};

TEST_F(HintTest, AHintShowsAfterThePauseBelowTheCursorAndHidesAfterTheHidePause)
{
    ui.Simulator().MouseMove(*a, {20, 20});
    ui.Clock().Advance(Application->GetHintPause() - 1);
    EXPECT_EQ(ShowingText(), "(none)");
    ui.Clock().Advance(1);
    EXPECT_EQ(ShowingText(), "Compute");
    THintWindow* window = HintManager::ShowingHintWindow();
    const TPoint cursor = a->ClientToScreen({20, 20});
    EXPECT_EQ(window->GetLeft(), cursor.X);
    EXPECT_GT(window->GetTop(), cursor.Y);
    const QImage picture = RenderControl(*window);
    EXPECT_EQ(picture.width(), window->GetWidth());
    EXPECT_EQ(FromQRgb(picture.pixel(0, 0)), ColorToRGB(clWindowFrame)) << "a border of its own";
    EXPECT_EQ(FromQRgb(picture.pixel(1, picture.height() - 2)), ColorToRGB(clInfoBk));

    // Moving inside the control keeps it; the hide pause ends it.
    ui.Simulator().MouseMove(*a, {30, 25});
    EXPECT_EQ(ShowingText(), "Compute");
    ui.Clock().Advance(Application->GetHintHidePause());
    EXPECT_EQ(ShowingText(), "(none)");
}

TEST_F(HintTest, MovingToAnotherControlShowsItsHintAfterTheShortPause)
{
    ui.Simulator().MouseMove(*a, {20, 20});
    ui.Clock().Advance(Application->GetHintPause());
    ui.Simulator().MouseMove(*b, {20, 20});
    EXPECT_EQ(ShowingText(), "(none)");
    ui.Clock().Advance(Application->GetHintShortPause());
    EXPECT_EQ(ShowingText(), "Chart");

    ui.Simulator().MouseDown(*b, {20, 20});
    EXPECT_EQ(ShowingText(), "(none)") << "a click ends the hint";
}

TEST_F(HintTest, TheControlAndTheApplicationMayChangeOrStopTheHint)
{
    struct Case {
        const char* name;
        std::function<bool(THintInfo&)> onHintShow;
        TShowHintEvent onShowHint;
        std::string expected;
        std::string windowClass;
    };
    const Case cases[] = {
        {"control changes the text",
         [](THintInfo& info) {
             info.HintStr = "Changed";
             return true;
         },
         nullptr, "Changed", "THintWindow"},
        {"control refuses", [](THintInfo&) { return false; }, nullptr, "(none)", ""},
        {"control asks for its own window class",
         [](THintInfo& info) {
             info.HintWindowClass = [](TComponent* owner) { return new THintWindowOfTest(owner); };
             return true;
         },
         nullptr, "Compute", "THintWindowOfTest"},
        {"application refuses", nullptr, [](std::string&, bool& canShow, THintInfo&) { canShow = false; }, "(none)",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        a->OnHintShow = c.onHintShow;
        Application->OnShowHint = c.onShowHint;
        ui.Simulator().MouseMove(*a, {20, 20});
        ui.Clock().Advance(Application->GetHintPause());
        EXPECT_EQ(ShowingText(), c.expected);
        if (!c.windowClass.empty()) {
            EXPECT_EQ(HintManager::ShowingHintWindow()->ClassName(), c.windowClass);
        }
        Application->CancelHint();
        ui.Simulator().Leave(*form);
    }
}

TEST_F(HintTest, ChildrenTakeHintSettingsAndTextFromTheirParents)
{
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(10, 100, 200, 100));
    panel->SetHint("Panel");
    auto* child = AddControl<TLoggingGraphic>(*panel, Bounds(10, 10, 50, 50));
    EXPECT_FALSE(child->GetShowHint());
    panel->SetShowHint(true);
    EXPECT_TRUE(child->GetShowHint());

    ui.Simulator().MouseMove(*child, {5, 5});
    ui.Clock().Advance(Application->GetHintPause());
    EXPECT_EQ(ShowingText(), "Panel");

    Application->SetShowHint(false);
    EXPECT_EQ(ShowingText(), "(none)");
}

}  // namespace
