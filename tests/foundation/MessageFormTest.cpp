// The emulated task dialog: how it is laid out from the component's settings, which buttons are
// default and cancel, what it returns, and how keys, links, the timer and the window manager act
// on it while it is shown.

#include "foundation/MessageFormMetrics.h"
#include "foundation/TCustomVezTaskDialog.h"
#include "foundation/TTaskDialogButton.h"
#include "foundation/TVezInputTaskDialog.h"
#include "foundation/TVezMessageForm.h"
#include "foundation/TaskDialogCaptions.h"
#include "ShapingTaskDialog.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/controls/standard/TBitBtn.h"
#include "platform/controls/standard/TButton.h"
#include "platform/controls/standard/TCheckBox.h"
#include "platform/controls/standard/TComboBox.h"
#include "platform/controls/standard/TDateTimePicker.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TProgressBar.h"
#include "platform/controls/standard/TRadioButton.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TIcon.h"
#include "platform/system/DateTimeFormat.h"
#include "platform/system/ClipboardText.h"
#include "platform/system/SystemMetrics.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/UiTestEnvironment.h"
#include "platform/testing/WindowRestackCounter.h"

#include <QImage>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace skelda::foundation {
namespace {

TEST(MessageFormMetricsTest, SpacingFollowsTheAverageCharacter)
{
    struct Case {
        TSize average;
        TMessageFormMetrics expected;
    };
    const Case cases[] = {
        {{6, 13}, {12, 13, 15, 16, 23, 6}},
        {{7, 16}, {14, 16, 18, 20, 28, 7}},
        {{0, 0}, {0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const TMessageFormMetrics m = MessageFormMetrics(c.average);
        EXPECT_EQ(m.HorzMarginPx, c.expected.HorzMarginPx) << c.average.cx;
        EXPECT_EQ(m.VertMarginPx, c.expected.VertMarginPx) << c.average.cy;
        EXPECT_EQ(m.HorzSpacingPx, c.expected.HorzSpacingPx) << c.average.cx;
        EXPECT_EQ(m.VertSpacingPx, c.expected.VertSpacingPx) << c.average.cy;
        EXPECT_EQ(m.ButtonHeightPx, c.expected.ButtonHeightPx) << c.average.cy;
        EXPECT_EQ(m.ButtonSpacingPx, c.expected.ButtonSpacingPx) << c.average.cx;
    }
}

TEST(MessageFormMetricsTest, DefaultAndCancelSlotsFollowDefaultButton)
{
    struct Case {
        TCommonButtons shown;
        int defaultButton;
        bool hasDefault;
        TCommonButton defaultSlot;
        TCommonButton cancelSlot;
    };
    const Case cases[] = {
        {{cbOK, cbCancel}, 0, true, cbOK, cbCancel},
        {{cbYes, cbNo}, 0, true, cbYes, cbNo},
        {{cbRetry, cbClose}, 0, true, cbRetry, cbOK},
        {{cbOK, cbYes}, 1, true, cbOK, cbOK},
        {{cbYes}, 1, true, cbYes, cbOK},
        {{cbOK, cbCancel}, 2, true, cbCancel, cbOK},
        {{cbNo}, 2, true, cbNo, cbOK},
        {{cbYes, cbNo}, 6, true, cbYes, cbOK},
        {{cbNo}, 6, true, cbOK, cbOK},
        {{cbYes, cbNo}, 7, true, cbNo, cbOK},
        {{cbClose}, 8, true, cbClose, cbOK},
        {{cbRetry}, 4, true, cbOK, cbOK},
        {{cbOK, cbCancel}, -1, false, cbOK, cbOK},
    };
    for (const Case& c : cases) {
        const TCommonButtonSlots chosen = CommonButtonSlots(c.shown, c.defaultButton);
        EXPECT_EQ(chosen.HasDefault, c.hasDefault) << c.defaultButton;
        if (c.hasDefault) {
            EXPECT_EQ(chosen.Default, c.defaultSlot) << c.defaultButton;
        }
        EXPECT_EQ(chosen.Cancel, c.cancelSlot) << c.defaultButton;
    }
}

using TFormStep = std::function<void(TVezMessageForm&)>;

// Execute, with each step run in turn while the form is shown and waiting.
int ExecuteWhileShown(UiTestEnvironment& Ui, TCustomVezTaskDialog& Dialog, TFormStep Step, TFormStep Then)
{
    for (auto& step : {Step, Then})
        if (step)
            Ui.Queue().WhenIdle([step] {
                auto* form = dynamic_cast<TVezMessageForm*>(Screen->ActiveForm());
                ASSERT_NE(form, nullptr) << "the emulated form is shown";
                step(*form);
            });
    return Dialog.Execute();
}

TEST(MessageFormSlotsTest, ADescendantMakesAndSetsUpThePushAndRadioButtonsItsOwnWay)
{
    UiTestEnvironment ui;
    auto* dialog = new testing::TShapingTaskDialog(new TForm(Application));
    dialog->SetNonNativeDialog(nndAlways);
    dialog->SetCommonButtons({cbOK, cbCancel});
    dialog->CustomButtons().Add("Use the prediction");
    dialog->RadioButtons().Add("Solar flux");
    dialog->RadioButtons().Add("Sunspot number");
    dialog->SetDefaultRadioButton(201);
    std::vector<int> clicked;
    dialog->OnDialogButtonClick = [&](TObject*, int Id) { clicked.push_back(Id); };

    EXPECT_EQ(ExecuteWhileShown(
                  ui, *dialog,
                  [&](TVezMessageForm& form) {
                      EXPECT_THAT(dialog->Calls,
                                  ElementsAre("create button", "caption OK OK", "result OK 1", "default OK on",
                                              "create button", "caption Cancel Cancel", "result Cancel 2",
                                              "cancel Cancel on", "create button", "result CSButton0 100",
                                              "caption CSButton0 Use the prediction", "create radio", "init radio 0",
                                              "text Radio0 Solar flux", "state Radio0 off", "create radio",
                                              "init radio 1", "text Radio1 Sunspot number", "state Radio1 on"));
                      auto* ok = dynamic_cast<TBitBtn*>(form.FindComponent("OK"));
                      auto* cancel = dynamic_cast<TBitBtn*>(form.FindComponent("Cancel"));
                      auto* custom = dynamic_cast<TBitBtn*>(form.FindComponent("CSButton0"));
                      ASSERT_TRUE(ok && cancel && custom) << "the descendant's kind of button";
                      EXPECT_EQ(ok->GetCaption(), "> OK");
                      EXPECT_TRUE(ok->GetDefault());
                      EXPECT_TRUE(cancel->GetCancel());
                      EXPECT_EQ(custom->GetCaption(), "> Use the prediction");
                      EXPECT_EQ(custom->GetModalResult(), 100);
                      auto* radio = dynamic_cast<testing::TShapedRadioButton*>(form.FindComponent("Radio1"));
                      ASSERT_NE(radio, nullptr);
                      EXPECT_EQ(radio->GetCaption(), "(Sunspot number)");
                      EXPECT_TRUE(radio->GetChecked());
                      EXPECT_EQ(radio->Font().GetSize(), 8);
                      EXPECT_EQ(dialog->GetRadioButtonResult(), 201);
                      dialog->Calls.clear();
                      ui.Simulator().Click(*cancel, {5, 5});
                  },
                  {}),
              2);
    EXPECT_THAT(clicked, ElementsAre(2));
    EXPECT_THAT(dialog->Calls, ElementsAre("get result Cancel")) << "the click reports the button's result";
}

class MessageFormTest : public ::testing::Test {
protected:
    MessageFormTest()
    {
        owner = new TForm(Application);
        dialog = new TVezTaskDialog(owner);
        dialog->SetNonNativeDialog(nndAlways);
        dialog->SetTitle("Solar flux");
        dialog->SetInstruction("The download failed");
        dialog->SetContent("The predicted flux of the month is used.");
    }

    // The form built from the dialog's settings, not shown.
    struct FormDeleter {
        void operator()(TVezMessageForm* Form) const { delete Form; }
    };
    std::unique_ptr<TVezMessageForm, FormDeleter> Build()
    {
        return std::unique_ptr<TVezMessageForm, FormDeleter>(TVezMessageForm::CreateMessageForm(*dialog));
    }

    static TVezMessageForm* Shown() { return dynamic_cast<TVezMessageForm*>(Screen->ActiveForm()); }

    int ExecuteWith(TFormStep Step, TFormStep Then = {}) { return ExecuteWhileShown(ui, *dialog, Step, Then); }

    template <typename T>
    static T* Find(TVezMessageForm& Form, const std::string& Name)
    {
        return dynamic_cast<T*>(Form.FindComponent(Name));
    }

    UiTestEnvironment ui;
    TForm* owner = nullptr;
    TVezTaskDialog* dialog = nullptr;
};

TEST_F(MessageFormTest, MetricsComeFromTheAverageCharacterOfTheMessageFont)
{
    auto form = Build();
    const TMessageFormMetrics expected = MessageFormMetrics(AverageCharSize(form->Canvas()));
    EXPECT_GT(expected.HorzMarginPx, 0);
    EXPECT_EQ(form->Metrics().HorzMarginPx, expected.HorzMarginPx);
    EXPECT_EQ(form->Metrics().VertSpacingPx, expected.VertSpacingPx);
    EXPECT_EQ(form->Metrics().ButtonHeightPx, expected.ButtonHeightPx);
    EXPECT_EQ(Find<TButton>(*form, "OK")->GetHeight(), expected.ButtonHeightPx);
}

TEST_F(MessageFormTest, CommonButtonsGetTheirCaptionsResultsAndTheDefaultAndCancelSlots)
{
    struct Case {
        TCommonButtons shown;
        int defaultButton;
        TTaskDialogOptions options;
        const char* defaultName;  // nullptr: none
        std::vector<const char*> cancelNames;
    };
    const Case cases[] = {
        {{cbYes, cbNo}, 0, {doAllowDialogCancel}, "Yes", {"No"}},
        {{cbYes, cbNo}, 0, {}, "Yes", {}},
        {{cbOK, cbCancel}, 0, {}, "OK", {"Cancel"}},
        {{cbRetry, cbCancel}, 4, {}, nullptr, {"Cancel"}},
        {{cbOK, cbRetry}, 4, {}, "OK", {}},
        {{cbYes, cbNo}, 7, {doAllowDialogCancel}, "No", {}},
        {{cbOK, cbCancel}, -1, {}, nullptr, {"OK", "Cancel"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.defaultButton);
        dialog->SetCommonButtons(c.shown);
        dialog->SetDefaultButton(c.defaultButton);
        dialog->SetOptions(c.options);
        auto form = Build();
        for (int b = cbOK; b <= cbClose; ++b) {
            const TCommonButtonInfo& info = CommonButtonInfo(static_cast<TCommonButton>(b));
            auto* button = Find<TButton>(*form, info.Name);
            ASSERT_EQ(button != nullptr, c.shown.Contains(static_cast<TCommonButton>(b))) << info.Name;
            if (!button)
                continue;
            EXPECT_EQ(button->GetCaption(), info.Caption);
            EXPECT_EQ(button->GetModalResult(), info.ModalResult);
            EXPECT_EQ(button->GetDefault(), c.defaultName && std::string(c.defaultName) == info.Name) << info.Name;
            const bool cancel = std::find_if(c.cancelNames.begin(), c.cancelNames.end(), [&](const char* n) {
                                    return std::string(n) == info.Name;
                                }) != c.cancelNames.end();
            EXPECT_EQ(button->GetCancel(), cancel) << info.Name;
            EXPECT_EQ(button->GetTabStop(), c.defaultButton != -1) << info.Name;
        }
    }
    EXPECT_TRUE(dialog->GetOptions().Contains(doAllowDialogCancel)) << "a Cancel button allows cancelling";
}

TEST_F(MessageFormTest, WithoutButtonsALoneOkIsTheDefaultAndReturnsOne)
{
    auto form = Build();
    auto* ok = Find<TButton>(*form, "OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->GetDefault());
    EXPECT_EQ(ok->GetModalResult(), 1);
    EXPECT_FALSE(ok->GetCancel());
    form.reset();

    EXPECT_EQ(ExecuteWith([&](TVezMessageForm&) { ui.Simulator().KeyPress(VK_RETURN); }), 1);
}

TEST_F(MessageFormTest, TheCloseButtonIsAnAbortButtonReturningThree)
{
    dialog->SetCommonButtons({cbClose});
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm& form) {
                  auto* abort = Find<TButton>(form, "Abort");
                  ASSERT_NE(abort, nullptr);
                  EXPECT_EQ(abort->GetCaption(), "&Abort");
                  ui.Simulator().Click(*abort, {5, 5});
              }),
              3);
}

TEST_F(MessageFormTest, CustomButtonsReturnTheirIdentifiersAndTheFirstIsDefaultAndFocused)
{
    for (const char* caption : {"Retry", "Use the prediction"})
        dialog->CustomButtons().Add(caption);
    std::vector<int> clicked;
    dialog->OnDialogButtonClick = [&](TObject*, int Id) { clicked.push_back(Id); };

    EXPECT_EQ(ExecuteWith([&](TVezMessageForm& form) {
                  auto* first = Find<TButton>(form, "CSButton0");
                  auto* second = Find<TButton>(form, "CSButton1");
                  ASSERT_TRUE(first && second);
                  EXPECT_TRUE(first->GetDefault());
                  EXPECT_FALSE(second->GetDefault());
                  EXPECT_EQ(FocusManager::Focused(), first);
                  EXPECT_EQ(first->GetTop(), second->GetTop()) << "one row";
                  EXPECT_LT(first->GetLeft(), second->GetLeft());
                  ui.Simulator().Click(*second, {5, 5});
              }),
              101);
    EXPECT_THAT(clicked, ElementsAre(101));
}

TEST_F(MessageFormTest, CommandLinksAreSizedFromTheirCaptionsAndAnswerKeysAndAccelerators)
{
    dialog->SetOptions({doCommandLinks});
    dialog->CustomButtons().Add("&Close this warning\\nThe month's predicted flux is used");
    dialog->CustomButtons().Add("&Type a flux");
    dialog->SetDefaultButton(101);
    auto form = Build();
    auto* first = Find<TTaskDialogButton>(*form, "Button0");
    auto* second = Find<TTaskDialogButton>(*form, "Button1");
    ASSERT_TRUE(first && second);
    TFont heading;
    heading.Assign(first->HeadingFont());
    EXPECT_EQ(heading.GetSize(), 11);
    EXPECT_TRUE(heading.GetStyle().Contains(fsBold));
    EXPECT_EQ(first->Font().GetColor(), TColor(0xC45300));
    EXPECT_EQ(first->GetModalResult(), 100);
    EXPECT_EQ(second->GetModalResult(), 101);
    const TCommandLinkSize twoLines = MeasureCommandLink(&form->Canvas(), first->GetCaption(), heading, true, true, 0,
                                                         first->Font());
    EXPECT_GE(first->GetHeight(), twoLines.HeightPx);
    EXPECT_GT(first->GetHeight(), second->GetHeight()) << "the note takes a line";
    EXPECT_EQ(first->GetLeft() + first->GetWidth(), form->GetClientWidth() - form->Metrics().HorzMarginPx);
    EXPECT_EQ(second->GetTop(), first->GetTop() + first->GetHeight() + 2);
    EXPECT_GE(form->GetClientWidth(), twoLines.WidthPx + 26);
    EXPECT_EQ(Find<TButton>(*form, "OK"), nullptr) << "command links are buttons enough";
    form.reset();

    // The default command link has the focus; Enter and space press it, Alt and a letter the
    // link it marks.
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm& shown) {
                  EXPECT_EQ(FocusManager::Focused(), Find<TTaskDialogButton>(shown, "Button1"));
                  ui.Simulator().KeyPress(VK_SPACE);
              }),
              101);
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm&) { ui.Simulator().KeyPress(VK_RETURN); }), 101);
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm&) { ui.Simulator().KeyPress('C', {ssAlt}); }), 100);
}

