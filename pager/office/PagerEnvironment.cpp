#include "pager/office/PagerEnvironment.h"

#include "foundation/TDesktopComposition.h"
#include "pager/glow/TGlowButtonAppearance.h"
#include "platform/system/Environment.h"
#include "platform/system/PlatformInformation.h"

#include <cstdint>

namespace skelda::pager {

bool IsComCtl6()
{
    return (plat::Env().Platform->GetCommonControlsVersion().Major & 0xFF) > 5;
}

bool PagerCompositionEnabled()
{
    std::int32_t enabled = 0;
    foundation::CallDwmIsCompositionEnabled(enabled);
    return enabled != 0;
}

void ClearGlowAppearanceColors(TGlowButtonAppearance* Appearance)
{
    if (!Appearance)
        return;
    TGlowButtonAppearance& a = *Appearance;
    a.SetBorderColor(plat::clNone);
    a.SetBorderColorHot(plat::clNone);
    a.SetBorderColorDown(plat::clNone);
    a.SetColor(plat::clNone);
    a.SetColorTo(plat::clNone);
    a.SetColorDown(plat::clNone);
    a.SetColorDownTo(plat::clNone);
    a.SetColorHot(plat::clNone);
    a.SetColorHotTo(plat::clNone);
    a.SetColorMirror(plat::clNone);
    a.SetColorMirrorTo(plat::clNone);
    a.SetColorMirrorHot(plat::clNone);
    a.SetColorMirrorHotTo(plat::clNone);
    a.SetColorMirrorDown(plat::clNone);
    a.SetColorMirrorDownTo(plat::clNone);
    a.SetColorDisabled(plat::clNone);
    a.SetColorDisabledTo(plat::clNone);
}

}  // namespace skelda::pager
