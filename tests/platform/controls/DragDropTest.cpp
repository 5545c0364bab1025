#include "TestControls.h"

#include "platform/controls/core/DragObjects.h"
#include "platform/controls/core/DragSession.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

std::string Name(const TObject* Object)
{
    const auto* control = dynamic_cast<const TControl*>(Object);
    return control ? control->GetName() : "nil";
}

const char* StateName(TDragState State)
{
    return State == dsDragEnter ? "enter" : State == dsDragLeave ? "leave" : "move";
}

// A control that logs what a drag tells it, as source and as target.
class TDragProbe : public TCustomControl {
public:
    TDragProbe(TComponent* AOwner, EventLog& Log, const std::string& AName) : TCustomControl(AOwner), FLog(Log)
    {
        SetName(AName);
        OnStartDrag = [this](TObject*, TDragObject*&) { FLog.Add(GetName() + " start"); };
        OnEndDrag = [this](TObject*, TObject* Target, int X, int Y) {
            FLog.Add(GetName() + " end " + Name(Target) + " " + std::to_string(X) + "," + std::to_string(Y));
        };
        OnDragDrop = [this](TObject*, TObject* Source, int X, int Y) {
            FLog.Add(GetName() + " drop " + Name(Source) + " " + std::to_string(X) + "," + std::to_string(Y));
        };
        OnMouseMove = [this](TObject*, TShiftState, int X, int Y) {
            FLog.Add(GetName() + " mousemove " + std::to_string(X) + "," + std::to_string(Y));
        };
        OnClick = [this](TObject*) { FLog.Add(GetName() + " click"); };
    }

    // Takes drops while Accepting.
    void Accept(bool Value)
    {
        OnDragOver = [this, Value](TObject*, TObject* Source, int X, int Y, TDragState State, bool& Accept) {
            FLog.Add(GetName() + " " + StateName(State) + " " + Name(Source) + " " + std::to_string(X) + "," +
                     std::to_string(Y));
            Accept = Value;
        };
    }

    void DragCanceled() override { FLog.Add(GetName() + " canceled"); }

private:
    EventLog& FLog;
};

class DragDropTest : public ::testing::Test {
protected:
    DragDropTest()
    {
        form->SetBounds(100, 200, 400, 300);
        source = AddControl<TDragProbe>(*form, Bounds(10, 10, 50, 50), log, "source");
        target = AddControl<TDragProbe>(*form, Bounds(200, 10, 100, 100), log, "target");
        form->Show();
    }

    // Presses on the source at (5, 5) and starts a drag from there.
    void PressAndBegin(bool Immediate, int ThresholdPx = -1)
    {
        ui.Clock().Advance(1000);
        ui.Simulator().MouseMove(*source, {5, 5});
        ui.Simulator().MouseDown(*source, {5, 5});
        source->BeginDrag(Immediate, ThresholdPx);
    }

    // Source client coordinates of a point of the target.
    TPoint OnTarget(TPoint P) const { return target->ClientToClient(P, *source); }
    // How the source's OnEndDrag logs an end without a drop at a point of the target.
    std::string EndWithoutDrop(TPoint OnTargetPos) const
    {
        const TPoint screen = target->ClientToScreen(OnTargetPos);
        return "source end nil " + std::to_string(screen.X) + "," + std::to_string(screen.Y);
    }

    UiTestEnvironment ui;
    EventLog log;
    TForm* form = new TForm(Application);
    TDragProbe* source = nullptr;
    TDragProbe* target = nullptr;
};

