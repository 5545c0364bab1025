#pragma once

#include "platform/controls/standard/TButton.h"
#include "platform/controls/standard/TButtonGlyph.h"

#include <memory>

namespace plat {

class TBitmap;
class TCanvas;
class TControlCanvas;

// The stock buttons: caption, modal result and Default/Cancel come with the kind.
enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// A push button that draws its own face with a glyph beside its caption. It keeps the native
// button's behaviour (pressing, Space, focus) and paints in Paint with Canvas instead of the
// native look. A bkClose button closes its form instead of running OnClick.
class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* AOwner);
    ~TBitBtn() override;

    std::string ClassName() const override { return "TBitBtn"; }

    TBitmap& Glyph() { return FGlyph.Glyph(); }
    int GetNumGlyphs() const { return FGlyph.GetNumGlyphs(); }
    void SetNumGlyphs(int Value) { FGlyph.SetNumGlyphs(Value); }
    TButtonLayout GetLayout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int GetMargin() const { return FMargin; }
    void SetMargin(int Value);
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int Value);
    TBitBtnKind GetKind() const { return FKind; }
    // A stock kind sets Caption, ModalResult, Default (bkOK, bkYes), Cancel (bkCancel, bkNo) and
    // its Glyph (BitBtnGlyphs.h: the kind's sign and its disabled form, so NumGlyphs 2).
    void SetKind(TBitBtnKind Value);

    TCanvas& Canvas();

    void Click() override;

    void DefaultHandler(TMessage& Message) override;

protected:
    void PaintWindow(TPaintContext& Context) override;
    // Draws the face, glyph, caption and focus frame on Canvas.
    virtual void Paint();
    // The button is held down (mouse or Space).
    bool IsDown() const;
    const TButtonGlyph& ButtonGlyph() const { return FGlyph; }

private:
    TButtonGlyph FGlyph;
    std::unique_ptr<TControlCanvas> FCanvas;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    TBitBtnKind FKind = bkCustom;
};

}  // namespace plat
