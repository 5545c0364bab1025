#include "editcontrols/spin/TKvSpinEdit.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/TButton.h"
#include "platform/controls/standard/TEdit.h"
#include "tests/editcontrols/EditControlsFixture.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using namespace plat;
using namespace skelda::editcontrols;
using ::testing::ElementsAre;
namespace et = skelda::editcontrols::testing;

namespace {

class SpinEditTest : public et::EditControlsFixture {
protected:
    // A spin edit on the form, shown, with another field to move the focus to.
    TKvSpinEdit* AddSpin()
    {
        auto* spin = AddControl<TKvSpinEdit>(*form, Bounds(10, 10, 121, 21));
        other = AddControl<TEdit>(*form, Bounds(10, 40, 121, 21));
        form->Show();
        return spin;
    }

    // The main window's power field.
    TKvSpinEdit* AddPowerSpin()
    {
        TKvSpinEdit* spin = AddSpin();
        spin->SetMinValue(5);
        spin->SetMaxValue(2500);
        spin->SetValue(100);
        return spin;
    }

    // The focus in the field with the whole text selected, then the text typed.
    void TypeInto(TKvSpinEdit& Spin, const std::string& Text)
    {
        Spin.SetFocus();
        Spin.SelectAll();
        ui.Simulator().TypeText(Text);
    }

    void Leave() { ui.Simulator().KeyPress(VK_TAB); }

    int Beeps() { return ui.Base().Beeper().Count(); }

