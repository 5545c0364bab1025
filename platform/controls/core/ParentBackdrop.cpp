#include "platform/controls/core/ParentBackdrop.h"

#include "platform/controls/core/PaintContext.h"
#include "platform/controls/core/TWinControl.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"

#include <QPainter>

namespace plat {

namespace {

// Holds the canvas's painter, with its state saved, for the length of the parent's paint,
// however that ends.
class BackdropPainter {
public:
    explicit BackdropPainter(TCanvasBackend& Backend) : FBackend(Backend), FPainter(Backend.BeginPaint())
    {
        if (FPainter)
            FPainter->save();
    }
    ~BackdropPainter()
    {
        if (!FPainter)
            return;
        FPainter->restore();
        FBackend.EndPaint();
    }
    BackdropPainter(const BackdropPainter&) = delete;
    BackdropPainter& operator=(const BackdropPainter&) = delete;

    QPainter* Get() const { return FPainter; }

private:
    TCanvasBackend& FBackend;
    QPainter* FPainter;
};

}  // namespace

void PaintParentBackdrop(TControl& Control, TCanvas& Canvas)
{
    TWinControl* parent = Control.GetParent();
    if (!parent)
        return;
    const std::optional<TRegion>& clip = Canvas.GetClipRgn();
    if (clip && clip->IsEmpty())
        return;
    const TPoint position{Control.GetLeft(), Control.GetTop()};
    const TRect area = IntersectedRect(MovedRect(Canvas.GetClipRect(), position), parent->GetClientRect());
    if (area.IsEmpty())
        return;
    TCanvasBackend& backend = Canvas.Backend();
    const BackdropPainter painter(backend);
    if (!painter.Get())
        return;
    // The paint context carries a rectangle; the canvas's clip may be any region (single corner
    // pixels), so it goes on the painter, under every clip the parent's painting adds.
    if (clip)
        painter.Get()->setClipRegion(ToQRegion(*clip), painter.Get()->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    const TPoint origin{Canvas.GetViewportOrg().X - position.X, Canvas.GetViewportOrg().Y - position.Y};
    TPaintContext context{painter.Get(), backend.DeviceSize(), origin, area, backend.Pixels()};
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&context));
}

}  // namespace plat
