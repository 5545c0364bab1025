#include "foundation/TGPGraphics.h"

#include "foundation/GPColors.h"
#include "foundation/TGPBrush.h"
#include "foundation/TGPFont.h"
#include "foundation/TGPFontFamily.h"
#include "foundation/TGPGraphicsPath.h"
#include "foundation/TGPImage.h"
#include "foundation/TGPImageAttributes.h"
#include "foundation/TGPMatrix.h"
#include "foundation/TGPPen.h"
#include "foundation/TGPRegion.h"
#include "foundation/TGPStringFormat.h"
#include "platform/core/Utf8.h"
#include "platform/gdiplus/GdiplusFlat.h"
#include "platform/graphics/TFont.h"

#include <algorithm>
#include <cmath>

namespace skelda::foundation {

namespace {

GpPen* NativeOf(const TGPPen* pen) { return pen ? pen->Native() : nullptr; }
GpBrush* NativeOf(const TGPBrush* brush) { return brush ? brush->Native() : nullptr; }
GpImage* NativeOf(const TGPImage* image) { return image ? image->Native() : nullptr; }
const GpFont* NativeOf(const TGPFont* font) { return font ? font->Native() : nullptr; }
const GpStringFormat* NativeOf(const TGPStringFormat* format) { return format ? format->Native() : nullptr; }
const GpImageAttributes* NativeOf(const TGPImageAttributes* attributes) { return attributes ? attributes->Native() : nullptr; }

int RoundToInt(double value) { return static_cast<int>(std::nearbyint(value)); }

// The flag of the platform's text drawing that asks for the rectangle only.
constexpr unsigned DT_CALCRECT = 0x400;

}  // namespace

TGPGraphics::TGPGraphics(plat::HDC DC)
{
    lastResult = GdipCreateFromHDC(DC, &nativeGraphics);
}

TGPGraphics::TGPGraphics(TGPImage* Image)
{
    if (Image)
        lastResult = GdipGetImageGraphicsContext(Image->Native(), &nativeGraphics);
}

TGPGraphics::~TGPGraphics()
{
    GdipDeleteGraphics(nativeGraphics);
}

Status TGPGraphics::Flush(FlushIntention Intention)
{
    return GdipFlush(nativeGraphics, Intention);
}

Status TGPGraphics::Clear(ARGB Color)
{
    return Recorded(lastResult, GdipGraphicsClear(nativeGraphics, Color));
}

plat::HDC TGPGraphics::GetHDC()
{
    plat::HDC dc = nullptr;
    Recorded(lastResult, GdipGetDC(nativeGraphics, &dc));
    return dc;
}

void TGPGraphics::ReleaseHDC(plat::HDC DC)
{
    Recorded(lastResult, GdipReleaseDC(nativeGraphics, DC));
}

Status TGPGraphics::SetTextRenderingHint(TextRenderingHint Mode)
{
    return Recorded(lastResult, GdipSetTextRenderingHint(nativeGraphics, Mode));
}

TextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    TextRenderingHint mode = TextRenderingHintSystemDefault;
    Recorded(lastResult, GdipGetTextRenderingHint(nativeGraphics, &mode));
    return mode;
}

Status TGPGraphics::SetSmoothingMode(int SmoothingMode)
{
    return Recorded(lastResult, GdipSetSmoothingMode(nativeGraphics, SmoothingMode));
}

int TGPGraphics::GetSmoothingMode()
{
    int mode = SmoothingModeInvalid;
    if (Recorded(lastResult, GdipGetSmoothingMode(nativeGraphics, &mode)) != Ok)
        return SmoothingModeInvalid;
    return mode;
}

Status TGPGraphics::SetCompositingQuality(int CompositingQuality)
{
    return Recorded(lastResult, GdipSetCompositingQuality(nativeGraphics, CompositingQuality));
}

int TGPGraphics::GetCompositingQuality()
{
    int quality = CompositingQualityInvalid;
    Recorded(lastResult, GdipGetCompositingQuality(nativeGraphics, &quality));
    return quality;
}

Status TGPGraphics::SetTransform(const TGPMatrix& Matrix)
{
    return Recorded(lastResult, GdipSetWorldTransform(nativeGraphics, Matrix.Native()));
}

Status TGPGraphics::ResetTransform()
{
    return Recorded(lastResult, GdipResetWorldTransform(nativeGraphics));
}