    TEdit* other = nullptr;
};

TEST_F(SpinEditTest, NonZeroLimitsAreCheckedWhateverTheFlagsSay)
{
    TKvSpinEdit* spin = AddSpin();
    EXPECT_FALSE(spin->GetCheckMinValue());
    spin->SetMinValue(5);
    EXPECT_TRUE(spin->GetCheckMinValue());
    EXPECT_TRUE(spin->GetCheckMaxValue()) << "the other check follows while it was not set by hand";
    spin->SetMaxValue(2500);
    EXPECT_EQ(spin->GetText(), "5") << "the value is held to the limits at once";
    spin->SetCheckMinValue(false);
    spin->SetCheckMaxValue(false);
    EXPECT_TRUE(spin->GetCheckMinValue());
    EXPECT_TRUE(spin->GetCheckMaxValue());
    spin->SetValue(3000);
    EXPECT_EQ(spin->GetText(), "2500");
}

TEST_F(SpinEditTest, WithoutLimitsAnyValueStaysAsTyped)
{
    TKvSpinEdit* spin = AddSpin();
    TypeInto(*spin, "-3000");
    Leave();
    EXPECT_EQ(spin->GetText(), "-3000");
    EXPECT_EQ(spin->GetValue(), -3000);
}

// Typing passes through values below the lower limit ("1", "10" on the way to "100"); only the
// upper limit holds while typing. The lower one holds for what the program reads and when the
// field is left.
TEST_F(SpinEditTest, TypingBelowTheLowerLimitIsLeftUntilTheFieldIsLeft)
{
    TKvSpinEdit* spin = AddPowerSpin();
    struct Case {
        const char* Typed;
        const char* Shown;
        long double Read;
        const char* AfterExit;
    };
    const Case cases[] = {
        {"100", "100", 100, "100"},
        {"1", "1", 5, "5"},
        {"3000", "2500", 2500, "2500"},
        {"-", "-", 5, "5"},
        {"-20", "-20", 5, "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        TypeInto(*spin, c.Typed);
        EXPECT_EQ(spin->GetText(), c.Shown);
        EXPECT_EQ(spin->GetValue(), c.Read);
        Leave();
        EXPECT_EQ(spin->GetText(), c.AfterExit);
    }
    EXPECT_TRUE(ui.ErrorBoxes().empty());
}

TEST_F(SpinEditTest, CheckOptionsChooseWhenTheLimitsHoldTheText)
{
    struct Case {
        TKvCheckOptions Options;
        const char* Typed;
        const char* Shown;
        const char* AfterExit;
    };
    const Case cases[] = {
        {{}, "3000", "3000", "3000"},
        {{coCheckOnChange}, "3000", "2500", "2500"},
        {{coCheckOnChange}, "1", "1", "1"},
        {{coCheckOnExit, coCropBeyondLimit}, "3000", "3000", "2500"},
        {{coCheckOnExit, coCropBeyondLimit}, "1", "1", "5"},
    };
    TKvSpinEdit* spin = AddPowerSpin();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        spin->SetCheckOptions(c.Options);
        TypeInto(*spin, c.Typed);
        EXPECT_EQ(spin->GetText(), c.Shown);
        Leave();
        EXPECT_EQ(spin->GetText(), c.AfterExit);
        EXPECT_GE(spin->GetValue(), 5) << "what the program reads is always in range";
        EXPECT_LE(spin->GetValue(), 2500);
    }
}

TEST_F(SpinEditTest, RangeErrorOnExitShowsAfterTheFocusCameBack)
{
    TKvSpinEdit* spin = AddPowerSpin();
    spin->SetCheckOptions({coCheckOnChange, coCheckOnExit});
    spin->OnExit = log.Notify("exit");
    TypeInto(*spin, "1");
    Leave();
    EXPECT_TRUE(spin->Focused());
    EXPECT_EQ(spin->GetSelLength(), 1) << "the whole text is selected";
    EXPECT_TRUE(ui.ErrorBoxes().empty()) << "not in the middle of the focus change";
    ui.Pump();
    EXPECT_THAT(ui.ErrorBoxes(), ElementsAre("Value must be between 5 and 2500."));
    EXPECT_EQ(Count("exit"), 0);

    ui.Simulator().TypeText("50");
    Leave();
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(spin->GetText(), "50");
    EXPECT_EQ(Count("exit"), 1);
}

TEST_F(SpinEditTest, KeyFilterTakesOnlyWhatMakesANumber)
{
    struct Case {
        TValueType Type;
        const char* Text;
        int SelStart;
        int SelLength;
        const char* Typed;
        const char* Expected;
        int Beeps;
    };
    const Case cases[] = {
        {vtInteger, "12", 2, 0, "3", "123", 0},
        {vtInteger, "12", 2, 0, "a.e", "12", 3},
        {vtInteger, "12", 0, 0, "-", "-12", 0},
        {vtInteger, "12", 1, 0, "-", "12", 1},
        {vtInteger, "-12", 0, 0, "-", "-12", 1},
        {vtInteger, "-12", 0, 1, "+", "+12", 0},
        {vtFloat, "12", 2, 0, ".5", "12.5", 0},
        {vtFloat, "1.5", 3, 0, "e-3", "1.5e-3", 0},
        {vtFloat, "1.5e3", 5, 0, "e", "1.5e3", 1},
        {vtFloat, "1.5", 3, 0, ",", "1.5", 1},
        {vtHex, "1", 1, 0, "aF9", "1aF9", 0},
        {vtHex, "1", 1, 0, "g", "1", 1},
        {vtHex, "1", 0, 0, "-", "1", 1},
    };
    TKvSpinEdit* spin = AddSpin();
    spin->SetCheckOptions({});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " <- " + c.Typed);
        spin->SetValueType(c.Type);
        spin->SetFocus();
        spin->SetText(c.Text);
        spin->SetSelStart(c.SelStart);
        spin->SetSelLength(c.SelLength);
        const int before = Beeps();
        ui.Simulator().TypeText(c.Typed);
        EXPECT_EQ(spin->GetText(), c.Expected);
        EXPECT_EQ(Beeps() - before, c.Beeps);
    }
}

