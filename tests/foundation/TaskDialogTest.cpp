// The task dialog component: the dialog it asks the platform for, the path it takes, the events
// it turns the dialog's notifications into, and how it steers the dialog while it is shown and
// leaves it alone afterwards.

#include "foundation/IVezMessageForm.h"
#include "foundation/NewlineEscapes.h"
#include "foundation/TCustomVezTaskDialog.h"
#include "ShapingTaskDialog.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TIcon.h"
#include "platform/system/Environment.h"
#include "platform/testing/EventLog.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QBuffer>
#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace skelda::foundation {
namespace {

TEST(NewlineEscapesTest, PairsBreakTheLineUnlessTheTextEscapesThem)
{
    struct Case {
        const char* text;
        const char* expanded;
    };
    for (const Case c : {Case{"", ""}, Case{"no escape \\ here", "no escape \\ here"}, Case{"a\\nb\\n", "a\nb\n"},
                         Case{"literal \\\\n and \\n", "literal \\n and \\n"}})
        EXPECT_EQ(ExpandNewlineEscapes(c.text), c.expanded) << c.text;
}

class TaskDialogTest : public ::testing::Test {
protected:
    TaskDialogTest()
    {
        form = new TForm(Application);
        dialog = new TVezTaskDialog(form);
    }
    ~TaskDialogTest() override { SetMessageFormFactory(DefaultMessageFormFactory()); }

    const TRecordedTaskDialog& Shown() { return ui.Dialogs().TaskDialogs().back(); }
    TTaskDialogConfig ConfigOf()
    {
        dialog->Execute();
        return Shown().Config;
    }

