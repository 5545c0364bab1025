#include "foundation/TTaskDialogButton.h"

#include "foundation/TaskDialogCaptions.h"
#include "platform/controls/forms/TForm.h"
#include "platform/graphics/CanvasFlags.h"

#include <string>
#include <vector>

namespace skelda::foundation {

namespace {

constexpr plat::TColor kDisabledTextColor = 0xC0C0C0;
constexpr int kPictureLeftPx = 4;
constexpr int kPictureTextGapPx = 3;
constexpr int kTextIndentWithoutPicturePx = 2;
constexpr int kHeadingGapPx = 4;
constexpr int kNoteGapPx = 2;

// Picture drawn flipped left to right, as a mirrored layout shows it.
void DrawFlipped(plat::TCanvas& Canvas, int X, int Y, const plat::TBitmap& Picture)
{
    plat::TBitmap source;
    source.Assign(Picture);
    plat::TBitmap flipped;
    flipped.Assign(Picture);
    const int width = source.GetWidth();
    for (int y = 0; y < source.GetHeight(); ++y)
        for (int x = 0; x < width; ++x)
            flipped.Canvas().SetPixels(width - 1 - x, y, source.Canvas().GetPixels(x, y));
    Canvas.Draw(X, Y, &flipped);
}

}  // namespace

TTaskDialogButton::TTaskDialogButton(plat::TComponent* AOwner)
    : TCustomControl(AOwner), FBorderColorDown(plat::clNone), FBorderColorHot(plat::clNone),
      FBorderColor(plat::clNone), FBackColor(plat::clNone)
{
    SetBounds(0, 0, 23, 22);
    SetShowHint(false);
    for (plat::TBitmap* glyph : {&FGlyph, &FGlyphDisabled, &FGlyphDown, &FGlyphHot})
        glyph->SetTransparent(true);
}

TTaskDialogButton::~TTaskDialogButton() = default;

void TTaskDialogButton::SetBackColor(plat::TColor Value)
{
    if (FBackColor == Value)
        return;
    FBackColor = Value;
    Invalidate();
}

void TTaskDialogButton::SetMultiLine(bool Value)
{
    if (FMultiLine == Value)
        return;
    FMultiLine = Value;
    Invalidate();
}

void TTaskDialogButton::SetPicture(const plat::TBitmap& Value)
{
    FGlyph.Assign(Value);
    FGlyph.SetTransparent(true);
    Invalidate();
}

void TTaskDialogButton::SetPictureDisabled(const plat::TBitmap& Value)
{
    FGlyphDisabled.Assign(Value);
    FGlyphDisabled.SetTransparent(true);
    Invalidate();
}

void TTaskDialogButton::Click()
{
    if (plat::TCustomForm* form = plat::GetParentForm(this))
        form->SetModalResult(FModalResult);
    TCustomControl::Click();
}

void TTaskDialogButton::Dispatch(plat::TMessage& Message)
{
    switch (Message.Msg) {
    case plat::CM_MOUSEENTER:
        if (Message.LParam == 0) {
            FMouseInControl = true;
            if (FAutoFocus && CanFocus())
                SetFocus();
            Invalidate();
        }
        break;
    case plat::CM_MOUSELEAVE:
        if (Message.LParam == 0) {
            FMouseInControl = false;
            Invalidate();
        }
        break;
    default:
        break;
    }
    // The inherited handling fires OnMouseEnter and OnMouseLeave, which then see the new state.
    TCustomControl::Dispatch(Message);
}

void TTaskDialogButton::KeyPress(char32_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key == U' ' || Key == U'\r')
        Click();
}

void TTaskDialogButton::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == plat::mbLeft) {
        FMouseDown = true;
        Invalidate();
    }
}

void TTaskDialogButton::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FMouseDown = false;
    Invalidate();
}

void TTaskDialogButton::DoEnter()
{
    TCustomControl::DoEnter();
    Invalidate();
}

void TTaskDialogButton::DoExit()
{
    TCustomControl::DoExit();
    Invalidate();
}

