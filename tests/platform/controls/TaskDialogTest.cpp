// The platform's task dialog drawn with Qt widgets, run through its modal loop by the test's
// idle steps: what it shows, what its callback hears and in which order, and how the callback
// steers it.

#include "platform/controls/qt/QtDialogService.h"
#include "platform/controls/qt/QtTaskDialog.h"
#include "platform/controls/qt/TaskDialogRichText.h"
#include "platform/testing/Artifacts.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCommandLinkButton>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

TEST(TaskDialogRichTextTest, ShowsTheTextAsWrittenAndOnlyWholeLinksAsLinks)
{
    struct Case {
        const char* text;
        bool links;
        const char* html;
    };
    const Case cases[] = {
        {"a < b & c\nnext", false, "a &lt; b &amp; c<br>next"},
        {"<a href=\"https://x.org/?a=1&b=2\">site</a>.", false,
         "&lt;a href=&quot;https://x.org/?a=1&amp;b=2&quot;&gt;site&lt;/a&gt;."},
        {"See <a href=\"https://x.org/?a=1&b=2\">the <b>site</b></a>.", true,
         "See <a href=\"https://x.org/?a=1&amp;b=2\">the &lt;b&gt;site&lt;/b&gt;</a>."},
        {"<A HREF = 'mailto:f6abc@example.org'>mail</A>", true, "<a href=\"mailto:f6abc@example.org\">mail</a>"},
        {"<a>no href</a> <abbr>x</abbr>", true, "&lt;a&gt;no href&lt;/a&gt; &lt;abbr&gt;x&lt;/abbr&gt;"},
        {"<a href=\"x\">open ended", true, "&lt;a href=&quot;x&quot;&gt;open ended"},
        {"<a href=\"x\" onclick=\"y\">1</a><a href=\"z\">2</a>", true, "<a href=\"x\">1</a><a href=\"z\">2</a>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TaskDialogRichText(c.text, c.links).toStdString(), c.html) << c.text;
}

TEST(TaskDialogButtonsTest, CustomButtonsComeFirstAndAMissingDefaultFallsBackToTheFirst)
{
    TTaskDialogConfig config;
    EXPECT_THAT(TaskDialogButtonIds(config), ElementsAre(IDOK)) << "a dialog without buttons shows OK";
    EXPECT_FALSE(TaskDialogCanCancel(config));

    config.Buttons = {{100, "First"}, {101, "Second"}};
    config.CommonButtons = TDCBF_CLOSE_BUTTON | TDCBF_CANCEL_BUTTON | TDCBF_YES_BUTTON;
    config.DefaultButton = 0;
    EXPECT_THAT(TaskDialogButtonIds(config), ElementsAre(100, 101, IDYES, IDCANCEL, IDCLOSE));
    EXPECT_EQ(TaskDialogDefaultButton(config), 100);
    config.DefaultButton = IDCANCEL;
    EXPECT_EQ(TaskDialogDefaultButton(config), IDCANCEL);
    EXPECT_TRUE(TaskDialogCanCancel(config));

    EXPECT_EQ(TaskDialogDefaultRadioButton(config), 0);
    config.RadioButtons = {{200, "One"}, {201, "Two"}};
    config.DefaultRadioButton = 201;
    EXPECT_EQ(TaskDialogDefaultRadioButton(config), 201);
    config.DefaultRadioButton = 7;
    EXPECT_EQ(TaskDialogDefaultRadioButton(config), 200);
    config.Flags = TDF_NO_DEFAULT_RADIO_BUTTON;
    EXPECT_EQ(TaskDialogDefaultRadioButton(config), 0);
}

class TaskDialogTest : public ::testing::Test {
protected:
    TaskDialogTest()
    {
        config.WindowTitle = "Propagation";
        config.MainInstruction = "Choose a band";
        config.Content = "The bands open at dawn.";
        config.Callback = [this](ITaskDialogWindow* Window, unsigned Notification, std::uintptr_t WParam,
                                 std::intptr_t LParam) {
            dialog = dynamic_cast<QtTaskDialog*>(Window);
            std::string entry = std::to_string(Notification) + ":" + std::to_string(WParam);
            if (Notification == TDN_HYPERLINK_CLICKED)
                entry += ":" + std::string(reinterpret_cast<const char*>(LParam));
            notifications.push_back(entry);
            return React ? React(Notification, WParam) : S_OK;
        };
    }

    HRESULT Run()
    {
        return service.TaskDialogIndirect(config, &button, &radio, &verified);
    }

    QWidget& Window() { return dialog->Widget(); }

    template <typename T = QAbstractButton>
    T* Find(const std::string& Text)
    {
        for (T* widget : Window().findChildren<T*>())
            if (widget->text().toStdString() == Text)
                return widget;
        ADD_FAILURE() << "no " << Text;
        return nullptr;
    }

    QLabel* Label(const std::string& Html)
    {
        for (QLabel* label : Window().findChildren<QLabel*>())
            if (label->text().toStdString() == Html)
                return label;
        return nullptr;
    }

    UiTestEnvironment ui;
    QtDialogService service;
    TTaskDialogConfig config;
    QtTaskDialog* dialog = nullptr;
    std::vector<std::string> notifications;
    std::function<HRESULT(unsigned, std::uintptr_t)> React;
    int button = -1;
    int radio = -1;
    bool verified = false;
};

TEST_F(TaskDialogTest, ShowsEveryPartAndReturnsTheClickedButtonAfterTheNotificationsInOrder)
{
    config.Flags = TDF_ENABLE_HYPERLINKS | TDF_USE_COMMAND_LINKS | TDF_SHOW_PROGRESS_BAR | TDF_EXPANDED_BY_DEFAULT;
    config.Content = "Bulletin at <a href=\"https://example.org/wwv\">the service</a>.";
    config.Buttons = {{100, "Use the bulletin\nFetched at start-up"}, {101, "Type a value"}};
    config.CommonButtons = TDCBF_CANCEL_BUTTON;
    config.RadioButtons = {{200, "Solar flux"}, {201, "Sun spots"}};
    config.VerificationText = "Do not ask again";
    config.ExpandedInformation = "The flux is in solar flux units.";
    config.MainIcon = TD_RESOURCE_WARNING_ICON;
    config.Footer = "Footer text";
    config.FooterIcon = TD_INFORMATION_ICON;
    ui.Queue().WhenIdle([&] {
        EXPECT_EQ(Window().windowTitle().toStdString(), "Propagation");
        EXPECT_TRUE(Window().isVisible());
        EXPECT_TRUE(Window().isModal());
        auto* link = Find<QCommandLinkButton>("Use the bulletin");
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->description().toStdString(), "Fetched at start-up");
        EXPECT_TRUE(link->isDefault());
        ASSERT_NE(Find("Cancel"), nullptr);
        EXPECT_NE(Label("The flux is in solar flux units."), nullptr);
        EXPECT_NE(Label("Footer text"), nullptr);
        EXPECT_EQ(Window().findChildren<QProgressBar*>().size(), 1);
        EXPECT_TRUE(Find<QRadioButton>("Solar flux")->isChecked()) << "the first radio button when none is named";
        const QImage picture = Window().grab().toImage();
        picture.save(QString::fromStdString(ArtifactPath("task-dialog-parts.png")));

        QLabel* content = Label("Bulletin at <a href=\"https://example.org/wwv\">the service</a>.");
        ASSERT_NE(content, nullptr);
        emit content->linkActivated("https://example.org/wwv");
        Find<QRadioButton>("Sun spots")->click();
        Find<QCheckBox>("Do not ask again")->click();
        Find("Type a value")->click();
    });
    EXPECT_EQ(Run(), S_OK);
    EXPECT_EQ(button, 101);
    EXPECT_EQ(radio, 201);
    EXPECT_TRUE(verified);
    EXPECT_THAT(notifications,
                ElementsAre("7:0", "0:0", "3:0:https://example.org/wwv", "6:201", "8:1", "2:101", "5:0"));
}

TEST_F(TaskDialogTest, TheCallbackKeepsItOpenAndSteersItThroughMessages)
{
    config.Flags = TDF_CALLBACK_TIMER | TDF_ENABLE_HYPERLINKS;
    config.Buttons = {{100, "Retry download"}, {101, "Close this warning"}};
    int refusals = 0;
    bool restarted = false;
    React = [&](unsigned Notification, std::uintptr_t WParam) -> HRESULT {
        if (Notification == TDN_BUTTON_CLICKED && WParam == 100 && refusals++ == 0)
            return S_FALSE;
        if (Notification == TDN_TIMER && WParam == 400 && !restarted) {
            restarted = true;
            const std::string content = "Retrying <a href=\"https://example.org\">now</a>";
            dialog->Perform(TDM_UPDATE_ELEMENT_TEXT, TDE_CONTENT, reinterpret_cast<std::intptr_t>(content.c_str()));
            dialog->Perform(TDM_ENABLE_BUTTON, 101, 0);
            return S_FALSE;
        }
        if (Notification == TDN_TIMER && WParam == 600)
            dialog->Perform(TDM_CLICK_BUTTON, 100, 0);
        return S_OK;
    };
    ui.Queue().WhenIdle([&] {
        Find("Retry download")->click();
        ui.Clock().Advance(400);
        EXPECT_NE(Label("Retrying <a href=\"https://example.org\">now</a>"), nullptr);
        EXPECT_FALSE(Find("Close this warning")->isEnabled());
        dialog->Perform(TDM_CLICK_BUTTON, 101, 0);
        dialog->Perform(TDM_CLICK_BUTTON, 555, 0);
        ui.Clock().Advance(600);
    });
    EXPECT_EQ(Run(), S_OK);
    EXPECT_EQ(button, 100);
    EXPECT_THAT(notifications,
                ElementsAre("7:0", "0:0", "2:100", "4:200", "4:400", "4:200", "4:400", "4:600", "2:100", "5:0"))
        << "refused, then the timer counts afresh after S_FALSE; disabled and unknown buttons do not click";
}

TEST_F(TaskDialogTest, EscapeAndTheCloseBoxCancelOnlyWhereTheDialogAllowsIt)
{
    struct Case {
        unsigned flags;
        unsigned commonButtons;
        int expected;
    };
    for (const Case c : {Case{0, TDCBF_OK_BUTTON, IDOK}, Case{TDF_ALLOW_DIALOG_CANCELLATION, 0, IDCANCEL},
                         Case{0, TDCBF_RETRY_BUTTON | TDCBF_CANCEL_BUTTON, IDCANCEL}})
        for (const bool escape : {true, false}) {
            config.Flags = c.flags;
            config.CommonButtons = c.commonButtons;
            notifications.clear();
            ui.Queue().WhenIdle([&] {
                if (escape)
                    QTest::keyClick(&Window(), Qt::Key_Escape);
                else
                    Window().close();
                if (notifications.back() == "0:0")
                    Find("OK")->click();
            });
            EXPECT_EQ(Run(), S_OK);
            EXPECT_EQ(button, c.expected) << c.flags << (escape ? " Escape" : " close box");
        }
}

TEST_F(TaskDialogTest, CommonButtonsHelpTheExpandButtonAndTheProgressBar)
{
    config.Flags = TDF_SHOW_MARQUEE_PROGRESS_BAR;
    config.CommonButtons = TDCBF_YES_BUTTON | TDCBF_CLOSE_BUTTON;
    config.ExpandedInformation = "Details";
    config.CollapsedControlText = "Want to know more ?";
    ui.Queue().WhenIdle([&] {
        QProgressBar* progress = Window().findChild<QProgressBar*>();
        EXPECT_EQ(progress->maximum(), 0) << "a marquee";
        dialog->Perform(TDM_SET_PROGRESS_BAR_MARQUEE, 0, 0);
        dialog->Perform(TDM_SET_PROGRESS_BAR_RANGE, 0, 10 | (50 << 16));
        EXPECT_EQ(dialog->Perform(TDM_SET_PROGRESS_BAR_POS, 30, 0), 10);
        EXPECT_EQ(progress->minimum(), 10);
        EXPECT_EQ(progress->maximum(), 50);
        EXPECT_EQ(progress->value(), 30);

        QAbstractButton* expando = Find("Want to know more ?");
        EXPECT_FALSE(Label("Details")->isVisible());
        expando->click();
        EXPECT_EQ(expando->text().toStdString(), "Want to know more ?") << "the one text stands for both";
        EXPECT_TRUE(Label("Details")->isVisible());
        QTest::keyClick(&Window(), Qt::Key_F1);
        Find("&Close")->click();
    });
    EXPECT_EQ(Run(), S_OK);
    EXPECT_EQ(button, IDCLOSE);
    EXPECT_EQ(radio, 0);
    EXPECT_THAT(notifications, ElementsAre("7:0", "0:0", "10:1", "9:0", "2:8", "5:0"));
}

TEST_F(TaskDialogTest, ADialogNothingClosesEndsAsAFailureAndOneClosedAtCreationIsNotShown)
{
    EXPECT_EQ(Run(), E_FAIL) << "no idle step is left to press a button";
    EXPECT_EQ(button, 0);
    EXPECT_EQ(notifications.back(), "5:0");

    notifications.clear();
    React = [&](unsigned Notification, std::uintptr_t) {
        if (Notification == TDN_CREATED)
            dialog->Perform(TDM_CLICK_BUTTON, IDOK, 0);
        return S_OK;
    };
    EXPECT_EQ(Run(), S_OK);
    EXPECT_EQ(button, IDOK);
    EXPECT_THAT(notifications, ElementsAre("7:0", "0:0", "2:1", "5:0"));
}

}  // namespace