    UiTestEnvironment ui;
    TForm* form = nullptr;
    TVezTaskDialog* dialog = nullptr;
    EventLog log;
};

TEST_F(TaskDialogTest, ExecuteReturnsThePressedButtonAndKeepsTheRadioAndVerificationOutcome)
{
    for (const char* caption : {"Retry", "Use the prediction", "Type a value"})
        dialog->CustomButtons().Add(caption);
    dialog->RadioButtons().Add("Solar flux");
    dialog->RadioButtons().Add("Sun spots");
    dialog->SetVerificationText("Do not show again");
    ui.Dialogs().AnswerTaskDialog(101, 201, true);

    EXPECT_EQ(dialog->Execute(), 101);
    EXPECT_EQ(dialog->GetRadioButtonResult(), 201);
    EXPECT_TRUE(dialog->GetVerifyResult());
    EXPECT_THAT(Shown().Config.Buttons,
                ElementsAre(TTaskDialogButton{100, "Retry"}, TTaskDialogButton{101, "Use the prediction"},
                            TTaskDialogButton{102, "Type a value"}));
    EXPECT_THAT(Shown().Config.RadioButtons,
                ElementsAre(TTaskDialogButton{200, "Solar flux"}, TTaskDialogButton{201, "Sun spots"}));
    EXPECT_EQ(Shown().Config.DefaultRadioButton, 200);
    EXPECT_EQ(dialog->hWnd(), nullptr) << "the dialog is gone";

    EXPECT_EQ(dialog->Execute(), 100) << "the default button, the first";
    EXPECT_FALSE(dialog->GetVerifyResult()) << "each Execute starts afresh";
    EXPECT_EQ(dialog->CustomButtons().Count(), 3) << "the lists stay for the next dialog";
}

TEST_F(TaskDialogTest, ADescendantsCaptionsReachThePlatformsDialog)
{
    auto* shaping = new testing::TShapingTaskDialog(form);
    shaping->CustomButtons().Add("Close this warning\\nand go on");
    shaping->RadioButtons().Add("Solar flux");
    const int components = form->ComponentCount();
    ui.Dialogs().AnswerTaskDialog(100, 200, false);

    EXPECT_EQ(shaping->Execute(), 100);
    EXPECT_THAT(Shown().Config.Buttons, ElementsAre(TTaskDialogButton{100, "> Close this warning\nand go on"}));
    EXPECT_THAT(Shown().Config.RadioButtons, ElementsAre(TTaskDialogButton{200, "(Solar flux)"}));
    EXPECT_THAT(shaping->Calls, ElementsAre("create button", "caption Close this warning\\nand go on",
                                            "create radio", "text Solar flux"));
    EXPECT_EQ(form->ComponentCount(), components) << "nothing is left of the buttons";
}

TEST_F(TaskDialogTest, TextsGoToTheDialogWithTheirEscapesExpandedWhereThePlatformWantsThat)
{
    dialog->SetTitle("Warning!\\nnow");
    dialog->SetInstruction("Failed\\nto download");
    dialog->SetContent("One\\ntwo \\\\n");
    dialog->SetFooter("F\\nG");
    dialog->SetExpandedText("E\\nF");
    dialog->SetExpandControlText("Hide infos\\n");
    dialog->SetCollapsControlText("Want to know more ?");
    dialog->SetVerificationText("V\\n");
    dialog->CustomButtons().Add("Close this warning\\nand go on");
    dialog->CustomButtons().Add(std::string(1500, 'x'));
    std::string accented;
    for (int i = 0; i < 1500; ++i)
        accented += "\xC3\xA9";
    dialog->RadioButtons().Add(accented);

    const TTaskDialogConfig config = ConfigOf();
    EXPECT_EQ(config.WindowTitle, "Warning!\nnow");
    EXPECT_EQ(config.MainInstruction, "Failed\nto download");
    EXPECT_EQ(config.Content, "One\\ntwo \\n") << "a text with an escaped escape keeps its pairs";
    EXPECT_EQ(config.Footer, "F\nG");
    EXPECT_EQ(config.ExpandedInformation, "E\\nF");
    EXPECT_EQ(config.ExpandedControlText, "Hide infos\\n");
    EXPECT_EQ(config.CollapsedControlText, "Want to know more ?");
    EXPECT_EQ(config.VerificationText, "V\\n");
    EXPECT_EQ(config.Buttons[0].ButtonText, "Close this warning\nand go on");
    EXPECT_EQ(config.Buttons[1].ButtonText, std::string(1023, 'x'));
    EXPECT_EQ(config.RadioButtons[0].ButtonText.size(), 2u * 1023u) << "1023 characters, not bytes";
}

TEST_F(TaskDialogTest, OptionsPositionAndAutoCloseBecomeTheDialogsFlags)
{
    struct Case {
        TTaskDialogOptions options;
        bool customButton;
        bool autoClose;
        TTaskDialogPosition position;
        unsigned flags;
    };
    const Case cases[] = {
        {{}, false, false, dpScreenCenter, 0},
        {{doCommandLinks}, false, false, dpScreenCenter, 0},
        {{doCommandLinks}, true, false, dpScreenCenter, TDF_USE_COMMAND_LINKS},
        {{doCommandLinks, doCommandLinksNoIcon}, true, false, dpScreenCenter, TDF_USE_COMMAND_LINKS_NO_ICON},
        {{doCommandLinksNoIcon}, false, false, dpScreenCenter, TDF_USE_COMMAND_LINKS_NO_ICON},
        {{doHyperlinks, doExpandedDefault, doExpandedFooter, doAllowMinimize, doVerifyChecked, doNoDefaultRadioButton,
          doAllowDialogCancel},
         false, false, dpOwnerFormCenter,
         TDF_ENABLE_HYPERLINKS | TDF_EXPANDED_BY_DEFAULT | TDF_EXPAND_FOOTER_AREA | TDF_CAN_BE_MINIMIZED |
             TDF_VERIFICATION_FLAG_CHECKED | TDF_NO_DEFAULT_RADIO_BUTTON | TDF_ALLOW_DIALOG_CANCELLATION |
             TDF_POSITION_RELATIVE_TO_WINDOW},
        {{doProgressBar}, false, false, dpScreenCenter, TDF_SHOW_PROGRESS_BAR | TDF_CALLBACK_TIMER},
        {{doProgressBarMarquee}, false, false, dpScreenCenter, TDF_SHOW_MARQUEE_PROGRESS_BAR | TDF_CALLBACK_TIMER},
        {{doTimer}, false, false, dpScreenCenter, TDF_CALLBACK_TIMER},
        {{}, false, true, dpScreenCenter, TDF_CALLBACK_TIMER},
    };
    for (const Case& c : cases) {
        dialog->Clear();
        dialog->SetOptions(c.options);
        if (c.customButton)
            dialog->CustomButtons().Add("Go");
        dialog->SetAutoClose(c.autoClose);
        dialog->SetDialogPosition(c.position);
        EXPECT_EQ(ConfigOf().Flags, c.flags) << std::hex << c.flags;
    }

    dialog->Clear();
    dialog->SetCommonButtons({cbOK, cbYes, cbNo, cbCancel, cbRetry, cbClose});
    EXPECT_EQ(ConfigOf().CommonButtons, 0x3Fu);
}

TEST_F(TaskDialogTest, IconsAreTheNumbersOfTheCommonControlsPictures)
{
    const int mainIds[] = {17, 84, 99, 98, 81, 0, 78};
    for (int icon = tiBlank; icon <= tiShield; ++icon) {
        dialog->SetIcon(static_cast<TTaskDialogIcon>(icon));
        EXPECT_EQ(ConfigOf().MainIcon, mainIds[icon]) << icon;
    }
    const int footerIds[] = {0, 84, 99, 98, 0xFFFD, 0xFFFC};
    for (int icon = tfiBlank; icon <= tfiShield; ++icon) {
        dialog->SetFooterIcon(static_cast<TTaskDialogFooterIcon>(icon));
        EXPECT_EQ(ConfigOf().FooterIcon, footerIds[icon]) << icon;
    }

    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    picture.save(&buffer, "PNG");
    TIcon icon;
    icon.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(png.constData()), static_cast<std::size_t>(png.size())});
    dialog->SetCustomIcon(icon);
    const TTaskDialogConfig config = ConfigOf();
    EXPECT_TRUE(config.Flags & TDF_USE_HICON_MAIN);
    ASSERT_NE(config.MainIconHandle, nullptr);
    EXPECT_EQ(config.MainIconHandle->GetWidth(), 16);
}

