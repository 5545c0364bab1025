#pragma once

#include "platform/core/TSet.h"

#include <cstdint>

namespace skelda::editcontrols {

// The dialog codes of WM_GETDLGCODE as a set, as AdjustDialogCodes sees them. dfNative stands
// for "keep the platform's own answer": it is in the set handed over, and only an override
// that removes it replaces the answer by the translation of the set.
enum TDialogCodeFlag { dfAllKeys, dfArrows, dfChars, dfButton, dfHasSetSel, dfTab, dfNative };
using TDialogCodeFlags = plat::TSet<TDialogCodeFlag>;

// The flags of the DLGC_ bits that have one; other bits are dropped, dfNative is not added.
TDialogCodeFlags DialogCodesToFlags(std::uint32_t Codes);
// The DLGC_ bits of the flags; dfNative has none.
std::uint32_t FlagsToDialogCodes(TDialogCodeFlags Flags);

}  // namespace skelda::editcontrols
