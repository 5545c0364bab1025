#pragma once

#include "foundation/TGdiplusBase.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TCanvas.h"

#include <memory>
#include <string>

namespace plat {
class TFont;
}

namespace skelda::foundation {

class TGPBrush;
class TGPFont;
class TGPGraphicsPath;
class TGPImage;
class TGPImageAttributes;
class TGPMatrix;
class TGPPen;
class TGPRegion;
class TGPStringFormat;

// A drawing surface of the flat API: a canvas's device context, or an image. Pens, brushes,
// fonts, formats, images and attributes passed as pointers may be nil (the flat API then
// refuses and nothing is drawn); those passed by reference must exist.
class TGPGraphics : public TGdiplusBase {
public:
    explicit TGPGraphics(plat::HDC DC);
    // With a nil image no call is made: the handle stays nil, the status Ok.
    explicit TGPGraphics(TGPImage* Image);
    ~TGPGraphics() override;

    static std::unique_ptr<TGPGraphics> FromImage(TGPImage* Image) { return std::make_unique<TGPGraphics>(Image); }

    // Not recorded.
    Status Flush(FlushIntention Intention = FlushIntentionFlush);
    Status Clear(ARGB Color);
    plat::HDC GetHDC();
    void ReleaseHDC(plat::HDC DC);
    Status SetTextRenderingHint(TextRenderingHint Mode);
    TextRenderingHint GetTextRenderingHint();
    Status SetSmoothingMode(int SmoothingMode);
    // -1 when the query fails.
    int GetSmoothingMode();
    Status SetCompositingQuality(int CompositingQuality);
    int GetCompositingQuality();
    Status SetTransform(const TGPMatrix& Matrix);
    Status ResetTransform();
    Status SetClip(const TGPRegion& Region, CombineMode Mode = CombineModeReplace);
    Status SetClip(const TGPGraphicsPath& Path, CombineMode Mode = CombineModeReplace);
    Status ResetClip();
    Status ExcludeClip(const TGPRectF& Rect);
    Status ExcludeClip(const TGPRegion& Region);

    Status DrawPath(const TGPPen* Pen, const TGPGraphicsPath* Path);
    Status FillPath(const TGPBrush& Brush, const TGPGraphicsPath& Path);
    Status DrawLine(const TGPPen* Pen, REAL X1, REAL Y1, REAL X2, REAL Y2);
    Status DrawRectangle(const TGPPen* Pen, const TGPRectF& Rect);
    Status DrawRectangle(const TGPPen* Pen, REAL X, REAL Y, REAL Width, REAL Height);
    Status FillRectangle(const TGPBrush* Brush, const TGPRectF& Rect);
    Status FillRectangle(const TGPBrush* Brush, REAL X, REAL Y, REAL Width, REAL Height);
    Status DrawEllipse(const TGPPen* Pen, const TGPRectF& Rect);
    Status DrawEllipse(const TGPPen* Pen, REAL X, REAL Y, REAL Width, REAL Height);
    Status DrawEllipse(const TGPPen* Pen, const TGPRect& Rect);
    Status DrawEllipse(const TGPPen* Pen, int X, int Y, int Width, int Height);
    Status FillEllipse(const TGPBrush* Brush, const TGPRectF& Rect);
    Status FillEllipse(const TGPBrush* Brush, REAL X, REAL Y, REAL Width, REAL Height);
    Status FillEllipse(const TGPBrush* Brush, const TGPRect& Rect);
    Status FillEllipse(const TGPBrush* Brush, int X, int Y, int Width, int Height);
    Status DrawArc(const TGPPen* Pen, REAL X, REAL Y, REAL Width, REAL Height, REAL StartAngle, REAL SweepAngle);
    Status DrawArc(const TGPPen* Pen, const TGPRectF& Rect, REAL StartAngle, REAL SweepAngle);
    Status FillPolygon(const TGPBrush* Brush, const TGPPointF* Points, int Count, FillMode Mode = FillModeAlternate);
    Status FillPolygon(const TGPBrush* Brush, const TGPPoint* Points, int Count, FillMode Mode = FillModeAlternate);

    // Unscaled: the image at its pixel size.
    Status DrawImage(const TGPImage* Image, int X, int Y);
    Status DrawImage(const TGPImage* Image, REAL X, REAL Y, REAL Width, REAL Height);
    Status DrawImage(const TGPImage* Image, const TGPRectF& Rect);
    Status DrawImageRect(const TGPImage* Image, int X, int Y, int Width, int Height);
    // Each field rounded to the nearest whole number (ties to even) first.
    Status DrawImageRect(const TGPImage* Image, const TGPRectF& Rect);
    Status DrawImage(const TGPImage* Image, const TGPRectF& DestRect, REAL SrcX, REAL SrcY, REAL SrcWidth,
                     REAL SrcHeight, Unit SrcUnit, const TGPImageAttributes* ImageAttributes = nullptr,
                     DrawImageAbort Callback = nullptr, void* CallbackData = nullptr);

    // Text is UTF-8; Length counts characters, -1 for all of it. The counters may be nil.
    Status MeasureString(const std::string& Text, int Length, const TGPFont* Font, const TGPRectF& LayoutRect,
                         const TGPStringFormat* StringFormat, TGPRectF& BoundingBox, int* CodepointsFitted = nullptr,
                         int* LinesFilled = nullptr);
    Status MeasureString(const std::string& Text, int Length, const TGPFont* Font, const TGPPointF& Origin,
                         const TGPStringFormat* StringFormat, TGPRectF& BoundingBox);
    Status MeasureString(const std::string& Text, int Length, const TGPFont* Font, const TGPRectF& LayoutRect,
                         TGPRectF& BoundingBox);
    // Draws the whole text whatever Length says.
    Status DrawString(const std::string& Text, int Length, const TGPFont* Font, const TGPRectF& LayoutRect,
                      const TGPStringFormat* StringFormat, const TGPBrush* Brush);
    Status DrawString(const std::string& Text, int Length, const TGPFont* Font, const TGPPointF& Origin,
                      const TGPStringFormat* StringFormat, const TGPBrush* Brush);
    Status DrawString(const std::string& Text, int Length, const TGPFont* Font, const TGPPointF& Origin,
                      const TGPBrush* Brush);

    // The GDI+ font of a widget-library font: its name ("Arial" when that family does not
    // exist), size in points, bold, italic and underline.
    std::unique_ptr<TGPFont> MakeFont(const plat::TFont& Font);
    // One line of text at R's top-left in the font's colour; returns R's height afterwards.
    // With DT_CALCRECT (0x400) the text is only measured; with BackColor other than clNone
    // the measured area is filled first. Either widens R to the measured width less a padding
    // (never left of R.Left) and sets its height.
    int DrawText(const std::string& Text, int Length, plat::TRect& R, const plat::TFont& Font, unsigned Flags,
                 plat::TColor BackColor);
    int TextWidth(const std::string& Text, const plat::TFont& Font);
    int TextHeight(const std::string& Text, const plat::TFont& Font);

    Status GetLastStatus() { return TakeStatus(lastResult); }
    GpGraphics* Native() const { return nativeGraphics; }

private:
    GpGraphics* nativeGraphics = nullptr;
    Status lastResult = Ok;
};

}  // namespace skelda::foundation
