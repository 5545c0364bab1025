#pragma once

// What the setup panel does: it opens with the station as the store keeps it, takes a locator
// as the own position, sets the route at once, and saves the station for the next start.

#include "app/SetupPanelControls.h"

namespace plat {
class TControl;
class TObject;
class TRegIniFile;
}  // namespace plat

namespace skelda::foundation {
class TVezTaskDialog;
}

namespace skelda::app {

struct PredictionSettings;

class SetupPanel {
public:
    static constexpr const char* kLatitudeRange = "The latitude must lie between -90 and 90 degrees.";
    static constexpr const char* kLongitudeRange = "The longitude must lie between -180 and 180 degrees.";

    // Controls are those of CFGPanel; SetupBtn opens the panel and is disabled while it is open.
    SetupPanel(const SetupPanelControls& Controls, editcontrols::TKvCaptionPanel& CFGPanel, plat::TControl& SetupBtn,
               foundation::TVezTaskDialog& TSKDLG, plat::TRegIniFile& SettingsRegistry, PredictionSettings& settings);

    // Fills the fields from the store (a value that cannot be read shows its default, and the
    // read problem is reported once), takes the stored route as the route, and opens the panel.
    void SetupBtnClick(plat::TObject* Sender);
    // The same at a first start, where the start-up read has already reported a problem.
    void OpenAtFirstStart();
    // Checks both coordinates first and writes nothing when one is not a number or out of range:
    // the reason is shown and the panel stays open. Otherwise writes the station in the store's
    // order, closes the panel and shows the restart notice. A write that fails is reported and
    // keeps the panel open.
    void OkBtnClick(plat::TObject* Sender);
    void CancelBtnClick(plat::TObject* Sender);
    // The route, for the next prediction; saved only with the station.
    void PathGroupClick(plat::TObject* Sender);
    // Six characters of a valid locator become the own position (the south-west corner of its
    // sub-square) and fill the coordinate fields; a wrong character is named in a warning.
    void LOCEditChange(plat::TObject* Sender);

private:
    struct Position {
        long double LatitudeDeg = 0;
        long double EastLongitudeDeg = 0;
    };

    void Open(bool reportReadProblem);
    bool ReadPosition(Position& position) const;
    void Close();

    const SetupPanelControls& c_;
    editcontrols::TKvCaptionPanel& CFGPanel_;
    plat::TControl& SetupBtn_;
    foundation::TVezTaskDialog& TSKDLG_;
    plat::TRegIniFile& SettingsRegistry_;
    PredictionSettings& settings_;
};

}  // namespace skelda::app
