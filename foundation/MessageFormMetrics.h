#pragma once

#include "foundation/TaskDialogTypes.h"
#include "platform/core/Types.h"

#include <string>

namespace plat {
class TCanvas;
}

namespace skelda::foundation {

// The emulated task dialog's spacing, in pixels, derived from the dialog font's average
// character (dialog units: a quarter of its width across, an eighth of its height down), so that
// the form grows with its font.
struct TMessageFormMetrics {
    int HorzMarginPx = 0;
    int VertMarginPx = 0;
    int HorzSpacingPx = 0;
    int VertSpacingPx = 0;
    int ButtonHeightPx = 0;
    int ButtonSpacingPx = 0;
};

// The average character of Canvas's font: the width of the 52 letters "A".."Z", "a".."z" divided
// by 52 (whole pixels), and their height.
plat::TSize AverageCharSize(plat::TCanvas& Canvas);

TMessageFormMetrics MessageFormMetrics(plat::TSize AverageChar);

// The common buttons as the emulated dialog shows them: component name, caption and modal
// result. cbClose shows as "&Abort" and returns 3.
struct TCommonButtonInfo {
    const char* Name;
    const char* Caption;
    int ModalResult;
};
const TCommonButtonInfo& CommonButtonInfo(TCommonButton Button);

// Which shown common button is the default (Enter) and which the cancel button, for a
// DefaultButton value. The default slot may name a button that is not shown: then no common
// button is the default. DefaultButton -1 gives no default at all.
struct TCommonButtonSlots {
    bool HasDefault = true;
    TCommonButton Default = cbOK;
    TCommonButton Cancel = cbOK;
};
TCommonButtonSlots CommonButtonSlots(TCommonButtons Shown, int DefaultButton);

}  // namespace skelda::foundation
