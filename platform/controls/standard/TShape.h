#pragma once

#include "platform/controls/core/TGraphicControl.h"

#include <memory>

namespace plat {

class TBrush;
class TPen;

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A windowless figure drawn with Pen and Brush inside the control's rectangle: the outline
// runs Pen.Width / 2 pixels in from the edges. The square, round square and circle take the
// largest square that fits, centred; the rounded ones have corners a quarter of that size.
class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* AOwner);
    ~TShape() override;

    std::string ClassName() const override { return "TShape"; }

    TShapeType GetShape() const { return FShape; }
    void SetShape(TShapeType Value);
    TPen& Pen() { return *FPen; }
    TBrush& Brush() { return *FBrush; }

protected:
    void Paint() override;

private:
    TShapeType FShape = stRectangle;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
};

}  // namespace plat
