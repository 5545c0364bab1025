#include "GridTestSupport.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/FocusManager.h"
#include "platform/grids/TInplaceEdit.h"
#include "platform/testing/EventLog.h"

#include <gmock/gmock.h>

#include <string>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

class InplaceEditTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        grid->SetOptions(grid->GetOptions().Include(goEditing));
        grid->SetCells(1, 1, "7.1");
        grid->SetCells(1, 2, "14.0");
        grid->OnSetEditText = [this](TObject*, int ACol, int ARow, const std::string& Value) {
            log.Add(std::to_string(ACol) + "," + std::to_string(ARow) + "=" + Value);
        };
    }
    void Key(unsigned VirtualKey, TShiftState Shift = {}) { ui.Simulator().KeyPress(VirtualKey, Shift); }
    TInplaceEdit* Editor() const { return grid->InplaceEditor(); }
    bool Editing() const { return Editor() && Editor()->GetVisible(); }

    EventLog log;
};

TEST_F(InplaceEditTest, F2ShowsTheEditorOverTheCurrentCellWithItsEditText)
{
    grid->OnGetEditText = [](TObject*, int, int, std::string& Value) { Value += " MHz"; };
    Key(VK_F2);
    ASSERT_TRUE(Editing());
    EXPECT_EQ(Editor()->GetText(), "7.1 MHz");
    EXPECT_EQ(Editor()->GetBoundsRect(), grid->CellRect(1, 1));
    EXPECT_EQ(FocusManager::Focused(), Editor());
    // F2 leaves the caret at the end, nothing selected.
    EXPECT_EQ(Editor()->GetSelStart(), 7);
    EXPECT_EQ(Editor()->GetSelLength(), 0);
}

