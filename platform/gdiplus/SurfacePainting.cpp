#include "platform/gdiplus/SurfacePainting.h"

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"

namespace plat::gdiplus {

bool IsAntialiasing(int smoothingMode)
{
    return smoothingMode == SmoothingModeHighQuality || smoothingMode == SmoothingModeAntiAlias ||
           smoothingMode == SmoothingModeAntiAlias8x8;
}

void PaintOn(GpGraphics& graphics, const char* call, Placement placement, const std::function<void(QPainter&)>& draw)
{
    graphics.Canvas->PaintWith(call, [&](QPainter& painter) {
        const bool antialias = IsAntialiasing(graphics.SmoothingMode);
        painter.setRenderHint(QPainter::Antialiasing, antialias);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        // GDI+ brushes (gradients, textures, hatches) lie in world coordinates, not lined up with
        // the device as the canvas's patterns are.
        painter.setBrushOrigin(0, 0);
        if (graphics.Clip)
            painter.setClipPath(*graphics.Clip, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        if (antialias && placement == Placement::Figure)
            painter.translate(0.5, 0.5);
        painter.setWorldTransform(graphics.World, true);
        draw(painter);
    });
}

QRectF SurfaceArea(GpGraphics& graphics)
{
    const TSize size = graphics.Canvas->Backend().DeviceSize();
    const TPoint origin = graphics.Canvas->GetViewportOrg();
    return QRectF(-origin.X, -origin.Y, size.cx, size.cy);
}

}  // namespace plat::gdiplus