TEST_F(MessageFormTest, ButtonsAreFoundByTheirResultsAndOnlyShownOnesAreClickedOrEnabled)
{
    dialog->SetCommonButtons({cbYes, cbNo});
    dialog->CustomButtons().Add("Later");
    auto form = Build();
    EXPECT_EQ(form->FindDialogButton(6), Find<TButton>(*form, "Yes"));
    EXPECT_EQ(form->FindDialogButton(7), Find<TButton>(*form, "No"));
    EXPECT_EQ(form->FindDialogButton(100), Find<TButton>(*form, "CSButton0"));
    for (int missing : {0, 1, 2, 3, 4, 99, 101, 200, -1})
        EXPECT_EQ(form->FindDialogButton(missing), nullptr) << missing;
    form->EnableDialogButton(7, false);
    EXPECT_FALSE(form->FindDialogButton(7)->GetEnabled()) << "finding a button leaves it as it was";
    form.reset();

    EXPECT_EQ(ExecuteWith([&](TVezMessageForm&) {
                  dialog->ClickButton(2);  // not shown
                  dialog->EnableButton(7, false);
                  dialog->ClickButton(7);  // disabled
                  dialog->ClickButton(100);
              }),
              100);
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm&) { dialog->ClickButton(6); }), 6);
}

