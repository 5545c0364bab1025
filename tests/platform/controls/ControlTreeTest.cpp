#include "TestControls.h"

#include "platform/controls/core/MessageDelivery.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/HintManager.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/WindowTimers.h"
#include "platform/core/Exception.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;

namespace {

class ControlTreeTest : public ::testing::Test {
protected:
    UiTestEnvironment ui;
    TForm* form = new TForm(Application);
};

TEST_F(ControlTreeTest, AlignedChildrenShareTheClientAreaInEdgeOrder)
{
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(0, 0, 200, 100));
    struct Child {
        TAlign align;
        TRect bounds;
        TRect expected;
        TRect afterResize;
    };
    Child children[] = {
        {alClient, Bounds(0, 0, 5, 5), Rect(30, 10, 160, 80), Rect(30, 10, 260, 130)},
        {alRight, Bounds(0, 0, 40, 5), Rect(160, 10, 200, 80), Rect(260, 10, 300, 130)},
        {alTop, Bounds(0, 0, 5, 10), Rect(0, 0, 200, 10), Rect(0, 0, 300, 10)},
        {alLeft, Bounds(0, 0, 30, 5), Rect(0, 10, 30, 80), Rect(0, 10, 30, 130)},
        {alBottom, Bounds(0, 0, 5, 20), Rect(0, 80, 200, 100), Rect(0, 130, 300, 150)},
    };
    std::vector<TControl*> controls;
    for (const Child& child : children) {
        auto* control = AddControl<TLoggingGraphic>(*panel, child.bounds);
        control->SetAlign(child.align);
        controls.push_back(control);
    }
    for (std::size_t i = 0; i < controls.size(); ++i)
        EXPECT_EQ(controls[i]->GetBoundsRect(), children[i].expected) << "child " << i;

    panel->SetBounds(0, 0, 300, 150);
    for (std::size_t i = 0; i < controls.size(); ++i)
        EXPECT_EQ(controls[i]->GetBoundsRect(), children[i].afterResize) << "child " << i;

    // A hidden child gives its room to the others.
    controls[2]->SetVisible(false);
    EXPECT_EQ(controls[0]->GetBoundsRect(), Rect(30, 0, 260, 130));
}

TEST_F(ControlTreeTest, PaddingKeepsAlignedChildrenClearOfTheEdgesButNotAnchoredOnes)
{
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(0, 0, 200, 100));
    auto* top = AddControl<TLoggingGraphic>(*panel, Bounds(0, 0, 5, 10));
    top->SetAlign(alTop);
    auto* client = AddControl<TLoggingControl>(*panel, Bounds(0, 0, 5, 5));
    client->SetAlign(alClient);
    auto* free = AddControl<TLoggingGraphic>(*panel, Bounds(1, 1, 5, 5));

    panel->Padding().SetLeft(2);
    panel->Padding().SetTop(3);
    panel->Padding().SetRight(4);
    panel->Padding().SetBottom(5);
    EXPECT_EQ(top->GetBoundsRect(), Rect(2, 3, 196, 13));
    EXPECT_EQ(client->GetBoundsRect(), Rect(2, 13, 196, 95));
    EXPECT_EQ(free->GetBoundsRect(), Bounds(1, 1, 5, 5));

    // More padding than room leaves the client child empty, never inside out.
    panel->Padding().SetBottom(500);
    EXPECT_EQ(client->GetBoundsRect(), Rect(2, 13, 196, 13));
    panel->Padding().SetBottom(-1);
    EXPECT_EQ(panel->Padding().GetBottom(), 0);
    EXPECT_EQ(client->GetBoundsRect(), Rect(2, 13, 196, 100));
}

TEST_F(ControlTreeTest, AnchoredChildrenKeepTheirDistanceToTheAnchoredEdges)
{
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(0, 0, 200, 100));
    auto* right = AddControl<TLoggingGraphic>(*panel, Bounds(150, 10, 40, 20));
    right->SetAnchors({akTop, akRight});
    auto* stretched = AddControl<TLoggingGraphic>(*panel, Bounds(10, 40, 180, 20));
    stretched->SetAnchors({akLeft, akTop, akRight, akBottom});
    auto* fixed = AddControl<TLoggingGraphic>(*panel, Bounds(10, 70, 20, 20));

    panel->SetBounds(0, 0, 260, 130);
    EXPECT_EQ(right->GetBoundsRect(), Bounds(210, 10, 40, 20));
    EXPECT_EQ(stretched->GetBoundsRect(), Bounds(10, 40, 240, 50));
    EXPECT_EQ(fixed->GetBoundsRect(), Bounds(10, 70, 20, 20));

    panel->SetBounds(0, 0, 200, 100);
    EXPECT_EQ(right->GetBoundsRect(), Bounds(150, 10, 40, 20));
    EXPECT_EQ(stretched->GetBoundsRect(), Bounds(10, 40, 180, 20));
}

TEST_F(ControlTreeTest, ScreenAndClientCoordinatesConvertBothWays)
{
    form->SetBounds(100, 50, 400, 300);
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(20, 30, 200, 100));
    auto* graphic = AddControl<TLoggingGraphic>(*panel, Bounds(5, 6, 10, 10));
    const TRect frame = form->NonClientInsets();

    const TPoint screen = graphic->ClientToScreen({1, 2});
    EXPECT_EQ(screen, TPoint(100 + frame.Left + 20 + 5 + 1, 50 + frame.Top + 30 + 6 + 2));
    EXPECT_EQ(graphic->ScreenToClient(screen), TPoint(1, 2));
    EXPECT_EQ(form->GetClientWidth(), 400 - frame.Left - frame.Right);
}

