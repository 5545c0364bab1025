#pragma once

#include "platform/controls/core/TGraphicControl.h"
#include "platform/controls/standard/StandardControlTypes.h"

namespace plat {

class TWinControl;

// A caption drawn on its parent. With AutoSize it takes the size of its text (the width of
// the longest line, or, with WordWrap, its present width; a right-justified label keeps its
// right edge). '&' marks the accelerator, which focuses FocusControl (ShowAccelChar off shows
// '&' as it is). A label that is not Transparent fills its rectangle with Color first; a
// disabled one draws its text embossed.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);

    std::string ClassName() const override { return "TLabel"; }

    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout GetLayout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool GetShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    TWinControl* GetFocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Sizes the label to its text when AutoSize is on.
    void AdjustBounds();

private:
    unsigned TextFormat() const;
    // Draws (or with DT_CALCRECT measures) the caption in the label's font.
    void DoDrawText(TRect& Rect, unsigned Format);

    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FAutoSize = true;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

}  // namespace plat