TEST_F(MessageFormTest, TheRadioResultIsTheDefaultUntilTheUserChoosesAndATextChangeKeepsTheChoice)
{
    dialog->RadioButtons().Add("Solar flux");
    dialog->RadioButtons().Add("Sun spots");
    dialog->SetDefaultRadioButton(201);
    std::vector<int> clicks;
    dialog->OnDialogRadioClick = [&](TObject*, int Id) { clicks.push_back(Id); };

    EXPECT_EQ(ExecuteWith([&](TVezMessageForm& form) {
                  auto* first = Find<TRadioButton>(form, "Radio0");
                  auto* second = Find<TRadioButton>(form, "Radio1");
                  ASSERT_TRUE(first && second);
                  EXPECT_TRUE(second->GetChecked());
                  EXPECT_FALSE(first->GetChecked());
                  EXPECT_EQ(dialog->GetRadioButtonResult(), 201);
                  EXPECT_TRUE(clicks.empty()) << "the initial choice is no click";
                  ui.Simulator().Click(*first, {3, 3});
                  dialog->SetContent("A new text while shown");
                  dialog->SetInstruction("A longer instruction while the dialog is shown");
                  EXPECT_EQ(Find<TLabel>(form, "Instr")->GetCaption(), "A longer instruction while the dialog is shown");
                  EXPECT_TRUE(first->GetChecked());
                  dialog->ClickButton(1);
              }),
              1);
    EXPECT_EQ(dialog->GetRadioButtonResult(), 200);
    EXPECT_THAT(clicks, ElementsAre(200));

    dialog->SetOptions({doNoDefaultRadioButton});
    auto form = Build();
    EXPECT_FALSE(Find<TRadioButton>(*form, "Radio0")->GetChecked());
    EXPECT_FALSE(Find<TRadioButton>(*form, "Radio1")->GetChecked());
    EXPECT_EQ(dialog->GetRadioButtonResult(), 0);
}

TEST_F(MessageFormTest, TheExpandButtonShowsAndHidesTheExpandedTextAndItsAcceleratorsToggle)
{
    dialog->SetExpandedText("The bulletin server did not answer within 10 s.");
    dialog->SetExpandControlText("&Hide details");
    dialog->SetCollapsControlText("&Show details");
    dialog->SetCommonButtons({cbOK});
    auto form = Build();
    EXPECT_FALSE(form->GetExpanded()) << "collapsed unless doExpandedDefault";
    EXPECT_EQ(form->GetExpandedTextRect(), (TRect{-1, -1, -1, -1}));
    const int collapsedHeight = form->GetClientHeight();
    auto* expand = Find<TTaskDialogButton>(*form, "ExpandButton");
    ASSERT_NE(expand, nullptr);
    expand->Click();
    EXPECT_TRUE(form->GetExpanded());
    EXPECT_GT(form->GetClientHeight(), collapsedHeight);
    EXPECT_GT(form->GetExpandedTextRect().Height(), 0);
    form.reset();

    dialog->SetOptions({doExpandedDefault});
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm& shown) {
                  EXPECT_TRUE(shown.GetExpanded());
                  ui.Simulator().KeyPress('H', {ssAlt});
                  EXPECT_FALSE(shown.GetExpanded());
                  ui.Simulator().KeyPress('S', {ssAlt});
                  EXPECT_TRUE(shown.GetExpanded());
                  dialog->ClickButton(1);
              }),
              1);
}

