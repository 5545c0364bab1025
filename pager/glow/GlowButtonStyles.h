#pragma once

#include "foundation/ZORStyle.h"

namespace skelda::pager {

class TGlowButtonAppearance;

// Fills the appearance with the colours of a style: the normal set of the style, and the hot,
// down and checked sets of its family (the office hot set, the 2010 hot set or the style's own).
// TranspHover is set for the 2010 styles only. tsCustom changes nothing else; no style touches
// the disabled or caption colours.
void ApplyGlowButtonStyle(TGlowButtonAppearance& Appearance, foundation::TZORStyle Style);

}  // namespace skelda::pager