// Counts its destructions.
class TCountedControl : public TLoggingControl {
public:
    TCountedControl(TComponent* AOwner, int& Destroyed) : TLoggingControl(AOwner), FDestroyed(Destroyed) {}
    ~TCountedControl() override { ++FDestroyed; }

private:
    int& FDestroyed;
};

TEST_F(ControlTreeTest, FreeingAnOwnerFreesEachControlOnce)
{
    int destroyed = 0;
    auto* panel = AddControl<TCountedControl>(*form, Bounds(0, 0, 100, 100), destroyed);
    // Owned by the form, shown on the panel.
    auto* onPanel = new TCountedControl(form, destroyed);
    onPanel->SetParent(panel);
    AddControl<TCountedControl>(*panel, Bounds(0, 0, 10, 10), destroyed);
    // Without owner: its parent frees it.
    auto* orphan = new TCountedControl(nullptr, destroyed);
    orphan->SetParent(panel);
    form->Show();

    delete form;
    form = nullptr;
    EXPECT_EQ(destroyed, 4);
}

TEST_F(ControlTreeTest, AFreedControlIsClearedFromEveryReferenceTheLayerHolds)
{
    auto* control = AddControl<TLoggingControl>(*form, Bounds(0, 0, 100, 100));
    control->SetHint("a hint");
    control->SetShowHint(true);
    form->Show();
    control->SetFocus();
    ui.Simulator().MouseDown(*control, {10, 10});
    ui.Simulator().MouseMove(*control, {11, 11});
    ui.Clock().Advance(Application->GetHintPause());
    ASSERT_EQ(HintManager::HintControl(), control);
    SetTimer(control, 1, 10);
    PostMessage(control, WM_USER);
    ASSERT_EQ(GetCaptureControl(), control);

    delete control;
    EXPECT_EQ(FocusManager::Focused(), nullptr);
    EXPECT_EQ(form->GetActiveControl(), nullptr);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(HintManager::HintControl(), nullptr);
    EXPECT_EQ(ui.Timers().ActiveCount(), 0);
    EXPECT_EQ(ui.Queue().PendingCount(), 0u);
    ui.Simulator().MouseUp(*form, {10, 10});
    ui.Simulator().MouseMove(*form, {150, 150});
    ui.Clock().Advance(5000);
    ui.Pump();
}

TEST_F(ControlTreeTest, AControlMayBeFreedInsideItsOwnHandler)
{
    auto* control = AddControl<TLoggingControl>(*form, Bounds(0, 0, 100, 100));
    control->OnClick = [&](TObject*) { delete control; };
    control->OnKeyDown = [&](TObject*, unsigned&, TShiftState) { delete control; };
    form->Show();

    ui.Simulator().Click(*control, {10, 10});
    EXPECT_EQ(form->ControlCount(), 0);

    control = AddControl<TLoggingControl>(*form, Bounds(0, 0, 100, 100));
    control->OnKeyDown = [&](TObject*, unsigned&, TShiftState) { delete control; };
    control->SetFocus();
    ui.Simulator().KeyDown('A');
    EXPECT_EQ(form->ControlCount(), 0);
    ui.Pump();
}

TEST_F(ControlTreeTest, AParentCannotSitInsideItsOwnChildren)
{
    auto* panel = AddControl<TLoggingControl>(*form, Bounds(0, 0, 100, 100));
    auto* inner = AddControl<TLoggingControl>(*panel, Bounds(0, 0, 50, 50));
    EXPECT_THROW(panel->SetParent(panel), EInvalidOperation);
    EXPECT_THROW(panel->SetParent(inner), EInvalidOperation);
    EXPECT_EQ(panel->GetParent(), form);
}

TEST_F(ControlTreeTest, AWindowMovedToAnotherParentKeepsItsWidgetAndFocus)
{
    auto* left = AddControl<TLoggingControl>(*form, Bounds(0, 0, 100, 100));
    auto* right = AddControl<TLoggingControl>(*form, Bounds(100, 0, 100, 100));
    auto* edit = AddControl<TNativeEdit>(*left, Bounds(5, 5, 80, 20));
    form->Show();
    edit->SetFocus();
    ui.Simulator().TypeText("abc");
    const QWidget* widget = edit->Handle();

    edit->SetParent(right);
    EXPECT_EQ(edit->Handle(), widget);
    EXPECT_EQ(widget->parentWidget(), right->Handle());
    EXPECT_EQ(edit->GetText(), "abc");
    EXPECT_EQ(FocusManager::Focused(), edit);

    // Off any parent, a child window has nowhere to be: its window goes with it.
    edit->SetParent(nullptr);
    EXPECT_FALSE(edit->HandleAllocated());
    EXPECT_EQ(FocusManager::Focused(), form);
    delete edit;
}

TEST_F(ControlTreeTest, TheZOrderDecidesWhichWindowlessChildIsHit)
{
    auto* first = AddControl<TLoggingGraphic>(*form, Bounds(0, 0, 50, 50));
    auto* second = AddControl<TLoggingGraphic>(*form, Bounds(25, 25, 50, 50));
    EXPECT_EQ(form->ControlAtPos({30, 30}, false), second);
    first->BringToFront();
    EXPECT_EQ(form->ControlAtPos({30, 30}, false), first);
    first->SendToBack();
    EXPECT_EQ(form->ControlAtPos({30, 30}, false), second);
    EXPECT_EQ(form->Controls(0), first);
    EXPECT_THROW(form->Controls(2), EListError);
}

}  // namespace