Status TGPGraphics::SetClip(const TGPRegion& Region, CombineMode Mode)
{
    return Recorded(lastResult, GdipSetClipRegion(nativeGraphics, Region.Native(), Mode));
}

Status TGPGraphics::SetClip(const TGPGraphicsPath& Path, CombineMode Mode)
{
    return Recorded(lastResult, GdipSetClipPath(nativeGraphics, Path.Native(), Mode));
}

Status TGPGraphics::ResetClip()
{
    return Recorded(lastResult, GdipResetClip(nativeGraphics));
}

Status TGPGraphics::ExcludeClip(const TGPRectF& Rect)
{
    return Recorded(lastResult, GdipSetClipRect(nativeGraphics, Rect.X, Rect.Y, Rect.Width, Rect.Height, CombineModeExclude));
}

Status TGPGraphics::ExcludeClip(const TGPRegion& Region)
{
    return Recorded(lastResult, GdipSetClipRegion(nativeGraphics, Region.Native(), CombineModeExclude));
}

Status TGPGraphics::DrawPath(const TGPPen* Pen, const TGPGraphicsPath* Path)
{
    return Recorded(lastResult, GdipDrawPath(nativeGraphics, NativeOf(Pen), Path ? Path->Native() : nullptr));
}

Status TGPGraphics::FillPath(const TGPBrush& Brush, const TGPGraphicsPath& Path)
{
    return Recorded(lastResult, GdipFillPath(nativeGraphics, Brush.Native(), Path.Native()));
}

Status TGPGraphics::DrawLine(const TGPPen* Pen, REAL X1, REAL Y1, REAL X2, REAL Y2)
{
    return Recorded(lastResult, GdipDrawLine(nativeGraphics, NativeOf(Pen), X1, Y1, X2, Y2));
}

