#include "TestControls.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

std::string ShiftText(TShiftState shift)
{
    std::string text;
    if (shift.Contains(ssShift))
        text += "+shift";
    if (shift.Contains(ssCtrl))
        text += "+ctrl";
    if (shift.Contains(ssAlt))
        text += "+alt";
    return text;
}

class KeyboardTest : public ::testing::Test {
protected:
    // Logs the key events of Control as "<prefix>down 65+shift", "<prefix>press 97", "<prefix>up 65".
    void LogKeys(TWinControl& control, const std::string& prefix = {})
    {
        control.OnKeyDown = [this, prefix](TObject*, unsigned& key, TShiftState shift) {
            log.Add(prefix + "down " + std::to_string(key) + ShiftText(shift));
        };
        control.OnKeyPress = [this, prefix](TObject*, char32_t& key) {
            log.Add(prefix + "press " + std::to_string(static_cast<unsigned>(key)));
        };
        control.OnKeyUp = [this, prefix](TObject*, unsigned& key, TShiftState) {
            log.Add(prefix + "up " + std::to_string(key));
        };
    }

    UiTestEnvironment ui;
    EventLog log;
    TForm* form = new TForm(Application);
};

TEST_F(KeyboardTest, AKeyBecomesKeyDownItsCharacterAndKeyUp)
{
    struct Case {
        const char* name;
        unsigned key;
        TShiftState shift;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"letter", 'A', {}, {"down 65", "press 97", "up 65"}},
        {"shifted letter", 'A', {ssShift}, {"down 65+shift", "press 65", "up 65"}},
        {"control letter", 'A', {ssCtrl}, {"down 65+ctrl", "press 1", "up 65"}},
        {"shifted digit", '1', {ssShift}, {"down 49+shift", "press 33", "up 49"}},
        {"control digit", '1', {ssCtrl}, {"down 49+ctrl", "up 49"}},
        {"backspace", VK_BACK, {}, {"down 8", "press 8", "up 8"}},
        {"enter", VK_RETURN, {}, {"down 13", "press 13", "up 13"}},
        {"escape", VK_ESCAPE, {}, {"down 27", "press 27", "up 27"}},
        {"arrow", VK_LEFT, {}, {"down 37", "up 37"}},
        {"function key", VK_F5, {}, {"down 116", "up 116"}},
    };
    auto* control = AddControl<TLoggingControl>(*form, Bounds(0, 0, 50, 20));
    control->DlgCode = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB;
    LogKeys(*control);
    form->Show();
    control->SetFocus();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.Clear();
        ui.Simulator().KeyPress(c.key, c.shift);
        EXPECT_THAT(log.Entries(), ElementsAreArray(c.expected));
    }
}

TEST_F(KeyboardTest, EnterAndEscapePressTheFormsButtons)
{
    struct Case {
        const char* name;
        unsigned key;
        bool focusOnCancel;
        bool okEnabled;
        int okClicks;
        int cancelClicks;
        bool editGetsCharacter;
    };
    const Case cases[] = {
        {"enter presses the default button", VK_RETURN, false, true, 1, 0, false},
        {"enter presses the focused button", VK_RETURN, true, true, 0, 1, false},
        {"escape presses the cancel button", VK_ESCAPE, false, true, 0, 1, false},
        {"a disabled default button leaves the key to the control", VK_RETURN, false, false, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* edit = AddControl<TLoggingControl>(*form, Bounds(0, 0, 50, 20));
        auto* ok = AddControl<TTestButton>(*form, Bounds(0, 30, 50, 20));
        auto* cancel = AddControl<TTestButton>(*form, Bounds(60, 30, 50, 20));
        ok->Default = true;
        ok->SetEnabled(c.okEnabled);
        cancel->Cancel = true;
        bool editGotCharacter = false;
        edit->OnKeyPress = [&](TObject*, char32_t&) { editGotCharacter = true; };
        form->Show();
        (c.focusOnCancel ? static_cast<TWinControl*>(cancel) : edit)->SetFocus();

        ui.Simulator().KeyPress(c.key);
        EXPECT_EQ(ok->Clicks, c.okClicks);
        EXPECT_EQ(cancel->Clicks, c.cancelClicks);
        EXPECT_EQ(editGotCharacter, c.editGetsCharacter);
        delete edit;
        delete ok;
        delete cancel;
    }
}

// A button whose key does more than click, as a drop-down button's does. It also answers dialog
// keys itself, which it must not get for a key the form has already pressed it for.
class TMenuKeyButton : public TTestButton {
public:
    using TTestButton::TTestButton;

    void Press() override
    {
        ++Presses;
        if (FreeOnPress)
            delete this;
    }
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == CM_DIALOGKEY) {
            ++DialogKeys;
            Message.Result = 1;
            return;
        }
        TTestButton::Dispatch(Message);
    }

    int Presses = 0;
    int DialogKeys = 0;
    bool FreeOnPress = false;
};

