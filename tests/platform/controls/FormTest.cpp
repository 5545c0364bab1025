#include "TestControls.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/core/WindowHandles.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/controls/services/DialogService.h"
#include "platform/core/Exception.h"
#include "platform/testing/UiTestEnvironment.h"
#include "platform/testing/WindowRestackCounter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

class FormTest : public ::testing::Test {
protected:
    UiTestEnvironment ui;
    EventLog log;
    TForm* mainForm = new TForm(Application);
};

TEST_F(FormTest, ShowModalRunsUntilAButtonSetsTheModalResult)
{
    auto* mainEdit = AddControl<TLoggingControl>(*mainForm, Bounds(0, 0, 50, 20));
    mainForm->Show();
    mainEdit->SetFocus();

    auto* dialog = new TForm(Application);
    dialog->SetBorderStyle(bsDialog);
    auto* edit = AddControl<TLoggingControl>(*dialog, Bounds(0, 0, 50, 20));
    auto* ok = AddControl<TTestButton>(*dialog, Bounds(0, 30, 50, 20));
    ok->Default = true;
    ok->ModalResult = mrOk;
    dialog->OnShow = log.Notify("show");
    dialog->OnHide = log.Notify("hide");
    ui.Queue().WhenIdle([&] {
        log.Add(dialog->IsModal() && FocusManager::Focused() == edit ? "modal, edit focused" : "not as expected");
        ui.Simulator().KeyPress(VK_RETURN);
    });

    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(ok->Clicks, 1);
    EXPECT_FALSE(dialog->GetVisible());
    EXPECT_FALSE(dialog->IsModal());
    EXPECT_EQ(Screen->ActiveForm(), mainForm);
    EXPECT_EQ(FocusManager::Focused(), mainEdit);
    EXPECT_THAT(log.Entries(), ElementsAre("show", "modal, edit focused", "hide"));
}

TEST_F(FormTest, AModalLoopWithNothingToEndItGivesUpInsteadOfHanging)
{
    auto* dialog = new TForm(Application);
    EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
    EXPECT_FALSE(dialog->GetVisible());
    EXPECT_FALSE(dialog->IsModal());

    dialog->Show();
    EXPECT_THROW(dialog->ShowModal(), EInvalidOperation) << "a showing form cannot become modal";
}

TEST_F(FormTest, FormsBehindAModalFormTakeNoInput)
{
    auto* behind = AddControl<TTestButton>(*mainForm, Bounds(0, 0, 50, 20));
    mainForm->Show();
    auto* dialog = new TForm(Application);
    auto* inside = AddControl<TTestButton>(*dialog, Bounds(0, 0, 50, 20));
    ui.Queue().WhenIdle([&] {
        ui.Simulator().Click(*behind, {5, 5});
        ui.Simulator().Click(*inside, {5, 5});
        dialog->SetModalResult(mrCancel);
    });

    dialog->ShowModal();
    EXPECT_EQ(behind->Clicks, 0);
    EXPECT_EQ(inside->Clicks, 1);
    ui.Simulator().Click(*behind, {5, 5});
    EXPECT_EQ(behind->Clicks, 1);
}

