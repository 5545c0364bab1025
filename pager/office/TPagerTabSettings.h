#pragma once

#include "pager/office/OfficeTypes.h"
#include "pager/office/TNotifyingPersistent.h"
#include "platform/controls/standard/StandardControlTypes.h"

namespace skelda::pager {

enum TImagePosition { ipLeft = 0, ipTop = 1, ipRight = 2, ipBottom = 3 };

// The geometry of a pager's tabs: margins and spacing in pixels, the strip's thickness, a fixed
// tab length (0: each tab as long as its content), caption wrapping, image side, outline,
// rounding (0 to 8), alignment of content in fixed-length tabs and painting on glass. A changed
// value fires OnChange once; Glass first asks the owner to switch the glass mode.
class TPagerTabSettings : public TNotifyingPersistent {
public:
    static constexpr int kMaxRounding = 8;

    std::string ClassName() const override { return "TPagerTabSettings"; }

    // Every property but Spacing, through the setters.
    void Assign(const plat::TPersistent& Source) override;

    int GetLeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int Value) { Change(FLeftMargin, Value); }
    int GetRightMargin() const { return FRightMargin; }
    void SetRightMargin(int Value) { Change(FRightMargin, Value); }
    int GetHeight() const { return FHeight; }
    void SetHeight(int Value) { Change(FHeight, Value); }
    int GetStartMargin() const { return FStartMargin; }
    void SetStartMargin(int Value) { Change(FStartMargin, Value); }
    int GetEndMargin() const { return FEndMargin; }
    void SetEndMargin(int Value) { Change(FEndMargin, Value); }
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int Value) { Change(FSpacing, Value); }
    int GetWidth() const { return FWidth; }
    void SetWidth(int Value) { Change(FWidth, Value); }
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { Change(FWordWrap, Value); }
    TImagePosition GetImagePosition() const { return FImagePosition; }
    void SetImagePosition(TImagePosition Value) { Change(FImagePosition, Value); }
    int GetRounding() const { return FRounding; }
    // Held to 0..8, the range the outlines are drawn for.
    void SetRounding(int Value);
    TVezTabShape GetShape() const { return FShape; }
    void SetShape(TVezTabShape Value) { Change(FShape, Value); }
    plat::TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(plat::TAlignment Value) { Change(FAlignment, Value); }
    bool GetGlass() const { return FGlass; }
    void SetGlass(bool Value);

    // The owner's switch into or out of glass mode, asked before OnChange.
    std::function<void(bool Glass)> OnGlassChange;

private:
    int FLeftMargin = 4;
    int FRightMargin = 4;
    int FHeight = 26;
    int FStartMargin = 4;
    int FEndMargin = 0;
    int FSpacing = 4;
    int FWidth = 0;
    bool FWordWrap = false;
    TImagePosition FImagePosition = ipLeft;
    int FRounding = 1;
    TVezTabShape FShape = tsRectangle;
    plat::TAlignment FAlignment = plat::taLeftJustify;
    bool FGlass = false;
};

// The scroll state of the tab strip. Max below Min and Min above Max are ignored; Position is
// not held to the range (the pager's update keeps it there).
class TPagerTabScroller {
public:
    int GetMin() const { return FMin; }
    void SetMin(int Value)
    {
        if (Value <= FMax)
            FMin = Value;
    }
    int GetMax() const { return FMax; }
    void SetMax(int Value)
    {
        if (Value >= FMin)
            FMax = Value;
    }
    int GetPosition() const { return FPosition; }
    void SetPosition(int Value) { FPosition = Value; }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }

    bool CanGoBack() const { return FPosition > FMin; }
    bool CanGoForward() const { return FPosition < FMax; }

private:
    int FMin = 0;
    int FMax = 0;
    int FPosition = 0;
    bool FVisible = false;
};

}  // namespace skelda::pager
