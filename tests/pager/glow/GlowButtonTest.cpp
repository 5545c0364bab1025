// The glow button on the fake clock and the input simulator: fades, pointer states, presses,
// groups, auto-repeat, the drop-down, keys and the faults it must not have.

#include "foundation/ColorTones.h"
#include "pager/glow/GlowColors.h"
#include "platform/controls/core/VirtualKeys.h"
#include "platform/controls/forms/TMenuItem.h"
#include "platform/controls/forms/TPopupMenu.h"
#include "platform/core/Exception.h"
#include "pager/glow/TShortCutHintWindow.h"
#include "platform/controls/core/TCustomAction.h"
#include "platform/controls/core/TCustomActionList.h"
#include "platform/graphics/TImageList.h"
#include "tests/pager/glow/GlowButtonFixture.h"

#include <gmock/gmock.h>

namespace skelda::pager {
namespace {

using testing::GlowButtonTest;
using testing::TProbeGlowButton;
using ::testing::ElementsAre;

TEST_F(GlowButtonTest, HoverFadeRisesInFiveStepsAndEndsOnTheSixthTickWithoutPainting)
{
    ui.Simulator().MouseMove(*button, {20, 20});
    ASSERT_TRUE(button->GlowRunning());
    button->HoverAtInvalidate.clear();
    Tick(5);
    EXPECT_THAT(button->HoverAtInvalidate, ElementsAre(20, 40, 60, 80, 100));
    Tick();
    EXPECT_EQ(button->HoverAtInvalidate.size(), 5u) << "the last tick ends the fade without a paint";
    EXPECT_FALSE(button->GlowRunning());
    EXPECT_EQ(button->Face().Color, button->Appearance().GetColorHot());

    ui.Simulator().MouseMove(*form, {250, 150});
    button->HoverAtInvalidate.clear();
    Tick(5);
    EXPECT_THAT(button->HoverAtInvalidate, ElementsAre(80, 60, 40, 20, 0));
    Tick();
    EXPECT_FALSE(button->GlowRunning());
    EXPECT_EQ(button->Face().Color, button->Appearance().GetColor());
}

TEST_F(GlowButtonTest, MidFadeColoursMixHotAndNormal)
{
    ui.Simulator().MouseMove(*button, {20, 20});
    Tick(2);
    const TGlowButtonAppearance& a = button->Appearance();
    const TGlowFaceRequest face = button->Face();
    EXPECT_EQ(face.Color, MixColors(a.GetColorHot(), a.GetColor(), 40));
    EXPECT_EQ(face.ColorMirrorTo, MixColors(a.GetColorMirrorHotTo(), a.GetColorMirrorTo(), 40));
    EXPECT_EQ(face.BorderColor, MixColors(a.GetBorderColorHot(), a.GetBorderColor(), 40));
}

TEST_F(GlowButtonTest, ColourTonesSwitchEveryFadeOffAndAReleaseEndsThePressAtOnce)
{
    TProbeGlowButton* other = AddButton(plat::Bounds(150, 10, 100, 41));
    other->SetColorTones(foundation::MakeDefaultTones());
    EXPECT_EQ(GlowAnimationInterval, 0);
    EXPECT_FALSE(other->GetRounded());

    ui.Simulator().MouseMove(*button, {20, 20});
    EXPECT_FALSE(button->GlowRunning()) << "no fade runs on any glow button";
    EXPECT_EQ(button->Face().Color, button->Appearance().GetColorHot()) << "hot at once";

    ui.Simulator().MouseDown(*button, {20, 20});
    EXPECT_EQ(button->Face().Color, button->Appearance().GetColorDown());
    ui.Simulator().MouseUp(*button, {20, 20});
    EXPECT_EQ(button->Face().Color, button->Appearance().GetColorHot()) << "not left looking pressed";
    EXPECT_EQ(clicks[button], 1);
}

TEST_F(GlowButtonTest, LeavingWhilePressedLooksUpAndComingBackLooksPressedAgain)
{
    GlowAnimationInterval = 0;
    const TGlowButtonAppearance& a = button->Appearance();
    ui.Simulator().MouseMove(*button, {20, 20});
    ui.Simulator().MouseDown(*button, {20, 20});
    EXPECT_EQ(button->Face().Color, a.GetColorDown());
    ui.Simulator().MouseMove(*button, {200, 20});
    EXPECT_EQ(button->GetState(), absUp);
    EXPECT_NE(button->Face().Color, a.GetColorDown());
    ui.Simulator().MouseMove(*button, {30, 20});
    EXPECT_EQ(button->Face().Color, a.GetColorDown()) << "the left button was still held";
    ui.Simulator().MouseMove(*button, {200, 20});
    ui.Simulator().MouseUp(*button, {200, 20});
    EXPECT_EQ(clicks[button], 0) << "released outside";
}

TEST_F(GlowButtonTest, HoldingARepeatButtonClicksFromTheTimerAndOnceMoreOnRelease)
{
    button->SetRepeatClick(true);
    ui.Simulator().MouseMove(*button, {20, 20});
    ui.Simulator().MouseDown(*button, {20, 20});
    ui.Clock().Advance(1050);
    EXPECT_EQ(clicks[button], 7) << "at 400, 500, ..., 1000 ms";
    ui.Simulator().MouseUp(*button, {20, 20});
    EXPECT_EQ(clicks[button], 8);
    ui.Clock().Advance(1000);
    EXPECT_EQ(clicks[button], 8);
}

TEST_F(GlowButtonTest, DisablingAHeldRepeatButtonStopsItsClicks)
{
    button->SetRepeatClick(true);
    button->OnClick = [this](plat::TObject*) {
        if (++clicks[button] == 2)
            button->SetEnabled(false);
    };
    ui.Simulator().MouseDown(*button, {20, 20});
    ui.Clock().Advance(2000);
    EXPECT_EQ(clicks[button], 2);
}

TEST_F(GlowButtonTest, LosingTheCaptureStopsTheRepeat)
{
    button->SetRepeatClick(true);
    ui.Simulator().MouseDown(*button, {20, 20});
    ui.Clock().Advance(450);
    EXPECT_EQ(clicks[button], 1);
    plat::SetCaptureControl(form);
    ui.Clock().Advance(1000);
    EXPECT_EQ(clicks[button], 1);
}

TEST_F(GlowButtonTest, GroupButtonsPushEachOtherUp)
{
    TProbeGlowButton* second = AddButton(plat::Bounds(150, 10, 100, 41));
    button->SetGroupIndex(1);
    second->SetGroupIndex(1);
    ui.Simulator().Click(*button, {20, 20});
    EXPECT_TRUE(button->GetDown());
    ui.Simulator().Click(*second, {20, 20});
    EXPECT_TRUE(second->GetDown());
    EXPECT_FALSE(button->GetDown());
    ui.Simulator().Click(*second, {20, 20});
    EXPECT_TRUE(second->GetDown()) << "without AllowAllUp the down button stays down";
    second->SetAllowAllUp(true);
    ui.Simulator().Click(*second, {20, 20});
    EXPECT_FALSE(second->GetDown());

    TProbeGlowButton* third = AddButton(plat::Bounds(10, 100, 100, 41));
    ui.Simulator().Click(*button, {20, 20});
    third->SetGroupIndex(1);
    EXPECT_TRUE(button->GetDown()) << "a button that joins the group up pushes nothing up";

    third->SetGroupIndex(0);
    third->SetDown(true);
    EXPECT_FALSE(third->GetDown()) << "a push button outside a group is never down";
}

TEST_F(GlowButtonTest, CheckButtonTogglesAtThePressAndIsUndoneOutside)
{
    button->SetStyle(bsCheck);
    ui.Simulator().Click(*button, {20, 20});
    EXPECT_TRUE(button->GetDown());
    EXPECT_EQ(clicks[button], 1);
    ui.Simulator().Click(*button, {20, 20});
    EXPECT_FALSE(button->GetDown());

    ui.Simulator().MouseDown(*button, {20, 20});
    EXPECT_TRUE(button->GetDown());
    ui.Simulator().MouseMove(*button, {200, 20});
    ui.Simulator().MouseUp(*button, {200, 20});
    EXPECT_FALSE(button->GetDown());
    EXPECT_EQ(clicks[button], 2);
}

class GlowDropDownTest : public GlowButtonTest {
protected:
    GlowDropDownTest()
    {
        button->SetDropDownButton(true);
        button->SetDropDownMenu(menu);
        auto* item = new plat::TMenuItem(menu);
        item->SetCaption("Item");
        item->OnClick = [this](plat::TObject*) { ++items; };
        menu->Items().Add(item);
        menu->OnPopup = [this](plat::TObject*) {
            droppedWhileOpen.push_back(button->GetDroppedDown());
            EXPECT_EQ(menu->GetPopupComponent(), button);
        };
    }

