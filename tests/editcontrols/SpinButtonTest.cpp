#include "editcontrols/spin/SpinButtonTypes.h"
#include "editcontrols/spin/TKvSpinButton.h"
#include "editcontrols/spin/TKvSpinEdit.h"
#include "editcontrols/spin/TKvUpDown.h"
#include "editcontrols/spin/TSpinButtonBitmaps.h"
#include "editcontrols/spin/TSpinButtonBitmapsManager.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/core/Exception.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "tests/editcontrols/EditControlsFixture.h"

#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace plat;
using namespace skelda::editcontrols;
using ::testing::ElementsAre;
namespace pt = plat::testing;
namespace et = skelda::editcontrols::testing;

namespace {

TEST(SpinButtonHalves, TheDiagonalOrTheMiddleDividesThem)
{
    struct Case {
        int X, Y, Width, Height;
        TKvSpinButtonStyle Style;
        bool Bottom;
    };
    const Case cases[] = {
        {35, 15, 40, 20, sbsDefault, true},   {5, 5, 40, 20, sbsDefault, false},
        {20, 10, 40, 20, sbsDefault, false},  {20, 11, 40, 20, sbsDefault, true},
        {38, 2, 40, 20, sbsDefault, true},    {2, 17, 40, 20, sbsDefault, false},
        {5, 10, 40, 20, sbsClassic, false},   {5, 11, 40, 20, sbsClassic, true},
        {5, 10, 15, 21, sbsClassic, false},   {5, 5, 0, 20, sbsDefault, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.X) + "," + std::to_string(c.Y));
        EXPECT_EQ(IsInBottomHalf(c.X, c.Y, c.Width, c.Height, c.Style), c.Bottom);
    }
}

class SpinButtonTest : public et::EditControlsFixture {
protected:
    TKvSpinButton* AddButton(TRect Bounds = plat::Bounds(10, 10, 40, 20))
    {
        auto* button = new TKvSpinButton(form);
        button->SetBoundsRect(Bounds);
        button->SetParent(form);
        button->OnTopClick = log.Notify("top");
        button->OnBottomClick = log.Notify("bottom");
        form->Show();
        return button;
    }
};

TEST_F(SpinButtonTest, HoldingAHalfRepeatsAfter400AndEvery100Ms)
{
    TKvSpinButton* button = AddButton();
    ui.Simulator().MouseDown(*button, {35, 15});
    EXPECT_EQ(Count("bottom"), 1);
    EXPECT_EQ(button->GetDown(), sbBottomDown);
    ui.Clock().Advance(399);
    EXPECT_EQ(Count("bottom"), 1);
    ui.Clock().Advance(1);
    EXPECT_EQ(Count("bottom"), 2);
    ui.Clock().Advance(250);
    EXPECT_EQ(Count("bottom"), 4);
    ui.Simulator().MouseUp(*button, {35, 15});
    EXPECT_EQ(button->GetDown(), sbNotDown);
    ui.Clock().Advance(1000);
    EXPECT_EQ(Count("bottom"), 4);
    EXPECT_EQ(Count("top"), 0);

    // The next press starts with the long pause again.
    button->SetInitRepeatPause(200);
    button->SetRepeatPause(50);
    ui.Simulator().MouseDown(*button, {5, 5});
    ui.Clock().Advance(199);
    EXPECT_EQ(Count("top"), 1);
    ui.Clock().Advance(101);
    EXPECT_EQ(Count("top"), 4);
}

TEST_F(SpinButtonTest, DraggingOntoTheOtherHalfShowsAndFiresNothing)
{
    TKvSpinButton* button = AddButton();
    ui.Simulator().MouseDown(*button, {5, 5});
    ui.Simulator().MouseMove(*button, {35, 15});
    EXPECT_EQ(button->GetDown(), sbNotDown);
    ui.Clock().Advance(1000);
    ui.Simulator().MouseMove(*button, {60, 5});
    EXPECT_EQ(button->GetDown(), sbNotDown) << "outside the control";
    ui.Clock().Advance(1000);
    EXPECT_THAT(log.Entries(), ElementsAre("top"));
    ui.Simulator().MouseMove(*button, {6, 5});
    EXPECT_EQ(button->GetDown(), sbTopDown);
    ui.Clock().Advance(100);
    EXPECT_THAT(log.Entries(), ElementsAre("top", "top"));
    ui.Simulator().MouseUp(*button, {6, 5});
}

