#include "platform/controls/standard/TShape.h"

#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TPen.h"

#include <algorithm>

namespace plat {

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>())
{
    SetBounds(0, 0, 65, 65);
    FPen->OnChange = [this](TObject*) { Invalidate(); };
    FBrush->OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape()
{
    FPen->OnChange = nullptr;
    FBrush->OnChange = nullptr;
}

void TShape::SetShape(TShapeType Value)
{
    FShape = Value;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Pen().Assign(*FPen);
    canvas.Brush().Assign(*FBrush);
    const int penWidth = FPen->GetWidth();
    int x = penWidth / 2;
    int y = x;
    int w = GetWidth() - penWidth + 1;
    int h = GetHeight() - penWidth + 1;
    const int side = std::min(w, h);
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = side;
        h = side;
    }
    switch (FShape) {
    case stRectangle:
    case stSquare:
        canvas.Rectangle(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare:
        canvas.RoundRect(x, y, x + w, y + h, side / 4, side / 4);
        break;
    case stEllipse:
    case stCircle:
        canvas.Ellipse(x, y, x + w, y + h);
        break;
    }
}

}  // namespace plat
