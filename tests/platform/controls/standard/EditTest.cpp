// Edit fields: limits, selections and clipboard in code points, masks, labelled edits, memos.

#include "StandardFixture.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/TButton.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TLabeledEdit.h"
#include "platform/controls/standard/TMaskEdit.h"
#include "platform/controls/standard/TMemo.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/TStrings.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

class EditTest : public StandardFixture {
protected:
    TEdit* AddEdit()
    {
        auto* edit = AddControl<TEdit>(*form, Bounds(10, 10, 120, 21));
        edit->OnChange = log.Notify("change");
        return edit;
    }
    void Focus(TWinControl* control)
    {
        form->Show();
        control->SetFocus();
        log.Clear();
    }
};

TEST_F(EditTest, MaxLengthRefusesWhatTheUserTypesOrPastesBeyondIt)
{
    TEdit* edit = AddEdit();
    edit->SetMaxLength(6);
    Focus(edit);

    ui.Simulator().TypeText("abcdefg");
    EXPECT_EQ(edit->GetText(), "abcdef");
    EXPECT_EQ(log.Entries().size(), 6u) << "one change per character taken";

    // Characters, not bytes: six accented letters fill the field too.
    edit->Clear();
    ui.Simulator().TypeText("éàüøçñx");
    EXPECT_EQ(edit->GetText(), "éàüøçñ");

    // A selection makes room; a paste is cut to the room there is.
    edit->SetSelStart(2);
    edit->SetSelLength(2);
    QGuiApplication::clipboard()->setText(QStringLiteral("1234"));
    ui.Simulator().KeyPress('V', {ssCtrl});
    EXPECT_EQ(edit->GetText(), "éà12çñ");

    // Code may set a longer text.
    edit->SetText("0123456789");
    EXPECT_EQ(edit->GetText(), "0123456789");
}

TEST_F(EditTest, WithoutMaxLengthALongTextIsKeptWhole)
{
    TEdit* edit = AddEdit();
    Focus(edit);
    const std::string longText(40000, 'x');
    edit->SetText(longText);
    EXPECT_EQ(edit->GetText().size(), longText.size());
    edit->SetSelStart(static_cast<int>(longText.size()));
    ui.Simulator().TypeText("y");
    EXPECT_EQ(edit->GetText(), longText + "y");
}

TEST_F(EditTest, SelectionCountsCodePoints)
{
    TEdit* edit = AddEdit();
    edit->SetText("a€😀bc");
    Focus(edit);

    edit->SetSelStart(1);
    edit->SetSelLength(2);
    EXPECT_EQ(edit->GetSelStart(), 1);
    EXPECT_EQ(edit->GetSelLength(), 2);
    EXPECT_EQ(edit->GetSelText(), "€😀");

    edit->SetSelText("xyz");
    EXPECT_EQ(edit->GetText(), "axyzbc");
    EXPECT_EQ(edit->GetSelStart(), 4);
    EXPECT_TRUE(edit->GetModified());

    // Out of range: clipped to the text.
    edit->SetSelStart(99);
    EXPECT_EQ(edit->GetSelStart(), 6);
    edit->SetSelStart(-3);
    edit->SetSelLength(99);
    EXPECT_EQ(edit->GetSelLength(), 6);
}

TEST_F(EditTest, TheSelectionLivesOnWhenTheWindowIsMadeLater)
{
    auto* edit = new TEdit(form);
    edit->SetText("héllo");
    edit->SetSelStart(1);
    edit->SetSelLength(3);
    EXPECT_EQ(edit->GetSelText(), "éll");
    edit->SetParent(form);
    edit->HandleNeeded();
    EXPECT_EQ(edit->GetSelText(), "éll");
}

