#pragma once

#include "platform/controls/core/TGraphicControl.h"
#include "platform/controls/standard/TButtonGlyph.h"

#include <memory>

namespace plat {

class TBitmap;

// A windowless button, as on tool bars. Buttons with the same GroupIndex (not 0) on one parent
// work like radio buttons: a click puts one down and the others of the group up; without
// AllowAllUp the button that is down stays down when clicked again. GroupIndex 0 buttons never
// stay down. A Flat button shows its edge only while the mouse is over it or it is down.
//
// A press shows the button down; releasing over it runs OnMouseUp, then OnClick.
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    std::string ClassName() const override { return "TSpeedButton"; }

    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool GetDown() const { return FDown; }
    void SetDown(bool Value);
    bool GetAllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    bool GetFlat() const { return FFlat; }
    void SetFlat(bool Value);

    TBitmap& Glyph() { return FGlyph.Glyph(); }
    int GetNumGlyphs() const { return FGlyph.GetNumGlyphs(); }
    void SetNumGlyphs(int Value) { FGlyph.SetNumGlyphs(Value); }
    TButtonLayout GetLayout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int GetMargin() const { return FMargin; }
    void SetMargin(int Value);
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int Value);

    void Click() override;

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    // What the face shows: up, down while pressed, exclusive while it stays down.
    TButtonState State() const;
    bool MouseInControl() const { return FMouseInControl; }

private:
    // Tells the other buttons of the group that this one went down (CM_BUTTONPRESSED).
    void UpdateExclusive();
    void ButtonPressed(TMessage& Message);
    const TBitmap& ExclusivePattern();

    TButtonGlyph FGlyph;
    std::unique_ptr<TBitmap> FPattern;
    TButtonState FState = bsUp;
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FFlat = false;
    bool FDragging = false;
    bool FMouseInControl = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
};

}  // namespace plat