TEST_F(MessageFormTest, ClosingByKeysAndByTheWindowManagerNeedsDialogCancel)
{
    dialog->SetCommonButtons({cbYes, cbNo});
    // Without doAllowDialogCancel: Alt+F4, Escape and the close request are refused.
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm& form) {
                  ui.Simulator().KeyPress(VK_F4, {ssAlt});
                  ui.Simulator().KeyPress(VK_ESCAPE);
                  form.Perform(WM_CLOSE);
                  EXPECT_TRUE(form.GetVisible());
                  EXPECT_EQ(form.GetModalResult(), mrNone);
                  dialog->ClickButton(7);
              }),
              7);

    dialog->SetOptions({doAllowDialogCancel});
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm&) { ui.Simulator().KeyPress(VK_ESCAPE); }), 2);
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm& form) { form.Perform(WM_CLOSE); }), 2);
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm&) { dialog->Close(); }), 2) << "the component's Close";
}

TEST_F(MessageFormTest, ATextChangedWhileShownLaysTheFormOutAgain)
{
    dialog->SetCommonButtons({cbOK});
    ExecuteWith([&](TVezMessageForm& form) {
        const int height = form.GetClientHeight();
        const int buttonTop = Find<TButton>(form, "OK")->GetTop();
        dialog->SetContent("First line\\nSecond line\\nThird line\\nFourth line");
        EXPECT_GT(form.GetClientHeight(), height);
        EXPECT_GT(Find<TButton>(form, "OK")->GetTop(), buttonTop) << "the button row moves down";
        EXPECT_GE(form.GetFooterRect().Top, form.GetContentRect().Bottom);
        dialog->SetFooter("A footer that was not there");
        EXPECT_GT(form.GetClientHeight(), height);
        dialog->ClickButton(1);
    });
}

TEST_F(MessageFormTest, OnDialogCloseCanKeepTheFormOpen)
{
    dialog->SetCommonButtons({cbOK, cbCancel});
    int asked = 0;
    dialog->OnDialogClose = [&](TObject*, bool& CanClose) { CanClose = ++asked > 1; };
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm&) { dialog->ClickButton(1); },
                          [&](TVezMessageForm& form) {
                              EXPECT_TRUE(form.GetVisible()) << "refused once";
                              EXPECT_EQ(form.GetModalResult(), mrNone);
                              dialog->ClickButton(2);
                          }),
              2);
    EXPECT_EQ(asked, 2);
}

TEST_F(MessageFormTest, CtrlCCopiesTheTextsAndF1ShowsTheHelp)
{
    dialog->SetHelpContext(42);
    Application->SetHelpFile("SKELDA.CHM");
    ExecuteWith([&](TVezMessageForm&) {
        ui.Simulator().KeyPress('C', {ssCtrl});
        ui.Simulator().KeyPress(VK_F1);
        dialog->ClickButton(1);
    });
    EXPECT_EQ(GetClipboardText(), "Solar flux\r\nThe download failed\r\nThe predicted flux of the month is used.\r\n\r\n");
    EXPECT_EQ(ui.Base().Beeper().Count(), 1);
    ASSERT_EQ(ui.Base().Help().Requests().size(), 1u);
    EXPECT_EQ(ui.Base().Help().Requests()[0].ContextId, 42);
}

TEST_F(MessageFormTest, TheTimerDrivesTheProgressBarAndTheAutoClose)
{
    dialog->SetOptions({doProgressBar, doTimer});
    dialog->SetAutoClose(true);
    dialog->SetAutoCloseTimeOut(1000);
    int ticks = 0;
    dialog->OnDialogTimer = [&](TObject*) { ++ticks; };
    dialog->OnDialogProgress = [&](TObject*, std::int32_t& Pos, TTaskDialogProgressState&) { Pos += 5; };
    int position = 0;
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm& form) {
                  auto* bar = Find<TProgressBar>(form, "ProgressBar");
                  ASSERT_NE(bar, nullptr);
                  EXPECT_EQ(bar->GetWidth(), form.GetClientWidth() - 2 * form.Metrics().HorzMarginPx);
                  ui.Clock().Advance(1000);
                  position = bar->GetPosition();
                  EXPECT_TRUE(form.GetVisible()) << "1000 ms is not past the time-out";
                  ui.Clock().Advance(100);
              }),
              2);
    EXPECT_EQ(position, 50);
    EXPECT_EQ(ticks, 11);
}

TEST_F(MessageFormTest, ALinkOpensThroughTheShellOnlyForWebAndMail)
{
    dialog->SetOptions({doHyperlinks});
    struct Case {
        const char* href;
        bool opened;
    };
    for (const Case c : {Case{"https://www.example.org/flux", true}, Case{"mailto:op@example.org", true},
                         Case{"file:///etc/passwd", false}}) {
        SCOPED_TRACE(c.href);
        dialog->SetContent(std::string("See <a href=\"") + c.href + "\">the bulletin</a> for details.");
        const std::size_t before = ui.Base().Shell().Opened().size();
        ExecuteWith([&](TVezMessageForm& form) {
            const TRect content = form.GetContentRect();
            TPoint link{-1, -1};
            for (int x = content.Left; x < content.Right && link.X < 0; ++x)
                for (int y = content.Top; y < content.Bottom && link.X < 0; ++y)
                    if (!form.AnchorAt({x, y}).empty())
                        link = {x, y};
            ASSERT_GE(link.X, 0) << "the link is found in the content";
            EXPECT_EQ(form.AnchorAt(link), c.href);
            ui.Simulator().Click(form, link);
            dialog->ClickButton(1);
        });
        EXPECT_EQ(ui.Base().Shell().Opened().size(), before + (c.opened ? 1 : 0));
    }

    std::vector<std::string> handled;
    dialog->OnDialogHyperlinkClick = [&](TObject*, const std::string& HRef) { handled.push_back(HRef); };
    dialog->SetFooter("<a href=\"app:setup\">Setup</a>");
    const std::size_t before = ui.Base().Shell().Opened().size();
    ExecuteWith([&](TVezMessageForm& form) {
        const TRect footer = form.GetFooterRect();
        ui.Simulator().Click(form, {footer.Left + 3, footer.Top + 12});
        dialog->ClickButton(1);
    });
    EXPECT_THAT(handled, ElementsAre("app:setup"));
    EXPECT_EQ(ui.Base().Shell().Opened().size(), before);
}

TEST_F(MessageFormTest, TheClientWidthRespectsTheMinimumAndTheScreen)
{
    dialog->SetNonNativeMinFormWidth(450);
    EXPECT_EQ(Build()->GetClientWidth(), 450);

    dialog->SetNonNativeMinFormWidth(20000);
    EXPECT_EQ(Build()->GetClientWidth(), Screen->Width() - 2 * GetSystemMetrics(SM_CYEDGE));
}

