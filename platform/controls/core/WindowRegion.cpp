#include "platform/controls/core/WindowRegion.h"

#include "platform/controls/core/TWinControl.h"
#include "platform/graphics/QtConversions.h"

#include <QWidget>

namespace plat {

void SetWindowRgn(TWinControl& Control, const std::optional<TRegion>& Region, bool Redraw)
{
    QWidget* widget = Control.Handle();
    if (Region)
        widget->setMask(ToQRegion(*Region));
    else
        widget->clearMask();
    if (Redraw)
        widget->repaint();
}

std::optional<TRegion> GetWindowRgn(TWinControl& Control)
{
    if (!Control.HandleAllocated())
        return std::nullopt;
    const QRegion mask = Control.Handle()->mask();
    if (mask.isEmpty())
        return std::nullopt;
    TRegion region;
    for (const QRect& rect : mask)
        region = region.Union(TRegion(FromQRect(rect)));
    return region;
}

}  // namespace plat