TEST_F(TaskDialogTest, TheDialogBelongsToTheModalParentTheOwnerFormOrTheApplication)
{
    EXPECT_EQ(ConfigOf().Parent, form);
    dialog->SetApplicationIsParent(true);
    EXPECT_EQ(ConfigOf().Parent, nullptr);
    auto* other = new TForm(Application);
    dialog->SetModalParent(other);
    EXPECT_EQ(ConfigOf().Parent, other);
    delete other;
    EXPECT_EQ(dialog->GetModalParent(), nullptr) << "a freed parent is forgotten";

    auto* ownerless = new TVezTaskDialog(nullptr);
    ownerless->Execute();
    EXPECT_EQ(Shown().Config.Parent, nullptr);
    delete ownerless;
}

class FakeMessageForm : public IVezMessageForm {
public:
    explicit FakeMessageForm(EventLog& Log, std::function<void()> WhileShown) : FLog(Log), FWhileShown(WhileShown) {}
    int ShowModal() override
    {
        FLog.Add("shown");
        FWhileShown();
        return 7;
    }
    void ClickButton(int ButtonID) override { FLog.Add("click " + std::to_string(ButtonID)); }
    void EnableButton(int ButtonID, bool Enabled) override
    {
        FLog.Add("enable " + std::to_string(ButtonID) + (Enabled ? " on" : " off"));
    }
    void UpdateDialog() override { FLog.Add("update"); }
    void Close() override { FLog.Add("close"); }

private:
    EventLog& FLog;
    std::function<void()> FWhileShown;
};

TEST_F(TaskDialogTest, OldPlatformsAndnndAlwaysGetTheEmulatedFormWhichTheComponentSteersWhileItIsShown)
{
    std::function<void()> whileShown = [] {};
    SetMessageFormFactory([&](TCustomVezTaskDialog& Dialog) {
        EXPECT_EQ(&Dialog, dialog);
        return std::make_unique<FakeMessageForm>(log, whileShown);
    });
    struct Case {
        int major;
        int commonControls;
        TNonNativeDialog choice;
        bool native;
    };
    for (const Case c : {Case{6, 6, nndAuto, true}, Case{5, 6, nndAuto, false}, Case{6, 5, nndAuto, false},
                         Case{6, 6, nndAlways, false}, Case{10, 0x106, nndAuto, true}}) {
        TOSVersionInfo version = ui.Base().Platform().GetVersionEx();
        version.MajorVersion = c.major;
        ui.Base().Platform().SetVersionEx(version);
        ui.Base().Platform().SetCommonControlsVersion({c.commonControls, 0, 0, 0});
        dialog->SetNonNativeDialog(c.choice);
        const std::size_t shownBefore = ui.Dialogs().TaskDialogs().size();
        log.Clear();
        EXPECT_EQ(dialog->Execute(), c.native ? IDOK : 7);
        EXPECT_EQ(ui.Dialogs().TaskDialogs().size(), shownBefore + (c.native ? 1 : 0)) << c.major << c.commonControls;
        EXPECT_EQ(log.Entries().size(), c.native ? 0u : 1u);
    }

    dialog->SetNonNativeDialog(nndAlways);
    whileShown = [&] {
        dialog->ClickButton(100);
        dialog->EnableButton(101, false);
        dialog->SetContent("new");
        dialog->SetContent("new");
        dialog->Close();
    };
    log.Clear();
    dialog->Execute();
    EXPECT_THAT(log.Entries(), ElementsAre("shown", "click 100", "enable 101 off", "update", "close"));
    log.Clear();
    dialog->ClickButton(100);
    dialog->Close();
    EXPECT_TRUE(log.Entries().empty()) << "the form is gone";

    SetMessageFormFactory({});
    EXPECT_EQ(dialog->Execute(), -1) << "no emulated form to show";
}

