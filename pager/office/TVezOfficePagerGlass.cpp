// Painting on glass: the composed frame shows through every pixel whose alpha is below 255, so a
// pager on it paints through a buffer that is made opaque before its content goes in.

#include "foundation/TDesktopComposition.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/core/BufferedPaint.h"
#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/Messages.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TCanvasBackend.h"

namespace skelda::pager {

bool TVezOfficePager::PaintsOnGlass() const
{
    // Composition can be switched off while the program runs: asked at every paint.
    return GlassActive() && foundation::IsCompositionEnabled() && FTransparent;
}

void TVezOfficePager::PaintWindow(plat::TPaintContext& Context)
{
    if (!PaintsOnGlass()) {
        plat::TCustomControl::PaintWindow(Context);
        return;
    }
    plat::TBufferedPaint buffer(Context, Context.ClipRect);
    if (!buffer.Ok())
        return;
    {
        plat::TCanvas canvas(plat::MakeContextCanvasBackend(buffer.Context()));
        canvas.SetViewportOrg(buffer.Context().Origin);
        canvas.IntersectClipRect(buffer.Context().ClipRect);
        Perform(plat::WM_ERASEBKGND, reinterpret_cast<plat::WPARAM>(&canvas));
    }
    buffer.SetAlpha(buffer.Context().ClipRect, 255);
    Perform(plat::WM_PRINTCLIENT, reinterpret_cast<plat::WPARAM>(&buffer.Context()), plat::PRF_CLIENT);
}

}  // namespace skelda::pager
