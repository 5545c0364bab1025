#include "platform/controls/standard/TBitBtn.h"

#include "platform/controls/standard/BitBtnGlyphs.h"

#include "platform/controls/core/ControlCanvas.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"

#include <QPushButton>

namespace plat {

namespace {

struct TKindDefaults {
    const char* Caption;
    TModalResult Result;
};

TKindDefaults DefaultsOf(TBitBtnKind Kind)
{
    switch (Kind) {
    case bkOK:
        return {"OK", mrOk};
    case bkCancel:
        return {"Cancel", mrCancel};
    case bkHelp:
        return {"&Help", mrNone};
    case bkYes:
        return {"&Yes", mrYes};
    case bkNo:
        return {"&No", mrNo};
    case bkClose:
        return {"&Close", mrNone};
    case bkAbort:
        return {"Abort", mrAbort};
    case bkRetry:
        return {"&Retry", mrRetry};
    case bkIgnore:
        return {"&Ignore", mrIgnore};
    case bkAll:
        return {"&All", mrAll};
    default:
        return {"", mrNone};
    }
}

}  // namespace

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner), FCanvas(std::make_unique<TControlCanvas>())
{
    FGlyph.OnChange = [this] { Invalidate(); };
}

TBitBtn::~TBitBtn()
{
    FGlyph.OnChange = nullptr;
}

TCanvas& TBitBtn::Canvas()
{
    return *FCanvas;
}

void TBitBtn::SetLayout(TButtonLayout Value)
{
    FLayout = Value;
    Invalidate();
}

void TBitBtn::SetMargin(int Value)
{
    FMargin = Value < -1 ? -1 : Value;
    Invalidate();
}

void TBitBtn::SetSpacing(int Value)
{
    FSpacing = Value < -1 ? -1 : Value;
    Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind Value)
{
    if (Value == FKind)
        return;
    FKind = Value;
    if (Value != bkCustom) {
        const TKindDefaults defaults = DefaultsOf(Value);
        SetDefault(Value == bkOK || Value == bkYes);
        SetCancel(Value == bkCancel || Value == bkNo);
        SetModalResult(defaults.Result);
        SetText(defaults.Caption);
        LoadBitBtnKindGlyph(Value, FGlyph.Glyph());
    }
    Invalidate();
}

void TBitBtn::Click()
{
    if (FKind == bkClose) {
        if (TCustomForm* form = GetParentForm(this)) {
            form->Close();
            return;
        }
    }
    TButton::Click();
}

bool TBitBtn::IsDown() const
{
    const auto* button = static_cast<const QPushButton*>(Button());
    return button && button->isDown();
}

void TBitBtn::DefaultHandler(TMessage& Message)
{
    // The face is ours; the native button must not paint over it.
    if (Message.Msg == WM_PAINT)
        return;
    TButton::DefaultHandler(Message);
}

void TBitBtn::PaintWindow(TPaintContext& Context)
{
    TCanvasAttachment attachment(*FCanvas, Context);
    FCanvas->Font().Assign(Font());
    Paint();
}

void TBitBtn::Paint()
{
    TCanvas& canvas = Canvas();
    TRect face = GetClientRect();
    const bool focused = Focused();
    if (focused || GetDefault()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(face);
        face = InflatedRect(face, -1, -1);
    }
    const bool down = IsDown();
    const bool enabled = IsEnabledInParents();
    TRect inner = face;
    canvas.DrawFrameControl(inner, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (down ? DFCS_PUSHED : 0u));
    const TButtonState state = !enabled ? bsDisabled : down ? bsDown : bsUp;
    FGlyph.Draw(canvas, inner, down ? TPoint{1, 1} : TPoint{}, GetText(), FLayout, FMargin, FSpacing, state);
    if (focused)
        canvas.DrawFocusRect(InflatedRect(face, -4, -4));
}

}  // namespace plat