TEST_F(TaskDialogTest, NotificationsBecomeTheEventsInOrderAndARefusingCloseKeepsTheDialogOpen)
{
    dialog->CustomButtons().Add("Close this warning");
    dialog->RadioButtons().Add("One");
    dialog->RadioButtons().Add("Two");
    dialog->SetVerificationText("Again");
    dialog->SetOptions({doHyperlinks});
    dialog->OnDialogCreated = [&](TObject* Sender) {
        EXPECT_EQ(Sender, dialog);
        EXPECT_NE(dialog->hWnd(), nullptr);
        log.Add("created");
    };
    dialog->OnDialogRadioClick = [&](TObject*, int Id) { log.Add("radio " + std::to_string(Id)); };
    dialog->OnDialogVerifyClick = [&](TObject*, bool Checked) { log.Add(Checked ? "verify on" : "verify off"); };
    dialog->OnDialogHyperlinkClick = [&](TObject*, const std::string& HRef) { log.Add("link " + HRef); };
    dialog->OnDialogButtonClick = [&](TObject*, int Id) { log.Add("button " + std::to_string(Id)); };
    int closeAsked = 0;
    dialog->OnDialogClose = [&](TObject*, bool& CanClose) {
        EXPECT_TRUE(CanClose);
        CanClose = ++closeAsked == 2;
        log.Add(CanClose ? "close allowed" : "close refused");
    };
    ui.Dialogs().WhileTaskDialogShown([](TRecordingTaskDialogWindow& Window) {
        Window.ClickRadioButton(201);
        Window.ClickVerification(true);
        Window.ClickLink("https://example.org/wwv.txt");
        Window.ClickButton(100);
        EXPECT_FALSE(Window.Closed());
    });
    ui.Dialogs().AnswerTaskDialog(100);

    EXPECT_EQ(dialog->Execute(), 100);
    EXPECT_THAT(log.Entries(), ElementsAre("created", "radio 201", "verify on", "link https://example.org/wwv.txt",
                                           "button 100", "close refused", "button 100", "close allowed"));
    EXPECT_TRUE(ui.Base().Shell().Opened().empty()) << "the handler took the link";
}

TEST_F(TaskDialogTest, ALinkWithoutAHandlerOpensOnlyWhenItIsAWebOrMailLink)
{
    dialog->SetOptions({doHyperlinks});
    ui.Dialogs().WhileTaskDialogShown([](TRecordingTaskDialogWindow& Window) {
        for (const char* link : {"https://www.example.org/wwv.txt", "HTTP://example.org", "mailto:f6abc@example.org",
                                 "file:///etc/passwd", "javascript:alert(1)", "C:\\Windows\\notepad.exe", "wwv.txt"})
            Window.ClickLink(link);
    });
    dialog->Execute();
    EXPECT_THAT(ui.Base().Shell().Opened(),
                ElementsAre("https://www.example.org/wwv.txt", "HTTP://example.org", "mailto:f6abc@example.org"));
}

