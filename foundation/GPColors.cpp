#include "foundation/GPColors.h"

#include "platform/system/Environment.h"
#include "platform/system/PlatformInformation.h"

namespace skelda::foundation {

ARGB ColorToARGB(plat::TColor Color)
{
    return ColorWithAlphaToARGB(0xFF, Color);
}

ARGB ColorWithAlphaToARGB(std::uint8_t Alpha, plat::TColor Color)
{
    const plat::TColor rgb = plat::ColorToRGB(Color);
    return ComposeARGB(Alpha, static_cast<std::uint8_t>(plat::GetRValue(rgb)), static_cast<std::uint8_t>(plat::GetGValue(rgb)),
                       static_cast<std::uint8_t>(plat::GetBValue(rgb)));
}

bool IsWindows6OrLater()
{
    return plat::Env().Platform->GetVersionEx().MajorVersion > 5;
}

}  // namespace skelda::foundation