TEST_F(SpinEditTest, ASecondDecimalSeparatorMovesTheCaretBehindTheFirst)
{
    TKvSpinEdit* spin = AddSpin();
    spin->SetValueType(vtFloat);
    spin->SetValue(12.5);
    spin->SetFocus();
    spin->SetSelStart(1);
    ui.Simulator().TypeText(".");
    EXPECT_EQ(spin->GetText(), "12.50");
    EXPECT_EQ(spin->GetSelStart(), 3);
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(SpinEditTest, DeleteAndBackspaceStepOverTheDecimalSeparator)
{
    TKvSpinEdit* spin = AddSpin();
    spin->SetValueType(vtFloat);
    spin->SetValue(12.5);
    spin->SetFocus();
    spin->SetSelStart(2);
    ui.Simulator().KeyPress(VK_DELETE);
    EXPECT_EQ(spin->GetText(), "12.50");
    EXPECT_EQ(spin->GetSelStart(), 3);
    ui.Simulator().KeyPress(VK_BACK);
    EXPECT_EQ(spin->GetText(), "12.50");
    EXPECT_EQ(spin->GetSelStart(), 2);
    ui.Simulator().KeyPress(VK_BACK);
    EXPECT_EQ(spin->GetText(), "1.50") << "other characters still go";
}

TEST_F(SpinEditTest, WithoutTheEditorOnlyStepsChangeTheValue)
{
    TKvSpinEdit* spin = AddSpin();
    spin->SetEditorEnabled(false);
    spin->SetValue(42);
    spin->SetFocus();
    spin->SetSelStart(2);
    QGuiApplication::clipboard()->setText("7");
    ui.Simulator().TypeText("1");
    ui.Simulator().KeyPress(VK_BACK);
    spin->SetSelStart(0);
    ui.Simulator().KeyPress(VK_DELETE);
    ui.Simulator().KeyPress('V', {ssCtrl});
    spin->SelectAll();
    ui.Simulator().KeyPress('X', {ssCtrl});
    EXPECT_EQ(spin->GetText(), "42");
    ui.Simulator().KeyPress(VK_UP);
    EXPECT_EQ(spin->GetText(), "43");
}

// After the text is formatted the caret stays where the user typed, moved past the thousands
// separators formatting put before it.
TEST_F(SpinEditTest, CaretStaysWhereTheUserTyped)
{
    struct Case {
        TValueType Type;
        bool Thousands;
        const char* Typed;
        const char* Expected;
        int Caret;
    };
    const Case cases[] = {
        {vtFloat, false, "1", "1.00", 1},
        {vtFloat, false, "12.5", "12.50", 4},
        {vtFloat, false, "12.57", "12.57", 5},
        {vtInteger, true, "1234", "1,234", 5},
        {vtInteger, true, "1234567", "1,234,567", 9},
        {vtFloat, true, "1234", "1,234.00", 5},
    };
    TKvSpinEdit* spin = AddSpin();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        spin->SetValueType(c.Type);
        spin->SetThousands(c.Thousands);
        TypeInto(*spin, c.Typed);
        EXPECT_EQ(spin->GetText(), c.Expected);
        EXPECT_EQ(spin->GetSelStart(), c.Caret);
    }
}

TEST_F(SpinEditTest, ArrowKeysAndTheWheelStepByIncrement)
{
    TKvSpinEdit* spin = AddSpin();
    spin->SetValueType(vtFloat);
    spin->SetDecimal(1);
    spin->SetIncrement(0.5);
    spin->SetValue(2);
    spin->OnChange = log.Notify("change");
    spin->OnTopClick = log.Notify("top");
    spin->OnBottomClick = log.Notify("bottom");
    spin->SetFocus();
    ui.Simulator().KeyPress(VK_UP);
    EXPECT_EQ(spin->GetText(), "2.5");
    ui.Simulator().KeyPress(VK_DOWN);
    ui.Simulator().KeyPress(VK_DOWN);
    EXPECT_EQ(spin->GetText(), "1.5");
    ui.Simulator().Wheel(*spin, {5, 5}, 120);
    EXPECT_EQ(spin->GetText(), "2.0");
    ui.Simulator().Wheel(*spin, {5, 5}, -240);
    EXPECT_EQ(spin->GetText(), "1.5");
    EXPECT_THAT(log.Entries(), ElementsAre("change", "top", "change", "bottom", "change", "bottom", "change", "top",
                                           "change", "bottom"));
    EXPECT_TRUE(spin->GetModified());

    spin->SetArrowKeys(false);
    ui.Simulator().KeyPress(VK_UP);
    EXPECT_EQ(spin->GetText(), "1.5");
}