TEST_F(TaskDialogTest, TimerTicksDriveTheProgressBarAndTheAutoClose)
{
    dialog->SetOptions({doProgressBar});
    dialog->SetProgressBarMin(10);
    dialog->SetProgressBarMax(500);
    dialog->OnDialogTimer = log.Notify("timer");
    int pos = 0;
    dialog->OnDialogProgress = [&](TObject*, std::int32_t& Pos, TTaskDialogProgressState& State) {
        Pos = pos += 50;
        State = pos > 50 ? psPaused : psNormal;
    };
    ui.Dialogs().WhileTaskDialogShown([](TRecordingTaskDialogWindow& Window) {
        Window.Tick();
        Window.Tick();
    });
    dialog->Execute();
    std::vector<std::string> sent;
    for (const TTaskDialogMessage& m : Shown().Messages)
        sent.push_back(std::to_string(m.Msg - 0x400) + ":" + std::to_string(m.WParam) + ":" + std::to_string(m.LParam));
    const std::string range = std::to_string(10 | (500 << 16));
    EXPECT_THAT(sent, ElementsAre("105:0:" + range, "106:50:0", "104:1:0", "106:100:0", "104:3:0"));
    EXPECT_THAT(log.Entries(), ElementsAre("timer", "timer"));

    dialog->Clear();
    dialog->SetOptions({doProgressBarMarquee});
    dialog->OnDialogProgress = nullptr;
    dialog->Execute();
    ASSERT_EQ(Shown().Messages.size(), 1u);
    EXPECT_EQ(Shown().Messages[0].Msg, static_cast<unsigned>(TDM_SET_PROGRESS_BAR_MARQUEE));
    EXPECT_EQ(Shown().Messages[0].LParam, 10);

    // Closing clicks the default button; without one the dialog's first button.
    struct Case {
        bool autoClose;
        int timeOutMs;
        int defaultButton;
        int ticksToClose;  // 0: never closes
        int closedWith;
    };
    dialog->Clear();
    dialog->CustomButtons().Add("First");
    dialog->CustomButtons().Add("Second");
    dialog->OnDialogTimer = nullptr;
    for (const Case c : {Case{true, 1000, 101, 11, 101}, Case{true, 1000, 0, 11, 100}, Case{true, 0, 101, 0, 0},
                         Case{false, 1000, 101, 0, 0}}) {
        dialog->SetAutoClose(c.autoClose);
        dialog->SetAutoCloseTimeOut(c.timeOutMs);
        dialog->SetDefaultButton(c.defaultButton);
        int ticks = 0;
        ui.Dialogs().WhileTaskDialogShown([&](TRecordingTaskDialogWindow& Window) {
            while (!Window.Closed() && ticks < 30) {
                ++ticks;
                Window.Tick();
            }
            EXPECT_EQ(Window.Closed(), c.ticksToClose > 0);
            Window.ClickButton(100);
        });
        const int result = dialog->Execute();
        if (c.ticksToClose) {
            EXPECT_EQ(ticks, c.ticksToClose);
            EXPECT_EQ(result, c.closedWith);
        }
    }
}

TEST_F(TaskDialogTest, WhileShownTheComponentSteersTheDialogAndAfterwardsLeavesItAlone)
{
    dialog->CustomButtons().Add("Go");
    dialog->SetContent("old");
    ui.Dialogs().WhileTaskDialogShown([&](TRecordingTaskDialogWindow& Window) {
        dialog->EnableButton(100, false);
        EXPECT_FALSE(Window.ButtonEnabled(100));
        dialog->ElevateButton(100, true);
        dialog->SetContent("old");
        dialog->SetContent("new content");
        dialog->SetExpandedText("more");
        dialog->SetFooter("foot");
        dialog->SetInstruction("Do it");
        dialog->ClickButton(100);
        EXPECT_FALSE(Window.Closed()) << "a disabled button does not click";
        dialog->EnableButton(100, true);
        dialog->ClickButton(100);
    });
    EXPECT_EQ(dialog->Execute(), 100);
    std::vector<std::string> sent;
    for (const TTaskDialogMessage& m : Shown().Messages)
        sent.push_back(std::to_string(m.Msg - 0x400) + ":" + std::to_string(m.WParam) + ":" + m.Text);
    EXPECT_THAT(sent, ElementsAre("111:100:", "115:100:", "114:0:new content", "114:1:more", "114:2:foot",
                                  "114:3:Do it", "102:100:", "111:100:", "102:100:"));

    const std::size_t count = Shown().Messages.size();
    dialog->ClickButton(100);
    dialog->EnableButton(100, false);
    dialog->SetContent("after");
    dialog->Close();
    EXPECT_EQ(Shown().Messages.size(), count) << "nothing reaches a closed dialog";
    EXPECT_EQ(dialog->GetContent(), "after");
}

class FailingHelpViewer : public IHelpViewer {
public:
    TOpenResult ShowContents(const std::string&) override { return TOpenResult::Failure("No help"); }
    TOpenResult ShowContext(const std::string&, int) override
    {
        return TOpenResult::Failure("Cannot open the help file SKELDA.CHM");
    }
};

