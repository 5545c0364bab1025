#include "app/WorldMapView.h"

#include "app/PredictionSettings.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/standard/TImage.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/controls/standard/TShape.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TPen.h"
#include "worldmap/MapBuilder.h"
#include "worldmap/MapCoordinates.h"
#include "worldmap/MapTexts.h"

#include <utility>

namespace skelda::app {

WorldMapView::WorldMapView(plat::TPanel& MAPPanel, plat::TImage& MAP, plat::TShape& STA, plat::TShape& CC,
                           plat::TLabel& LBL, PredictionSettings& settings, std::function<void()> Compute)
    : MAP_(MAP), STA_(STA), CC_(CC), LBL_(LBL), settings_(settings), compute_(std::move(Compute))
{
    MAPPanel.SetCaption(worldmap::MapNotLoadedCaption);
    STA_.SetShape(plat::stRoundSquare);
    STA_.Brush().SetColor(plat::clLime);
    STA_.Pen().SetColor(plat::clLime);
    CC_.Brush().SetStyle(plat::bsClear);
    CC_.Pen().SetColor(plat::clRed);
    CC_.Pen().SetWidth(2);
    CC_.SetHint(worldmap::TargetMarkerHint);
    CC_.SetShowHint(true);
}

void WorldMapView::PlaceStation()
{
    STA_.SetBoundsRect(worldmap::StationMarker(settings_.Longitude, settings_.Latitude));
    STA_.SetHint(settings_.MyCall);
    STA_.SetShowHint(true);
}

void WorldMapView::PlaceTarget()
{
    CC_.SetBoundsRect(worldmap::TargetMarker(settings_.DestLon, settings_.DestLat));
}

void WorldMapView::UpdateMap(plat::TDateTime Time)
{
    const std::unique_ptr<plat::TBitmap> map =
        worldmap::UpdateMap(Time, [](const std::string& text) { plat::ShowMessage(text); });
    if (map)
        MAP_.Canvas().Draw(0, 0, map.get());
}

void WorldMapView::MouseIsDownOnMap(plat::TObject*, plat::TMouseButton, plat::TShiftState, int X, int Y)
{
    const worldmap::TMapClick click = worldmap::MapClickAt(X, Y);
    settings_.DestLon = click.Target.LonDeg;
    settings_.DestLat = click.Target.LatDeg;
    CC_.SetBoundsRect(click.TargetMarker);
    settings_.TargetName = click.TargetName;
    compute_();
}

void WorldMapView::MouseIsMovingOnMap(plat::TObject*, plat::TShiftState, int X, int Y)
{
    LBL_.SetCaption(worldmap::CoordinatesText(X, Y));
}

}  // namespace skelda::app
