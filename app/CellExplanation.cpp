#include "app/CellExplanation.h"

#include <cctype>

namespace skelda::app {
namespace {

constexpr const char* kCrLf = "\r\n";

// A cell text taken apart from its end: remark, hop count digits, propagation letter, value.
struct CellParts {
    std::string Value;
    char Letter = 0;
    std::string HopCount;
    char Remark = 0;
};

std::optional<CellParts> SplitCellText(const std::string& text)
{
    if (text.size() < 4)
        return std::nullopt;
    CellParts parts;
    parts.Remark = text.back();
    std::size_t digitsBegin = text.size() - 1;
    while (digitsBegin > 0 && std::isdigit(static_cast<unsigned char>(text[digitsBegin - 1])))
        --digitsBegin;
    // At least one digit, then a letter with a value before it.
    if (digitsBegin == text.size() - 1 || digitsBegin < 2)
        return std::nullopt;
    parts.HopCount = text.substr(digitsBegin, text.size() - 1 - digitsBegin);
    parts.Letter = text[digitsBegin - 1];
    parts.Value = text.substr(0, digitsBegin - 1);
    return parts;
}

std::string ValueLine(engine::DisplayFormat format, const std::string& value)
{
    const std::string signalLine = "- Signal level in dB above rated receiver sensitivity : " + value + "dB";
    switch (format) {
    case engine::DisplayFormat::SignalLevel:
        return signalLine;
    case engine::DisplayFormat::TakeoffAngle:
        return "- Takeoff angle in degrees : " + value + "°";
    case engine::DisplayFormat::RouteDelay:
        return "- Path delay in milliseconds : " + value + "ms";
    case engine::DisplayFormat::BestFrequency:
        return std::string("- Best frequencies.") + kCrLf + signalLine;
    }
    return {};
}

std::string DaylightLine(char letter)
{
    switch (letter) {
    case 'j':
        return "- All ray hops are in daytime";
    case 'n':
        return "- All ray hops are in nighttime";
    case 'x':
        return "- Some ray hops in daytime, others in nighttime";
    default:
        return {};
    }
}

std::string RemarkLines(char remark)
{
    switch (remark) {
    case 'm':
        return std::string("- Propagation via E or F-Layer or more is possible .") + kCrLf +
               "- Relative receive levels are within 3dB." + kCrLf +
               "- Severe multipath distortion (QSB or fading) may occur.";
    case 's':
        return std::string("- Signal level is below the rated receiver sensitivity.") + kCrLf +
               "- May be masked by noise.";
    default:
        return {};
    }
}

}  // namespace

std::optional<std::string> CellExplanation(engine::DisplayFormat format, const std::string& cellText)
{
    const std::optional<CellParts> parts = SplitCellText(cellText);
    if (!parts)
        return std::nullopt;
    return ValueLine(format, parts->Value) + kCrLf + DaylightLine(parts->Letter) + kCrLf +
           "- Number of ray hops : " + parts->HopCount + " (maximum distance covered by a single hop: 4000km)" +
           kCrLf + RemarkLines(parts->Remark);
}

}  // namespace skelda::app
