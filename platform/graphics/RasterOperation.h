#pragma once

#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TPen.h"

#include <QPainter>

#include <cstdint>
#include <optional>

namespace plat {

// A ternary raster operation: any bitwise combination of pattern, source and destination,
// given by the truth table in bits 16..23 of the operation code.
class RasterOperation {
public:
    explicit RasterOperation(TRasterOp rop) : FTable(static_cast<std::uint8_t>(rop >> 16)) {}

    std::uint8_t Table() const { return FTable; }
    bool IsSourceCopy() const { return FTable == 0xCC; }
    bool UsesSource() const { return (((FTable >> 2) ^ FTable) & 0x33) != 0; }
    bool UsesPattern() const { return (((FTable >> 4) ^ FTable) & 0x0F) != 0; }
    std::uint32_t Apply(std::uint32_t pattern, std::uint32_t source, std::uint32_t dest) const;
    // The painter's composition mode doing the same with an image as source, when Qt has one.
    std::optional<QPainter::CompositionMode> SourceCompositionMode() const;

private:
    std::uint8_t FTable;
};

// Sets up the painter for drawing in a pen mode; returns false when the mode leaves the
// destination alone. Devices without raster operations (printers) draw as pmCopy.
bool SelectPenMode(QPainter& painter, TPenMode mode);
// The colour a pen mode draws with: black or white for pmBlack and pmWhite, else color.
QColor PenModeColor(TPenMode mode, const QColor& color);

}  // namespace plat