TEST_F(MessageFormTest, WithoutTitleAndInstructionTheProgramNamesTheDialogAndTheContentStartsAtTheMargin)
{
    dialog->SetTitle("");
    dialog->SetInstruction("");
    dialog->SetIcon(tiNotUsed);
    auto form = Build();
    EXPECT_EQ(form->GetCaption(), "test_foundation");
    EXPECT_FALSE(Find<TLabel>(*form, "Instr")->GetVisible());
    EXPECT_EQ(form->GetContentRect().Top, form->Metrics().VertMarginPx);
    EXPECT_EQ(form->GetContentRect().Left, form->Metrics().HorzMarginPx);
}

TEST_F(MessageFormTest, TheInstructionAndCommandLinksStartPastTheIconOrAtTheMargin)
{
    dialog->SetOptions({doCommandLinks});
    dialog->CustomButtons().Add("Close this warning");
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    TIcon redIcon, noIcon;
    redIcon.LoadFromImage(red);
    struct Case {
        const char* name;
        TTaskDialogIcon icon;
        bool customIcon;
        bool iconRoom;
    };
    const Case cases[] = {
        {"stock icon", tiWarning, false, true},
        {"custom icon without a stock one", tiNotUsed, true, true},
        {"no icon", tiNotUsed, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialog->SetIcon(c.icon);
        dialog->SetCustomIcon(c.customIcon ? redIcon : noIcon);
        auto form = Build();
        const TMessageFormMetrics& m = form->Metrics();
        const int textLeft = m.HorzMarginPx + (c.iconRoom ? 32 + m.HorzSpacingPx : 0);
        EXPECT_EQ(Find<TImage>(*form, "Image") != nullptr, c.iconRoom);
        EXPECT_EQ(Find<TLabel>(*form, "Instr")->GetLeft(), textLeft) << "the instruction never covers the icon";
        EXPECT_EQ(form->GetContentRect().Left, textLeft);
        EXPECT_EQ(Find<TTaskDialogButton>(*form, "Button0")->GetLeft(), textLeft);
    }
}

TEST_F(MessageFormTest, RightToLeftTheWholeFormIsTheMirrorImageOfItsLeftToRightLayout)
{
    dialog->SetIcon(tiWarning);
    dialog->SetNonNativeMinFormWidth(600);
    dialog->SetContent("See <a href=\"https://www.swpc.noaa.gov\">the space weather service</a>.");
    dialog->SetInputType(itEdit);
    dialog->SetInputText("F6ABC");
    dialog->RadioButtons().Add("Solar flux");
    dialog->RadioButtons().Add("Sunspot number");
    dialog->SetVerificationText("Do not ask again");
    dialog->SetExpandedText("The server did not answer within 10 s.");
    dialog->SetFooter("You can always type a flux.");
    dialog->SetFooterIcon(tfiInformation);
    auto mirrored = [&](const TRect& r, int width) { return TRect{width - r.Right, r.Top, width - r.Left, r.Bottom}; };
    for (const bool commandLinks : {false, true}) {
        SCOPED_TRACE(commandLinks ? "command links" : "push buttons");
        dialog->CustomButtons().Clear();
        dialog->CustomButtons().Add("Use the prediction");
        dialog->SetCommonButtons({cbOK, cbCancel});
        dialog->SetOptions(commandLinks ? TTaskDialogOptions{doCommandLinks, doProgressBar, doExpandedDefault}
                                        : TTaskDialogOptions{doHyperlinks, doProgressBar, doExpandedDefault});
        auto leftToRight = Build();
        Application->SetBiDiMode(bdRightToLeft);
        auto rightToLeft = Build();
        Application->SetBiDiMode(bdLeftToRight);

        const int width = leftToRight->GetClientWidth();
        ASSERT_EQ(rightToLeft->GetClientWidth(), width);
        ASSERT_EQ(rightToLeft->ControlCount(), leftToRight->ControlCount());
        for (int i = 0; i < leftToRight->ControlCount(); ++i) {
            TControl* control = leftToRight->Controls(i);
            EXPECT_EQ(rightToLeft->Controls(i)->GetBoundsRect(), mirrored(control->GetBoundsRect(), width))
                << control->ClassName() << " " << control->GetName();
        }
        EXPECT_EQ(rightToLeft->GetContentRect(), mirrored(leftToRight->GetContentRect(), width));
        EXPECT_EQ(rightToLeft->GetExpandedTextRect(), mirrored(leftToRight->GetExpandedTextRect(), width));

        // The icon on the right, the instruction and the field beside it, the field a margin off
        // the left edge.
        const TMessageFormMetrics& m = rightToLeft->Metrics();
        auto* icon = Find<TImage>(*rightToLeft, "Image");
        EXPECT_EQ(icon->GetLeft() + icon->GetWidth(), width - m.HorzMarginPx);
        auto* instruction = Find<TLabel>(*rightToLeft, "Instr");
        EXPECT_EQ(instruction->GetLeft() + instruction->GetWidth(), icon->GetLeft() - m.HorzSpacingPx);
        TWinControl* field = rightToLeft->InputControl();
        EXPECT_EQ(field->GetLeft() + field->GetWidth(), icon->GetLeft() - m.HorzSpacingPx);
        EXPECT_EQ(field->GetLeft(), m.HorzMarginPx);
        EXPECT_EQ(Find<TRadioButton>(*rightToLeft, "Radio0")->GetAlignment(), taLeftJustify) << "box on the right";
        EXPECT_EQ(Find<TCheckBox>(*rightToLeft, "Verification")->GetAlignment(), taLeftJustify);
        if (commandLinks) {
            EXPECT_TRUE(Find<TTaskDialogButton>(*rightToLeft, "Button0")->UseRightToLeftAlignment());
        } else {
            // The link is found where it is drawn: against the right edge of the content.
            const TRect content = rightToLeft->GetContentRect();
            int linkLeft = -1;
            for (int x = content.Left; x < content.Right && linkLeft < 0; ++x)
                if (rightToLeft->AnchorAt({x, content.Top + content.Height() / 2}) == "https://www.swpc.noaa.gov")
                    linkLeft = x;
            EXPECT_GT(linkLeft, content.Left + content.Width() / 2);
        }
    }
}

TEST_F(MessageFormTest, ATextChangedWhileShownKeepsTheCommandLinksWidthAndTheScreenLimit)
{
    dialog->SetOptions({doCommandLinks});
    dialog->CustomButtons().Add("Use the flux predicted for this month and keep it for the next start\\nThe "
                                "bulletin is asked for again at the next start");
    ExecuteWith([&](TVezMessageForm& form) {
        const int width = form.GetClientWidth();
        ASSERT_GT(width, dialog->GetNonNativeMinFormWidth()) << "the command link sets the width";
        dialog->SetContent("Short.");
        EXPECT_EQ(form.GetClientWidth(), width);
        auto* link = Find<TTaskDialogButton>(form, "Button0");
        EXPECT_EQ(link->GetLeft() + link->GetWidth(), width - form.Metrics().HorzMarginPx);
        dialog->ClickButton(100);
    });

    dialog->SetNonNativeMinFormWidth(20000);
    ExecuteWith([&](TVezMessageForm& form) {
        dialog->SetInstruction("Another instruction");
        EXPECT_EQ(form.GetClientWidth(), Screen->Width() - 2 * GetSystemMetrics(SM_CYEDGE));
        dialog->ClickButton(100);
    });
}

// The activation states that reached the default handling of the form's window.
struct TActivationRecordingForm : TVezMessageForm {
    TActivationRecordingForm(std::vector<WPARAM>& Defaulted) : TVezMessageForm(Application, 0), FDefaulted(Defaulted) {}
    void DefaultHandler(TMessage& Message) override
    {
        if (Message.Msg == WM_ACTIVATE)
            FDefaulted.push_back(Message.WParam);
        TVezMessageForm::DefaultHandler(Message);
    }
    std::vector<WPARAM>& FDefaulted;
};

TEST_F(MessageFormTest, ActivationRaisesTheFormAndGoesOnToTheDefaultHandling)
{
    dialog->SetCommonButtons({cbOK, cbCancel});
    std::vector<WPARAM> defaulted;
    auto* form = new TActivationRecordingForm(defaulted);
    form->BuildTaskDialog(*dialog);
    ui.Queue().WhenIdle([&] {
        EXPECT_THAT(defaulted, ElementsAre(WA_ACTIVE)) << "shown and activated";
        TWinControl* focused = FocusManager::Focused();
        EXPECT_EQ(focused, form->FindDialogButton(1));
        const WindowRestackCounter restacked(*form);
        form->Perform(WM_ACTIVATE, WA_INACTIVE);
        EXPECT_EQ(restacked.Count(), 0) << "never raised as it loses the activation";
        form->Perform(WM_ACTIVATE, WA_CLICKACTIVE);
        EXPECT_EQ(restacked.Count(), 1);
        EXPECT_THAT(defaulted, ElementsAre(WA_ACTIVE, WA_INACTIVE, WA_CLICKACTIVE));
        EXPECT_EQ(FocusManager::Focused(), focused) << "the focused control is kept";
        form->ClickDialogButton(1);
    });
    EXPECT_EQ(TVezMessageForm::ExecuteMessageForm(*dialog, -1, -1, form), 1);
}

TEST_F(MessageFormTest, ExecuteShowsTheFormByDefaultAndForgetsItAfterwards)
{
    dialog->SetCommonButtons({cbOK});
    bool created = false;
    dialog->OnDialogCreated = [&](TObject*) { created = true; };
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm&) { dialog->ClickButton(1); }), 1);
    EXPECT_TRUE(created);
    EXPECT_EQ(Shown(), nullptr);
    for (int i = 0; i < Screen->FormCount(); ++i)
        EXPECT_EQ(dynamic_cast<TVezMessageForm*>(Screen->Forms(i)), nullptr) << "the form is freed";
}

