#pragma once

// The window's world map: the day/night picture, the markers of the own station and of the
// target, and the mouse on the map, which picks a new target and shows the coordinates under it.

#include "platform/controls/core/ControlTypes.h"
#include "platform/system/DateTime.h"

#include <functional>

namespace plat {
class TImage;
class TLabel;
class TObject;
class TPanel;
class TShape;
}  // namespace plat

namespace skelda::app {

struct PredictionSettings;

class WorldMapView {
public:
    // Gives the panel its caption for a map that is not loaded and the markers their look.
    // Compute runs a prediction.
    WorldMapView(plat::TPanel& MAPPanel, plat::TImage& MAP, plat::TShape& STA, plat::TShape& CC, plat::TLabel& LBL,
                 PredictionSettings& settings, std::function<void()> Compute);

    // The station marker at the settings' own position, in whole degrees, its hint the call sign.
    void PlaceStation();
    // The target marker at the settings' target.
    void PlaceTarget();
    // The map for the UTC instant Time, drawn into MAP. Pictures that cannot be read are
    // reported ("Images introuvables !") and leave the panel's caption showing.
    void UpdateMap(plat::TDateTime Time);

    // Any button: the target becomes the whole degrees under the mouse, named "Location on map",
    // the marker centres on the mouse, and a prediction runs.
    void MouseIsDownOnMap(plat::TObject* Sender, plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y);
    // LBL shows the latitude and longitude under the mouse.
    void MouseIsMovingOnMap(plat::TObject* Sender, plat::TShiftState Shift, int X, int Y);

private:
    plat::TImage& MAP_;
    plat::TShape& STA_;
    plat::TShape& CC_;
    plat::TLabel& LBL_;
    PredictionSettings& settings_;
    std::function<void()> compute_;
};

}  // namespace skelda::app