Status TGPGraphics::DrawRectangle(const TGPPen* Pen, const TGPRectF& Rect)
{
    return DrawRectangle(Pen, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::DrawRectangle(const TGPPen* Pen, REAL X, REAL Y, REAL Width, REAL Height)
{
    return Recorded(lastResult, GdipDrawRectangle(nativeGraphics, NativeOf(Pen), X, Y, Width, Height));
}

Status TGPGraphics::FillRectangle(const TGPBrush* Brush, const TGPRectF& Rect)
{
    return FillRectangle(Brush, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::FillRectangle(const TGPBrush* Brush, REAL X, REAL Y, REAL Width, REAL Height)
{
    return Recorded(lastResult, GdipFillRectangle(nativeGraphics, NativeOf(Brush), X, Y, Width, Height));
}

Status TGPGraphics::DrawEllipse(const TGPPen* Pen, const TGPRectF& Rect)
{
    return DrawEllipse(Pen, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::DrawEllipse(const TGPPen* Pen, REAL X, REAL Y, REAL Width, REAL Height)
{
    return Recorded(lastResult, GdipDrawEllipse(nativeGraphics, NativeOf(Pen), X, Y, Width, Height));
}

Status TGPGraphics::DrawEllipse(const TGPPen* Pen, const TGPRect& Rect)
{
    return DrawEllipse(Pen, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::DrawEllipse(const TGPPen* Pen, int X, int Y, int Width, int Height)
{
    return Recorded(lastResult, GdipDrawEllipseI(nativeGraphics, NativeOf(Pen), X, Y, Width, Height));
}

Status TGPGraphics::FillEllipse(const TGPBrush* Brush, const TGPRectF& Rect)
{
    return FillEllipse(Brush, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::FillEllipse(const TGPBrush* Brush, REAL X, REAL Y, REAL Width, REAL Height)
{
    return Recorded(lastResult, GdipFillEllipse(nativeGraphics, NativeOf(Brush), X, Y, Width, Height));
}

Status TGPGraphics::FillEllipse(const TGPBrush* Brush, const TGPRect& Rect)
{
    return FillEllipse(Brush, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::FillEllipse(const TGPBrush* Brush, int X, int Y, int Width, int Height)
{
    return Recorded(lastResult, GdipFillEllipseI(nativeGraphics, NativeOf(Brush), X, Y, Width, Height));
}

Status TGPGraphics::DrawArc(const TGPPen* Pen, REAL X, REAL Y, REAL Width, REAL Height, REAL StartAngle, REAL SweepAngle)
{
    return Recorded(lastResult, GdipDrawArc(nativeGraphics, NativeOf(Pen), X, Y, Width, Height, StartAngle, SweepAngle));
}

Status TGPGraphics::DrawArc(const TGPPen* Pen, const TGPRectF& Rect, REAL StartAngle, REAL SweepAngle)
{
    return DrawArc(Pen, Rect.X, Rect.Y, Rect.Width, Rect.Height, StartAngle, SweepAngle);
}

Status TGPGraphics::FillPolygon(const TGPBrush* Brush, const TGPPointF* Points, int Count, FillMode Mode)
{
    return Recorded(lastResult, GdipFillPolygon(nativeGraphics, NativeOf(Brush), Points, Count, Mode));
}

Status TGPGraphics::FillPolygon(const TGPBrush* Brush, const TGPPoint* Points, int Count, FillMode Mode)
{
    return Recorded(lastResult, GdipFillPolygonI(nativeGraphics, NativeOf(Brush), Points, Count, Mode));
}

Status TGPGraphics::DrawImage(const TGPImage* Image, int X, int Y)
{
    return Recorded(lastResult, GdipDrawImageI(nativeGraphics, NativeOf(Image), X, Y));
}

Status TGPGraphics::DrawImage(const TGPImage* Image, REAL X, REAL Y, REAL Width, REAL Height)
{
    return Recorded(lastResult, GdipDrawImageRect(nativeGraphics, NativeOf(Image), X, Y, Width, Height));
}

Status TGPGraphics::DrawImage(const TGPImage* Image, const TGPRectF& Rect)
{
    return DrawImage(Image, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::DrawImageRect(const TGPImage* Image, int X, int Y, int Width, int Height)
{
    return Recorded(lastResult, GdipDrawImageRect(nativeGraphics, NativeOf(Image), static_cast<REAL>(X),
                                                  static_cast<REAL>(Y), static_cast<REAL>(Width), static_cast<REAL>(Height)));
}

Status TGPGraphics::DrawImageRect(const TGPImage* Image, const TGPRectF& Rect)
{
    return DrawImageRect(Image, RoundToInt(Rect.X), RoundToInt(Rect.Y), RoundToInt(Rect.Width), RoundToInt(Rect.Height));
}

Status TGPGraphics::DrawImage(const TGPImage* Image, const TGPRectF& DestRect, REAL SrcX, REAL SrcY, REAL SrcWidth,
                              REAL SrcHeight, Unit SrcUnit, const TGPImageAttributes* ImageAttributes,
                              DrawImageAbort Callback, void* CallbackData)
{
    return Recorded(lastResult, GdipDrawImageRectRect(nativeGraphics, NativeOf(Image), DestRect.X, DestRect.Y,
                                                      DestRect.Width, DestRect.Height, SrcX, SrcY, SrcWidth, SrcHeight,
                                                      SrcUnit, NativeOf(ImageAttributes), Callback, CallbackData));
}

Status TGPGraphics::MeasureString(const std::string& Text, int Length, const TGPFont* Font, const TGPRectF& LayoutRect,
                                  const TGPStringFormat* StringFormat, TGPRectF& BoundingBox, int* CodepointsFitted,
                                  int* LinesFilled)
{
    return Recorded(lastResult, GdipMeasureString(nativeGraphics, Text.c_str(), Length, NativeOf(Font), &LayoutRect,
                                                  NativeOf(StringFormat), &BoundingBox, CodepointsFitted, LinesFilled));
}

Status TGPGraphics::MeasureString(const std::string& Text, int Length, const TGPFont* Font, const TGPPointF& Origin,
                                  const TGPStringFormat* StringFormat, TGPRectF& BoundingBox)
{
    return MeasureString(Text, Length, Font, TGPRectF{Origin.X, Origin.Y, 0, 0}, StringFormat, BoundingBox);
}

Status TGPGraphics::MeasureString(const std::string& Text, int Length, const TGPFont* Font, const TGPRectF& LayoutRect,
                                  TGPRectF& BoundingBox)
{
    return MeasureString(Text, Length, Font, LayoutRect, nullptr, BoundingBox);
}

Status TGPGraphics::DrawString(const std::string& Text, int, const TGPFont* Font, const TGPRectF& LayoutRect,
                               const TGPStringFormat* StringFormat, const TGPBrush* Brush)
{
    // The whole text, whatever length the caller gave.
    return Recorded(lastResult, GdipDrawString(nativeGraphics, Text.c_str(), plat::Utf8Length(Text), NativeOf(Font),
                                               &LayoutRect, NativeOf(StringFormat), NativeOf(Brush)));
}

Status TGPGraphics::DrawString(const std::string& Text, int Length, const TGPFont* Font, const TGPPointF& Origin,
                               const TGPStringFormat* StringFormat, const TGPBrush* Brush)
{
    return DrawString(Text, Length, Font, TGPRectF{Origin.X, Origin.Y, 0, 0}, StringFormat, Brush);
}

Status TGPGraphics::DrawString(const std::string& Text, int Length, const TGPFont* Font, const TGPPointF& Origin,
                               const TGPBrush* Brush)
{
    return DrawString(Text, Length, Font, Origin, nullptr, Brush);
}

std::unique_ptr<TGPFont> TGPGraphics::MakeFont(const plat::TFont& Font)
{
    auto family = std::make_unique<TGPFontFamily>(Font.GetName());
    const Status found = family->GetLastStatus();
    if (found == FontFamilyNotFound || found == FontStyleNotFound)
        family = std::make_unique<TGPFontFamily>("Arial");
    const plat::TFontStyles styles = Font.GetStyle();
    const int style = (styles.Contains(plat::fsBold) ? FontStyleBold : 0) |
                      (styles.Contains(plat::fsItalic) ? FontStyleItalic : 0) |
                      (styles.Contains(plat::fsUnderline) ? FontStyleUnderline : 0);
    return std::make_unique<TGPFont>(family.get(), static_cast<REAL>(Font.GetSize()), style, UnitPoint);
}

int TGPGraphics::DrawText(const std::string& Text, int Length, plat::TRect& R, const plat::TFont& Font, unsigned Flags,
                          plat::TColor BackColor)
{
    const std::unique_ptr<TGPFont> font = MakeFont(Font);
    const bool calculateOnly = (Flags & DT_CALCRECT) != 0;
    if (calculateOnly || BackColor != plat::clNone) {
        std::string measured = Text;
        int padding = 2;
        if (Font.GetSize() > 8)
            padding += RoundToInt((Font.GetSize() - 8) / 1.5);
        // A trailing space would not be measured; a letter in its place is.
        if (plat::Utf8Length(measured) > 1 && measured.back() == ' ')
            measured.back() = 'i';
        const TGPRectF layout{static_cast<REAL>(R.Left), static_cast<REAL>(R.Top),
                              static_cast<REAL>(R.Right - R.Left + 1000), static_cast<REAL>(R.Bottom - R.Top)};
        TGPRectF box{};
        MeasureString(measured, Length, font.get(), layout, box);
        // A text narrower than the padding would put the right edge left of the left one.
        const double width = std::max(0.0, static_cast<double>(box.Width) - padding);
        R.Right = R.Left + RoundToInt(width);
        R.Bottom = R.Top + RoundToInt(box.Height);
        if (BackColor != plat::clNone) {
            const TGPSolidBrush background(ColorToARGB(BackColor));
            FillRectangle(&background, static_cast<REAL>(R.Left + 1), static_cast<REAL>(R.Top),
                          static_cast<REAL>(width + 1), box.Height);
        }
    }
    if (!calculateOnly) {
        const TGPSolidBrush ink(ColorToARGB(Font.GetColor()));
        DrawString(Text, Length, font.get(), TGPPointF{static_cast<REAL>(R.Left), static_cast<REAL>(R.Top)}, &ink);
    }
    return R.Bottom - R.Top;
}

int TGPGraphics::TextWidth(const std::string& Text, const plat::TFont& Font)
{
    const std::unique_ptr<TGPFont> font = MakeFont(Font);
    TGPRectF box{};
    MeasureString(Text, -1, font.get(), TGPRectF{0, 0, 10000, 10000}, box);
    return RoundToInt(box.Width);
}

int TGPGraphics::TextHeight(const std::string& Text, const plat::TFont& Font)
{
    const std::unique_ptr<TGPFont> font = MakeFont(Font);
    TGPRectF box{};
    MeasureString(Text, -1, font.get(), TGPRectF{0, 0, 10000, 10000}, box);
    return RoundToInt(box.Height);
}

}  // namespace skelda::foundation
