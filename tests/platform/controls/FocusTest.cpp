#include "TestControls.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/core/Exception.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

class FocusTest : public ::testing::Test {
protected:
    TLoggingControl* Add(TWinControl& parent, const std::string& name, TRect bounds)
    {
        auto* control = AddControl<TLoggingControl>(parent, bounds, &log, name);
        control->SetName(name);
        return control;
    }

    UiTestEnvironment ui;
    EventLog log;
    TForm* form = new TForm(Application);
};

TEST_F(FocusTest, MovingTheFocusSendsKillSetExitEnterInThatOrder)
{
    TLoggingControl* a = Add(*form, "a", Bounds(0, 0, 50, 20));
    TLoggingControl* panel = Add(*form, "panel", Bounds(0, 30, 200, 100));
    TLoggingControl* inner = Add(*panel, "inner", Bounds(5, 5, 50, 20));
    form->Show();
    a->SetFocus();
    log.Clear();

    inner->SetFocus();
    EXPECT_THAT(log.Entries(), ElementsAre("a:killfocus>inner", "inner:setfocus>a", "a:exit", "panel:enter",
                                           "inner:enter"));
    log.Clear();

    a->SetFocus();
    EXPECT_THAT(log.Entries(), ElementsAre("inner:killfocus>a", "a:setfocus>inner", "inner:exit", "panel:exit",
                                           "a:enter"));
    EXPECT_EQ(form->GetActiveControl(), a);
    EXPECT_EQ(Screen->ActiveControl(), a);
}

TEST_F(FocusTest, AHandlerThatMovesTheFocusOnEndsTheSequenceItInterrupted)
{
    TLoggingControl* a = Add(*form, "a", Bounds(0, 0, 50, 20));
    TLoggingControl* b = Add(*form, "b", Bounds(0, 30, 50, 20));
    TLoggingControl* c = Add(*form, "c", Bounds(0, 60, 50, 20));
    form->Show();
    a->SetFocus();
    b->OnEnter = [c](TObject*) { c->SetFocus(); };
    log.Clear();

    b->SetFocus();
    EXPECT_EQ(FocusManager::Focused(), c);
    EXPECT_EQ(form->GetActiveControl(), c);
    EXPECT_THAT(log.Entries(), ElementsAre("a:killfocus>b", "b:setfocus>a", "a:exit", "b:enter", "b:killfocus>c",
                                           "c:setfocus>b", "b:exit", "c:enter"));
}

TEST_F(FocusTest, TabWalksTheTabOrderSkippingWhatCannotTakeTheFocus)
{
    Add(*form, "a", Bounds(0, 0, 50, 20));
    TLoggingControl* b = Add(*form, "b", Bounds(0, 30, 50, 20));
    TLoggingControl* disabled = Add(*form, "disabled", Bounds(0, 60, 50, 20));
    TLoggingControl* hidden = Add(*form, "hidden", Bounds(0, 90, 50, 20));
    TLoggingControl* noTabStop = Add(*form, "noTabStop", Bounds(0, 120, 50, 20));
    TLoggingControl* panel = Add(*form, "panel", Bounds(0, 150, 200, 60));
    TLoggingControl* inner = Add(*panel, "inner", Bounds(5, 5, 50, 20));
    disabled->SetEnabled(false);
    hidden->SetVisible(false);
    noTabStop->SetTabStop(false);
    panel->SetTabStop(false);
    b->SetTabOrder(0);  // b, a, disabled, hidden, noTabStop, panel (inner)
    form->Show();
    EXPECT_EQ(FocusManager::Focused(), b) << "showing focuses the first control in Tab order";

    std::vector<std::string> forward;
    for (int i = 0; i < 4; ++i) {
        ui.Simulator().KeyPress(VK_TAB);
        forward.push_back(FocusManager::Focused()->GetName());
    }
    EXPECT_THAT(forward, ElementsAre("a", "inner", "b", "a"));

    ui.Simulator().KeyPress(VK_TAB, {ssShift});
    EXPECT_EQ(FocusManager::Focused(), b);
    EXPECT_EQ(inner->GetTabOrder(), 0);
}

TEST_F(FocusTest, AControlThatClaimsTabGetsItAsAKey)
{
    TLoggingControl* a = Add(*form, "a", Bounds(0, 0, 50, 20));
    Add(*form, "b", Bounds(0, 30, 50, 20));
    a->DlgCode = DLGC_WANTTAB;
    form->Show();
    a->SetFocus();
    log.Clear();

    ui.Simulator().KeyPress(VK_TAB);
    EXPECT_EQ(FocusManager::Focused(), a);
    EXPECT_THAT(log.Entries(), ElementsAre("a:keydown", "a:char", "a:keyup"));
}

TEST_F(FocusTest, HidingOrDisablingTheFocusedControlMovesTheFocusToItsForm)
{
    for (const bool hide : {true, false}) {
        SCOPED_TRACE(hide ? "hide" : "disable");
        TLoggingControl* a = Add(*form, "a", Bounds(0, 0, 50, 20));
        form->Show();
        a->SetFocus();
        log.Clear();

        if (hide)
            a->SetVisible(false);
        else
            a->SetEnabled(false);
        EXPECT_EQ(FocusManager::Focused(), form);
        EXPECT_EQ(form->GetActiveControl(), nullptr);
        EXPECT_THAT(log.Entries(), ElementsAre("a:killfocus>", "a:exit"));
        delete a;
    }
}

TEST_F(FocusTest, FreeingTheFocusedControlClearsEveryReferenceWithoutMessagesToIt)
{
    TLoggingControl* panel = Add(*form, "panel", Bounds(0, 0, 200, 100));
    TLoggingControl* inner = Add(*panel, "inner", Bounds(5, 5, 50, 20));
    TLoggingControl* other = Add(*form, "other", Bounds(0, 150, 50, 20));
    form->Show();
    inner->SetFocus();
    log.Clear();

    delete panel;
    EXPECT_EQ(FocusManager::Focused(), nullptr);
    EXPECT_EQ(form->GetActiveControl(), nullptr);
    EXPECT_EQ(Screen->ActiveControl(), nullptr);
    EXPECT_TRUE(log.Entries().empty());

    other->SetFocus();
    EXPECT_THAT(log.Entries(), ElementsAre("other:setfocus>none", "other:enter"));
}

TEST_F(FocusTest, AFormThatIsNotShowingKeepsTheControlForWhenItShows)
{
    TLoggingControl* a = Add(*form, "a", Bounds(0, 0, 50, 20));
    TLoggingControl* b = Add(*form, "b", Bounds(0, 30, 50, 20));
    b->SetFocus();
    EXPECT_EQ(FocusManager::Focused(), nullptr);
    EXPECT_EQ(form->GetActiveControl(), b);

    form->Show();
    EXPECT_EQ(FocusManager::Focused(), b);

    a->SetEnabled(false);
    EXPECT_THROW(a->SetFocus(), EInvalidOperation);
    EXPECT_EQ(FocusManager::Focused(), b);
}

}  // namespace
