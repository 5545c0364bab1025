#include "app/CoordinateTexts.h"

#include "engine/ModelMath.h"
#include "platform/system/FloatFormat.h"

namespace skelda::app {
namespace {

std::string DegreesText(long double angleRad, const char* positiveWord, const char* otherWord)
{
    const long double deg = angleRad * engine::kRadToDeg;
    if (angleRad > 0)
        return plat::FormatFloat("0.0", static_cast<double>(deg)) + positiveWord;
    return plat::FormatFloat("0.0", static_cast<double>(-deg)) + otherWord;
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

}  // namespace skelda::app
