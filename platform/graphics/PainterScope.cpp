#include "platform/graphics/PainterScope.h"

#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TCanvasBackend.h"

namespace plat {

PainterScope::PainterScope(TCanvasBackend& backend, TPoint viewportOrg, const std::optional<TRegion>& clip)
    : FBackend(backend)
{
    // Qt takes an empty clip region for "no clipping"; here it means nothing is visible.
    if (clip && clip->IsEmpty())
        return;
    FPainter = FBackend.BeginPaint();
    if (!FPainter)
        return;
    FPainter->save();
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, false);
    FPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (clip)
        FPainter->setClipRegion(ToQRegion(*clip), FPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    FPainter->translate(viewportOrg.X, viewportOrg.Y);
    // Patterns line up with the device, not with each shape, as hatched areas did on screen.
    FPainter->setBrushOrigin(-viewportOrg.X, -viewportOrg.Y);
}

PainterScope::~PainterScope()
{
    if (!FPainter)
        return;
    FPainter->restore();
    FBackend.EndPaint();
}

}  // namespace plat
