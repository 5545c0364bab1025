#pragma once

// The window's solar value: the field FLXSpin with its label, the kind group and the box around
// them. At start-up it takes the day's flux from the bulletin, or, when that fails, warns and
// takes the flux predicted for the month. The kind group then shows that start-up value as a
// flux or as a sunspot number. The prediction settings follow what the field holds.

#include "app/SolarFluxDownload.h"

#include <string>

namespace plat {
class TCustomGroupBox;
class TCustomRadioGroup;
class TLabel;
class TObject;
}  // namespace plat

namespace skelda::editcontrols {
class TKvSpinEdit;
}
namespace skelda::foundation {
class TVezTaskDialog;
}

namespace skelda::app {

struct PredictionSettings;

class SolarValueBox {
public:
    static constexpr const char* kDownloadErrorCaption = "Download error";

    // Gives the kind group its caption and items, "Solar flux" chosen.
    SolarValueBox(editcontrols::TKvSpinEdit& FLXSpin, plat::TCustomGroupBox& SolarBox, plat::TLabel& SunLabel,
                  plat::TCustomRadioGroup& SunGroup, foundation::TVezTaskDialog& TSKDLG,
                  PredictionSettings& settings);

    // Once, while the window is made. After a failed download the box reads "Download error"
    // and BulletinFlux stays 0; the month comes from the environment's clock.
    void FetchStartupFlux(const std::string& bulletinUrl, const plat::THttpOptions& options = BulletinHttpOptions());
    // The kind group's click: item 0 shows the start-up flux, item 1 its sunspot number.
    void SunGroupClick(plat::TObject* Sender);
    // A value typed or stepped in the field is what the next prediction uses.
    void FLXSpinChange(plat::TObject* Sender);

    // The flux of the bulletin, 0 until a download succeeded.
    int BulletinFlux() const { return bulletinFlux_; }
    const std::string& IssueText() const { return issueText_; }

private:
    editcontrols::TKvSpinEdit& FLXSpin_;
    plat::TCustomGroupBox& SolarBox_;
    plat::TLabel& SunLabel_;
    plat::TCustomRadioGroup& SunGroup_;
    foundation::TVezTaskDialog& TSKDLG_;
    PredictionSettings& settings_;
    int bulletinFlux_ = 0;
    std::string issueText_;
    // What the kind group shows: the bulletin's flux, or the month's predicted flux after a
    // failed download (0 before the start-up).
    long double startupFluxSfu_ = 0;
};

}  // namespace skelda::app