TEST_F(KeyboardTest, EachEnterOrEscapeRunsTheButtonsOwnPressOnce)
{
    struct Case {
        const char* name;
        unsigned key;
        TShiftState shift;
        bool focusOnButton;
        bool isDefault;
        bool isCancel;
        int presses;
    };
    const Case cases[] = {
        {"enter on the focused button", VK_RETURN, {}, true, false, false, 1},
        {"enter on another control presses the default", VK_RETURN, {}, false, true, false, 1},
        {"escape presses the cancel button", VK_ESCAPE, {}, false, false, true, 1},
        {"escape does not press a focused button that is not cancel", VK_ESCAPE, {}, true, true, false, 0},
        {"shift+enter is no button key", VK_RETURN, {ssShift}, true, true, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* edit = AddControl<TLoggingControl>(*form, Bounds(0, 0, 50, 20));
        auto* button = AddControl<TMenuKeyButton>(*form, Bounds(0, 30, 50, 20));
        button->Default = c.isDefault;
        button->Cancel = c.isCancel;
        form->Show();
        (c.focusOnButton ? static_cast<TWinControl*>(button) : edit)->SetFocus();

        ui.Simulator().KeyPress(c.key, c.shift);
        EXPECT_EQ(button->Presses, c.presses);
        EXPECT_EQ(button->Clicks, 0) << "the press decides whether to click";
        if (c.presses) {
            EXPECT_EQ(button->DialogKeys, 0);
        }
        delete edit;
        delete button;
    }
}

TEST_F(KeyboardTest, AButtonItsOwnKeyFreesEndsTheKeyQuietly)
{
    auto* button = AddControl<TMenuKeyButton>(*form, Bounds(0, 30, 50, 20));
    button->FreeOnPress = true;
    form->Show();
    button->SetFocus();
    ui.Simulator().KeyDown(VK_RETURN);
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_THAT(ui.ErrorBoxes(), ::testing::IsEmpty());
}

TEST_F(KeyboardTest, AKeySwallowedInKeyDownGoesNoFurther)
{
    auto* edit = AddControl<TLoggingControl>(*form, Bounds(0, 0, 50, 20));
    auto* ok = AddControl<TTestButton>(*form, Bounds(0, 30, 50, 20));
    ok->Default = true;
    LogKeys(*edit);
    edit->OnKeyDown = [this](TObject*, unsigned& key, TShiftState) {
        log.Add("down " + std::to_string(key));
        key = 0;
    };
    form->Show();
    edit->SetFocus();

    ui.Simulator().KeyPress(VK_RETURN);
    ui.Simulator().KeyPress('A');
    EXPECT_EQ(ok->Clicks, 0);
    EXPECT_THAT(log.Entries(), ElementsAre("down 13", "up 13", "down 65", "up 65"));
}

TEST_F(KeyboardTest, KeyPreviewGivesTheFormTheKeysFirst)
{
    auto* edit = AddControl<TLoggingControl>(*form, Bounds(0, 0, 50, 20));
    LogKeys(*edit, "edit ");
    LogKeys(*form, "form ");
    form->OnKeyDown = [this](TObject*, unsigned& key, TShiftState) {
        log.Add("form down " + std::to_string(key));
        if (key == 'X')
            key = 0;
    };
    form->SetKeyPreview(true);
    form->Show();
    edit->SetFocus();

    ui.Simulator().KeyDown('A');
    ui.Simulator().KeyDown('X');
    EXPECT_THAT(log.Entries(), ElementsAre("form down 65", "edit down 65", "form press 97", "edit press 97",
                                           "form down 88"));
}

TEST_F(KeyboardTest, AltCombinationsAreSystemKeysThatReachAccelerators)
{
    auto* edit = AddControl<TLoggingControl>(*form, Bounds(0, 0, 50, 20), &log, "edit");
    auto* save = AddControl<TTestButton>(*form, Bounds(0, 30, 50, 20));
    save->SetCaption("&Save");
    form->Show();
    edit->SetFocus();
    log.Clear();

    ui.Simulator().KeyPress('S', {ssAlt});
    ui.Simulator().KeyPress('Q', {ssAlt});
    EXPECT_EQ(save->Clicks, 1);
    EXPECT_THAT(log.Entries(), ElementsAre("edit:syskeydown", "edit:syskeyup", "edit:syskeydown", "edit:syskeyup"));
}

TEST_F(KeyboardTest, TheNativeWidgetGetsWhatTheHandlersLetThrough)
{
    auto* edit = AddControl<TNativeEdit>(*form, Bounds(0, 0, 100, 20));
    edit->OnKeyPress = [](TObject*, char32_t& key) {
        if (key == U'x')
            key = 0;
        else if (key >= U'a' && key <= U'z')
            key = key - U'a' + U'A';
    };
    form->Show();
    edit->SetFocus();

    ui.Simulator().TypeText("abxc");
    EXPECT_EQ(edit->GetText(), "ABC");
    ui.Simulator().KeyPress(VK_BACK);
    ui.Simulator().KeyPress(VK_LEFT);
    ui.Simulator().TypeText("d");
    EXPECT_EQ(edit->GetText(), "ADB");
    // A character sent by code takes the same way.
    edit->Perform(WM_CHAR, U'e');
    EXPECT_EQ(edit->GetText(), "ADEB");
}

}  // namespace
