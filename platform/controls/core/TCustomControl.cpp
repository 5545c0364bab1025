#include "platform/controls/core/TCustomControl.h"

#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/PaintContext.h"

namespace plat {

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()) {}

TCustomControl::~TCustomControl() = default;

TCanvas& TCustomControl::Canvas()
{
    if (!FCanvas->Attached())
        FCanvas->SetIdleImage(LastPaint());
    return *FCanvas;
}

void TCustomControl::PaintWindow(TPaintContext& Context)
{
    TCanvasAttachment attached(*FCanvas, Context);
    FCanvas->Font().Assign(Font());
    const TControlRef<> alive(this);
    if (!GetControlStyle().Contains(csOpaque))
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(FCanvas.get())));
    if (!alive)
        return;
    FCanvas->Brush().SetColor(GetColor());
    FCanvas->Brush().SetStyle(bsSolid);
    Paint();
}

void TCustomControl::Paint() {}

}  // namespace plat
