#pragma once

#include "foundation/ColorTones.h"

namespace skelda::pager {

class TCustomVezOfficePagerStyler;

// What changed in a styler, as its pagers are told.
enum TStylerChange {
    scTabAppearance = 1,  // also Show3D and ShowShadow
    scPageAppearance = 2,  // also every assignment of Style
    scRoundEdges = 3,
    scGlowButtonAppearance = 4,
    scTabFont = 5,
};

// A pager as its styler sees it.
class IPagerStylerClient {
public:
    virtual ~IPagerStylerClient() = default;
    virtual void StylerChanged(TStylerChange Kind) = 0;
    virtual void SetColorTones(const foundation::TColorTones& Tones) = 0;
    // The styler is going away: a pager that points to it must let go of it.
    virtual void StylerDestroying(TCustomVezOfficePagerStyler& Styler) = 0;
};

}  // namespace skelda::pager
