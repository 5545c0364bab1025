#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/TGraphic.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QImage;

namespace plat {

class TCanvas;

// Layout of a bitmap's rows as ScanLine hands them out (colours in the Windows byte order):
//   pf1bit   1 bit per pixel, leftmost pixel in the highest bit, a palette index (0 black, 1 white)
//   pf8bit   1 byte per pixel, a palette index (the picture's own palette, else a colour cube
//            and grey levels)
//   pf24bit  B, G, R
//   pf32bit  B, G, R, A
//   pfDevice B, G, R and an unused byte: what a new bitmap has
enum TPixelFormat { pfDevice, pf1bit, pf8bit, pf24bit, pf32bit };

// tmAuto takes the bottom-left pixel as the transparent colour, tmFixed the colour set.
enum TTransparentMode { tmAuto, tmFixed };

// Whether Draw blends a pf32bit bitmap by its A bytes (afDefined) or draws it opaque.
enum TAlphaFormat { afIgnored, afDefined };

// A picture held as pixels in memory, with a canvas to draw on it. Rows run top-down.
// Once the bitmap is prepared (sized, formatted and drawn on), ScanLine may be called from
// several threads at once; canvas drawing and format changes must not overlap those calls.
class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;

    std::string ClassName() const override { return "TBitmap"; }

    int GetWidth() const override;
    int GetHeight() const override;
    bool GetEmpty() const override;
    // Resizing keeps the pixels the old and new sizes share; new pixels are white.
    void SetWidth(int Value);
    void SetHeight(int Value);
    void SetSize(int AWidth, int AHeight);

    TPixelFormat GetPixelFormat() const { return FPixelFormat; }
    // Converts the pixels; colours survive up to the precision of the new format (pf8bit builds
    // a palette from the picture's colours, pf1bit keeps black and white).
    void SetPixelFormat(TPixelFormat Value);
    TAlphaFormat GetAlphaFormat() const { return FAlphaFormat; }
    void SetAlphaFormat(TAlphaFormat Value);

    // The bytes of one row; raises EInvalidGraphic "Scan line index out of range" outside
    // 0 .. Height - 1. Writing through the pointer changes the picture; the canvas sees it.
    std::uint8_t* ScanLine(int Row);
    const std::uint8_t* ScanLine(int Row) const;

    // Drawing on the bitmap itself; created on first use, lives as long as the bitmap.
    TCanvas& Canvas();

    // Transparent drawing leaves out the pixels of this colour. In tmAuto it is the colour of
    // the bottom-left pixel (clNone for an empty bitmap); setting a colour other than clDefault
    // switches to tmFixed, setting clDefault back to tmAuto.
    TColor GetTransparentColor() const;
    void SetTransparentColor(TColor Value);
    TTransparentMode GetTransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode Value);

    void Draw(TCanvas& ACanvas, const TRect& Rect) const override;

    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    std::unique_ptr<TGraphic> Clone() const override;

    // From a TBitmap: pixels, format and transparency. From any other graphic: the graphic
    // drawn at its size on white.
    void Assign(const TPersistent& Source) override;

    // Windows bitmap files (BMP); the file's colour depth gives the pixel format. A file that
    // is not a bitmap raises EInvalidGraphic and leaves the bitmap as it was; pixels a file
    // leaves without a colour get one (BitmapFile::Read). pf32bit and pfDevice pixels are
    // written as 24-bit pixels.
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;
    void LoadFromBytes(std::span<const std::uint8_t> Data);
    std::vector<std::uint8_t> SaveToBytes() const;
    // A bitmap resource compiled into the program; EResNotFound when there is none.
    void LoadFromResourceName(std::string_view Name);

    // The platform's view of the pixels, for pictures that decode with other means.
    const QImage& Image() const;
    // Takes the pixels of Image; its format chooses the pixel format (indexed: pf8bit, mono:
    // pf1bit, 24-bit: pf24bit, with alpha: pf32bit with afDefined, others: pfDevice). An image
    // handed over (std::move) in one of those formats is kept without a copy of its pixels.
    void LoadFromImage(QImage Image);

private:
    class CanvasBackend;
    friend class CanvasBackend;

    bool IsIndexed() const;
    void SyncImage() const;
    QImage& CanvasSurface();
    void ReplaceImage(QImage Image, TPixelFormat Format);
    QImage DrawableImage() const;
    void CheckRow(int Row) const;

    // Indexed formats cannot be painted on directly: the canvas draws on a 32-bit copy, which
    // goes back through the palette before the bytes are read again.
    mutable std::unique_ptr<QImage> FImage;
    mutable std::unique_ptr<QImage> FPaintCopy;
    mutable std::atomic<bool> FPaintCopyIsNewer = false;
    mutable std::mutex FSyncLock;
    std::unique_ptr<TCanvas> FCanvas;
    TPixelFormat FPixelFormat = pfDevice;
    TAlphaFormat FAlphaFormat = afIgnored;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
};

}  // namespace plat
