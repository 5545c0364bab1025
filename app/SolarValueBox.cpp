#include "app/SolarValueBox.h"

#include "app/DownloadWarning.h"
#include "app/PredictionSettings.h"
#include "editcontrols/spin/TKvSpinEdit.h"
#include "engine/SolarActivity.h"
#include "platform/controls/standard/TGroupBox.h"
#include "platform/controls/standard/TLabel.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/core/TStrings.h"
#include "platform/system/Clock.h"
#include "platform/system/DateTime.h"
#include "platform/system/Environment.h"

namespace skelda::app {

namespace {

constexpr const char* kFluxItem = "Solar flux";
constexpr const char* kSunSpotsItem = "Sun spots";

}  // namespace

SolarValueBox::SolarValueBox(editcontrols::TKvSpinEdit& FLXSpin, plat::TCustomGroupBox& SolarBox,
                             plat::TLabel& SunLabel, plat::TCustomRadioGroup& SunGroup,
                             foundation::TVezTaskDialog& TSKDLG, PredictionSettings& settings)
    : FLXSpin_(FLXSpin), SolarBox_(SolarBox), SunLabel_(SunLabel), SunGroup_(SunGroup), TSKDLG_(TSKDLG),
      settings_(settings)
{
    SunGroup_.SetCaption("Type of value");
    plat::TStrings& items = SunGroup_.Items();
    items.Clear();
    items.Add(kFluxItem);
    items.Add(kSunSpotsItem);
    SunGroup_.SetItemIndex(0);
}

void SolarValueBox::FetchStartupFlux(const std::string& bulletinUrl, const plat::THttpOptions& options)
{
    if (const std::optional<SolarFluxBulletin> bulletin = DownloadSolarFlux(bulletinUrl, options)) {
        bulletinFlux_ = bulletin->FluxSfu;
        issueText_ = bulletin->IssueText;
        startupFluxSfu_ = bulletinFlux_;
        FLXSpin_.SetValue(startupFluxSfu_);
    } else {
        ShowDownloadWarning(TSKDLG_, bulletinUrl);
        int year = 0;
        int month = 0;
        int day = 0;
        plat::DecodeDate(plat::Env().Clock->Now(), year, month, day);
        startupFluxSfu_ = engine::PredictedFlux(year * 100 + month);
        FLXSpin_.SetValue(startupFluxSfu_);
        SolarBox_.SetCaption(kDownloadErrorCaption);
    }
    settings_.SolarKind = engine::SolarValueKind::Flux;
    settings_.SolarValue = FLXSpin_.GetValue();
}

void SolarValueBox::SunGroupClick(plat::TObject*)
{
    switch (SunGroup_.GetItemIndex()) {
    case 0:
        SunLabel_.SetCaption(kFluxItem);
        FLXSpin_.SetValue(startupFluxSfu_);
        settings_.SolarKind = engine::SolarValueKind::Flux;
        break;
    case 1:
        SunLabel_.SetCaption(kSunSpotsItem);
        FLXSpin_.SetValue(engine::FluxToSpots(startupFluxSfu_));
        settings_.SolarKind = engine::SolarValueKind::SunSpots;
        break;
    default:
        return;
    }
    settings_.SolarValue = FLXSpin_.GetValue();
}

void SolarValueBox::FLXSpinChange(plat::TObject*)
{
    settings_.SolarValue = FLXSpin_.GetValue();
}

}  // namespace skelda::app