TEST_F(MessageFormTest, AComponentFreedByItsOwnHandlerClosesTheFormWhichEndsWithoutIt)
{
    dialog->SetCommonButtons({cbOK});
    dialog->SetOptions({doTimer});
    int closeEvents = 0;
    dialog->OnDialogClose = [&](TObject*, bool&) { ++closeEvents; };
    dialog->OnDialogTimer = [&](TObject*) { delete dialog; };
    auto* executing = dialog;
    ui.Queue().WhenIdle([&] {
        ui.Clock().Advance(100);
        ASSERT_NE(Shown(), nullptr);
        Shown()->Invalidate();
        ui.Simulator().KeyPress('C', {ssCtrl});
    });
    EXPECT_EQ(executing->Execute(), 2);
    EXPECT_EQ(closeEvents, 0) << "no close event from a freed component";
    EXPECT_EQ(owner->ComponentCount(), 0);
}

class InputDialogTest : public ::testing::Test {
protected:
    InputDialogTest()
    {
        owner = new TForm(Application);
        dialog = new TVezInputTaskDialog(owner);
        dialog->SetTitle("Station");
        dialog->SetInstruction("Your call sign");
        dialog->SetContent("It is shown in the title of the predictions.");
        dialog->SetCommonButtons({cbOK, cbCancel});
    }

    int ExecuteWith(TFormStep Step, TFormStep Then = {}) { return ExecuteWhileShown(ui, *dialog, Step, Then); }

    UiTestEnvironment ui;
    TForm* owner = nullptr;
    TVezInputTaskDialog* dialog = nullptr;
};

TEST_F(InputDialogTest, EachKindOfFieldIsFilledFromInputTextAndAnAcceptingButtonReadsBackWhatItShows)
{
    dialog->InputItems().Add("F6ABC");
    dialog->InputItems().Add("DL1XYZ");
    dialog->SetCommonButtons({cbOK, cbYes, cbCancel});
    const std::string today = FormatDateTime(FormatSettings().ShortDateFormat, ui.Clock().Date());
    struct Case {
        TInputType type;
        const char* className;
        const char* initial;
        const char* typed;  // nullptr: closed without a change
        int button;
        std::string result;
    };
    const Case cases[] = {
        {itEdit, "TEdit", "F6ABC", "/P", 1, "F6ABC/P"},
        {itEdit, "TEdit", "F6ABC", "/M", 6, "F6ABC/M"},
        {itMemo, "TMemo", "First line\r\nSecond line", nullptr, 1, "First line\r\nSecond line"},
        {itMemo, "TMemo", "First line\nSecond line", nullptr, 1, "First line\nSecond line"},
        {itComboEdit, "TComboBox", "DL1XYZ", "/M", 1, "DL1XYZ/M"},
        {itComboList, "TComboBox", "DL1XYZ", nullptr, 1, "DL1XYZ"},
        {itComboList, "TComboBox", "K1ABC", nullptr, 1, ""},
        {itDate, "TDateTimePicker", "24/12/2026", nullptr, 1, "24/12/2026"},
        {itDate, "TDateTimePicker", "F6ABC", nullptr, 1, today},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.className) + " " + c.initial);
        dialog->SetInputType(c.type);
        dialog->SetInputText(c.initial);
        EXPECT_EQ(ExecuteWith([&](TVezMessageForm& form) {
                      TWinControl* field = form.InputControl();
                      ASSERT_NE(field, nullptr);
                      EXPECT_EQ(field->ClassName(), c.className);
                      EXPECT_EQ(FocusManager::Focused(), field) << "the field has the focus";
                      EXPECT_TRUE(field->GetTabStop());
                      EXPECT_EQ(GetParentForm(field), &form);
                      if (c.typed) {
                          ui.Simulator().KeyPress(VK_END);
                          ui.Simulator().TypeText(c.typed);
                      }
                      dialog->ClickButton(c.button);
                  }),
                  c.button);
        EXPECT_EQ(dialog->GetInputText(), c.result);
    }
}

