#pragma once

// The text of one result cell: value, propagation letter, hop count and remark, joined without
// separators, e.g. "-7n3s" or "10j2 ".

#include "engine/HourlyPrediction.h"

#include <string>

namespace skelda::app {

// The value is already in the unit of the display format. Below-E-layer-MUF (kModeBelowEMuf)
// has no letter of its own: "s" and "m" say more about whether the frequency can be used.
std::string ResultCellText(const engine::CellResult& cell);

}  // namespace skelda::app
