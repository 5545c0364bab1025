#pragma once

#include "platform/core/TSet.h"

namespace skelda::editcontrols {

// What a spin edit's text holds: a decimal integer, a decimal float, a hexadecimal integer.
enum TValueType { vtInteger, vtFloat, vtHex };

// The step buttons beside a spin edit: the up-down control, or a spin button split along its
// diagonal or across its middle.
enum TSpinButtonKind { bkStandard, bkDiagonal, bkClassic };

// When a spin edit holds its value to its limits: while the text changes, when the field is
// left, and whether a value beyond a limit is cut back silently (else a range error).
enum TKvCheckOption { coCheckOnChange, coCheckOnExit, coCropBeyondLimit };
using TKvCheckOptions = plat::TSet<TKvCheckOption>;

}  // namespace skelda::editcontrols
