#pragma once

#include "platform/core/TPersistent.h"
#include "platform/core/Types.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "platform/graphics/TRegion.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class QImage;
class QPainter;

namespace plat {

class TCanvasBackend;
class TGraphic;

// A device context as the platform's drawing interfaces (GDI+, themes) take it: it names one
// canvas, and so its back end with the origin and clip the canvas keeps. Valid while the canvas
// lives.
struct HDC__;
using HDC = HDC__*;

enum TFillStyle { fsSurface, fsBorder };

// A drawing surface with the widget library's (GDI) semantics rather than Qt's: rectangles
// leave out their right and bottom edges, LineTo leaves out its end pixel, pen, brush and font
// are selected objects, text has a background mode, nothing is antialiased.
//
// Coordinates are logical: device = logical + viewport origin. Clip regions handed to
// SelectClipRgn are in device coordinates, rectangles of IntersectClipRect/ExcludeClipRect in
// logical ones, as on the platform the program was written for.
//
// OnChanging/OnChange fire around every drawing call a caller makes (once for composite
// routines), so that an owner such as a bitmap knows its pixels changed.
class TCanvas : public TPersistent {
public:
    explicit TCanvas(std::unique_ptr<TCanvasBackend> Backend);
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    std::string ClassName() const override { return "TCanvas"; }

    TFont& Font() { return *FFont; }
    const TFont& Font() const { return *FFont; }
    TPen& Pen() { return *FPen; }
    const TPen& Pen() const { return *FPen; }
    TBrush& Brush() { return *FBrush; }
    const TBrush& Brush() const { return *FBrush; }

    TPoint GetPenPos() const { return FPenPos; }
    void SetPenPos(TPoint Value) { FPenPos = Value; }
    // Raster operation of CopyRect (SRCCOPY by default).
    TRasterOp GetCopyMode() const { return FCopyMode; }
    void SetCopyMode(TRasterOp Value) { FCopyMode = Value; }

    // Background behind text and between hatch lines. Selecting a brush sets them as the
    // widget library did: a solid brush gives OPAQUE with its colour, any other TRANSPARENT.
    int GetBkMode() const { return FBkMode; }
    void SetBkMode(int Mode) { FBkMode = Mode; }
    TColor GetBkColor() const { return FBkColor; }
    void SetBkColor(TColor Color) { FBkColor = Color; }

    // Lines and shapes.
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Polyline(const std::vector<TPoint>& Points);
    void Polygon(const std::vector<TPoint>& Points);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    // Counter-clockwise from the ray towards (X3,Y3) to the ray towards (X4,Y4), on the ellipse
    // bounded by (X1,Y1,X2,Y2).
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void FillRect(const TRect& Rect);
    void FrameRect(const TRect& Rect);
    // A dotted frame drawn by inverting pixels: drawing it twice removes it.
    void DrawFocusRect(const TRect& Rect);

    // CLR_INVALID where the pixel is outside the surface or the clip, or cannot be read.
    TColor GetPixels(int X, int Y);
    void SetPixels(int X, int Y, TColor Color);
    void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);

    // Text, in the font's colour, with its top-left corner at (X, Y) (turned about that corner
    // when the font has an orientation). TextOut moves the pen position to the end of the text.
    void TextOut(int X, int Y, const std::string& Text);
    // Text clipped to Rect; a brush other than bsClear fills Rect first.
    void TextRect(const TRect& Rect, int X, int Y, const std::string& Text);
    TSize TextExtent(const std::string& Text);
    int TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
    int TextHeight(const std::string& Text) { return TextExtent(Text).cy; }
    // Formatted text with DT_ flags; returns the height of the text. DT_CALCRECT only measures:
    // nothing is drawn (nor recorded) and Rect's right and bottom are set to what the text needs.
    int DrawText(const std::string& Text, TRect& Rect, unsigned Format);

    // Three-dimensional borders and the classic frame-control faces, in system colours.
    bool DrawEdge(TRect& Rect, unsigned Edge, unsigned Flags);
    bool DrawFrameControl(TRect& Rect, unsigned Type, unsigned State);

    // Pictures: both let the graphic draw itself; nullptr draws nothing.
    void Draw(int X, int Y, const TGraphic* Graphic);
    void StretchDraw(const TRect& Rect, const TGraphic* Graphic);
    // The Source part of an image, stretched into Dest, blended by its alpha channel. Pictures
    // use it to put their pixels on any canvas.
    void DrawImage(const TRect& Dest, const QImage& Image, const TRect& Source);
    // Lets a painter of the platform (the theme service's styled parts) draw on this canvas as
    // one call: Paint gets the surface's painter with the canvas's origin and clip in force, and
    // is not called when there is nothing to draw on. Call is what a recording canvas logs.
    void PaintWith(const std::string& Call, const std::function<void(QPainter&)>& Paint);
    // Copies pixels of another canvas (or this one) with a raster operation; the source must
    // allow reading its pixels, else EInvalidOperation. CopyRect stretches when the sizes differ.
    void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect);
    void BitBlt(int X, int Y, int Width, int Height, TCanvas& Source, int XSrc, int YSrc, TRasterOp Rop);

    // Clipping. SelectClipRgn(nullptr) removes the clip.
    void SelectClipRgn(const TRegion* Region);
    void IntersectClipRect(const TRect& Rect);
    void ExcludeClipRect(const TRect& Rect);
    // The clip region in device coordinates, or nothing when the canvas is not clipped.
    const std::optional<TRegion>& GetClipRgn() const { return FClip; }
    // Bounds of the visible part in logical coordinates (the whole surface when not clipped).
    TRect GetClipRect() const;

    TPoint GetViewportOrg() const { return FViewportOrg; }
    void SetViewportOrg(TPoint Value) { FViewportOrg = Value; }
    // Saves origin, clip, background and pen position; RestoreDC(-1) restores the latest save,
    // a positive index the save it returned (dropping the later ones).
    int SaveDC();
    bool RestoreDC(int SavedIndex);

    // Serialises drawing from several threads, as the widget library's canvas did.
    void Lock();
    void Unlock();
    bool TryLock();
    int GetLockCount() const { return FLockCount; }

    TCanvasBackend& Backend() { return *FBackend; }

    HDC Handle() { return reinterpret_cast<HDC>(this); }
    static TCanvas* FromHandle(HDC DC) { return reinterpret_cast<TCanvas*>(DC); }

    std::function<void(TObject*)> OnChange;
    std::function<void(TObject*)> OnChanging;

private:
    class CallScope;
    struct SavedState {
        TPoint viewportOrg;
        std::optional<TRegion> clip;
        int bkMode;
        TColor bkColor;
        TPoint penPos;
    };

    void BrushChanged();
    std::string PenText() const;
    std::string BrushText() const;
    std::string FontText() const;
    void StretchBlt(const TRect& Dest, TCanvas& Source, const TRect& SourceRect, TRasterOp Rop, const char* callName);

    std::unique_ptr<TCanvasBackend> FBackend;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TPoint FPenPos;
    TRasterOp FCopyMode = SRCCOPY;
    int FBkMode = OPAQUE;
    TColor FBkColor = clWhite;
    std::optional<TRegion> FClip;
    TPoint FViewportOrg;
    std::vector<SavedState> FSaved;
    int FCallDepth = 0;
    std::recursive_mutex FLock;
    std::atomic<int> FLockCount{0};
};

}  // namespace plat
