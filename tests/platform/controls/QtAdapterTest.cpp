// The adapters under events as Qt's own test driver delivers them.

#include "TestControls.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/qt/HostWidget.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QPlainTextEdit>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

// Records each key message with its code and key data.
class TKeyProbe : public TCustomControl {
public:
    explicit TKeyProbe(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
    void Dispatch(TMessage& Message) override
    {
        const bool modifier = Message.WParam == VK_SHIFT || Message.WParam == VK_CONTROL || Message.WParam == VK_MENU;
        if ((Message.Msg == WM_KEYDOWN || Message.Msg == WM_CHAR || Message.Msg == WM_KEYUP) && !modifier)
            Keys.push_back({Message.Msg, static_cast<unsigned>(Message.WParam), TWMKey(Message).KeyData()});
        if (Message.Msg == WM_GETDLGCODE) {
            Message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS;
            return;
        }
        TCustomControl::Dispatch(Message);
    }
    struct Key {
        unsigned Msg;
        unsigned Code;
        std::uint32_t Data;
    };
    std::vector<Key> Keys;
};

// A control over Qt's plain text edit, whose mouse input goes to a viewport inside it.
class TNativeMemo : public TWinControl {
public:
    using TWinControl::TWinControl;
    QPlainTextEdit* Editor() { return static_cast<QPlainTextEdit*>(Handle()); }

protected:
    THostWidgetCore* CreateHost(const TCreateParams&) override
    {
        auto* host = new THostWidget<QPlainTextEdit>(this);
        host->RouteEventsOf(host->viewport());
        return host;
    }
};

class QtAdapterTest : public ::testing::Test {
protected:
    // Qt delivers mouse input only to windows the window system has put on the screen.
    void ShowForm()
    {
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Handle()));
    }

    UiTestEnvironment ui;
    EventLog log;
    TForm* form = new TForm(Application);
};

TEST_F(QtAdapterTest, QtKeysBecomeKeyMessagesWithTheirCodesAndKeyData)
{
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        unsigned code;
        bool extended;
        unsigned character;
    };
    const Case cases[] = {
        {"letter", Qt::Key_A, Qt::NoModifier, 'A', false, 'a'},
        {"keypad enter", Qt::Key_Enter, Qt::KeypadModifier, VK_RETURN, true, 13},
        {"enter", Qt::Key_Return, Qt::NoModifier, VK_RETURN, false, 13},
        {"grey arrow", Qt::Key_Left, Qt::NoModifier, VK_LEFT, true, 0},
        {"keypad arrow", Qt::Key_Left, Qt::KeypadModifier, VK_LEFT, false, 0},
        {"keypad digit", Qt::Key_5, Qt::KeypadModifier, VK_NUMPAD5, false, '5'},
        {"keypad divide", Qt::Key_Slash, Qt::KeypadModifier, VK_DIVIDE, true, '/'},
        {"shifted punctuation", Qt::Key_Exclam, Qt::ShiftModifier, '1', false, '!'},
    };
    auto* probe = AddControl<TKeyProbe>(*form, Bounds(0, 0, 50, 20));
    form->Show();
    probe->SetFocus();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        probe->Keys.clear();
        QTest::keyClick(probe->Handle(), c.key, c.modifiers);
        ASSERT_EQ(probe->Keys.size(), c.character ? 3u : 2u);
        EXPECT_EQ(probe->Keys.front().Msg, unsigned(WM_KEYDOWN));
        EXPECT_EQ(probe->Keys.front().Code, c.code);
        EXPECT_EQ((probe->Keys.front().Data & KF_EXTENDED) != 0, c.extended);
        if (c.character) {
            EXPECT_EQ(probe->Keys[1].Code, c.character);
        }
        EXPECT_EQ(probe->Keys.back().Msg, unsigned(WM_KEYUP));
        EXPECT_NE(probe->Keys.back().Data & KF_UP, 0u);
    }
}

TEST_F(QtAdapterTest, AQtDoubleClickGivesDownUpDblclkUp)
{
    auto* control = AddControl<TLoggingControl>(*form, Bounds(0, 0, 100, 50), &log, "c");
    ShowForm();
    log.Clear();

    // Qt's test driver keeps its clicks apart in time and sends a double click as its own
    // event between them.
    QWidget* widget = control->Handle();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    std::vector<std::string> buttons;
    for (const std::string& entry : log.Entries())
        if (entry.starts_with("c:l"))
            buttons.push_back(entry);
    EXPECT_THAT(buttons, ElementsAre("c:ldown", "c:lup", "c:ldblclk", "c:lup"));
}

TEST_F(QtAdapterTest, AChildWidgetOfTheNativeClassIsRoutedThroughTheAdapters)
{
    auto* memo = AddControl<TNativeMemo>(*form, Bounds(0, 0, 200, 100));
    std::vector<TPoint> downs;
    memo->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { downs.push_back({x, y}); };
    memo->OnKeyPress = [](TObject*, char32_t& key) { key = key == U'x' ? 0 : key; };
    ShowForm();
    QWidget* viewport = memo->Editor()->viewport();

    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    ASSERT_EQ(downs.size(), 1u);
    const QPoint inMemo = viewport->mapTo(memo->Editor(), QPoint(20, 10));
    EXPECT_EQ(downs[0], TPoint(inMemo.x(), inMemo.y()));
    EXPECT_EQ(FocusManager::Focused(), memo);

    QTest::keyClicks(memo->Editor(), "axb");
    EXPECT_EQ(memo->Editor()->toPlainText().toStdString(), "ab");
}

TEST_F(QtAdapterTest, QtsTabKeepsItsHandsOffTheFocusAndAClickOnANativeWidgetFocusesItsControl)
{
    auto* first = AddControl<TNativeEdit>(*form, Bounds(0, 0, 100, 20));
    auto* second = AddControl<TNativeEdit>(*form, Bounds(0, 30, 100, 20));
    ShowForm();
    EXPECT_EQ(FocusManager::Focused(), first);

    QTest::keyClick(first->Handle(), Qt::Key_Tab);
    EXPECT_EQ(FocusManager::Focused(), second);

    QTest::mouseClick(first->Handle(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(FocusManager::Focused(), first);
}

}  // namespace
