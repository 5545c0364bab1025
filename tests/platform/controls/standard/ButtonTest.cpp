// Push buttons with the form's Enter and Escape, bitmap buttons, check boxes, radio buttons and
// groups, speed buttons.

#include "StandardFixture.h"

#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/BitBtnGlyphs.h"
#include "platform/controls/standard/TBitBtn.h"
#include "platform/controls/standard/TButton.h"
#include "platform/controls/standard/TCheckBox.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/controls/standard/TGroupBox.h"
#include "platform/controls/standard/TRadioButton.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/controls/standard/TSpeedButton.h"
#include "platform/core/Exception.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/TestMessageQueue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::testing;
using ::testing::ElementsAre;

namespace {

class ButtonTest : public StandardFixture {
protected:
    TButton* AddButton(const std::string& Name, int Top)
    {
        auto* button = AddControl<TButton>(*form, Bounds(10, Top, 75, 25));
        button->SetCaption(Name);
        button->OnClick = log.Notify(Name);
        return button;
    }
};

TEST_F(ButtonTest, EnterClicksTheDefaultButtonOnceAndEscapeTheCancelButton)
{
    auto* edit = AddControl<TEdit>(*form, Bounds(10, 10, 100, 21));
    TButton* ok = AddButton("ok", 40);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    TButton* cancel = AddButton("cancel", 70);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    TButton* other = AddButton("other", 100);
    form->Show();
    edit->SetFocus();

    ui.Simulator().KeyPress(VK_RETURN);
    EXPECT_THAT(log.Entries(), ElementsAre("ok"));
    EXPECT_EQ(form->GetModalResult(), mrOk);

    ui.Simulator().KeyPress(VK_ESCAPE);
    EXPECT_THAT(log.Entries(), ElementsAre("ok", "cancel"));
    EXPECT_EQ(form->GetModalResult(), mrCancel);

    // Enter on a focused button presses that one; Space and the mouse press it once too.
    log.Clear();
    form->SetModalResult(mrNone);
    other->SetFocus();
    ui.Simulator().KeyPress(VK_RETURN);
    ui.Simulator().KeyPress(VK_SPACE);
    ui.Simulator().Click(*other, {10, 10});
    EXPECT_THAT(log.Entries(), ElementsAre("other", "other", "other"));
    EXPECT_EQ(form->GetModalResult(), mrNone) << "a button without a modal result leaves the form's";

    // Disabled or hidden buttons are not pressed.
    log.Clear();
    edit->SetFocus();
    ok->SetEnabled(false);
    cancel->SetVisible(false);
    ui.Simulator().KeyPress(VK_RETURN);
    ui.Simulator().KeyPress(VK_ESCAPE);
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(ButtonTest, AButtonWithAModalResultEndsTheModalShowing)
{
    TButton* ok = AddButton("ok", 40);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    ui.Queue().WhenIdle([&] { ui.Simulator().KeyPress(VK_RETURN); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_THAT(log.Entries(), ElementsAre("ok"));
    EXPECT_FALSE(form->GetVisible());
}

TEST_F(ButtonTest, AcceleratorsPressButtonsAndToggleBoxes)
{
    TButton* save = AddButton("&Save", 10);
    auto* box = AddControl<TCheckBox>(*form, Bounds(10, 40, 100, 17));
    box->SetCaption("&Grid");
    auto* edit = AddControl<TEdit>(*form, Bounds(10, 70, 100, 21));
    form->Show();
    edit->SetFocus();
    ui.Simulator().KeyPress('S', {ssAlt});
    ui.Simulator().KeyPress('G', {ssAlt});
    EXPECT_THAT(log.Entries(), ElementsAre("&Save"));
    EXPECT_TRUE(box->GetChecked());
    EXPECT_TRUE(box->Focused());
    (void)save;
}

TEST_F(ButtonTest, BitButtonKindsBringTheirCaptionsAndResults)
{
    struct Case {
        TBitBtnKind kind;
        const char* caption;
        TModalResult result;
        bool isDefault;
        bool isCancel;
    };
    const Case cases[] = {
        {bkOK, "OK", mrOk, true, false},          {bkCancel, "Cancel", mrCancel, false, true},
        {bkYes, "&Yes", mrYes, true, false},      {bkNo, "&No", mrNo, false, true},
        {bkAbort, "Abort", mrAbort, false, false}, {bkRetry, "&Retry", mrRetry, false, false},
        {bkIgnore, "&Ignore", mrIgnore, false, false}, {bkAll, "&All", mrAll, false, false},
        {bkHelp, "&Help", mrNone, false, false},  {bkClose, "&Close", mrNone, false, false},
    };
    auto* button = AddControl<TBitBtn>(*form, Bounds(10, 10, 75, 25));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        button->SetKind(c.kind);
        EXPECT_EQ(button->GetCaption(), c.caption);
        EXPECT_EQ(button->GetModalResult(), c.result);
        EXPECT_EQ(button->GetDefault(), c.isDefault);
        EXPECT_EQ(button->GetCancel(), c.isCancel);
    }
}

TEST_F(ButtonTest, BitButtonKindsBringTheirGlyphs)
{
    const TBitBtnKind kinds[] = {bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll};
    std::vector<std::vector<TColor>> pictures;
    for (const TBitBtnKind kind : kinds) {
        SCOPED_TRACE(kind);
        auto* button = AddControl<TBitBtn>(*form, Bounds(10, 10, 75, 25));
        button->SetKind(kind);
        TBitmap& glyph = button->Glyph();
        // The sign and its disabled form, 18 x 18 each, on olive.
        ASSERT_EQ(glyph.GetWidth(), 2 * BitBtnKindGlyphSize);
        ASSERT_EQ(glyph.GetHeight(), BitBtnKindGlyphSize);
        EXPECT_EQ(button->GetNumGlyphs(), 2);
        EXPECT_EQ(glyph.GetTransparentColor(), clOlive);
        std::vector<TColor> sign;
        int signPixels = 0;
        for (int y = 0; y < BitBtnKindGlyphSize; ++y)
            for (int x = 0; x < BitBtnKindGlyphSize; ++x) {
                const TColor colour = glyph.Canvas().GetPixels(x, y);
                sign.push_back(colour);
                signPixels += colour != clOlive ? 1 : 0;
                const TColor disabled = glyph.Canvas().GetPixels(BitBtnKindGlyphSize + x, y);
                EXPECT_TRUE(disabled == clOlive || disabled == clGray || disabled == clWhite) << x << "," << y;
                // The disabled form has the sign's shape in grey.
                EXPECT_EQ(colour != clOlive, disabled == clGray) << x << "," << y;
            }
        EXPECT_GT(signPixels, 40);
        pictures.push_back(sign);
        delete button;
    }
    // Each kind its own sign, but Yes is OK's.
    for (std::size_t i = 0; i < pictures.size(); ++i)
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_EQ(pictures[i] == pictures[j], kinds[i] == bkOK && kinds[j] == bkYes) << kinds[i] << " " << kinds[j];

    // Drawn on the platform's own bitmap buttons, normal and disabled.
    form->SetClientWidth(10 + 5 * 90);
    form->SetClientHeight(80);
    std::vector<TBitBtn*> buttons;
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        auto* button = AddControl<TBitBtn>(*form, Bounds(10 + static_cast<int>(i % 5) * 90, 10 + static_cast<int>(i / 5) * 32, 82, 26));
        button->SetKind(kinds[i]);
        button->SetEnabled(i % 2 == 0);
        buttons.push_back(button);
    }
    form->Show();
    Screenshot(*form, "bit-button-kinds.png");
}

TEST_F(ButtonTest, ACloseBitButtonClosesItsForm)
{
    auto* button = AddControl<TBitBtn>(*form, Bounds(10, 10, 75, 25));
    button->SetKind(bkClose);
    button->OnClick = log.Notify("click");
    form->Show();
    ui.Simulator().Click(*button, {10, 10});
    EXPECT_FALSE(form->GetVisible());
    EXPECT_TRUE(log.Entries().empty());
}

TEST_F(ButtonTest, CheckBoxStatesStepAndEveryChangeClicks)
{
    struct Case {
        bool allowGrayed;
        TCheckBoxState start;
        std::vector<TCheckBoxState> afterClicks;
    };
    const Case cases[] = {
        {false, cbUnchecked, {cbChecked, cbUnchecked, cbChecked}},
        {true, cbUnchecked, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}},
        {false, cbGrayed, {cbChecked, cbUnchecked, cbChecked}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "grayed allowed " << c.allowGrayed << ", start " << c.start);
        auto* box = AddControl<TCheckBox>(*form, Bounds(10, 10, 120, 17));
        box->SetAllowGrayed(c.allowGrayed);
        box->SetState(c.start);
        box->OnClick = log.Notify("click");
        form->Show();
        for (const TCheckBoxState expected : c.afterClicks) {
            ui.Clock().Advance(1000);
            ui.Simulator().Click(*box, {5, 8});
            EXPECT_EQ(box->GetState(), expected);
        }
        EXPECT_EQ(Count("click"), static_cast<int>(c.afterClicks.size()));
        log.Clear();
        form->Hide();
        delete box;
    }

    // By code: a change clicks, setting the same state does not, disabled clicks stay silent.
    auto* box = AddControl<TCheckBox>(*form, Bounds(10, 10, 120, 17));
    box->OnClick = log.Notify("click");
    box->SetChecked(true);
    box->SetChecked(true);
    box->SetState(cbGrayed);
    EXPECT_EQ(Count("click"), 2);
    box->SetClicksDisabled(true);
    box->SetChecked(false);
    EXPECT_EQ(Count("click"), 2);
    EXPECT_FALSE(box->GetChecked());

    // Space toggles the focused box.
    box->SetClicksDisabled(false);
    form->Show();
    box->SetFocus();
    ui.Simulator().KeyPress(VK_SPACE);
    EXPECT_TRUE(box->GetChecked());
}

TEST_F(ButtonTest, CheckingARadioButtonUnchecksItsSiblingsOnly)
{
    auto* a = AddControl<TRadioButton>(*form, Bounds(10, 10, 100, 17));
    auto* b = AddControl<TRadioButton>(*form, Bounds(10, 30, 100, 17));
    auto* box = AddControl<TGroupBox>(*form, Bounds(150, 10, 100, 100));
    auto* elsewhere = AddControl<TRadioButton>(*box, Bounds(5, 20, 80, 17));
    a->OnClick = log.Notify("a");
    b->OnClick = log.Notify("b");
    elsewhere->SetChecked(true);
    a->SetChecked(true);
    form->Show();

    ui.Simulator().Click(*b, {5, 8});
    EXPECT_TRUE(b->GetChecked());
    EXPECT_FALSE(a->GetChecked());
    EXPECT_TRUE(elsewhere->GetChecked());
    EXPECT_TRUE(b->GetTabStop());
    EXPECT_FALSE(a->GetTabStop());

    // A click on the checked one changes nothing.
    ui.Clock().Advance(1000);
    ui.Simulator().Click(*b, {5, 8});
    EXPECT_TRUE(b->GetChecked());
    a->SetChecked(false);
    EXPECT_THAT(log.Entries(), ElementsAre("a", "b"));
}

TEST_F(ButtonTest, CheckBoxesAndRadioButtonsFillTheirWindowsWithTheirColour)
{
    form->SetColor(clWindow);
    auto* radio = AddControl<TRadioButton>(*form, Bounds(10, 10, 200, 17));
    auto* check = AddControl<TCheckBox>(*form, Bounds(10, 30, 200, 17));
    radio->SetCaption("Solar flux");
    check->SetCaption("Do not ask again");
    check->SetColor(clYellow);
    form->Show();
    const QImage picture = Screenshot(*form);
    // Right of the captions, inside the controls' windows.
    EXPECT_EQ(picture.pixel(190, 18) & 0xFFFFFF, 0xFFFFFFu) << "the parent's colour";
    EXPECT_EQ(picture.pixel(190, 38) & 0xFFFFFF, 0xFFFF00u) << "the box's own colour";
}

TEST_F(ButtonTest, RadioGroupFollowsItsItemsAndReportsEveryNewChoice)
{
    auto* group = AddControl<TRadioGroup>(*form, Bounds(10, 10, 200, 110));
    group->SetCaption(" Route ");
    group->OnClick = log.Notify("click");
    TStrings& items = group->Items();
    items.Add("Short path");
    items.Add("Long path");
    items.Add("Both");
    ASSERT_EQ(group->ButtonCount(), 3);
    EXPECT_EQ(group->Buttons(1)->GetCaption(), "Long path");
    EXPECT_EQ(group->GetItemIndex(), -1);

    // By code: a new choice clicks, the same one does not; out of range is clamped.
    group->SetItemIndex(1);
    group->SetItemIndex(1);
    EXPECT_EQ(Count("click"), 1);
    EXPECT_TRUE(group->Buttons(1)->GetChecked());
    group->SetItemIndex(9);
    EXPECT_EQ(group->GetItemIndex(), 2);
    group->SetItemIndex(-5);
    EXPECT_EQ(group->GetItemIndex(), -1);
    EXPECT_FALSE(group->Buttons(2)->GetChecked());
    EXPECT_THROW(group->Buttons(3), EListError);

    // By the user: a click, then the arrow keys, which wrap around.
    form->Show();
    log.Clear();
    ui.Simulator().Click(*group->Buttons(0), {5, 5});
    EXPECT_EQ(group->GetItemIndex(), 0);
    EXPECT_TRUE(group->Buttons(0)->Focused());
    ui.Simulator().KeyPress(VK_UP);
    EXPECT_EQ(group->GetItemIndex(), 2);
    EXPECT_TRUE(group->Buttons(2)->Focused());
    ui.Simulator().KeyPress(VK_DOWN);
    EXPECT_EQ(group->GetItemIndex(), 0);
    EXPECT_THAT(log.Entries(), ElementsAre("click", "click", "click"));

    // Fewer items: the choice stays inside them, and no button is left over.
    items.Delete(2);
    items.Delete(1);
    EXPECT_EQ(group->ButtonCount(), 1);
    EXPECT_EQ(group->GetItemIndex(), 0);
    items.Clear();
    EXPECT_EQ(group->GetItemIndex(), -1);
    EXPECT_EQ(group->ControlCount(), 0);
}

TEST_F(ButtonTest, RadioGroupColumnsShareTheButtons)
{
    auto* group = AddControl<TRadioGroup>(*form, Bounds(10, 10, 210, 100));
    for (const char* item : {"a", "b", "c", "d", "e"})
        group->Items().Add(item);
    group->SetColumns(2);
    // Three rows in the first column, two in the second, each column half the width.
    EXPECT_EQ(group->Buttons(0)->GetLeft(), group->Buttons(2)->GetLeft());
    EXPECT_EQ(group->Buttons(3)->GetLeft(), group->Buttons(0)->GetLeft() + 100);
    EXPECT_EQ(group->Buttons(3)->GetTop(), group->Buttons(0)->GetTop());
    EXPECT_LT(group->Buttons(0)->GetTop(), group->Buttons(1)->GetTop());
    group->SetColumns(0);
    EXPECT_EQ(group->GetColumns(), 1);
    EXPECT_EQ(group->Buttons(4)->GetLeft(), group->Buttons(0)->GetLeft());
}

TEST_F(ButtonTest, SpeedButtonsOfAGroupStayDownOneAtATime)
{
    struct Step {
        int button;
        bool down[3];
    };
    struct Case {
        const char* name;
        int groupIndex;
        bool allowAllUp;
        std::vector<Step> clicks;
    };
    const Case cases[] = {
        {"group", 1, false, {{0, {true, false, false}}, {1, {false, true, false}}, {1, {false, true, false}}}},
        {"group, all up allowed",
         1,
         true,
         {{0, {true, false, false}}, {0, {false, false, false}}, {2, {false, false, true}}}},
        {"no group", 0, false, {{0, {false, false, false}}, {1, {false, false, false}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TSpeedButton* buttons[3];
        for (int i = 0; i < 3; ++i) {
            buttons[i] = AddControl<TSpeedButton>(*form, Bounds(10 + 30 * i, 10, 23, 22));
            buttons[i]->SetGroupIndex(c.groupIndex);
            buttons[i]->OnClick = log.Notify("click");
        }
        buttons[0]->SetAllowAllUp(c.allowAllUp);
        form->Show();
        for (const Step& step : c.clicks) {
            ui.Clock().Advance(1000);
            ui.Simulator().Click(*buttons[step.button], {5, 5});
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(buttons[i]->GetDown(), step.down[i]) << "button " << i;
        }
        EXPECT_EQ(Count("click"), static_cast<int>(c.clicks.size()));
        log.Clear();
        form->Hide();
        for (TSpeedButton* button : buttons)
            delete button;
    }
}

TEST_F(ButtonTest, ASpeedButtonClicksOnlyWhenReleasedOverIt)
{
    auto* button = AddControl<TSpeedButton>(*form, Bounds(10, 10, 23, 22));
    button->OnClick = log.Notify("click");
    button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { log.Add("up"); };
    form->Show();
    ui.Simulator().Click(*button, {5, 5});
    ui.Clock().Advance(1000);
    ui.Simulator().Drag(*button, {5, 5}, {60, 5});
    EXPECT_THAT(log.Entries(), ElementsAre("up", "click", "up"));

    // Down by code puts the others of the group up.
    auto* other = AddControl<TSpeedButton>(*form, Bounds(40, 10, 23, 22));
    button->SetGroupIndex(3);
    other->SetGroupIndex(3);
    button->SetDown(true);
    other->SetDown(true);
    EXPECT_FALSE(button->GetDown());
    EXPECT_TRUE(other->GetDown());
}

}  // namespace
