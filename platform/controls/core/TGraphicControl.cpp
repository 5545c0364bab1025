#include "platform/controls/core/TGraphicControl.h"

#include "platform/controls/core/ControlCanvas.h"
#include "platform/controls/core/PaintContext.h"

namespace plat {

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas()
{
    return *FCanvas;
}

void TGraphicControl::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_PAINT) {
        TControl::Dispatch(Message);
        return;
    }
    // Painted only by the parent, which hands over its surface.
    const TPaintContext* context = TWMPaint(Message).Context();
    if (!context || !context->Painter)
        return;
    TCanvasAttachment attached(*FCanvas, *context);
    FCanvas->Font().Assign(Font());
    FCanvas->Brush().SetColor(GetColor());
    FCanvas->Brush().SetStyle(bsSolid);
    Paint();
}

void TGraphicControl::Paint() {}

}  // namespace plat
