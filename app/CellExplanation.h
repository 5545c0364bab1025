#pragma once

// What a result cell means, in words: the text of the box a click on the cell shows.

#include "engine/HourlyPrediction.h"

#include <optional>
#include <string>

namespace skelda::app {

inline constexpr const char* kCellExplanationTitle = "What it means...";

// The explanation of a cell text written by ResultCellText in the given format; nothing for a
// text of another form (an empty cell, a title, a frequency).
std::optional<std::string> CellExplanation(engine::DisplayFormat format, const std::string& cellText);

}  // namespace skelda::app