TEST_F(SpinEditTest, AStepAtALimitFiresItsClickButNoChange)
{
    TKvSpinEdit* spin = AddPowerSpin();
    spin->SetValue(2500);
    spin->OnChange = log.Notify("change");
    spin->OnTopClick = log.Notify("top");
    spin->StepUp();
    EXPECT_EQ(spin->GetText(), "2500");
    EXPECT_THAT(log.Entries(), ElementsAre("top"));
}

TEST_F(SpinEditTest, AReadOnlyFieldOnlyBeepsAtAStep)
{
    TKvSpinEdit* spin = AddSpin();
    spin->SetReadOnly(true);
    spin->OnTopClick = log.Notify("top");
    spin->SetFocus();
    ui.Simulator().KeyPress(VK_UP);
    EXPECT_EQ(spin->GetText(), "0");
    EXPECT_EQ(Beeps(), 1);
    spin->SetBeepOnError(false);
    ui.Simulator().KeyPress(VK_UP);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(SpinEditTest, ChangingTheKindReadsTheTextAgain)
{
    TKvSpinEdit* spin = AddSpin();
    spin->SetIncrement(2.5);
    spin->SetThousands(true);
    spin->SetValue(255);
    spin->SetValueType(vtHex);
    EXPECT_EQ(spin->GetText(), "255");
    EXPECT_EQ(spin->GetValue(), 0x255);
    EXPECT_EQ(spin->GetIncrement(), 2) << "rounded half to even";
    EXPECT_FALSE(spin->GetThousands());
    spin->SetThousands(true);
    EXPECT_FALSE(spin->GetThousands());
    spin->SetValue(255);
    EXPECT_EQ(spin->GetText(), "FF");
    spin->SetText("ff");
    EXPECT_EQ(spin->GetValue(), 255);
}

TEST_F(SpinEditTest, AsIntegerTruncatesTowardZero)
{
    TKvSpinEdit* spin = AddSpin();
    spin->SetValueType(vtFloat);
    spin->SetValue(2.9);
    EXPECT_EQ(spin->GetAsInteger(), 2);
    spin->SetValue(-2.9);
    EXPECT_EQ(spin->GetAsInteger(), -2);
}

TEST_F(SpinEditTest, UnreadableTextReadsAsTheLowerLimit)
{
    TKvSpinEdit* spin = AddSpin();
    spin->SetText("");
    EXPECT_EQ(spin->GetValue(), 0);
    spin->SetValueType(vtFloat);
    spin->SetMinValue(2.5);
    spin->SetMaxValue(10);
    spin->SetText("abc");
    EXPECT_EQ(spin->GetValue(), 2.5L);
}

TEST_F(SpinEditTest, APastedNumberWithBlanksAroundItIsThatNumber)
{
    struct Case {
        TValueType Kind;
        const char* Pasted;
        long double Read;
        const char* AfterExit;
    };
    const Case cases[] = {
        {vtInteger, " 42 ", 42, "42"},
        {vtInteger, "\t42", 42, "42"},
        {vtFloat, " 12.5 ", 12.5, "12.50"},
        {vtHex, " FF ", 255, "FF"},
        // Still no number: the lower limit, as for any unreadable text.
        {vtInteger, " 4 2 ", 5, "5"},
    };
    TKvSpinEdit* spin = AddPowerSpin();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Pasted);
        spin->SetValueType(c.Kind);
        spin->SetValue(100);
        spin->SetFocus();
        spin->SelectAll();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.Pasted));
        ui.Simulator().KeyPress('V', {ssCtrl});
        EXPECT_EQ(spin->GetValue(), c.Read);
        Leave();
        EXPECT_EQ(spin->GetText(), c.AfterExit);
    }
}