TEST_F(InputDialogTest, EveryWayOfDecliningLeavesInputTextAsItWas)
{
    dialog->InputItems().Add("F6ABC");
    dialog->SetCommonButtons({cbOK, cbNo, cbCancel, cbClose});
    auto* own = new TEdit(owner);
    own->SetParent(owner);
    dialog->SetInputControl(own);
    dialog->OnDialogInputGetText = [](TObject*, std::string& Text) { Text = "read " + Text; };
    struct Case {
        TInputType type;
        const char* initial;
        const char* typed;  // nullptr: declined without a change
    };
    const Case cases[] = {
        {itEdit, "F6ABC", "/P"},
        {itMemo, "First line\nSecond line", nullptr},
        {itComboEdit, "DL1XYZ", "/M"},
        {itComboList, "K1ABC", nullptr},
        {itDate, "F6ABC", nullptr},
        {itDate, "", nullptr},
        {itCustom, "JN18", "/2"},
    };
    const std::pair<const char*, TFormStep> ways[] = {
        {"Cancel", [&](TVezMessageForm&) { dialog->ClickButton(2); }},
        {"No", [&](TVezMessageForm&) { dialog->ClickButton(7); }},
        {"Abort", [&](TVezMessageForm&) { dialog->ClickButton(3); }},
        {"Escape", [&](TVezMessageForm&) { ui.Simulator().KeyPress(VK_ESCAPE); }},
        {"close box", [&](TVezMessageForm& form) { form.Perform(WM_CLOSE); }},
    };
    for (const Case& c : cases) {
        for (const auto& [way, decline] : ways) {
            SCOPED_TRACE(std::string(c.initial) + " " + way);
            dialog->SetInputType(c.type);
            dialog->SetInputText(c.initial);
            ExecuteWith([&](TVezMessageForm& form) {
                if (c.typed) {
                    ui.Simulator().KeyPress(VK_END);
                    ui.Simulator().TypeText(c.typed);
                }
                decline(form);
            });
            EXPECT_EQ(dialog->GetInputText(), c.initial);
        }
    }
}

TEST_F(InputDialogTest, AComboListWithATextNotAmongItsItemsSelectsNothing)
{
    dialog->SetInputType(itComboList);
    dialog->InputItems().Add("F6ABC");
    dialog->SetInputText("K1ABC");
    ExecuteWith([&](TVezMessageForm& form) {
        auto* combo = dynamic_cast<TComboBox*>(form.InputControl());
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->GetItemIndex(), -1);
        EXPECT_EQ(combo->GetStyle(), csDropDownList);
        dialog->ClickButton(2);
    });
}

TEST_F(InputDialogTest, ValidationKeepsTheFormOpenAndShowsTheCorrectedValueAlsoOnCancel)
{
    std::vector<std::string> seen;
    dialog->SetValidateData(77);
    dialog->OnValidateInputText = [&](TObject* Sender, std::string& NewValue, std::int32_t Data,
                                      std::int32_t ModalResult, bool& IsValid) {
        EXPECT_EQ(Sender, dialog);
        EXPECT_EQ(Data, 77);
        seen.push_back(NewValue + " " + std::to_string(ModalResult));
        IsValid = NewValue == "F6ABC";
        if (!IsValid)
            NewValue = "F6ABC";
    };
    dialog->SetInputText("f6abc");
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm&) { dialog->ClickButton(2); },
                          [&](TVezMessageForm& form) {
                              EXPECT_TRUE(form.GetVisible()) << "refused";
                              EXPECT_EQ(form.InputControl()->GetText(), "F6ABC") << "the corrected value is shown";
                              EXPECT_EQ(FocusManager::Focused(), form.InputControl());
                              dialog->ClickButton(1);
                          }),
              1);
    EXPECT_THAT(seen, ElementsAre("f6abc 2", "F6ABC 1"));
    EXPECT_EQ(dialog->GetInputText(), "F6ABC");
}

TEST_F(InputDialogTest, AnUnreadableDateFromTheValidationLeavesThePickerAndKeepsTheFormOpen)
{
    dialog->SetInputType(itDate);
    dialog->SetInputText("24/12/2026");
    int asked = 0;
    dialog->OnValidateInputText = [&](TObject*, std::string& NewValue, std::int32_t, std::int32_t, bool& IsValid) {
        IsValid = ++asked > 1;
        if (!IsValid)
            NewValue = "next Tuesday";
    };
    EXPECT_EQ(ExecuteWith([&](TVezMessageForm&) { dialog->ClickButton(1); },
                          [&](TVezMessageForm& form) {
                              EXPECT_TRUE(form.GetVisible()) << "refused";
                              auto* picker = dynamic_cast<TDateTimePicker*>(form.InputControl());
                              ASSERT_NE(picker, nullptr);
                              EXPECT_EQ(FormatDateTime("dd/mm/yyyy", picker->Date()), "24/12/2026");
                              dialog->ClickButton(1);
                          }),
              1);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(dialog->GetInputText(), "24/12/2026");
}

TEST_F(InputDialogTest, ACallersControlIsBorrowedAndGivenBack)
{
    auto* panel = new TEdit(owner);
    panel->SetParent(owner);
    panel->SetBounds(5, 5, 2000, 22);
    dialog->SetInputType(itCustom);
    dialog->SetInputControl(panel);
    dialog->SetInputText("JN18");
    std::vector<std::string> set;
    dialog->OnDialogInputSetText = [&](TObject*, const std::string& Text) {
        set.push_back(Text);
        panel->SetText("[" + Text + "]");
    };
    dialog->OnDialogInputGetText = [&](TObject* Sender, std::string& Text) {
        EXPECT_NE(dynamic_cast<TVezMessageForm*>(Sender), nullptr) << "the form asks";
        Text = "read " + Text;
    };
    ExecuteWith([&](TVezMessageForm& form) {
        EXPECT_EQ(form.InputControl(), panel);
        EXPECT_EQ(panel->GetParent(), &form);
        EXPECT_TRUE(panel->GetVisible());
        EXPECT_LE(panel->GetLeft() + panel->GetWidth(), form.GetClientWidth()) << "narrowed to the form";
        dialog->ClickButton(1);
    });
    EXPECT_THAT(set, ElementsAre("JN18"));
    EXPECT_EQ(dialog->GetInputText(), "read [JN18]");
    EXPECT_EQ(panel->GetParent(), owner);
    EXPECT_FALSE(panel->GetVisible());

    // Freed with the form in the middle of its run, the form still gives it back.
    {
        const TControlRef<TEdit> alive(panel);
        dialog->OnDialogInputGetText = {};
        auto form = std::unique_ptr<TVezMessageForm>(TVezMessageForm::CreateMessageForm(*dialog));
        EXPECT_EQ(panel->GetParent(), form.get());
        form.reset();
        ASSERT_TRUE(alive) << "the caller's control outlives the form";
        EXPECT_EQ(panel->GetParent(), owner);
    }

    // A control freed by its owner is forgotten.
    delete panel;
    EXPECT_EQ(dialog->GetInputControl(), nullptr);
}

