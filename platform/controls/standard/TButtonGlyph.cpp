#include "platform/controls/standard/TButtonGlyph.h"

#include "platform/core/RectOps.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/PixelOps.h"
#include "platform/graphics/QtConversions.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <QImage>

namespace plat {

namespace {

// The shape of a picture (its opaque pixels) in one colour.
QImage Silhouette(const QImage& Picture, TColor Color)
{
    QImage shape = Picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb fill = ToQRgb(Color);
    for (int y = 0; y < shape.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int x = 0; x < shape.width(); ++x)
            line[x] = qAlpha(line[x]) == 0 ? 0 : (fill | 0xFF000000u);
    }
    return shape;
}

}  // namespace

TButtonGlyph::TButtonGlyph() : FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this](TObject*) { GlyphChanged(); };
}

TButtonGlyph::~TButtonGlyph()
{
    FGlyph->OnChange = nullptr;
}

void TButtonGlyph::SetNumGlyphs(int Value)
{
    const int count = Value >= 1 && Value <= 4 ? Value : 1;
    if (count == FNumGlyphs)
        return;
    FNumGlyphs = count;
    if (OnChange)
        OnChange();
}

void TButtonGlyph::GlyphChanged()
{
    const int width = FGlyph->GetWidth();
    const int height = FGlyph->GetHeight();
    if (height > 0 && width % height == 0 && width / height <= 4)
        FNumGlyphs = width / height;
    if (OnChange)
        OnChange();
}

TButtonGlyph::Placement TButtonGlyph::Place(TCanvas& Canvas, const TRect& Client, const std::string& Caption,
                                            TButtonLayout Layout, int Margin, int Spacing) const
{
    TSize glyph;
    if (!FGlyph->GetEmpty())
        glyph = {FGlyph->GetWidth() / FNumGlyphs, FGlyph->GetHeight()};
    TSize text;
    if (!Caption.empty()) {
        TRect measured = Rect(0, 0, Client.Width(), 0);
        Canvas.DrawText(Caption, measured, DT_CALCRECT | DT_SINGLELINE);
        text = {measured.Width(), measured.Height()};
    }
    const bool across = Layout == blGlyphLeft || Layout == blGlyphRight;
    const int room = across ? Client.Width() : Client.Height();
    const int glyphSize = across ? glyph.cx : glyph.cy;
    const int textSize = across ? text.cx : text.cy;
    if (glyphSize == 0 || textSize == 0)
        Spacing = 0;
    if (Margin == -1) {
        if (Spacing == -1) {
            const int parts = glyphSize == 0 || textSize == 0 ? 2 : 3;
            Margin = (room - glyphSize - textSize) / parts;
            Spacing = Margin;
        } else {
            Margin = (room - glyphSize - Spacing - textSize + 1) / 2;
        }
    } else if (Spacing == -1) {
        Spacing = (room - Margin - glyphSize - textSize) / 2;
    }

    int glyphAt = Margin;
    int textAt = Margin + glyphSize + Spacing;
    if (Layout == blGlyphRight || Layout == blGlyphBottom) {
        glyphAt = room - Margin - glyphSize;
        textAt = glyphAt - Spacing - textSize;
    }
    Placement placement;
    if (across) {
        placement.Glyph = {Client.Left + glyphAt, Client.Top + (Client.Height() - glyph.cy + 1) / 2};
        const int top = Client.Top + (Client.Height() - text.cy + 1) / 2;
        placement.Text = Bounds(Client.Left + textAt, top, text.cx, text.cy);
    } else {
        placement.Glyph = {Client.Left + (Client.Width() - glyph.cx + 1) / 2, Client.Top + glyphAt};
        const int left = Client.Left + (Client.Width() - text.cx + 1) / 2;
        placement.Text = Bounds(left, Client.Top + textAt, text.cx, text.cy);
    }
    return placement;
}

void TButtonGlyph::DrawGlyph(TCanvas& Canvas, TPoint Pos, TButtonState State) const
{
    if (FGlyph->GetEmpty())
        return;
    const int width = FGlyph->GetWidth() / FNumGlyphs;
    const int height = FGlyph->GetHeight();
    const int index = static_cast<int>(State) < FNumGlyphs ? static_cast<int>(State) : 0;
    const QImage picture = PixelOps::KeyedOut(FGlyph->Image(), ToQRgb(FGlyph->GetTransparentColor()))
                               .copy(index * width, 0, width, height);
    const TRect source = Bounds(0, 0, width, height);
    if (State == bsDisabled && FNumGlyphs < 2) {
        Canvas.DrawImage(Bounds(Pos.X + 1, Pos.Y + 1, width, height), Silhouette(picture, clBtnHighlight), source);
        Canvas.DrawImage(Bounds(Pos.X, Pos.Y, width, height), Silhouette(picture, clBtnShadow), source);
        return;
    }
    Canvas.DrawImage(Bounds(Pos.X, Pos.Y, width, height), picture, source);
}

void TButtonGlyph::Draw(TCanvas& Canvas, const TRect& Client, TPoint Offset, const std::string& Caption,
                        TButtonLayout Layout, int Margin, int Spacing, TButtonState State) const
{
    const Placement placement = Place(Canvas, Client, Caption, Layout, Margin, Spacing);
    DrawGlyph(Canvas, {placement.Glyph.X + Offset.X, placement.Glyph.Y + Offset.Y}, State);
    if (Caption.empty())
        return;
    TRect text = MovedRect(placement.Text, Offset.X, Offset.Y);
    Canvas.Brush().SetStyle(bsClear);
    const unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (State == bsDisabled) {
        const TColor color = Canvas.Font().GetColor();
        TRect raised = MovedRect(text, 1, 1);
        Canvas.Font().SetColor(clBtnHighlight);
        Canvas.DrawText(Caption, raised, format);
        Canvas.Font().SetColor(clBtnShadow);
        Canvas.DrawText(Caption, text, format);
        Canvas.Font().SetColor(color);
        return;
    }
    Canvas.DrawText(Caption, text, format);
}

}  // namespace plat