TEST_F(SpinEditTest, AFocusedFieldShowsThePlainNumberOfItsDisplayFormat)
{
    TKvSpinEdit* spin = AddSpin();
    spin->SetValueType(vtFloat);
    spin->SetDisplayFormat(",0.00 W");
    other->SetFocus();
    spin->SetValue(1234.5);
    EXPECT_EQ(spin->GetText(), "1,234.50 W");
    spin->SetFocus();
    EXPECT_EQ(spin->GetText(), "1234.50");
    Leave();
    EXPECT_EQ(spin->GetText(), "1,234.50 W");
    EXPECT_EQ(spin->GetValue(), 1234.5L);
}

TEST_F(SpinEditTest, EnterGoesToTheFormsDefaultButtonOnce)
{
    TKvSpinEdit* spin = AddSpin();
    auto* button = AddControl<TButton>(*form, Bounds(10, 70, 75, 25));
    button->SetDefault(true);
    button->OnClick = log.Notify("default");
    spin->SetFocus();
    ui.Simulator().KeyPress(VK_RETURN);
    EXPECT_THAT(log.Entries(), ElementsAre("default"));
}

// The buttons fill the right end of the client area, whatever the kind and the frame, and the
// text keeps clear of them.
TEST_F(SpinEditTest, ButtonsSitAtTheRightEndOfTheClientArea)
{
    struct Case {
        TSpinButtonKind Kind;
        TBorderStyle Border;
        int ButtonWidth;
        int ButtonHeight;
    };
    const Case cases[] = {
        {bkDiagonal, bsSingle, 17, 17},
        {bkClassic, bsSingle, 14, 17},
        {bkDiagonal, bsNone, 20, 20},
        {bkClassic, bsNone, 14, 20},
        {bkStandard, bsSingle, 15, 17},
    };
    TKvSpinEdit* spin = AddSpin();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Kind) + " " + std::to_string(c.Border));
        spin->SetBorderStyle(c.Border);
        spin->SetButtonKind(c.Kind);
        spin->SetWidth(121);
        ASSERT_EQ(spin->ControlCount(), 1);
        auto* window = dynamic_cast<TWinControl*>(spin->Controls(0));
        ASSERT_NE(window, nullptr);
        const TControl* button = c.Kind == bkStandard ? window : window->Controls(0);
        EXPECT_EQ(window->GetLeft() + window->GetWidth(), spin->GetClientWidth());
        EXPECT_EQ(window->GetTop(), 0);
        EXPECT_EQ(button->GetWidth(), c.ButtonWidth);
        EXPECT_EQ(button->GetHeight(), c.ButtonHeight);
    }
    spin->SetShowButton(false);
    EXPECT_EQ(spin->ControlCount(), 0);
}

TEST_F(SpinEditTest, TheHeightKeepsRoomForOneLineOfText)
{
    TKvSpinEdit* spin = AddSpin();
    spin->SetHeight(4);
    EXPECT_GT(spin->GetHeight(), 4 + 4 * 1 + 1);
    EXPECT_LE(spin->GetHeight(), 21);
}

TEST_F(SpinEditTest, ReadingTheValueRunsNoChange)
{
    TKvSpinEdit* spin = AddSpin();
    spin->SetValue(7);
    spin->OnChange = log.Notify("change");
    EXPECT_EQ(spin->GetValue(), 7);
    spin->SetValue(7);
    EXPECT_TRUE(log.Entries().empty());
    spin->SetValue(8);
    EXPECT_THAT(log.Entries(), ElementsAre("change"));
}

}  // namespace
