#include "platform/controls/standard/TSpeedButton.h"

#include "platform/controls/core/TWinControl.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace plat {

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 23, 22);
    SetControlStyle(TControlStyle{csCaptureMouse, csDoubleClicks});
    SetColor(clBtnFace);
    FGlyph.OnChange = [this] { Invalidate(); };
}

TSpeedButton::~TSpeedButton()
{
    FGlyph.OnChange = nullptr;
}

void TSpeedButton::SetGroupIndex(int Value)
{
    if (Value == FGroupIndex)
        return;
    FGroupIndex = Value;
    if (FGroupIndex == 0)
        SetDown(false);
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value)
{
    if (FGroupIndex == 0)
        Value = false;
    if (Value == FDown)
        return;
    if (FDown && !FAllowAllUp)
        return;
    FDown = Value;
    FState = Value ? bsExclusive : bsUp;
    Invalidate();
    if (Value)
        UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value)
{
    if (Value == FAllowAllUp)
        return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value)
{
    FFlat = Value;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value)
{
    FLayout = Value;
    Invalidate();
}

void TSpeedButton::SetMargin(int Value)
{
    FMargin = Value < -1 ? -1 : Value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int Value)
{
    FSpacing = Value < -1 ? -1 : Value;
    Invalidate();
}

void TSpeedButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !GetParent())
        return;
    TMessage message{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
    GetParent()->Broadcast(message);
}

void TSpeedButton::ButtonPressed(TMessage& Message)
{
    auto* sender = reinterpret_cast<TSpeedButton*>(Message.LParam);
    if (static_cast<int>(Message.WParam) != FGroupIndex || sender == this)
        return;
    if (sender->FDown && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
    FAllowAllUp = sender->FAllowAllUp;
}

TButtonState TSpeedButton::State() const
{
    if (!IsEnabledInParents())
        return bsDisabled;
    if (FState == bsDisabled)
        return FDown ? bsExclusive : bsUp;
    return FState;
}

void TSpeedButton::Click()
{
    TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !GetEnabled())
        return;
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    const bool inside = GetClientRect().Contains({X, Y});
    const TButtonState state = FDown ? bsExclusive : inside ? bsDown : bsUp;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TControlRef<> alive(this);
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!alive || !FDragging || Button != mbLeft)
        return;
    FDragging = false;
    const bool inside = GetClientRect().Contains({X, Y});
    if (FGroupIndex == 0) {
        FState = bsUp;
    } else if (inside) {
        SetDown(!FDown);
    }
    FState = FDown ? bsExclusive : bsUp;
    Invalidate();
    if (inside)
        Click();
}

void TSpeedButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_BUTTONPRESSED:
        ButtonPressed(Message);
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char32_t>(Message.WParam), GetText()) && IsEnabledInParents() && Showing()) {
            Click();
            Message.Result = 1;
        }
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FMouseInControl = Message.Msg == CM_MOUSEENTER;
        if (FFlat)
            Invalidate();
        break;
    case CM_TEXTCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TGraphicControl::Dispatch(Message);
}

const TBitmap& TSpeedButton::ExclusivePattern()
{
    if (!FPattern) {
        FPattern = std::make_unique<TBitmap>();
        FPattern->SetSize(8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                FPattern->Canvas().SetPixels(x, y, (x + y) % 2 == 0 ? clBtnFace : clBtnHighlight);
    }
    return *FPattern;
}

void TSpeedButton::Paint()
{
    TCanvas& canvas = Canvas();
    const TButtonState state = State();
    const bool pushed = state == bsDown || state == bsExclusive;
    TRect face = GetClientRect();
    if (!FFlat) {
        canvas.DrawFrameControl(face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0u));
    } else {
        canvas.FillRect(face);
        if (pushed || (FMouseInControl && state != bsDisabled))
            canvas.DrawEdge(face, pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        face = Rect(face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1);
    }
    if (state == bsExclusive) {
        canvas.Brush().SetBitmap(&ExclusivePattern());
        canvas.FillRect(face);
        canvas.Brush().SetBitmap(nullptr);
    }
    FGlyph.Draw(canvas, face, pushed ? TPoint{1, 1} : TPoint{}, GetText(), FLayout, FMargin, FSpacing, state);
}

}  // namespace plat
