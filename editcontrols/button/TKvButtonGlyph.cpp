#include "editcontrols/button/TKvButtonGlyph.h"

#include "editcontrols/base/DisabledBitmap.h"
#include "editcontrols/button/TKvGlyphCache.h"
#include "platform/core/RectOps.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <memory>

namespace skelda::editcontrols {

namespace {

// The one cache of the process, made when a glyph first needs a list and freed when the last
// glyph goes with no list left.
std::unique_ptr<TKvGlyphCache>& GlyphCache()
{
    static std::unique_ptr<TKvGlyphCache> cache;
    return cache;
}

TKvGlyphCache& CacheNeeded()
{
    std::unique_ptr<TKvGlyphCache>& cache = GlyphCache();
    if (!cache)
        cache = std::make_unique<TKvGlyphCache>();
    return *cache;
}

// Paints Color where Source has the colour Key, through a monochrome mask and the brush.
void PaintWhere(plat::TBitmap& Image, const plat::TBitmap& Source, plat::TColor Key, plat::TColor Color, int Dx, int Dy)
{
    const std::unique_ptr<plat::TBitmap> mask = MonochromeMask(Source, Key);
    plat::TCanvas& canvas = Image.Canvas();
    canvas.Brush().SetStyle(plat::bsSolid);
    canvas.Brush().SetColor(Color);
    canvas.BitBlt(Dx, Dy, Image.GetWidth(), Image.GetHeight(), mask->Canvas(), 0, 0, ROP_DSPDxax);
}

}  // namespace

TKvButtonGlyph::TKvButtonGlyph() : FOriginal(std::make_unique<plat::TBitmap>()), FStrip(FOriginal.get())
{
    FOriginal->OnChange = [this](plat::TObject*) { StripChanged(); };
}

TKvButtonGlyph::~TKvButtonGlyph()
{
    FOriginal->OnChange = nullptr;
    GiveImagesBack();
    if (GlyphCache() && GlyphCache()->Empty())
        GlyphCache().reset();
}

const TKvGlyphCache* TKvButtonGlyph::Cache()
{
    return GlyphCache().get();
}

void TKvButtonGlyph::Changed()
{
    if (OnChange)
        OnChange();
}

void TKvButtonGlyph::SetGlyph(const plat::TBitmap& Value)
{
    FOriginal->Assign(Value);
}

void TKvButtonGlyph::StripChanged()
{
    GiveImagesBack();
    const int width = FOriginal->GetWidth();
    const int height = FOriginal->GetHeight();
    if (height > 0) {
        FTransparentColor = FOriginal->GetTransparentColor();
        if (width % height == 0) {
            const int count = width / height;
            FNumGlyphs = count >= 1 && count <= 4 ? count : 1;
        }
    }
    Changed();
}

void TKvButtonGlyph::SetNumGlyphs(int Value)
{
    if (Value == FNumGlyphs || Value < 1 || Value > 4)
        return;
    GiveImagesBack();
    FNumGlyphs = Value;
    Changed();
}

void TKvButtonGlyph::SetColor(plat::TColor Value)
{
    if (Value == FColor)
        return;
    GiveImagesBack();
    FColor = Value;
}

void TKvButtonGlyph::SetBiDiMode(TBiDiMode Value)
{
    if (Value == FBiDiMode)
        return;
    GiveImagesBack();
    FBiDiMode = Value;
    FParentBiDiMode = false;
}

unsigned TKvButtonGlyph::ReadingOrderFlags() const
{
    return FBiDiMode == bdLeftToRight ? 0u : static_cast<unsigned>(plat::DT_RTLREADING);
}

void TKvButtonGlyph::GiveImagesBack()
{
    if (FGlyphList) {
        for (const int index : FIndexs)
            if (index != -1)
                FGlyphList->Delete(index);
        if (GlyphCache())
            GlyphCache()->ReturnList(FGlyphList);
        FGlyphList = nullptr;
    }
    FIndexs.fill(-1);
}

int TKvButtonGlyph::StateImage(plat::TButtonState State)
{
    if (State == plat::bsDown && FNumGlyphs < 3)
        State = plat::bsUp;
    int& index = FIndexs[static_cast<std::size_t>(State)];
    if (index != -1)
        return index;
    const int width = FStrip->GetWidth() / FNumGlyphs;
    const int height = FStrip->GetHeight();
    if (width <= 0 || height <= 0)
        return -1;
    if (!FGlyphList)
        FGlyphList = CacheNeeded().GetList(width, height);

    const int partIndex = static_cast<int>(State) < FNumGlyphs ? static_cast<int>(State) : 0;
    const plat::TRect whole = plat::Bounds(0, 0, width, height);
    plat::TBitmap part;
    part.SetSize(width, height);
    part.Canvas().CopyRect(whole, FStrip->Canvas(), plat::Bounds(partIndex * width, 0, width, height));
    plat::TBitmap image;
    image.SetSize(width, height);
    image.Canvas().Brush().SetStyle(plat::bsSolid);
    image.Canvas().Brush().SetColor(FColor);
    image.Canvas().FillRect(whole);

    if (State != plat::bsDisabled) {
        const plat::TColor mask =
            FStrip->GetTransparentMode() == plat::tmFixed ? FTransparentColor : FStrip->GetTransparentColor();
        index = FGlyphList->AddMasked(part, mask);
    } else if (FNumGlyphs == 1) {
        // The strip's black pixels embossed on the fill.
        PaintWhere(image, part, plat::clBlack, plat::clBtnHighlight, 1, 1);
        PaintWhere(image, part, plat::clBlack, plat::clBtnShadow, 0, 0);
        index = FGlyphList->AddMasked(image, FColor);
    } else {
        // The strip's own disabled picture in the button colours.
        image.Canvas().CopyRect(whole, part.Canvas(), whole);
        PaintWhere(image, part, plat::clWhite, plat::clBtnHighlight, 0, 0);
        PaintWhere(image, part, plat::clGray, plat::clBtnShadow, 0, 0);
        PaintWhere(image, part, FTransparentColor, FColor, 0, 0);
        index = FGlyphList->AddMasked(image, FColor);
    }
    return index;
}

void TKvButtonGlyph::DrawGlyph(plat::TCanvas& Canvas, plat::TPoint Pos, plat::TButtonState State, bool Transparent)
{
    if (FStrip->GetEmpty() || FStrip->GetWidth() == 0 || FStrip->GetHeight() == 0)
        return;
    const int index = StateImage(State);
    if (index < 0)
        return;
    FGlyphList->SetBkColor(Transparent || State == plat::bsExclusive ? plat::clNone : FColor);
    FGlyphList->Draw(Canvas, Pos.X, Pos.Y, index);
}

void TKvButtonGlyph::MeasureCaptionText(plat::TCanvas& Canvas, plat::TRect& TextBounds, const std::string& Caption)
{
    Canvas.DrawText(Caption, TextBounds, plat::DT_CALCRECT | ReadingOrderFlags());
}

void TKvButtonGlyph::PaintCaptionText(plat::TCanvas& Canvas, const std::string& Caption, plat::TButtonState State,
                                      const plat::TRect& TextBounds)
{
    Canvas.Brush().SetStyle(plat::bsClear);
    const unsigned order = ReadingOrderFlags();
    if (State == plat::bsDisabled) {
        const plat::TColor color = Canvas.Font().GetColor();
        plat::TRect raised = plat::MovedRect(TextBounds, 1, 1);
        Canvas.Font().SetColor(plat::clBtnHighlight);
        Canvas.DrawText(Caption, raised, order);
        plat::TRect text = TextBounds;
        Canvas.Font().SetColor(plat::clBtnShadow);
        Canvas.DrawText(Caption, text, order);
        Canvas.Font().SetColor(color);
        return;
    }
    plat::TRect text = TextBounds;
    Canvas.DrawText(Caption, text, plat::DT_CENTER | plat::DT_VCENTER | plat::DT_SINGLELINE | order);
}

plat::TRect TKvButtonGlyph::Draw(plat::TCanvas& Canvas, const plat::TRect& Client, plat::TPoint Offset,
                                 const std::string& Caption, plat::TButtonLayout Layout, int Margin, int Spacing,
                                 plat::TButtonState State, bool Transparent)
{
    const int clientWidth = Client.Width();
    const int clientHeight = Client.Height();
    int glyphWidth = 0;
    int glyphHeight = 0;
    if (!FStrip->GetEmpty()) {
        glyphWidth = FStrip->GetWidth() / FNumGlyphs;
        glyphHeight = FStrip->GetHeight();
    }
    plat::TRect textBounds;
    if (!Caption.empty()) {
        textBounds = plat::Rect(0, 0, clientWidth, 0);
        MeasureCaptionText(Canvas, textBounds, Caption);
    }
    const int textWidth = textBounds.Width();
    const int textHeight = textBounds.Height();

    const bool across = Layout == plat::blGlyphLeft || Layout == plat::blGlyphRight;
    plat::TPoint glyphPos;
    plat::TPoint textPos;
    if (across) {
        glyphPos.Y = (clientHeight - glyphHeight + 1) / 2;
        textPos.Y = (clientHeight - textHeight + 1) / 2;
    } else {
        glyphPos.X = (clientWidth - glyphWidth + 1) / 2;
        textPos.X = (clientWidth - textWidth + 1) / 2;
    }
    const int room = across ? clientWidth : clientHeight;
    const int glyphSize = across ? glyphWidth : glyphHeight;
    const int textSize = across ? textWidth : textHeight;
    if (textWidth == 0 || glyphWidth == 0)
        Spacing = 0;
    if (Margin == -1 && Spacing == -1) {
        Margin = (room - (glyphSize + textSize)) / 3;
        Spacing = Margin;
    } else if (Margin == -1) {
        Margin = (room - (glyphSize + Spacing + textSize) + 1) / 2;
    } else if (Spacing == -1) {
        Spacing = (room - Margin - glyphSize - textSize) / 2;
    }
    int glyphAt = Margin;
    int textAt = Margin + glyphSize + Spacing;
    if (Layout == plat::blGlyphRight || Layout == plat::blGlyphBottom) {
        glyphAt = room - Margin - glyphSize;
        textAt = glyphAt - Spacing - textSize;
    }
    if (across) {
        glyphPos.X = glyphAt;
        textPos.X = textAt;
    } else {
        glyphPos.Y = glyphAt;
        textPos.Y = textAt;
    }
    const int dx = Client.Left + Offset.X;
    const int dy = Client.Top + Offset.Y;
    glyphPos = {glyphPos.X + dx, glyphPos.Y + dy};
    textPos = {textPos.X + dx, textPos.Y + dy};
    textBounds = plat::MovedRect(textBounds, textPos.X, textPos.Y);

    DrawGlyph(Canvas, glyphPos, State, Transparent);
    if (!Caption.empty())
        PaintCaptionText(Canvas, Caption, State, textBounds);
    return textBounds;
}

plat::TRect TKvButtonGlyph::DrawExternal(plat::TBitmap& AGlyph, int ANumGlyphs, plat::TColor AColor, bool KeepImages,
                                         plat::TCanvas& Canvas, const plat::TRect& Client, plat::TPoint Offset,
                                         const std::string& Caption, plat::TButtonLayout Layout, int Margin,
                                         int Spacing, plat::TButtonState State, bool Transparent)
{
    plat::TBitmap* const ownStrip = FStrip;
    const int ownNumGlyphs = FNumGlyphs;
    const plat::TColor ownColor = FColor;
    const plat::TColor ownTransparentColor = FTransparentColor;
    GiveImagesBack();
    FStrip = &AGlyph;
    FNumGlyphs = ANumGlyphs >= 1 && ANumGlyphs <= 4 ? ANumGlyphs : 1;
    FColor = AColor;
    if (AGlyph.GetHeight() > 0)
        FTransparentColor = AGlyph.GetTransparentColor();
    Changed();
    struct TPutBack {
        TKvButtonGlyph& Glyph;
        plat::TBitmap* Strip;
        int NumGlyphs;
        plat::TColor Color;
        plat::TColor TransparentColor;
        bool KeepImages;
        ~TPutBack()
        {
            Glyph.FStrip = Strip;
            Glyph.FNumGlyphs = NumGlyphs;
            Glyph.FColor = Color;
            Glyph.FTransparentColor = TransparentColor;
            if (!KeepImages)
                Glyph.GiveImagesBack();
        }
    } putBack{*this, ownStrip, ownNumGlyphs, ownColor, ownTransparentColor, KeepImages};
    return Draw(Canvas, Client, Offset, Caption, Layout, Margin, Spacing, State, Transparent);
}

}  // namespace skelda::editcontrols
