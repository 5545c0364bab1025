#include "platform/controls/core/TCustomControl.h"

#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/Messages.h"
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

void TCustomControl::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_PRINTCLIENT) {
        if ((static_cast<unsigned>(Message.LParam) & PRF_CLIENT) != 0 && Message.WParam != 0)
            PaintOn(*reinterpret_cast<TPaintContext*>(Message.WParam), false);
        return;
    }
    TWinControl::Dispatch(Message);
}

void TCustomControl::PaintWindow(TPaintContext& Context)
{
    PaintOn(Context, !GetControlStyle().Contains(csOpaque));
}

void TCustomControl::PaintOn(const TPaintContext& Context, bool Erase)
{
    TCanvasAttachment attached(*FCanvas, Context);
    FCanvas->Font().Assign(Font());
    const TControlRef<> alive(this);
    if (Erase)
        Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(FCanvas.get())));
    if (!alive)
        return;
    FCanvas->Brush().SetColor(GetColor());
    FCanvas->Brush().SetStyle(bsSolid);
    Paint();
}

void TCustomControl::Paint() {}

}  // namespace plat
