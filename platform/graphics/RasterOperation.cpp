#include "platform/graphics/RasterOperation.h"

#include <QPaintEngine>

namespace plat {

std::uint32_t RasterOperation::Apply(std::uint32_t pattern, std::uint32_t source, std::uint32_t dest) const
{
    std::uint32_t result = 0;
    for (unsigned minterm = 0; minterm < 8; ++minterm) {
        if (((FTable >> minterm) & 1) == 0)
            continue;
        result |= ((minterm & 4) ? pattern : ~pattern) & ((minterm & 2) ? source : ~source) & ((minterm & 1) ? dest : ~dest);
    }
    return result;
}

std::optional<QPainter::CompositionMode> RasterOperation::SourceCompositionMode() const
{
    switch (FTable) {
    case 0xCC: return QPainter::CompositionMode_Source;
    case 0x66: return QPainter::RasterOp_SourceXorDestination;
    case 0x88: return QPainter::RasterOp_SourceAndDestination;
    case 0xEE: return QPainter::RasterOp_SourceOrDestination;
    case 0x33: return QPainter::RasterOp_NotSource;
    case 0x44: return QPainter::RasterOp_SourceAndNotDestination;
    case 0x11: return QPainter::RasterOp_NotSourceAndNotDestination;
    case 0xBB: return QPainter::RasterOp_NotSourceOrDestination;
    default: return std::nullopt;
    }
}

QColor PenModeColor(TPenMode mode, const QColor& color)
{
    if (mode == pmBlack)
        return Qt::black;
    if (mode == pmWhite)
        return Qt::white;
    return color;
}

bool SelectPenMode(QPainter& painter, TPenMode mode)
{
    QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
    switch (mode) {
    case pmNop: return false;
    case pmBlack:
    case pmWhite:
    case pmCopy: break;
    case pmNot: composition = QPainter::RasterOp_NotDestination; break;
    case pmNotCopy: composition = QPainter::RasterOp_NotSource; break;
    case pmMergePenNot: composition = QPainter::RasterOp_SourceOrNotDestination; break;
    case pmMaskPenNot: composition = QPainter::RasterOp_SourceAndNotDestination; break;
    case pmMergeNotPen: composition = QPainter::RasterOp_NotSourceOrDestination; break;
    case pmMaskNotPen: composition = QPainter::RasterOp_NotSourceAndDestination; break;
    case pmMerge: composition = QPainter::RasterOp_SourceOrDestination; break;
    case pmNotMerge: composition = QPainter::RasterOp_NotSourceAndNotDestination; break;
    case pmMask: composition = QPainter::RasterOp_SourceAndDestination; break;
    case pmNotMask: composition = QPainter::RasterOp_NotSourceOrNotDestination; break;
    case pmXor: composition = QPainter::RasterOp_SourceXorDestination; break;
    case pmNotXor: composition = QPainter::RasterOp_NotSourceXorDestination; break;
    }
    const bool rasterOp = composition != QPainter::CompositionMode_SourceOver;
    if (rasterOp && !painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        composition = QPainter::CompositionMode_SourceOver;
    painter.setCompositionMode(composition);
    return true;
}

}  // namespace plat