TEST_F(DragDropTest, ADropOnATargetThatAcceptsReachesItsDragDropThenTheSourcesEndDrag)
{
    target->Accept(true);
    PressAndBegin(true);
    log.Clear();

    ui.Simulator().MouseMove(*source, OnTarget({20, 30}));
    ui.Simulator().MouseMove(*source, OnTarget({21, 31}));
    ui.Simulator().MouseUp(*source, OnTarget({21, 31}));

    EXPECT_THAT(log.Entries(), ElementsAre("target enter source 20,30",
                                           "target move source 21,31", "target drop source 21,31",
                                           "source end target 21,31"));
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(DragDropTest, ADropWhereNothingAcceptsCancelsAtTheSource)
{
    target->Accept(false);
    PressAndBegin(true);
    ui.Simulator().MouseMove(*source, OnTarget({20, 30}));
    log.Clear();

    ui.Simulator().MouseUp(*source, OnTarget({20, 30}));

    EXPECT_THAT(log.Entries(), ElementsAre("target leave source 20,30", "source canceled", EndWithoutDrop({20, 30})));
}

TEST_F(DragDropTest, EscapeTheLossOfTheCaptureARightPressOrEndDragFalseCancel)
{
    struct Case {
        const char* name;
        std::function<void()> cancel;
    };
    const Case cases[] = {
        {"escape", [this] { ui.Simulator().KeyPress(VK_ESCAPE); }},
        {"capture lost", [] { SetCaptureControl(nullptr); }},
        {"right press", [this] { ui.Simulator().MouseDown(*source, OnTarget({20, 30}), mbRight); }},
        {"end drag", [this] { source->EndDrag(false); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        target->Accept(true);
        source->SetFocus();
        PressAndBegin(true);
        ui.Simulator().MouseMove(*source, OnTarget({20, 30}));
        log.Clear();

        c.cancel();

        EXPECT_THAT(log.Entries(), ElementsAre("target leave source 20,30", "source canceled", EndWithoutDrop({20, 30})));
        EXPECT_FALSE(source->Dragging());
        ui.Simulator().MouseUp(*source, OnTarget({20, 30}), mbRight);
        ui.Simulator().MouseUp(*source, OnTarget({20, 30}));
    }
}

TEST_F(DragDropTest, ADragThatIsNotImmediateStartsAtTheThresholdAndAClickBeforeStaysAClick)
{
    target->Accept(true);
    PressAndBegin(false, 4);
    log.Clear();
    ui.Simulator().MouseMove(*source, {8, 8});
    EXPECT_THAT(log.Entries(), ElementsAre("source mousemove 8,8"));
    EXPECT_EQ(TDragSession::ActiveObject(), nullptr);
    ui.Simulator().MouseMove(*source, {9, 5});
    EXPECT_NE(TDragSession::ActiveObject(), nullptr);
    ui.Simulator().MouseUp(*source, {9, 5});
    log.Clear();

    PressAndBegin(false);
    ui.Simulator().MouseMove(*source, {9, 9});
    ui.Simulator().MouseUp(*source, {9, 9});
    EXPECT_THAT(log.Entries(), ElementsAre("source mousemove 5,5", "source mousemove 9,9", "source click"));
    EXPECT_FALSE(source->Dragging());
}

TEST_F(DragDropTest, AutomaticDragModeStartsADragOnEveryLeftPress)
{
    source->SetDragMode(dmAutomatic);
    target->Accept(true);
    ui.Simulator().Drag(*source, {5, 5}, OnTarget({50, 50}));
    EXPECT_EQ(log.Entries().back(), "source end target 50,50");
}

TEST_F(DragDropTest, AHandlerThatFreesTheTargetOrTheSourceEndsTheDragQuietly)
{
    target->OnDragOver = [this](TObject*, TObject*, int, int, TDragState, bool& Accept) {
        Accept = true;
        // The handler is freed with its control: nothing of it may be read after the delete.
        delete std::exchange(target, nullptr);
    };
    const TPoint onTarget = OnTarget({20, 30});
    const std::string end = EndWithoutDrop({20, 30});
    PressAndBegin(true);
    ui.Simulator().MouseMove(*source, onTarget);
    ui.Simulator().MouseUp(*source, onTarget);
    EXPECT_THAT(log.Entries(), ElementsAre("source mousemove 5,5", "source start", "source canceled", end));

    auto* other = AddControl<TDragProbe>(*form, Bounds(10, 200, 50, 50), log, "other");
    other->OnDragOver = [this](TObject*, TObject*, int, int, TDragState, bool& Accept) {
        Accept = true;
        // The handler is freed with its control: nothing of it may be read after the delete.
        delete std::exchange(source, nullptr);
    };
    PressAndBegin(true);
    ui.Simulator().MouseMove(*source, other->ClientToClient({5, 5}, *source));
    EXPECT_EQ(TDragSession::ActiveObject(), nullptr);
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(DragDropTest, ADragObjectFromOnStartDragIsWhatTargetsGet)
{
    TDragObject custom;
    source->OnStartDrag = [&custom](TObject*, TDragObject*& DragObject) { DragObject = &custom; };
    TObject* seen = nullptr;
    target->OnDragOver = [&seen](TObject*, TObject* Source, int, int, TDragState, bool& Accept) {
        seen = Source;
        Accept = true;
    };
    PressAndBegin(true);
    ui.Simulator().MouseMove(*source, OnTarget({20, 30}));
    EXPECT_EQ(seen, &custom);
    EXPECT_EQ(custom.DragTarget, target);
    ui.Simulator().MouseUp(*source, OnTarget({20, 30}));
    EXPECT_TRUE(custom.Dropped);
}

}  // namespace