TEST_F(InplaceEditTest, KeysThatEndTheEditCommitThroughSetEditText)
{
    struct Case {
        const char* what;
        unsigned key;
        bool tabs;
        int col, row;
    };
    const Case cases[] = {
        {"enter", VK_RETURN, false, 1, 1},
        {"down", VK_DOWN, false, 1, 2},
        {"tab", VK_TAB, true, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.Clear();
        grid->SetCells(1, 1, "7.1");
        TGridOptions options = grid->GetOptions();
        grid->SetOptions(c.tabs ? options.Include(goTabs) : options.Exclude(goTabs));
        grid->SetCol(1);
        grid->SetRow(1);
        Key(VK_F2);
        ui.Simulator().TypeText("5");
        Key(c.key);
        EXPECT_EQ(grid->GetCells(1, 1), "7.15");
        EXPECT_THAT(log.Entries(), ElementsAre("1,1=7.15"));
        EXPECT_FALSE(Editing());
        EXPECT_EQ(grid->GetCol(), c.col);
        EXPECT_EQ(grid->GetRow(), c.row);
        EXPECT_EQ(FocusManager::Focused(), grid);
    }
}

TEST_F(InplaceEditTest, EscapePutsBackTheTextTheEditorWasLoadedWith)
{
    Key(VK_F2);
    ui.Simulator().TypeText("999");
    Key(VK_ESCAPE);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(grid->GetCells(1, 1), "7.1");
    EXPECT_EQ(FocusManager::Focused(), grid);

    // With the editor always shown it stays, holding the loaded text again.
    grid->SetOptions(grid->GetOptions().Include(goAlwaysShowEditor));
    ASSERT_TRUE(Editing());
    ui.Simulator().TypeText("x");
    Key(VK_ESCAPE);
    EXPECT_TRUE(Editing());
    EXPECT_EQ(Editor()->GetText(), "7.1");
}

TEST_F(InplaceEditTest, TypingOnTheGridStartsAnEditWithThatCharacter)
{
    ui.Simulator().TypeText("3");
    ui.Pump();
    ASSERT_TRUE(Editing());
    ui.Simulator().TypeText("5");
    EXPECT_EQ(Editor()->GetText(), "35");
    Key(VK_RETURN);
    EXPECT_EQ(grid->GetCells(1, 1), "35");

    // Without goEditing the grid takes no text.
    grid->SetOptions(grid->GetOptions().Exclude(goEditing));
    ui.Simulator().TypeText("4");
    ui.Pump();
    EXPECT_FALSE(Editing());
    EXPECT_EQ(grid->GetCells(1, 1), "35");
}

TEST_F(InplaceEditTest, AnAlwaysShownEditorFollowsTheCurrentCell)
{
    grid->SetOptions(grid->GetOptions().Include(goAlwaysShowEditor));
    ASSERT_TRUE(Editing());
    // The loaded text is selected: typing replaces it.
    ui.Simulator().TypeText("2");
    Key(VK_DOWN);
    EXPECT_EQ(grid->GetCells(1, 1), "2");
    ASSERT_TRUE(Editing());
    EXPECT_EQ(Editor()->GetText(), "14.0");
    EXPECT_EQ(Editor()->GetBoundsRect(), grid->CellRect(1, 2));
    // Right leaves the text only at its end.
    Editor()->SetSelStart(1);
    Key(VK_RIGHT);
    EXPECT_EQ(grid->GetCol(), 1);
    EXPECT_EQ(Editor()->GetSelStart(), 2);
    Editor()->SetSelStart(4);
    Key(VK_RIGHT);
    EXPECT_EQ(grid->GetCol(), 2);
    EXPECT_EQ(grid->GetCells(1, 2), "14.0");
}

TEST_F(InplaceEditTest, LeavingTheGridCommitsTheEdit)
{
    auto* other = new TOpenStringGrid(form);
    other->SetBounds(450, 0, 100, 100);
    other->SetParent(form);
    Key(VK_F2);
    ui.Simulator().TypeText("8");
    other->SetFocus();
    EXPECT_EQ(grid->GetCells(1, 1), "7.18");
    EXPECT_FALSE(Editing());
}

TEST_F(InplaceEditTest, TheLengthLimitHoldsForWhatIsTypedAndMinusOneForbidsChanges)
{
    grid->EditLimit = 6;
    grid->SetCells(1, 1, "αβ");
    Key(VK_F2);
    ui.Simulator().TypeText("γδεζη");
    EXPECT_EQ(Editor()->GetText(), "αβγδεζ");
    Key(VK_RETURN);

    grid->EditLimit = -1;
    Key(VK_F2);
    ui.Simulator().TypeText("x");
    Key(VK_BACK);
    EXPECT_EQ(Editor()->GetText(), "αβγδεζ");
}

TEST_F(InplaceEditTest, LongAndMultiLineTextsSurviveAnEdit)
{
    const std::string longText(40000, 'w');
    const std::string lines = "first\r\nsecond";
    for (const std::string& text : {longText, lines}) {
        grid->SetCells(1, 1, text);
        Key(VK_F2);
        Key(VK_RETURN);
        EXPECT_EQ(grid->GetCells(1, 1), text);
    }
}

TEST_F(InplaceEditTest, AnEditMaskShapesTheTextAndAnIncompleteOneKeepsTheEditOpen)
{
    grid->OnGetEditMask = [](TObject*, int, int ARow, std::string& Value) {
        Value = ARow == 1 ? "99:99;1;_" : "00:00;1;_";
    };
    grid->SetCells(1, 1, "");
    Key(VK_F2);
    ui.Simulator().TypeText("1a23");
    EXPECT_EQ(Editor()->GetText(), "12:3 ");
    Key(VK_RETURN);
    EXPECT_EQ(grid->GetCells(1, 1), "12:3 ");

    // Every position of the second row's mask is required.
    grid->SetCells(1, 2, "");
    grid->SetRow(2);
    Key(VK_F2);
    ui.Simulator().TypeText("12");
    Key(VK_DOWN);
    EXPECT_THAT(ui.ErrorBoxes(), ElementsAre("Invalid input value."));
    EXPECT_TRUE(Editing());
    EXPECT_EQ(grid->GetRow(), 2);
    EXPECT_EQ(grid->GetCells(1, 2), "");
    EXPECT_EQ(Editor()->GetText(), "12:  ");
}

}  // namespace