    plat::TPopupMenu* menu = new plat::TPopupMenu(form);
    int items = 0;
    std::vector<bool> droppedWhileOpen;
};

TEST_F(GlowDropDownTest, APressInTheSplitPartDropsTheMenuAndElsewhereClicks)
{
    ui.Menus().Choose("Item");
    ui.Simulator().Click(*button, {90, 20});
    ASSERT_EQ(ui.Menus().Shown().size(), 1u);
    EXPECT_EQ(ui.Menus().Shown()[0].ScreenPos, button->ClientToScreen({0, 41})) << "below the bottom-left corner";
    EXPECT_EQ(items, 1);
    EXPECT_EQ(clicks[button], 0);
    EXPECT_THAT(droppedWhileOpen, ElementsAre(true));
    EXPECT_FALSE(button->GetDroppedDown());

    ui.Simulator().Click(*button, {80, 20});
    EXPECT_EQ(ui.Menus().Shown().size(), 1u);
    EXPECT_EQ(clicks[button], 1);
}

TEST_F(GlowDropDownTest, HoveringNearTheEdgeHighlightsTheDropDownPart)
{
    ui.Simulator().MouseMove(*button, {95, 20});
    EXPECT_EQ(button->Face().DropDownHit, dhDropDownPart);
    ui.Simulator().MouseMove(*button, {85, 20});
    EXPECT_EQ(button->Face().DropDownHit, dhMainPart);
}

TEST_F(GlowDropDownTest, WithoutTheSplitAnyPressDropsAndF4Too)
{
    button->SetDropDownSplit(false);
    ui.Simulator().Click(*button, {10, 10});
    EXPECT_EQ(ui.Menus().Shown().size(), 1u);
    EXPECT_EQ(clicks[button], 0);
    button->SetTabStop(true);
    button->SetFocus();
    ui.Simulator().KeyPress(plat::VK_F4);
    EXPECT_EQ(ui.Menus().Shown().size(), 2u);
}

TEST_F(GlowDropDownTest, AButtonFreedByItsMenuItemOrOnDropDownLeavesQuietly)
{
    menu->Items().Items(0)->OnClick = [this](plat::TObject*) { delete button; };
    ui.Menus().Choose("Item");
    ui.Simulator().MouseDown(*button, {90, 20});
    EXPECT_EQ(form->ControlCount(), 0);

    button = AddButton(plat::Bounds(10, 10, 100, 41));
    button->SetDropDownButton(true);
    button->OnDropDown = [this](plat::TObject*) { delete button; };
    ui.Simulator().MouseDown(*button, {90, 20});
    EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(GlowButtonTest, AButtonFreedByItsOwnHandlersLeavesQuietly)
{
    button->OnClick = [this](plat::TObject*) { delete button; };
    ui.Simulator().Click(*button, {20, 20});
    EXPECT_EQ(form->ControlCount(), 0);

    button = AddButton(plat::Bounds(10, 10, 100, 41));
    button->OnMouseUp = [this](plat::TObject*, plat::TMouseButton, plat::TShiftState, int, int) { delete button; };
    ui.Simulator().Click(*button, {20, 20});
    EXPECT_EQ(form->ControlCount(), 0);

    button = AddButton(plat::Bounds(10, 10, 100, 41));
    button->SetRepeatClick(true);
    button->OnClick = [this](plat::TObject*) { delete button; };
    ui.Simulator().MouseDown(*button, {20, 20});
    ui.Clock().Advance(600);
    EXPECT_EQ(form->ControlCount(), 0) << "freed by its first repeat click; its timers went with it";
}

TEST_F(GlowButtonTest, EnterOnAFocusedButtonClicksOnceAndEscapeClicksTheCancelButton)
{
    TProbeGlowButton* cancel = AddButton(plat::Bounds(150, 10, 100, 41));
    cancel->SetCancel(true);
    button->SetDefault(true);
    button->SetTabStop(true);
    button->SetFocus();
    ui.Simulator().KeyPress(plat::VK_RETURN);
    EXPECT_EQ(clicks[button], 1);
    ui.Simulator().KeyPress(plat::VK_ESCAPE);
    EXPECT_EQ(clicks[cancel], 1);
    EXPECT_EQ(clicks[button], 1);
    ui.Simulator().KeyPress(plat::VK_SPACE);
    EXPECT_EQ(clicks[button], 2);
    EXPECT_EQ(button->GetState(), absUp);
}

TEST_F(GlowButtonTest, AltAndTheAcceleratorClick)
{
    button->SetCaption("&Go");
    ui.Simulator().KeyPress('G', plat::TShiftState{plat::ssAlt});
    EXPECT_EQ(clicks[button], 1);
}

TEST_F(GlowButtonTest, ACaptionChangeResizesAnAutoSizedButton)
{
    button->SetAutoSize(true);
    // 3 × Spacing + content + 2 + 2 × MarginHorz by 2 × Spacing + content + 2 × MarginVert, the
    // content being the caption and the spacing: (24 + 2) × (13 + 2).
    EXPECT_EQ(button->GetWidth(), 6 + 26 + 2 + 2);
    EXPECT_EQ(button->GetHeight(), 4 + 15 + 2);
    button->SetCaption("Longer");
    EXPECT_EQ(button->GetWidth(), 6 + 38 + 2 + 2);
    button->SetDropDownButton(true);
    EXPECT_EQ(button->GetWidth(), 6 + 38 + 2 + 2 + 14);
}

TEST_F(GlowButtonTest, GlyphSizeStateDropsTheCaptionAndForcesSixteenPixels)
{
    plat::TImageList images(form);
    images.SetWidth(32);
    images.SetHeight(32);
    plat::TBitmap image;
    image.SetSize(32, 32);
    images.Add(image, nullptr);
    button->SetImages(&images);
    button->SetImageIndex(0);
    button->SetAutoSize(true);
    button->SetButtonSizeState(bsGlyph);
    const TGlowFaceRequest face = button->Face();
    EXPECT_TRUE(face.Caption.empty());
    EXPECT_EQ(face.ForcedImageSize, plat::Point(16, 16));
    EXPECT_EQ(button->GetLayout(), blGlyphLeft);
    button->SetButtonSizeState(bsLarge);
    EXPECT_EQ(button->Face().Caption, "Glow");
}

TEST(ShortCutHintPlacementTest, EveryPositionAgainstTheButton)
{
    const plat::TPoint p{100, 200};
    const plat::TSize button{80, 40};
    const plat::TSize hint{20, 16};
    const struct {
        TShortCutHintPos Position;
        plat::TPoint Expected;
    } cases[] = {
        {shpLeft, {106, 212}},          {shpTop, {130, 192}},         {shpAuto, {130, 192}},
        {shpRight, {170, 212}},         {shpBottom, {130, 232}},      {shpCenter, {130, 212}},
        {shpTopLeft, {106, 192}},       {shpTopRight, {161, 192}},    {shpAboveTop, {130, 184}},
        {shpAboveTopLeft, {106, 184}},  {shpAboveTopRight, {161, 184}}, {shpBottomLeft, {106, 232}},
        {shpBottomRight, {161, 232}},   {shpBelowBottom, {130, 240}}, {shpBelowBottomCenter, {130, 240}},
        {shpBelowBottomLeft, {106, 240}}, {shpBelowBottomRight, {161, 240}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortCutHintPlacement(c.Position, p, button, hint), c.Expected) << "position " << c.Position;
}

TEST_F(GlowButtonTest, AssignSharesTheSourcesListWhereThisButtonHasNone)
{
    plat::TImageList sourceImages(form);
    sourceImages.SetWidth(8);
    sourceImages.SetHeight(8);
    plat::TBitmap image;
    image.SetSize(8, 8);
    sourceImages.Add(image, nullptr);
    TProbeGlowButton* source = AddButton(plat::Bounds(150, 10, 100, 41));
    source->SetImages(&sourceImages);
    source->SetCaption("Source");
    source->SetSpacing(5);

    button->Assign(*source);
    EXPECT_EQ(button->GetImages(), &sourceImages);
    EXPECT_EQ(button->GetDisabledImages(), nullptr);
    EXPECT_EQ(button->GetCaption(), "Source");
    EXPECT_EQ(button->GetSpacing(), 5);

    plat::TImageList own(form);
    TProbeGlowButton* target = AddButton(plat::Bounds(10, 100, 100, 41));
    target->SetImages(&own);
    target->Assign(*source);
    EXPECT_EQ(target->GetImages(), &own);
    EXPECT_EQ(own.GetCount(), 1) << "between two lists the contents are copied";
}

TEST_F(GlowButtonTest, ShortCutHintShowsBesideTheButtonInTheAppearancesColours)
{
    button->SetShortCutHint("G");
    button->SetShortCutHintPos(shpBelowBottomLeft);
    button->ShowShortCutHint();
    TShortCutHintWindow* hint = button->ShortCutHintWindow();
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->GetVisible());
    EXPECT_EQ(hint->GetCaption(), "G");
    const plat::TPoint below = button->ClientToScreen({6, 41});
    EXPECT_EQ(plat::Point(hint->GetLeft(), hint->GetTop()), below);
    EXPECT_EQ(hint->GetClientWidth(), hint->GetWidth()) << "no border";
    EXPECT_EQ(hint->GetColor(), plat::clWhite);
    EXPECT_EQ(hint->GetColorTo(), button->Appearance().GetColor());
    button->SetComponentStyle(foundation::tsOffice2010Blue);
    EXPECT_EQ(hint->GetColorTo(), 0xFDF6EF) << "a style re-colours the hint";
    button->HideShortCutHint();
    EXPECT_FALSE(hint->Showing());
}

TEST_F(GlowButtonTest, AnActionsImageReachesTheButtonWhateverTheGroups)
{
    plat::TImageList actionImages(form);
    plat::TCustomActionList list(form);
    list.SetImages(&actionImages);
    auto* action = new plat::TCustomAction(form);
    action->SetActionList(&list);
    action->SetImageIndex(2);
    action->SetGroupIndex(0);
    button->SetStyle(bsCheck);
    button->SetAction(action);
    EXPECT_EQ(button->GetImageIndex(), 2);
    EXPECT_EQ(button->Face().Images, &actionImages) << "the action list's images, the button having none";

    button->SetGroupIndex(3);
    action->SetImageIndex(4);
    EXPECT_EQ(button->GetImageIndex(), 4) << "linked by the image, not by the group";
    action->SetChecked(true);
    EXPECT_TRUE(button->GetDown());
    action->SetHelpContext(77);
    EXPECT_EQ(button->GetHelpContext(), 77);
}

TEST_F(GlowButtonTest, AChangedImageListRepaintsTheButtonsThatShowIt)
{
    plat::TImageList images(form);
    TProbeGlowButton* other = AddButton(plat::Bounds(150, 10, 100, 41));
    button->SetImages(&images);
    other->SetHotImages(&images);
    button->HoverAtInvalidate.clear();
    other->HoverAtInvalidate.clear();
    images.SetWidth(24);
    EXPECT_FALSE(button->HoverAtInvalidate.empty());
    EXPECT_FALSE(other->HoverAtInvalidate.empty());
}

TEST_F(GlowButtonTest, VersionIsFixed)
{
    EXPECT_EQ(button->GetVersion(), "2.1.0.7");
    button->SetVersion("9.9");
    EXPECT_EQ(button->GetVersion(), "2.1.0.7");
}

}  // namespace
}  // namespace skelda::pager