TEST_F(SpinButtonTest, APressFocusesTheFocusControl)
{
    auto* edit = AddControl<TEdit>(*form, Bounds(100, 10, 80, 21));
    auto* other = AddControl<TEdit>(*form, Bounds(100, 40, 80, 21));
    TKvSpinButton* button = AddButton();
    button->SetFocusControl(edit);
    other->SetFocus();
    button->OnTopClick = [&](TObject*) { log.Add(edit->Focused() ? "top, focused" : "top"); };
    ui.Simulator().Click(*button, {5, 5});
    EXPECT_THAT(log.Entries(), ElementsAre("top, focused"));
    delete edit;
    EXPECT_EQ(button->GetFocusControl(), nullptr);
}

// A click handler that runs a modal dialog returns after the user let the button go: the
// button must not stay pressed and repeat.
TEST_F(SpinButtonTest, AClickThatOutlivesThePressReleasesTheButton)
{
    TKvSpinButton* button = AddButton();
    button->OnTopClick = [&](TObject*) {
        log.Add("top");
        ui.Input().SetKeyDown(VK_LBUTTON, false);
    };
    ui.Simulator().MouseDown(*button, {5, 5});
    EXPECT_EQ(button->GetDown(), sbNotDown);
    ui.Clock().Advance(1000);
    EXPECT_EQ(Count("top"), 1);
}

TEST_F(SpinButtonTest, AnErrorDuringTheRepeatStopsItAndReachesTheApplication)
{
    TKvSpinButton* button = AddButton();
    button->OnBottomClick = [&](TObject*) {
        log.Add("bottom");
        if (Count("bottom") == 2)
            throw EInvalidOperation("step refused");
    };
    ui.Simulator().MouseDown(*button, {35, 15});
    ui.Clock().Advance(1000);
    EXPECT_EQ(Count("bottom"), 2);
    EXPECT_THAT(ui.ErrorBoxes(), ElementsAre("step refused."));
    ui.Simulator().MouseUp(*button, {35, 15});
}

TEST_F(SpinButtonTest, ButtonsOfOneSizeAndStyleShareTheirFaces)
{
    TKvSpinButton* first = AddButton(Bounds(10, 10, 17, 17));
    TKvSpinButton* second = AddButton(Bounds(40, 10, 17, 17));
    TKvSpinButton* classic = AddButton(Bounds(70, 10, 17, 17));
    classic->SetButtonStyle(sbsClassic);
    pt::Screenshot(*form);
    ASSERT_NE(first->FaceSet(), nullptr);
    EXPECT_EQ(first->FaceSet(), second->FaceSet());
    EXPECT_NE(first->FaceSet(), classic->FaceSet());
    ASSERT_NE(ExistingBitmapsManager(), nullptr);
    EXPECT_EQ(ExistingBitmapsManager()->SetCount(), 2);

    delete classic;
    EXPECT_EQ(ExistingBitmapsManager()->SetCount(), 1);
    delete first;
    EXPECT_EQ(ExistingBitmapsManager()->SetCount(), 1);
    second->SetBounds(40, 10, 20, 17);
    pt::Screenshot(*form);
    EXPECT_EQ(second->FaceSet()->GetWidth(), 20) << "a new size takes the set of that size";
    EXPECT_EQ(ExistingBitmapsManager()->SetCount(), 1);
    delete second;
    EXPECT_EQ(ExistingBitmapsManager(), nullptr);
}

TEST_F(SpinButtonTest, ASystemColourChangeRebuildsTheFacesAtTheNextPaint)
{
    TKvSpinButton* button = AddButton();
    pt::Screenshot(*form);
    EXPECT_TRUE(button->FaceSet()->GetIsThemed());
    ui.Base().Themes().SetThemesEnabled(false);
    pt::Screenshot(*form);
    EXPECT_TRUE(button->FaceSet()->GetIsThemed()) << "nothing told the button yet";
    form->Perform(CM_SYSCOLORCHANGE);
    pt::Screenshot(*form);
    EXPECT_FALSE(button->FaceSet()->GetIsThemed());
}

// Plain faces carry the black built-in arrows; a disabled button shows them embossed; custom
// glyphs replace them and are drawn over every face.
TEST_F(SpinButtonTest, ArrowsAndGlyphsOnThePlainFaces)
{
    ui.Base().Themes().SetThemesEnabled(false);
    TKvSpinButton* button = AddButton();
    auto countIn = [&](TColor Color) { return pt::CountPixels(pt::Screenshot(*button), Bounds(0, 0, 40, 20), Color); };
    const int arrowPixels = countIn(clBlack);
    EXPECT_EQ(arrowPixels, 9 + 9) << "two arrows of 5 x 3 pixels";
    button->SetEnabled(false);
    EXPECT_EQ(countIn(clBlack), 0);
    EXPECT_GE(countIn(ColorToRGB(clBtnShadow)), 9 + 9);
    button->SetEnabled(true);

    TBitmap glyph;
    glyph.SetSize(3, 3);
    glyph.Canvas().Brush().SetColor(clRed);
    glyph.Canvas().FillRect(Bounds(0, 0, 3, 3));
    glyph.Canvas().SetPixels(0, 2, clLime);
    button->SetUpGlyph(&glyph);
    EXPECT_EQ(countIn(clBlack), 0) << "no built-in arrows with custom glyphs";
    EXPECT_EQ(countIn(clRed), 8) << "drawn transparent: the lower-left pixel is the key";
    EXPECT_TRUE(button->FaceSet()->GetCustomGlyphs());
    button->SetUpGlyph(nullptr);
    EXPECT_EQ(countIn(clBlack), arrowPixels);
}