TEST_F(EditTest, ClipboardCommandsKeysAndReadOnly)
{
    TEdit* edit = AddEdit();
    edit->SetText("hello world");
    Focus(edit);
    QClipboard* clipboard = QGuiApplication::clipboard();

    edit->SetSelStart(0);
    edit->SetSelLength(5);
    edit->CutToClipboard();
    EXPECT_EQ(clipboard->text(), "hello");
    EXPECT_EQ(edit->GetText(), " world");

    edit->SetSelStart(6);
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->GetText(), " worldhello");
    edit->Undo();
    EXPECT_EQ(edit->GetText(), " world");

    edit->SelectAll();
    ui.Simulator().KeyPress(VK_INSERT, {ssCtrl});
    EXPECT_EQ(clipboard->text(), " world");
    ui.Simulator().KeyPress(VK_DELETE, {ssShift});
    EXPECT_EQ(edit->GetText(), "");
    ui.Simulator().KeyPress(VK_INSERT, {ssShift});
    EXPECT_EQ(edit->GetText(), " world");

    // Read only: nothing changes it, copying still works.
    edit->SetReadOnly(true);
    log.Clear();
    edit->SelectAll();
    edit->CutToClipboard();
    clipboard->setText(QStringLiteral("other"));
    edit->PasteFromClipboard();
    edit->ClearSelection();
    ui.Simulator().TypeText("typed");
    ui.Simulator().KeyPress(VK_BACK);
    EXPECT_EQ(edit->GetText(), " world");
    EXPECT_TRUE(log.Entries().empty());
    edit->CopyToClipboard();
    EXPECT_EQ(clipboard->text(), " world");

    // A password is never copied out.
    edit->SetReadOnly(false);
    edit->SetPasswordChar(U'*');
    clipboard->setText(QStringLiteral("kept"));
    edit->SelectAll();
    edit->CopyToClipboard();
    edit->CutToClipboard();
    EXPECT_EQ(clipboard->text(), "kept");
    EXPECT_EQ(edit->GetText(), " world");
}

TEST_F(EditTest, ChangesByCodeAndByTheUserRunOnChangeAndOnlyTheUserSetsModified)
{
    TEdit* edit = AddEdit();
    Focus(edit);

    edit->SetText("abc");
    edit->SetText("abc");
    EXPECT_THAT(log.Entries(), ElementsAre("change"));
    EXPECT_FALSE(edit->GetModified());

    ui.Simulator().TypeText("d");
    EXPECT_TRUE(edit->GetModified());
    edit->SetText("new");
    EXPECT_FALSE(edit->GetModified());
}

TEST_F(EditTest, CharCaseConvertsTypedPastedAndPresentText)
{
    TEdit* edit = AddEdit();
    edit->SetText("Mixed");
    edit->SetCharCase(ecUpperCase);
    EXPECT_EQ(edit->GetText(), "MIXED");
    Focus(edit);
    edit->SelectAll();
    ui.Simulator().TypeText("ab");
    QGuiApplication::clipboard()->setText(QStringLiteral("çd"));
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->GetText(), "ABÇD");
}

TEST_F(EditTest, GettingTheFocusFromTheKeyboardSelectsAllWithAutoSelect)
{
    auto* first = AddControl<TEdit>(*form, Bounds(10, 10, 80, 21));
    TEdit* edit = AddEdit();
    edit->SetText("selected");
    form->Show();
    first->SetFocus();
    ui.Simulator().KeyPress(VK_TAB);
    ASSERT_TRUE(edit->Focused());
    EXPECT_EQ(edit->GetSelLength(), 8);

    edit->SetAutoSelect(false);
    edit->SetSelStart(0);
    ui.Simulator().KeyPress(VK_TAB);
    ui.Simulator().KeyPress(VK_TAB);
    ASSERT_TRUE(edit->Focused());
    EXPECT_EQ(edit->GetSelLength(), 0);
}

// The masked edit as the user types into it: one table of masks and keys.
TEST_F(EditTest, AMaskTakesOnlyWhatItAllows)
{
    FormatSettings().DateSeparator = '/';
    FormatSettings().TimeSeparator = ':';
    struct Case {
        const char* mask;
        const char* typed;
        const char* editText;
        const char* text;
        int beeps;
    };
    const Case cases[] = {
        {"000;1;_", "12", "12_", "12 ", 0},
        {"000;1;_", "1a2b3", "123", "123", 2},
        {"(999)000-0000;1;_", "5551234567", "(555)123-4567", "(555)123-4567", 0},
        {"(999)000-0000;0;_", "5551234567", "(555)123-4567", "5551234567", 0},
        {"(999)000-0000;0;_", "(555)123", "(555)123-____", "555123", 0},
        {">LL-00;0;_", "ab12", "AB-12", "AB12", 0},
        {">LL-00;0;_", "a1", "A_-__", "A", 1},
        {"<LLL;1;*", "XyZ", "xyz", "xyz", 0},
        {">LL;1;A", "ab", "BA", "B ", 1},  // "a" would become the blank and read as empty
        {"##.##;1; ", "-1.5", "-1.5 ", "-1.5 ", 0},
        {"AAA;0;_", "a1!", "a1_", "a1", 1},
        {"\\L00;1;_", "12", "L12", "L12", 0},
        {"CCC;1;_", "a b", "a b", "a b", 0},
        {"00/00/0000;1;_", "01022024", "01/02/2024", "01/02/2024", 0},
        {"!99:99;0;_", "12:3", "12:3_", "123", 0},
        {"llll;0;_", "ab", "ab__", "ab", 0},
        {"LLL;0;_", "éßÅ", "éßÅ", "éßÅ", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " <- " + c.typed);
        auto* edit = AddControl<TMaskEdit>(*form, Bounds(10, 40, 120, 21));
        edit->SetEditMask(c.mask);
        Focus(edit);
        edit->SetSelStart(0);
        const auto beepsBefore = ui.Base().Beeper().SoundTypes().size();
        ui.Simulator().TypeText(c.typed);
        EXPECT_EQ(edit->GetEditText(), c.editText);
        EXPECT_EQ(edit->GetText(), c.text);
        EXPECT_EQ(static_cast<int>(ui.Base().Beeper().SoundTypes().size() - beepsBefore), c.beeps);
        delete edit;
    }
}

