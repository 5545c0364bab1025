// The seams through which the layers above the control core plug into it: release hooks, the
// exception boundary's handler, the window system, the drag and the installed services.

#include "TestControls.h"

#include "platform/controls/core/DragSession.h"
#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/core/WindowHost.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/qt/HostWidget.h"
#include "platform/controls/services/UiServices.h"
#include "platform/core/Exception.h"
#include "platform/system/Environment.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace plat;
using namespace plat::testing;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

namespace {

TEST(ReleaseHookTest, EveryFreedControlPassesEachHookOnceWhileStillWholeUntilTheRegistrationGoes)
{
    UiTestEnvironment ui;
    std::vector<std::string> seen;
    auto registration = std::make_unique<TReleaseHookRegistration>(TControl::AddReleaseHook([&](TControl& Control) {
        // Still whole: the most derived parts and the children are there.
        const auto* window = dynamic_cast<const TWinControl*>(&Control);
        seen.push_back(Control.GetName() + (window ? ":" + std::to_string(window->ControlCount()) : ""));
    }));
    auto* parent = new TLoggingControl(nullptr);
    parent->SetName("parent");
    auto* child = new TLoggingGraphic(parent);
    child->SetName("child");
    child->SetParent(parent);

    delete parent;
    EXPECT_THAT(seen, ElementsAre("parent:1", "child"));

    registration.reset();
    delete new TLoggingControl(nullptr);
    EXPECT_EQ(seen.size(), 2u);
}

TEST(ReleaseHookTest, ARegistrationMovedOnKeepsItsHookAndAnEmptyOneRemovesNothing)
{
    int calls = 0;
    TReleaseHookRegistration outer;
    {
        TReleaseHookRegistration inner = TControl::AddReleaseHook([&](TControl&) { ++calls; });
        outer = std::move(inner);
    }
    delete new TLoggingGraphic(nullptr);
    EXPECT_EQ(calls, 1);
}

TEST(ExceptionBoundaryTest, WithoutAHandlerTheMessageGoesToStandardError)
{
    SetBoundaryHandler(nullptr);
    ::testing::internal::CaptureStderr();
    Guarded(nullptr, [] { throw Exception("lost in the void"); });
    const std::string written = ::testing::internal::GetCapturedStderr();
    // The application put its handler there when it was made; put it back as it was.
    SetBoundaryHandler([](TObject* Sender) { Application->HandleException(Sender); });
    EXPECT_EQ(written, "Unhandled exception: lost in the void\n");
}

TEST(WindowSystemTest, WithoutAWindowSystemAControlCannotHaveAWindowAndSaysWhy)
{
    UiTestEnvironment ui;
    auto* control = new TLoggingControl(nullptr);
    SetDefaultWindowHostFactory(nullptr);
    EXPECT_THROW(control->HandleNeeded(), EInvalidOperation);
    EXPECT_FALSE(control->HandleAllocated());
    SetDefaultWindowHostFactory([](TWinControl& Control) { return new THostWidget<QWidget>(&Control); });
    control->HandleNeeded();
    EXPECT_TRUE(control->HandleAllocated());
    delete control;
}

TEST(DragSeamTest, WithoutARunnerNoDragStartsAndTheControlGetsItsMouseMessages)
{
    UiTestEnvironment ui;
    EventLog log;
    auto* control = new TLoggingControl(nullptr, &log, "control");
    control->SetBounds(0, 0, 50, 50);
    // True when the drag was on before the release.
    const auto dragAndRelease = [&] {
        control->BeginDrag(true);
        const bool dragging = control->Dragging();
        control->Perform(WM_LBUTTONUP, 0, PointToLParam({20, 20}));
        return dragging;
    };

    SetDragRunner(nullptr);
    const bool draggedWithoutRunner = dragAndRelease();
    // The application put the session there when it was made; put it back as it was.
    SetDragRunner(&TDragSession::Runner());
    EXPECT_FALSE(draggedWithoutRunner);
    EXPECT_THAT(log.Entries(), Contains("control:lup"));

    log.Clear();
    EXPECT_TRUE(dragAndRelease());
    EXPECT_THAT(log.Entries(), Not(Contains("control:lup")));
    EXPECT_FALSE(control->Dragging());
    delete control;
}

TEST(UiServicesTest, AServiceNobodyInstalledRaisesInsteadOfFailingSilently)
{
    UiTestEnvironment ui;
    Environment& env = Env();
    env.Timers = nullptr;
    env.Messages = nullptr;
    env.Dialogs = nullptr;
    env.Menus = nullptr;
    env.Input = nullptr;
    EXPECT_THROW(Timers(), EInvalidOperation);
    EXPECT_THROW(Messages(), EInvalidOperation);
    EXPECT_THROW(Dialogs(), EInvalidOperation);
    EXPECT_THROW(Menus(), EInvalidOperation);
    EXPECT_THROW(Input(), EInvalidOperation);
}

}  // namespace
