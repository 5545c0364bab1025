// The world map on a form: the map image, the station and target markers and the coordinates
// label, driven through the mouse as the main window wires them.

#include "worldmap/MapBuilder.h"
#include "worldmap/MapCoordinates.h"

#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/controls/standard/TShape.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TPen.h"
#include "platform/system/DateTime.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace skelda::worldmap {
namespace {

class MapFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form->SetClientWidth(512);
        form->SetClientHeight(280);
        panel = Add<plat::TPanel>(*form, plat::Bounds(0, 0, 512, 257));
        panel->SetBevelOuter(plat::bvNone);
        // As the main window has it: one row more than the 256 rows of the map picture.
        map = Add<plat::TImage>(*panel, plat::Bounds(0, 0, 512, 257));
        station = Add<plat::TShape>(*panel, StationMarker(-2.25L, 48.8L));
        station->SetShape(plat::stRoundSquare);
        station->Brush().SetColor(plat::clLime);
        station->Pen().SetColor(plat::clLime);
        target = Add<plat::TShape>(*panel, TargetMarker(-37.0L, -2.0L));
        target->Brush().SetStyle(plat::bsClear);
        target->Pen().SetColor(plat::clRed);
        target->Pen().SetWidth(2);
        label = Add<plat::TLabel>(*form, plat::Bounds(4, 260, 300, 17));

        map->OnMouseDown = [this](plat::TObject*, plat::TMouseButton, plat::TShiftState, int x, int y) {
            const TMapClick click = MapClickAt(x, y);
            clicked = click.Target;
            target->SetBoundsRect(click.TargetMarker);
        };
        map->OnMouseMove = [this](plat::TObject*, plat::TShiftState, int x, int y) {
            label->SetCaption(CoordinatesText(x, y));
        };
        form->Show();
    }

    template <typename T>
    T* Add(plat::TWinControl& Parent, plat::TRect Bounds)
    {
        T* control = new T(form);
        control->SetBoundsRect(Bounds);
        control->SetParent(&Parent);
        return control;
    }

    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    plat::TPanel* panel = nullptr;
    plat::TImage* map = nullptr;
    plat::TShape* station = nullptr;
    plat::TShape* target = nullptr;
    plat::TLabel* label = nullptr;
    TMapDegrees clicked;
};

TEST_F(MapFormTest, AClickOnTheMapPicksTheTargetAndMovesItsMarker)
{
    struct Case {
        plat::TPoint click;
        TMapDegrees degrees;
    };
    const Case cases[] = {
        {{256, 128}, {0, 0}},
        {{0, 0}, {180, 90}},
        {{511, 256}, {-179, -90}},
    };
    for (const Case& c : cases) {
        ui.Clock().Advance(1000);
        ui.Simulator().Click(*map, c.click);
        EXPECT_EQ(clicked, c.degrees) << c.click.X << ", " << c.click.Y;
        EXPECT_EQ(target->GetBoundsRect(), plat::Bounds(c.click.X - 4, c.click.Y - 4, 10, 10));
    }
}

TEST_F(MapFormTest, MovingOverTheMapShowsTheCoordinatesUnderTheCursor)
{
    ui.Simulator().MouseMove(*map, {300, 50});
    EXPECT_EQ(label->GetCaption(), "Latitude 54° North - Longitude 30° East");
    ui.Simulator().MouseMove(*map, {100, 200});
    EXPECT_EQ(label->GetCaption(), "Latitude 50° South - Longitude 109° West");
}

TEST_F(MapFormTest, TheMapWithItsMarkersRendersHeadless)
{
    const auto picture = UpdateMap(plat::EncodeDate(2026, 3, 20) + plat::EncodeTime(12, 0, 0, 0), nullptr);
    ASSERT_NE(picture, nullptr);
    map->Canvas().Draw(0, 0, picture.get());
    ui.Simulator().MouseMove(*map, {300, 50});
    ui.Simulator().Click(*map, {256, 128});

    const QImage shot = plat::testing::Screenshot(*form, "worldmap-form.png");
    const plat::TPoint origin = form->WidgetClientOffset();
    auto at = [&](plat::TPoint p) { return plat::testing::PixelAt(shot, origin.X + p.X, origin.Y + p.Y); };
    const plat::TRect sta = station->GetBoundsRect();
    const plat::TRect cc = target->GetBoundsRect();
    EXPECT_EQ(at({sta.Left + 3, sta.Top + 3}), plat::clLime) << "station marker";
    EXPECT_EQ(at({cc.Left + 1, cc.Top + 5}), plat::clRed) << "target outline";
    EXPECT_EQ(at({cc.Left + 9, cc.Top + 5}), plat::clRed);
    EXPECT_EQ(at({cc.Left + 5, cc.Top + 1}), plat::clRed);
    EXPECT_NE(at({cc.Left + 5, cc.Top + 5}), plat::clRed) << "the map shows inside the target";
    // The map itself: the picture's own pixel away from the markers.
    const std::uint8_t* pixel = picture->ScanLine(200) + 3 * 100;
    EXPECT_EQ(at({100, 200}), plat::RGB(pixel[2], pixel[1], pixel[0]));
    EXPECT_GT(plat::testing::CountPixels(shot, plat::Bounds(origin.X, origin.Y + 260, 300, 17),
                                         plat::ColorToRGB(plat::clWindowText)),
              20)
        << "the coordinates line";
}

}  // namespace
}  // namespace skelda::worldmap