TEST_F(EditTest, MaskedTextSetByCodeAndTheMaskKeysEditing)
{
    struct Case {
        const char* mask;
        const char* text;
        const char* editText;
    };
    const Case cases[] = {
        {"(999)000-0000;0;_", "5551234567", "(555)123-4567"},
        {"(999)000-0000;1;_", "(555)123-4567", "(555)123-4567"},
        {"(999)000-0000;1;_", "5551234567", "(555)123-4567"},
        {"!999;0;_", "12", "_12"},
        {"000;0;_", "1x3", "1_3"},
        {"000;0;_", "", "___"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " = " + c.text);
        TMaskEdit edit(nullptr);
        edit.SetEditMask(c.mask);
        edit.SetText(c.text);
        EXPECT_EQ(edit.GetEditText(), c.editText);
    }

    // A new mask shows the present text through it.
    auto* edit = AddControl<TMaskEdit>(*form, Bounds(10, 40, 120, 21));
    edit->SetText("4567");
    edit->SetEditMask("00-00;0;_");
    EXPECT_EQ(edit->GetEditText(), "45-67");

    // Backspace and Delete empty positions, literals stay; a paste fills from the caret.
    Focus(edit);
    edit->SetSelStart(5);
    ui.Simulator().KeyPress(VK_BACK);
    EXPECT_EQ(edit->GetEditText(), "45-6_");
    edit->SetSelStart(0);
    ui.Simulator().KeyPress(VK_DELETE);
    EXPECT_EQ(edit->GetEditText(), "_5-6_");
    QGuiApplication::clipboard()->setText(QStringLiteral("9x87"));
    edit->SetSelStart(0);
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->GetEditText(), "98-7_");
    edit->Undo();
    EXPECT_EQ(edit->GetEditText(), "_5-6_");
}

TEST_F(EditTest, LeavingAnIncompleteMaskedFieldRaisesAndKeepsTheFocus)
{
    auto* edit = AddControl<TMaskEdit>(*form, Bounds(10, 40, 120, 21));
    edit->SetEditMask("00-00;1;_");
    auto* other = AddControl<TEdit>(*form, Bounds(10, 70, 120, 21));
    Focus(edit);
    edit->SetSelStart(0);

    // Untouched: leaving is fine.
    other->SetFocus();
    EXPECT_TRUE(ui.ErrorBoxes().empty());

    edit->SetFocus();
    edit->SetSelStart(0);
    ui.Simulator().TypeText("12");
    ui.Simulator().KeyPress(VK_TAB);
    EXPECT_THAT(ui.ErrorBoxes(), ElementsAre("Invalid input value."));
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->GetSelStart(), 3) << "at the first empty position";

    ui.Simulator().TypeText("34");
    ui.Simulator().KeyPress(VK_TAB);
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(ui.ErrorBoxes().size(), 1u);
    EXPECT_EQ(edit->GetText(), "12-34");

    // Called directly, the check raises to the caller.
    edit->SetFocus();
    edit->SetSelStart(0);
    ui.Simulator().KeyPress(VK_DELETE);
    EXPECT_THROW(edit->ValidateEdit(), EDBEditError);
}

TEST_F(EditTest, EscapeBringsBackTheMaskedTextOfTheFocusEntryAndOtherwiseReachesTheForm)
{
    auto* edit = AddControl<TMaskEdit>(*form, Bounds(10, 40, 120, 21));
    edit->SetEditMask("000;1;_");
    edit->SetText("123");
    auto* cancel = AddControl<TButton>(*form, Bounds(10, 70, 75, 25));
    cancel->SetCancel(true);
    cancel->OnClick = log.Notify("cancel");
    Focus(edit);
    edit->SetSelStart(0);
    ui.Simulator().TypeText("9");
    ui.Simulator().KeyPress(VK_ESCAPE);
    EXPECT_EQ(edit->GetText(), "123");
    EXPECT_FALSE(edit->GetModified());
    EXPECT_EQ(Count("cancel"), 0);
    ui.Simulator().KeyPress(VK_ESCAPE);
    EXPECT_EQ(Count("cancel"), 1);
}