TEST_F(SpinButtonTest, ThemedFacesCloseEveryThemeTheyOpen)
{
    TKvSpinButton* diagonal = AddButton();
    TKvSpinButton* classic = AddButton(Bounds(60, 10, 15, 20));
    classic->SetButtonStyle(sbsClassic);
    pt::Screenshot(*form);
    EXPECT_TRUE(diagonal->FaceSet()->GetIsThemed());
    EXPECT_EQ(ui.Base().Themes().OpenHandleCount(), 0);
}

class UpDownStepTest : public et::EditControlsFixture {
protected:
    TKvSpinEdit* AddStandardSpin()
    {
        auto* spin = AddControl<TKvSpinEdit>(*form, Bounds(10, 10, 121, 21));
        spin->SetButtonKind(bkStandard);
        other = AddControl<TEdit>(*form, Bounds(10, 40, 121, 21));
        form->Show();
        other->SetFocus();
        return spin;
    }

    TKvUpDown* UpDownOf(TKvSpinEdit& Spin)
    {
        for (int i = 0; i < Spin.ControlCount(); ++i)
            if (auto* updown = dynamic_cast<TKvUpDown*>(Spin.Controls(i)))
                return updown;
        return nullptr;
    }

    TEdit* other = nullptr;
};

TEST_F(UpDownStepTest, EachArrowStepsOnceAndTheControlReturnsToTheMiddle)
{
    TKvSpinEdit* spin = AddStandardSpin();
    TKvUpDown* updown = UpDownOf(*spin);
    ASSERT_NE(updown, nullptr);
    EXPECT_EQ(updown->GetWidth(), 15);
    EXPECT_EQ(updown->GetLeft(), spin->GetClientWidth() - 15);
    const int half = updown->GetHeight() / 2;
    ui.Simulator().Click(*updown, {7, half - 3});
    EXPECT_EQ(spin->GetText(), "1");
    EXPECT_TRUE(spin->Focused()) << "the step takes the focus";
    ui.Simulator().Click(*updown, {7, half - 3});
    ui.Simulator().Click(*updown, {7, half + 3});
    EXPECT_EQ(spin->GetText(), "1");
    EXPECT_EQ(updown->GetPosition(), 0);

    ui.Simulator().MouseDown(*updown, {7, half - 3});
    ui.Clock().Advance(600);
    ui.Simulator().MouseUp(*updown, {7, half - 3});
    EXPECT_EQ(spin->GetText(), "5") << "one at once, at 400, 500 and 600 ms";
}

TEST_F(UpDownStepTest, AnErrorDuringTheRepeatStopsIt)
{
    TKvSpinEdit* spin = AddStandardSpin();
    TKvUpDown* updown = UpDownOf(*spin);
    spin->OnTopClick = [&](TObject*) {
        log.Add("top");
        if (Count("top") == 2)
            throw EInvalidOperation("step refused");
    };
    ui.Simulator().MouseDown(*updown, {7, 2});
    ui.Clock().Advance(1000);
    EXPECT_EQ(Count("top"), 2);
    EXPECT_THAT(ui.ErrorBoxes(), ElementsAre("step refused."));
    ui.Simulator().MouseUp(*updown, {7, 2});
}

TEST_F(UpDownStepTest, TheSpinEditsButtonWindowStepsToo)
{
    auto* spin = AddControl<TKvSpinEdit>(*form, Bounds(10, 10, 121, 21));
    form->Show();
    TKvSpinButton* button = nullptr;
    for (int i = 0; i < spin->ControlCount() && !button; ++i)
        if (auto* window = dynamic_cast<TWinControl*>(spin->Controls(i)); window && window->ControlCount() == 1)
            button = dynamic_cast<TKvSpinButton*>(window->Controls(0));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetWidth(), 17) << "the height less the frame, less the window's own pixel";
    ui.Simulator().Click(*button, {3, 3});
    ui.Simulator().Click(*button, {3, 3});
    ui.Simulator().Click(*button, {14, 14});
    EXPECT_EQ(spin->GetText(), "1");
    spin->SetEnabled(false);
    EXPECT_FALSE(button->GetEnabled());
}

}  // namespace
