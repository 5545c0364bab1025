#include "app/ResultHeaders.h"

#include "app/CoordinateTexts.h"
#include "app/PredictionSettings.h"
#include "engine/ModelMath.h"
#include "platform/controls/standard/THeaderControl.h"
#include "platform/controls/standard/TPanel.h"
#include "platform/system/Clock.h"
#include "platform/system/DateTimeFormat.h"
#include "platform/system/Environment.h"
#include "platform/system/FloatFormat.h"

namespace skelda::app {
namespace {

constexpr const char* kHeaderDateFormat = "dd mmmm yyyy";

std::string OneDecimal(long double value)
{
    return plat::FormatFloat("0.0", static_cast<double>(value));
}

std::string StationText(const std::string& name, long double latRad, long double lonRad, long double azimuthRad)
{
    return name + " Lat " + LatitudeText(latRad) + " Lon " + LongitudeText(lonRad) + " Azim " +
           OneDecimal(azimuthRad * engine::kRadToDeg);
}

// The path bar spans the main window's 904 pixels: a call sign or target name with both
// coordinates and the azimuth, then the distance and the delay. The condition bar leaves room
// for the long date.
constexpr int kPathSectionWidthsPx[ResultHeaders::kPathSections] = {272, 316, 150, 166};
constexpr int kConditionSectionWidthsPx[ResultHeaders::kConditionSections] = {200, 120, 160, 150, 220};

template <int Count>
void EnsureSections(plat::THeaderControl& header, const int (&widthsPx)[Count])
{
    while (header.SectionCount() < Count)
        header.AddSection({}, widthsPx[header.SectionCount()]);
}

}  // namespace

ResultHeaders::ResultHeaders(plat::THeaderControl& H1, plat::THeaderControl& H2, plat::TPanel& DESTLTTPnl,
                             plat::TPanel& DESTLNGPnl)
    : H1_(H1), H2_(H2), DESTLTTPnl_(DESTLTTPnl), DESTLNGPnl_(DESTLNGPnl)
{
    EnsureSections(H1_, kPathSectionWidthsPx);
    EnsureSections(H2_, kConditionSectionWidthsPx);
}

void ResultHeaders::Write(const engine::PathSummary& path, const PredictionSettings& settings)
{
    H2_.Sections(0).SetText("Solar flux at 10.7cm : " + OneDecimal(path.SolarFluxSfu));
    H2_.Sections(1).SetText("Sun spots : " + OneDecimal(path.SunSpotNumber));
    H2_.Sections(2).SetText("Date :" + plat::FormatDateTime(kHeaderDateFormat, plat::Env().Clock->Now()));
    H2_.Sections(3).SetText("Power (Watts) : " + plat::FormatFloat("0", settings.Power) + " W");
    H2_.Sections(4).SetText(kNotice);

    H1_.Sections(0).SetText(StationText(settings.MyCall, path.OwnLatRad, path.OwnLonRad, path.OwnAzimuthRad));
    H1_.Sections(1).SetText(
        StationText(settings.TargetName, path.DestLatRad, path.DestLonRad, path.RemoteAzimuthRad));
    H1_.Sections(2).SetText("Distance (km) : " + OneDecimal(path.DistanceKm) + " Km");
    H1_.Sections(3).SetText("Delay : " + OneDecimal(path.DelayMs) + " milliseconds");

    DESTLTTPnl_.SetCaption(LatitudeText(path.DestLatRad));
    DESTLNGPnl_.SetCaption(LongitudeText(path.DestLonRad));
}

}  // namespace skelda::app