TEST_F(TaskDialogTest, HelpShowsTheContextOrSaysWhyItCannot)
{
    Application->SetHelpFile("SKELDA.CHM");
    Application->SetTitle("SKELDA");
    auto pressHelp = [&] {
        ui.Dialogs().WhileTaskDialogShown([](TRecordingTaskDialogWindow& Window) { Window.PressHelp(); });
        dialog->Execute();
    };
    pressHelp();
    EXPECT_TRUE(ui.Base().Help().Requests().empty()) << "no help context";

    dialog->SetHelpContext(42);
    pressHelp();
    EXPECT_THAT(ui.Base().Help().Requests(), ElementsAre(RecordingHelpViewer::TRequest{"SKELDA.CHM", false, 42}));

    FailingHelpViewer failing;
    Env().Help = &failing;
    pressHelp();
    ASSERT_EQ(ui.Dialogs().Shown().size(), 1u);
    EXPECT_EQ(ui.Dialogs().Shown()[0].Text, "Cannot open the help file SKELDA.CHM.");
    EXPECT_EQ(ui.Dialogs().Shown()[0].Caption, "SKELDA");
    EXPECT_EQ(ui.Dialogs().Shown()[0].Flags, static_cast<unsigned>(MB_ICONSTOP));

    for (const TBiDiMode mode : {bdRightToLeft, bdRightToLeftReadingOnly, bdRightToLeftNoAlign}) {
        Application->SetBiDiMode(mode);
        pressHelp();
        EXPECT_EQ(ui.Dialogs().Shown().back().Flags, static_cast<unsigned>(MB_ICONSTOP | MB_RTLREADING)) << mode;
    }
    Application->SetBiDiMode(bdLeftToRight);
}

TEST_F(TaskDialogTest, ClearEmptiesEverythingButKeepsTheSettingsOfTheComponent)
{
    dialog->SetTitle("T");
    dialog->SetInstruction("I");
    dialog->SetContent("C");
    dialog->SetFooter("F");
    dialog->SetVerificationText("V");
    dialog->SetExpandedText("E");
    dialog->SetExpandControlText("X");
    dialog->SetCollapsControlText("Y");
    dialog->CustomButtons().Add("B");
    dialog->RadioButtons().Add("R");
    dialog->SetCommonButtons({cbOK});
    dialog->SetIcon(tiWarning);
    dialog->SetFooterIcon(tfiInformation);
    dialog->SetDefaultButton(101);
    dialog->SetDefaultRadioButton(201);
    dialog->SetOptions({doHyperlinks});
    dialog->SetAutoCloseTimeOut(10000);
    dialog->SetDialogPosition(dpOwnerFormCenter);

    dialog->Clear();
    for (const std::string& text :
         {dialog->GetTitle(), dialog->GetInstruction(), dialog->GetContent(), dialog->GetFooter(),
          dialog->GetVerificationText(), dialog->GetExpandedText(), dialog->GetExpandControlText(),
          dialog->GetCollapsControlText()})
        EXPECT_EQ(text, "");
    EXPECT_EQ(dialog->CustomButtons().Count() + dialog->RadioButtons().Count(), 0);
    EXPECT_TRUE(dialog->GetCommonButtons().Empty());
    EXPECT_EQ(dialog->GetIcon(), tiBlank);
    EXPECT_EQ(dialog->GetFooterIcon(), tfiBlank);
    EXPECT_EQ(dialog->GetDefaultButton(), 0);
    EXPECT_EQ(dialog->GetDefaultRadioButton(), 200);
    EXPECT_TRUE(dialog->GetOptions().Empty());
    EXPECT_EQ(dialog->GetAutoCloseTimeOut(), 10000);
    EXPECT_EQ(dialog->GetDialogPosition(), dpOwnerFormCenter);
    EXPECT_EQ(dialog->GetVersion(), "1.7.3.1");
}

TEST_F(TaskDialogTest, AComponentFreedByItsOwnHandlerLeavesTheDialogToEndAlone)
{
    dialog->CustomButtons().Add("Go");
    dialog->OnDialogButtonClick = [&](TObject*, int) { delete dialog; };
    dialog->OnDialogClose = [&](TObject*, bool& CanClose) { CanClose = false; };
    ui.Dialogs().WhileTaskDialogShown([](TRecordingTaskDialogWindow& Window) {
        Window.ClickButton(100);
        EXPECT_TRUE(Window.Closed()) << "no close event from a freed component";
        Window.Tick();
    });
    auto* executing = dialog;
    EXPECT_EQ(executing->Execute(), 100);
    EXPECT_EQ(form->ComponentCount(), 0);
}

}  // namespace
}  // namespace skelda::foundation
