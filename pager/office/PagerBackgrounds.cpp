#include "pager/office/PagerBackgrounds.h"

namespace skelda::pager {

void TGradientBackground::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TGradientBackground*>(&Source);
    if (!source)
        return;
    FColor = source->FColor;
    FColorTo = source->FColorTo;
    FDirection = source->FDirection;
    FSteps = source->FSteps;
}

void TVistaBackground::Assign(const plat::TPersistent& Source)
{
    const auto* source = dynamic_cast<const TVistaBackground*>(&Source);
    if (!source) {
        plat::TPersistent::Assign(Source);
        return;
    }
    FSteps = source->FSteps;
    FColor = source->FColor;
    FColorTo = source->FColorTo;
    FColorMirror = source->FColorMirror;
    FColorMirrorTo = source->FColorMirrorTo;
    FBorderColor = source->FBorderColor;
    SetGradient(source->FGradient);
    SetGradientMirror(source->FGradientMirror);
}

}  // namespace skelda::pager