TEST_F(InputDialogTest, TheInputDialogIsAlwaysEmulatedAndMirrorsItsFieldRightToLeft)
{
    EXPECT_TRUE(dialog->GetOptions().Contains(doHyperlinks));
    EXPECT_TRUE(dialog->GetOptions().Contains(doAllowDialogCancel));
    EXPECT_EQ(dialog->GetInputType(), itEdit);
    EXPECT_EQ(dialog->GetInputDropDownCount(), 8);
    dialog->SetExpandedDefault(true);
    dialog->SetExpandedText("Six characters at most.");
    const std::size_t nativeBefore = ui.Dialogs().TaskDialogs().size();
    ExecuteWith([&](TVezMessageForm& form) {
        EXPECT_TRUE(form.GetExpanded());
        dialog->ClickButton(2);
    });
    EXPECT_EQ(ui.Dialogs().TaskDialogs().size(), nativeBefore) << "never the platform's dialog";

    Application->SetBiDiMode(bdRightToLeft);
    dialog->SetIcon(tiInformation);
    auto form = std::unique_ptr<TVezMessageForm>(TVezMessageForm::CreateMessageForm(*dialog));
    Application->SetBiDiMode(bdLeftToRight);
    TWinControl* field = form->InputControl();
    ASSERT_NE(field, nullptr);
    const int leftEdge = form->Metrics().HorzMarginPx + 32 + form->Metrics().HorzSpacingPx;
    EXPECT_EQ(field->GetLeft(), form->Metrics().HorzMarginPx) << "a margin off the left edge";
    EXPECT_EQ(form->GetClientWidth() - field->GetLeft() - field->GetWidth(), leftEdge)
        << "beside the icon, as far from the right edge as it is from the left left to right";
}

TEST_F(InputDialogTest, PicturesOfEachKindOfField)
{
    dialog->InputItems().Add("F6ABC");
    dialog->SetInputText("F6ABC");
    dialog->SetIcon(tiQuestion);
    const std::pair<TInputType, const char*> kinds[] = {
        {itEdit, "edit"}, {itMemo, "memo"}, {itComboEdit, "combo-edit"}, {itComboList, "combo-list"}, {itDate, "date"}};
    for (const auto& [type, name] : kinds) {
        dialog->SetInputType(type);
        ExecuteWith([&](TVezMessageForm& form) {
            Screenshot(form, std::string("task-dialog-input-") + name + ".png");
            dialog->ClickButton(2);
        });
    }
    auto* own = new TEdit(owner);
    own->SetParent(owner);
    own->SetWidth(120);
    dialog->SetInputControl(own);
    dialog->SetInputType(itCustom);
    dialog->SetInputText("JN18");
    ExecuteWith([&](TVezMessageForm& form) {
        Screenshot(form, "task-dialog-input-custom.png");
        dialog->ClickButton(2);
    });
    Application->SetBiDiMode(bdRightToLeft);
    dialog->SetInputType(itEdit);
    ExecuteWith([&](TVezMessageForm& form) {
        Screenshot(form, "task-dialog-right-to-left.png");
        dialog->ClickButton(2);
    });
    Application->SetBiDiMode(bdLeftToRight);
}

TEST_F(MessageFormTest, PicturesOfTypicalDialogs)
{
    // The download warning as the main window shows it.
    dialog->SetTitle("Solar flux");
    dialog->SetInstruction("The solar flux could not be downloaded");
    dialog->SetContent("The flux predicted for this month is used instead. See <a href=\"https://www.swpc.noaa.gov\">the "
                       "space weather service</a>.");
    dialog->SetOptions({doHyperlinks, doCommandLinks, doAllowDialogCancel});
    dialog->SetIcon(tiWarning);
    dialog->SetFooterIcon(tfiInformation);
    dialog->SetFooter("You can always type a flux or a sunspot number.");
    dialog->CustomButtons().Add("Close this warning\\nThe predicted flux stays in the field");
    dialog->SetExpandedText("The server did not answer within 10 s.");
    dialog->SetExpandControlText("Hide details");
    dialog->SetCollapsControlText("Show details");
    dialog->SetOptions({doHyperlinks, doCommandLinks, doAllowDialogCancel, doExpandedDefault});
    ExecuteWith([&](TVezMessageForm& form) {
        Screenshot(form, "task-dialog-download-warning.png");
        const int expandedHeight = form.GetClientHeight();
        form.SetExpanded(false);
        EXPECT_LT(form.GetClientHeight(), expandedHeight);
        Screenshot(form, "task-dialog-download-warning-collapsed.png");
        form.Close();
    });
    Application->SetBiDiMode(bdRightToLeft);
    ExecuteWith([&](TVezMessageForm& form) {
        Screenshot(form, "task-dialog-right-to-left-download-warning.png");
        form.Close();
    });
    Application->SetBiDiMode(bdLeftToRight);

    dialog->Clear();
    dialog->SetTitle("Setup");
    dialog->SetInstruction("Save the station?");
    dialog->SetContent("The new call sign and position are used from the next start on.");
    dialog->SetCommonButtons({cbYes, cbNo, cbCancel});
    ExecuteWith([&](TVezMessageForm& form) {
        Screenshot(form, "task-dialog-common-buttons.png");
        dialog->ClickButton(6);
    });

    dialog->Clear();
    dialog->SetTitle("Prediction");
    dialog->SetInstruction("Which solar value should the prediction use?");
    dialog->SetContent("The value is kept for the next start.");
    dialog->SetIcon(tiQuestion);
    dialog->SetCommonButtons({cbOK, cbCancel});
    dialog->RadioButtons().Add("Solar flux");
    dialog->RadioButtons().Add("Sunspot number");
    dialog->SetVerificationText("Do not ask again");
    dialog->SetOptions({doProgressBar});
    ExecuteWith([&](TVezMessageForm& form) {
        const QImage picture = Screenshot(form, "task-dialog-radio-progress.png");
        // Right of its caption the radio button shows the dialog's white area.
        auto* radio = Find<TRadioButton>(form, "Radio1");
        EXPECT_EQ(PixelAt(picture, radio->GetLeft() + radio->GetWidth() - 5, radio->GetTop() + radio->GetHeight() / 2),
                  clWhite);
        dialog->ClickButton(2);
    });
    Application->SetBiDiMode(bdRightToLeft);
    ExecuteWith([&](TVezMessageForm& form) {
        Screenshot(form, "task-dialog-right-to-left-radio-progress.png");
        dialog->ClickButton(2);
    });
    Application->SetBiDiMode(bdLeftToRight);
}

}  // namespace
}  // namespace skelda::foundation
