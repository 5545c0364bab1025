// The pager's glow buttons take the pager's look: the styler's appearance, or the toned one;
// and the frame drawn around them.

#include "pager/office/PagerButtonDressing.h"

#include "foundation/OfficeTheme.h"
#include "pager/glow/TGlowButtonAppearance.h"
#include "pager/glow/TVezGlowButton.h"
#include "pager/office/TCustomVezOfficePagerStyler.h"
#include "platform/testing/TRecordingCanvas.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace skelda::pager {
namespace {

TEST(PagerButtonDressingTest, StylerOrTonesDressTheButton)
{
    plat::testing::UiTestEnvironment ui;
    TVezGlowButton button(nullptr);
    button.Font().SetName("Courier New");
    const plat::TColor original = button.Appearance().GetBorderColor();

    DressPagerButton(button, nullptr, nullptr);
    EXPECT_EQ(button.Appearance().GetBorderColor(), original) << "no styler, no dressing";

    TCustomVezOfficePagerStyler styler(nullptr);
    styler.GlowButtonAppearance().SetBorderColor(0x123456);
    DressPagerButton(button, &styler, nullptr);
    EXPECT_EQ(button.Appearance().GetBorderColor(), 0x123456);
    EXPECT_TRUE(button.GetRounded());
    EXPECT_EQ(button.Font().GetName(), "Courier New");

    TGlowButtonAppearance toned;
    toned.SetBorderColor(0x654321);
    DressPagerButton(button, &styler, &toned);
    EXPECT_EQ(button.Appearance().GetBorderColor(), 0x654321);
    EXPECT_FALSE(button.GetRounded());
    EXPECT_EQ(button.Font().GetName(), foundation::GetDefaultFontName());
    toned.SetBorderColor(0x111111);
    EXPECT_EQ(button.Appearance().GetBorderColor(), 0x654321) << "a copy, not a link";

    ApplyTonesToButton(nullptr, &toned);
    ApplyTonesToButton(&button, nullptr);
    EXPECT_EQ(button.Appearance().GetBorderColor(), 0x654321);
}

TEST(PagerButtonDressingTest, FrameIsSquareWithTonesAndRoundedOtherwise)
{
    const struct {
        bool Tones, Glass;
        const char* Call;
    } cases[] = {
        {true, false, "Rectangle(10,5,70,30) pen=$0000FF brush=clear"},
        {false, false, "RoundRect(10,5,70,30,5,5) pen=$0000FF brush=clear"},
        {false, true, "GdipDrawPath"},
        {true, true, "GdipDrawPath"},
    };
    for (const auto& c : cases) {
        plat::testing::TRecordingCanvas canvas(80, 40);
        PaintButtonsFrame(canvas, plat::Rect(10, 5, 70, 30), 0x0000FF, c.Tones, c.Glass);
        EXPECT_EQ(canvas.Calls(), std::vector<std::string>{c.Call});
        EXPECT_EQ(canvas.Image().pixel(10, 17) & 0xFFFFFF, 0xFF0000u) << "the left edge in the border colour";
        EXPECT_EQ(canvas.Image().pixel(40, 17) & 0xFFFFFF, 0xFFFFFFu) << "a frame only";
    }
}

}  // namespace
}  // namespace skelda::pager
