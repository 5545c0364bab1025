// The list of preset targets: a place chosen becomes the target with its name, the marker moves to
// it on the map and a prediction follows; a click that chooses nothing changes nothing.

#include "app/PredictionSettings.h"
#include "app/PresetTargets.h"

#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/standard/TListBox.h"
#include "platform/controls/standard/TShape.h"
#include "platform/core/TStrings.h"
#include "platform/testing/UiTestEnvironment.h"

#include <gtest/gtest.h>

namespace skelda::app::testing {
namespace {

class PresetTargetsTest : public ::testing::Test {
protected:
    PresetTargetsTest()
    {
        DestBox->SetBoundsRect(plat::Bounds(520, 0, 250, 200));
        DestBox->SetParent(form);
        CC->SetBoundsRect(plat::Bounds(0, 0, 10, 10));
        CC->SetParent(form);
        DestBox->OnClick = [this](plat::TObject* sender) { list.DestBoxClick(sender); };
    }

    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    plat::TListBox* DestBox = new plat::TListBox(form);
    plat::TShape* CC = new plat::TShape(form);
    PredictionSettings settings;
    int computations = 0;
    TargetList list{*DestBox, *CC, settings, [this] { ++computations; }};
};

TEST_F(PresetTargetsTest, LondonMovesTheMarkerNamesTheTargetAndComputes)
{
    ASSERT_EQ(DestBox->Items().Count(), 20);
    EXPECT_EQ(DestBox->Items().GetStrings(10), "Western Europe (London, England)");
    EXPECT_EQ(DestBox->GetHint(), "Capital cities and countries list");

    DestBox->SetItemIndex(10);
    list.DestBoxClick(DestBox);
    EXPECT_EQ(settings.DestLat, 51.5L);
    EXPECT_EQ(settings.DestLon, -0.1L);
    EXPECT_EQ(settings.TargetName, "Western Europe (London, England)");
    EXPECT_EQ(CC->GetLeft(), 252);
    EXPECT_EQ(CC->GetTop(), 51);
    EXPECT_EQ(CC->GetWidth(), 10);
    EXPECT_EQ(computations, 1);
}

TEST_F(PresetTargetsTest, EveryPlaceLandsOnTheMapAtItsCoordinates)
{
    struct Case {
        int Index;
        int Left;
        int Top;
    };
    // Round((180 - lon) * 256 / 180) - 4, Round((90 - lat) * 128 / 90) - 4.
    const Case cases[] = {{0, 80, 71}, {2, 170, 160}, {5, 451, 73}, {7, 499, 181}, {17, 305, 127}};
    for (const Case& c : cases) {
        DestBox->SetItemIndex(c.Index);
        list.DestBoxClick(DestBox);
        EXPECT_EQ(CC->GetLeft(), c.Left) << c.Index;
        EXPECT_EQ(CC->GetTop(), c.Top) << c.Index;
    }
    for (const PresetTarget& target : PresetTargets) {
        const plat::TPoint topLeft = TargetMarkerTopLeft(target.DestLat, target.DestLon);
        EXPECT_TRUE(topLeft.X >= -4 && topLeft.X + 10 <= 516 && topLeft.Y >= -4 && topLeft.Y + 10 <= 260)
            << target.ItemText;
    }
    // Halves round to the even neighbour: 45 * 128 / 90 = 64 exactly, 0.3515625 degree is half a pixel.
    EXPECT_EQ(TargetMarkerTopLeft(45, 180 - 0.3515625L).X, -4);
    EXPECT_EQ(TargetMarkerTopLeft(45, 180 - 3 * 0.3515625L).X, -2);
}

TEST_F(PresetTargetsTest, AClickThatChoosesNoPlaceChangesNothing)
{
    settings.DestLat = 12;
    settings.TargetName = "Location on map";
    DestBox->SetItemIndex(-1);
    list.DestBoxClick(DestBox);
    EXPECT_EQ(settings.DestLat, 12);
    EXPECT_EQ(settings.TargetName, "Location on map");
    EXPECT_EQ(CC->GetLeft(), 0);
    EXPECT_EQ(computations, 0);
}

}  // namespace
}  // namespace skelda::app::testing
