#include "app/CoordinateTexts.h"

#include "engine/ModelMath.h"
#include "platform/system/FloatFormat.h"

#include <cmath>

namespace skelda::app {
namespace {

std::string DegreesText(long double angleRad, const char* positiveWord, const char* otherWord)
{
    const long double deg = angleRad * engine::kRadToDeg;
    if (angleRad > 0)
        return plat::FormatFloat("0.0", static_cast<double>(deg)) + positiveWord;
    return plat::FormatFloat("0.0", static_cast<double>(-deg)) + otherWord;
}

// The minutes are followed directly by the hemisphere word, which begins with its own degree sign.
std::string OwnCaption(long double deg, const char* positiveWord, const char* negativeWord)
{
    if (deg == 0 || std::isnan(deg))
        return "0°";
    const TDegreesMinutesSeconds parts = SplitDegrees(std::fabs(deg));
    return plat::FloatToStr(static_cast<double>(parts.Degrees)) + "°" +
           plat::FormatFloat("0.###", static_cast<double>(parts.Minutes)) + (deg > 0 ? positiveWord : negativeWord);
}

}  // namespace

std::string LatitudeText(long double latRad)
{
    return DegreesText(latRad, "° North", "° South");
}

std::string LongitudeText(long double lonRad)
{
    return DegreesText(lonRad, "° West", "° East");
}

TDegreesMinutesSeconds SplitDegrees(long double deg)
{
    TDegreesMinutesSeconds parts;
    parts.Degrees = std::trunc(deg);
    parts.Minutes = (deg - parts.Degrees) * 60;
    parts.Seconds = (parts.Minutes - std::trunc(parts.Minutes)) * 60;
    return parts;
}

std::string OwnLatitudeCaption(long double latDeg)
{
    return OwnCaption(latDeg, "° North", "° South");
}

std::string OwnLongitudeCaption(long double lonDeg)
{
    return OwnCaption(lonDeg, "° West", "° East");
}

}  // namespace skelda::app
