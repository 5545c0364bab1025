#include "app/ResultCellText.h"

#include "engine/HopTable.h"
#include "platform/system/Conversions.h"
#include "platform/system/FloatFormat.h"

namespace skelda::app {
namespace {

char PropagationLetter(std::uint8_t modeFlags)
{
    const bool daylight = modeFlags & engine::kModeDaylight;
    const bool darkness = modeFlags & engine::kModeDarkness;
    if (daylight && darkness)
        return 'x';
    if (daylight)
        return 'j';
    if (darkness)
        return 'n';
    return 'o';
}

char RemarkLetter(std::uint8_t modeFlags)
{
    if (modeFlags & engine::kModeWeak)
        return 's';
    if (modeFlags & engine::kModeMultipath)
        return 'm';
    return ' ';
}

// Whole units; a value below zero keeps its minus even when it rounds to 0, so that "-0" still
// reads (and is coloured) as below the receiver's sensitivity.
std::string WholeValueText(long double value)
{
    if (value < 0)
        return "-" + plat::FormatFloat("0", static_cast<double>(-value));
    return plat::FormatFloat("0", static_cast<double>(value));
}

}  // namespace

std::string ResultCellText(const engine::CellResult& cell)
{
    return WholeValueText(cell.Value) + PropagationLetter(cell.ModeFlags) + plat::IntToStr(cell.HopCount) +
           RemarkLetter(cell.ModeFlags);
}

}  // namespace skelda::app