plat::TColor TTaskDialogButton::CurrentBorderColor() const
{
    if (Focused())
        return FBorderColorDown;
    if (!GetEnabled())
        return plat::clNone;
    if (FMouseDown)
        return FBorderColorDown;
    return FMouseInControl ? FBorderColorHot : plat::clNone;
}

const plat::TBitmap* TTaskDialogButton::CurrentPicture() const
{
    const plat::TBitmap* picture = &FGlyph;
    if (FMouseDown && !FGlyphDown.GetEmpty())
        picture = &FGlyphDown;
    else if (FMouseInControl && !FGlyphHot.GetEmpty())
        picture = &FGlyphHot;
    if (!GetEnabled() && !FGlyphDisabled.GetEmpty())
        picture = &FGlyphDisabled;
    return picture;
}

void TTaskDialogButton::Paint()
{
    plat::TCanvas& canvas = Canvas();
    const plat::TRect client = GetClientRect();
    if (FBackColor != plat::clNone) {
        canvas.Pen().SetStyle(plat::psSolid);
        canvas.Pen().SetColor(FBackColor);
        canvas.Brush().SetStyle(plat::bsSolid);
        canvas.Brush().SetColor(FBackColor);
        canvas.Rectangle(client);
    }

    // Right to left the picture stands on the right, flipped, and the text ends left of it.
    const bool mirrored = UseRightToLeftAlignment();
    const std::string caption = GetText();
    plat::TRect textArea = client;
    const plat::TBitmap* picture = CurrentPicture();
    if (!picture->GetEmpty()) {
        const int width = picture->GetWidth();
        int x = caption.empty() ? (client.Width() - width) / 2 : kPictureLeftPx;
        const int y = (client.Height() - picture->GetHeight()) / 2;
        if (mirrored) {
            x = client.Width() - x - width;
            DrawFlipped(canvas, x, y, *picture);
            textArea.Right = x - kPictureTextGapPx;
        } else {
            canvas.Draw(x, y, picture);
            textArea.Left = x + width + kPictureTextGapPx;
        }
    } else if (mirrored) {
        textArea.Right -= kTextIndentWithoutPicturePx;
    } else {
        textArea.Left += kTextIndentWithoutPicturePx;
    }

    if (!caption.empty())
        PaintCaption(textArea);

    const plat::TColor border = CurrentBorderColor();
    if (border != plat::clNone) {
        canvas.Brush().SetStyle(plat::bsClear);
        canvas.Pen().SetStyle(plat::psSolid);
        canvas.Pen().SetColor(border);
        canvas.RoundRect(client.Left, client.Top, client.Right, client.Bottom, 2, 2);
    }
}

void TTaskDialogButton::PaintCaption(plat::TRect TextArea)
{
    plat::TCanvas& canvas = Canvas();
    const std::string caption = GetText();
    const unsigned flags = DrawTextBiDiModeFlags(plat::DT_SINGLELINE);
    const bool enabled = GetEnabled();
    canvas.Brush().SetStyle(plat::bsClear);
    auto useFont = [&](const plat::TFont& Font) {
        canvas.Font().Assign(Font);
        if (!enabled)
            canvas.Font().SetColor(kDisabledTextColor);
    };

    if (!(FMultiLine && (HasNewlineEscape(caption) || caption.find('\r') != std::string::npos))) {
        useFont(FHeadingFont);
        canvas.DrawText(caption, TextArea, flags | plat::DT_VCENTER);
        return;
    }
    std::vector<std::string> lines;
    SplitDialogLines(caption, lines);
    const TCommandLinkSize block = MeasureCommandLink(&canvas, caption, FHeadingFont, true, true, 0, Font());
    int top = (GetHeight() - block.HeightPx) / 2 + 2;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 0) {
            if (lines[0].empty())
                continue;
            useFont(FHeadingFont);
        } else {
            useFont(Font());
        }
        plat::TRect r{TextArea.Left, top, TextArea.Right, TextArea.Bottom};
        canvas.DrawText(lines[i], r, flags);
        top += canvas.TextHeight("gh") + (i == 0 ? kHeadingGapPx : kNoteGapPx);
    }
}

}  // namespace skelda::foundation
