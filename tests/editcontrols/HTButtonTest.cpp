#include "editcontrols/button/TKvButtonGlyph.h"
#include "editcontrols/button/TKvGlyphList.h"
#include "editcontrols/button/TKvHTButton.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/testing/Screenshot.h"
#include "tests/editcontrols/EditControlsFixture.h"

#include <QAbstractButton>
#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using namespace plat;
using namespace skelda::editcontrols;
namespace pt = plat::testing;
namespace et = skelda::editcontrols::testing;
using ::testing::ElementsAre;

namespace {

// Counts the repaints the button asks for.
class TCountingHTButton : public TKvHTButton {
public:
    using TKvHTButton::TKvHTButton;
    void Invalidate() override
    {
        ++Invalidations;
        TKvHTButton::Invalidate();
    }
    int Invalidations = 0;
};

void MakeGlyph(TBitmap& Glyph)
{
    Glyph.SetSize(16, 16);
    Glyph.Canvas().Brush().SetColor(clOlive);
    Glyph.Canvas().FillRect({0, 0, 16, 16});
    Glyph.Canvas().Brush().SetColor(clBlack);
    Glyph.Canvas().FillRect({3, 3, 13, 13});
}

class HTButtonTest : public et::EditControlsFixture {
protected:
    HTButtonTest()
    {
        form->SetClientWidth(300);
        form->SetClientHeight(120);
        form->Font().SetName("Tahoma");
        form->Font().SetHeight(-11);
    }
};

TEST_F(HTButtonTest, PaintingDoesNotAskForAnotherPaint)
{
    auto* button = AddControl<TCountingHTButton>(*form, Bounds(10, 10, 120, 27));
    MakeGlyph(button->Glyph());
    button->SetCaption("<B>Compute</B>");
    form->Show();
    pt::Screenshot(*button);
    // The drawer made the pictures of the glyph it was handed (and reported it) ...
    EXPECT_NE(button->GlyphDrawer().GlyphList(), nullptr);
    button->Invalidations = 0;
    const QImage first = pt::Screenshot(*button);
    const QImage second = pt::Screenshot(*button);
    // ... without the button asking to be painted again (decision 4).
    EXPECT_EQ(button->Invalidations, 0);
    EXPECT_EQ(first, second);
    // A change of the glyph outside a paint does repaint.
    MakeGlyph(button->Glyph());
    EXPECT_GT(button->Invalidations, 0);
}

TEST_F(HTButtonTest, OnPaintDrawsInsteadWithTheFaceState)
{
    auto* button = AddControl<TKvHTButton>(*form, Bounds(10, 10, 120, 27));
    button->SetCaption("Exit program");
    button->OnPaint = [this](TObject*, bool IsDown, bool IsDefault, TButtonState State) {
        log.Add(std::string(IsDown ? "down" : "up") + (IsDefault ? " default " : " ") + std::to_string(State));
    };
    auto* other = AddControl<TKvHTButton>(*form, Bounds(140, 10, 120, 27));
    form->Show();
    other->SetFocus();
    pt::Screenshot(*button);
    button->SetFocus();
    pt::Screenshot(*button);
    static_cast<QAbstractButton*>(button->Handle())->setDown(true);
    pt::Screenshot(*button);
    static_cast<QAbstractButton*>(button->Handle())->setDown(false);
    button->SetEnabled(false);
    pt::Screenshot(*button);
    EXPECT_THAT(log.Entries(), ElementsAre("up 0", "up default 0", "down default 2", "up 1"));
    // Nothing of the default face was drawn: the button shows the form behind it.
    EXPECT_EQ(button->GlyphDrawer().GlyphList(), nullptr);
}

TEST_F(HTButtonTest, TheDefaultLookFollowsTheFocusedButtonOrTheDefaultOne)
{
    auto* first = AddControl<TKvHTButton>(*form, Bounds(10, 10, 80, 25));
    auto* second = AddControl<TKvHTButton>(*form, Bounds(100, 10, 80, 25));
    second->SetDefault(true);
    auto* edit = AddControl<TEdit>(*form, Bounds(10, 60, 80, 21));
    form->Show();
    first->SetFocus();
    EXPECT_TRUE(first->GetIsFocused());
    EXPECT_FALSE(second->GetIsFocused());
    edit->SetFocus();
    EXPECT_FALSE(first->GetIsFocused());
    EXPECT_TRUE(second->GetIsFocused());
    second->SetFocus();
    EXPECT_TRUE(second->GetIsFocused());
    EXPECT_FALSE(first->GetIsFocused());
}

TEST_F(HTButtonTest, WithThemesTheFocusedButtonShowsAsTheDefaultButton)
{
    auto* button = AddControl<TKvHTButton>(*form, Bounds(10, 10, 120, 27));
    button->SetCaption("Compute");
    auto* edit = AddControl<TEdit>(*form, Bounds(10, 60, 80, 21));
    form->Show();
    edit->SetFocus();
    const QImage plain = pt::Screenshot(*button);
    button->SetFocus();
    const QImage focused = pt::Screenshot(*button);
    EXPECT_NE(plain, focused);
    // The mouse over it: hot.
    button->Perform(CM_MOUSEENTER);
    EXPECT_NE(focused, pt::Screenshot(*button));
}

TEST_F(HTButtonTest, TheCloseKindBringsItsCaptionAndGlyphAndClosesTheForm)
{
    auto* button = AddControl<TKvHTButton>(*form, Bounds(10, 10, 75, 25));
    button->SetKind(bkClose);
    button->SetCaption("Close");
    EXPECT_EQ(button->Glyph().GetWidth(), 36);
    EXPECT_EQ(button->Glyph().GetHeight(), 18);
    EXPECT_EQ(button->GetNumGlyphs(), 2);
    form->Show();
    const QImage enabled = pt::Screenshot(*button, "close-kind-button.png");
    button->SetEnabled(false);
    EXPECT_NE(enabled, pt::Screenshot(*button));
    button->SetEnabled(true);
    ui.Simulator().Click(*button, {30, 12});
    EXPECT_FALSE(form->GetVisible());
}

TEST_F(HTButtonTest, ButtonsWithGlyphsOfOneSizeShareAList)
{
    auto* a = AddControl<TKvHTButton>(*form, Bounds(10, 10, 100, 25));
    auto* b = AddControl<TKvHTButton>(*form, Bounds(120, 10, 100, 25));
    MakeGlyph(a->Glyph());
    MakeGlyph(b->Glyph());
    form->Show();
    pt::Screenshot(*form);
    ASSERT_NE(a->GlyphDrawer().GlyphList(), nullptr);
    EXPECT_EQ(a->GlyphDrawer().GlyphList(), b->GlyphDrawer().GlyphList());
}

}  // namespace