TEST_F(EditTest, ALabeledEditKeepsItsLabelBesideItAndFocusesThroughIt)
{
    struct Case {
        TLabelPosition position;
        int labelLeft;
        int labelTop;
    };
    auto* edit = AddControl<TLabeledEdit>(*form, Bounds(100, 50, 120, 21));
    TLabel& label = edit->EditLabel();
    label.SetCaption("&Latitude");
    const int w = label.GetWidth();
    const int h = label.GetHeight();
    const Case cases[] = {
        {lpAbove, 100, 50 - h - 3},
        {lpBelow, 100, 50 + 21 + 3},
        {lpLeft, 100 - w - 3, 50 + (21 - h) / 2},
        {lpRight, 100 + 120 + 3, 50 + (21 - h) / 2},
    };
    for (const Case& c : cases) {
        edit->SetLabelPosition(c.position);
        EXPECT_EQ(label.GetLeft(), c.labelLeft) << c.position;
        EXPECT_EQ(label.GetTop(), c.labelTop) << c.position;
    }
    EXPECT_EQ(label.GetParent(), form);

    edit->SetLabelPosition(lpAbove);
    edit->SetLeft(30);
    EXPECT_EQ(label.GetLeft(), 30);
    edit->SetVisible(false);
    EXPECT_FALSE(label.GetVisible());
    edit->SetVisible(true);

    auto* other = AddControl<TEdit>(*form, Bounds(10, 120, 80, 21));
    form->Show();
    other->SetFocus();
    ui.Simulator().KeyPress('L', {ssAlt});
    EXPECT_TRUE(edit->Focused());

    // The label goes with the edit.
    delete edit;
    for (int i = 0; i < form->ControlCount(); ++i)
        EXPECT_EQ(dynamic_cast<TLabel*>(form->Controls(i)), nullptr);
}

TEST_F(EditTest, MemoLinesFollowTheTextBothWays)
{
    auto* memo = AddControl<TMemo>(*form, Bounds(10, 10, 200, 100));
    memo->OnChange = log.Notify("change");
    TStrings& lines = memo->Lines();
    EXPECT_EQ(lines.Count(), 0);

    lines.Add("first");
    lines.Add("second");
    lines.Insert(1, "middle");
    EXPECT_EQ(memo->GetText(), "first\r\nmiddle\r\nsecond");
    EXPECT_EQ(log.Entries().size(), 3u);

    lines.Delete(0);
    lines.SetStrings(1, "last");
    EXPECT_EQ(memo->GetText(), "middle\r\nlast");

    memo->SetText("a\nb\r\nc\r\n");
    EXPECT_EQ(lines.Count(), 3) << "a final line break starts no line";
    EXPECT_EQ(lines.GetStrings(2), "c");

    // Many lines at once are one change.
    log.Clear();
    lines.SetText("1\r\n2\r\n3\r\n4");
    EXPECT_EQ(lines.Count(), 4);
    EXPECT_EQ(log.Entries().size(), 1u);
    EXPECT_THROW(lines.GetStrings(4), EStringListError);

    // The same with a window, and the user's typing shows in the lines.
    form->Show();
    memo->SetFocus();
    memo->SetSelStart(static_cast<int>(memo->GetText().size()));
    ui.Simulator().TypeText("5");
    ui.Simulator().KeyPress(VK_RETURN);
    ui.Simulator().TypeText("6");
    EXPECT_EQ(lines.Count(), 5);
    EXPECT_EQ(lines.GetStrings(3), "45");
    EXPECT_EQ(lines.GetStrings(4), "6");
    EXPECT_TRUE(memo->GetModified());
}

TEST_F(EditTest, AMemoTakesEnterAndLimitsItsLength)
{
    auto* memo = AddControl<TMemo>(*form, Bounds(10, 10, 200, 100));
    auto* ok = AddControl<TButton>(*form, Bounds(10, 120, 75, 25));
    ok->SetDefault(true);
    ok->OnClick = log.Notify("ok");
    memo->SetMaxLength(5);
    Focus(memo);
    ui.Simulator().TypeText("ab");
    ui.Simulator().KeyPress(VK_RETURN);
    ui.Simulator().TypeText("cdef");
    EXPECT_EQ(Count("ok"), 0);
    EXPECT_EQ(memo->Lines().Count(), 2);
    EXPECT_EQ(memo->GetText(), "ab\r\ncd");

    memo->SetWantReturns(false);
    ui.Simulator().KeyPress(VK_RETURN);
    EXPECT_EQ(Count("ok"), 1);
}

}  // namespace