TEST_F(FormTest, CloseActsOnTheActionTheHandlersChoose)
{
    struct Case {
        const char* name;
        bool canClose;
        TCloseAction action;
        bool visibleAfter;
        bool freedAfterPump;
        TWindowState state;
    };
    const Case cases[] = {
        {"refused", false, caHide, true, false, wsNormal},
        {"hidden", true, caHide, false, false, wsNormal},
        {"kept", true, caNone, true, false, wsNormal},
        {"minimized", true, caMinimize, true, false, wsMinimized},
        {"freed", true, caFree, false, true, wsNormal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* form = new TForm(Application);
        const TControlRef<TForm> alive(form);
        form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = c.canClose; };
        form->OnClose = [&](TObject*, TCloseAction& action) {
            EXPECT_EQ(action, caHide) << "the default action";
            action = c.action;
        };
        form->Show();

        form->Close();
        ui.Pump();
        ASSERT_EQ(!alive, c.freedAfterPump);
        if (!alive)
            continue;
        EXPECT_EQ(form->GetVisible(), c.visibleAfter);
        EXPECT_EQ(form->GetWindowState(), c.state);
        delete form;
    }
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(FormTest, ClosingTheMainFormEndsTheProgram)
{
    auto* form = Application->CreateForm<TForm>();
    ASSERT_EQ(Application->MainForm(), form);
    form->Show();
    form->Close();
    EXPECT_TRUE(Application->Terminated());
    delete form;
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(FormTest, CreationShowingAndDestructionRunTheFormsEvents)
{
    struct TLoggedForm : TForm {
        TLoggedForm(TComponent* AOwner, EventLog& log) : TForm(AOwner)
        {
            OnCreate = log.Notify("create");
            OnShow = log.Notify("show");
            OnHide = log.Notify("hide");
            OnActivate = log.Notify("activate");
            OnDestroy = log.Notify("destroy");
        }
    };
    auto* form = CreateForm<TLoggedForm>(Application, log);
    form->Show();
    form->Hide();
    delete form;
    EXPECT_THAT(log.Entries(), ElementsAre("create", "show", "activate", "hide", "destroy"));
}

TEST_F(FormTest, ScreenCenterPutsTheFormInTheMiddleOfTheWorkArea)
{
    auto* form = new TForm(Application);
    form->SetBounds(0, 0, 200, 100);
    form->SetPosition(poScreenCenter);
    form->Show();
    const TRect area = Screen->WorkAreaRect();
    EXPECT_EQ(form->GetLeft(), area.Left + (area.Width() - 200) / 2);
    EXPECT_EQ(form->GetTop(), area.Top + (area.Height() - 100) / 2);
}

TEST_F(FormTest, AnExceptionInAnEventHandlerIsReportedAndTheProgramGoesOn)
{
    auto* button = AddControl<TTestButton>(*mainForm, Bounds(0, 0, 50, 20));
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        if (++clicks == 1)
            throw EInvalidOperation("The click failed");
    };
    mainForm->Show();

    ui.Simulator().Click(*button, {5, 5});
    ui.Clock().Advance(1000);
    ui.Simulator().Click(*button, {5, 5});
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(ui.Dialogs().Shown().size(), 1u);
    EXPECT_EQ(ui.Dialogs().Shown()[0].Text, "The click failed.");
    EXPECT_EQ(ui.Dialogs().Shown()[0].Flags, MB_OK | MB_ICONSTOP);

    std::vector<std::string> handled;
    Application->OnException = [&](TObject* sender, const Exception& e) {
        handled.push_back((sender == button ? "button: " : "other: ") + e.Message());
    };
    clicks = 0;
    ui.Clock().Advance(1000);
    ui.Simulator().Click(*button, {5, 5});
    EXPECT_THAT(handled, ElementsAre("button: The click failed"));
    EXPECT_EQ(ui.Dialogs().Shown().size(), 1u);
}

TEST_F(FormTest, MessageBoxesGoThroughTheDialogService)
{
    Application->SetTitle("SKELDA");
    ui.Dialogs().Answer(IDNO);
    EXPECT_EQ(Application->MessageBox("Save?", "Question", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
    ShowMessage("Done");
    EXPECT_EQ(Application->MessageBox("Retry?", "Question", MB_RETRYCANCEL | MB_DEFBUTTON2), IDCANCEL);
    ASSERT_EQ(ui.Dialogs().Shown().size(), 3u);
    EXPECT_EQ(ui.Dialogs().Shown()[1].Caption, "SKELDA");
    EXPECT_EQ(ui.Dialogs().Shown()[1].Flags, MB_OK);

    struct Case {
        unsigned flags;
        int defaultId;
    };
    for (const Case& c : {Case{MB_OK, IDOK}, Case{MB_YESNO | MB_DEFBUTTON2, IDNO},
                          Case{MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE}, Case{MB_OKCANCEL | MB_DEFBUTTON3, IDOK}})
        EXPECT_EQ(MessageBoxDefaultId(c.flags), c.defaultId) << c.flags;
}

TEST_F(FormTest, TheGlassFrameIsKeptButChangesNothing)
{
    mainForm->SetClientWidth(200);
    mainForm->SetClientHeight(100);
    EXPECT_FALSE(mainForm->GlassFrame().GetEnabled());
    EXPECT_EQ(mainForm->GlassFrame().GetTop(), 0);
    mainForm->GlassFrame().SetEnabled(true);
    mainForm->GlassFrame().SetTop(30);
    TGlassFrame copy;
    copy.Assign(mainForm->GlassFrame());
    EXPECT_TRUE(copy.GetEnabled());
    EXPECT_EQ(copy.GetTop(), 30);
    EXPECT_EQ(mainForm->GetClientRect(), Rect(0, 0, 200, 100));
}

}  // namespace

namespace {

// Each form logs the WM_ACTIVATE it hears, with the form LParam names, then its own event.
struct TActivationForm : TForm {
    TActivationForm(TComponent* AOwner, EventLog& Log, std::string Name) : TForm(AOwner), FLog(Log), FName(std::move(Name))
    {
        OnActivate = Log.Notify(FName + " activate");
        OnDeactivate = Log.Notify(FName + " deactivate");
    }
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_ACTIVATE) {
            auto* other = dynamic_cast<TActivationForm*>(FindWindowControl(static_cast<HWND>(Message.LParam)));
            FLog.Add(FName + (Message.WParam == WA_INACTIVE ? " WM_ACTIVATE inactive for " : " WM_ACTIVATE active from ") +
                     (other ? other->FName : "none"));
        }
        TForm::Dispatch(Message);
    }
    EventLog& FLog;
    std::string FName;
};

TEST_F(FormTest, FormsHearWmActivateBeforeTheirActivationEvents)
{
    auto* first = CreateForm<TActivationForm>(Application, log, "first");
    auto* second = CreateForm<TActivationForm>(Application, log, "second");
    first->Show();
    second->Show();
    first->Activate();
    EXPECT_THAT(log.Entries(),
                ElementsAre("first WM_ACTIVATE active from none", "first activate",
                            "first WM_ACTIVATE inactive for second", "first deactivate",
                            "second WM_ACTIVATE active from first", "second activate",
                            "second WM_ACTIVATE inactive for first", "second deactivate",
                            "first WM_ACTIVATE active from second", "first activate"));
}

TEST_F(FormTest, BringToFrontRaisesAFormsWindowAboveTheOtherWindows)
{
    auto* other = new TForm(Application);
    mainForm->BringToFront();  // no window yet: nothing to raise
    mainForm->Show();
    other->Show();
    const WindowRestackCounter restacked(*mainForm);
    mainForm->BringToFront();
    EXPECT_EQ(restacked.Count(), 1);
    EXPECT_EQ(Screen->ActiveForm(), other) << "raised, not activated";
}

TEST_F(FormTest, ChildrenFollowTheirParentsReadingOrderUntilGivenTheirOwn)
{
    auto* child = AddControl<TLoggingControl>(*mainForm, Bounds(0, 0, 50, 20));
    auto* own = AddControl<TLoggingControl>(*mainForm, Bounds(0, 30, 50, 20));
    own->SetBiDiMode(bdRightToLeftReadingOnly);
    EXPECT_FALSE(own->GetParentBiDiMode());

    mainForm->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(child->GetBiDiMode(), bdRightToLeft);
    EXPECT_EQ(own->GetBiDiMode(), bdRightToLeftReadingOnly);
    auto* late = AddControl<TLoggingControl>(*mainForm, Bounds(0, 60, 50, 20));
    EXPECT_EQ(late->GetBiDiMode(), bdRightToLeft);

    own->SetParentBiDiMode(true);
    EXPECT_EQ(own->GetBiDiMode(), bdRightToLeft);
    EXPECT_EQ(Application->GetBiDiMode(), bdLeftToRight);
}

TEST_F(FormTest, ReadingOrderTurnsDrawTextFlags)
{
    struct Case {
        TBiDiMode mode;
        unsigned flags;
        unsigned expected;
    };
    const Case cases[] = {
        {bdLeftToRight, DT_LEFT | DT_SINGLELINE, DT_LEFT | DT_SINGLELINE},
        {bdRightToLeft, DT_LEFT | DT_SINGLELINE, DT_RIGHT | DT_SINGLELINE | DT_RTLREADING},
        {bdRightToLeft, DT_RIGHT, DT_LEFT | DT_RTLREADING},
        {bdRightToLeft, DT_CENTER, DT_CENTER | DT_RTLREADING},
        {bdRightToLeftNoAlign, DT_LEFT, DT_LEFT | DT_RTLREADING},
        {bdRightToLeftReadingOnly, DT_RIGHT, DT_RIGHT | DT_RTLREADING},
    };
    for (const Case& c : cases) {
        mainForm->SetBiDiMode(c.mode);
        EXPECT_EQ(mainForm->DrawTextBiDiModeFlags(c.flags), c.expected) << c.mode << " " << c.flags;
        EXPECT_EQ(mainForm->DrawTextBiDiModeFlagsReadingOnly(), c.mode == bdLeftToRight ? 0u : unsigned(DT_RTLREADING));
    }
}

}  // namespace
