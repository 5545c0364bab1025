#pragma once

#include "foundation/TGdiplusBase.h"

#include <memory>
#include <string>

namespace plat {
class TStream;
}

namespace skelda::foundation {

// A decoded picture of the flat API (BMP, PNG, JPEG, GIF, TIFF, icon). Bytes that do not
// decode leave a nil handle and the status UnknownImageFormat; width and height then read 0.
class TGPImage : public TGdiplusBase {
public:
    TGPImage(const std::string& FileName, bool UseEmbeddedColorManagement = false);
    // The form the picture classes use: the whole stream, from its start.
    explicit TGPImage(plat::TStream* Stream, bool UseEmbeddedColorManagement = false);
    // Adopts a native image with its status.
    TGPImage(GpImage* NativeImage, Status AStatus);
    ~TGPImage() override;

    // Pixels; 0 when the query fails.
    std::uint32_t GetWidth();
    std::uint32_t GetHeight();
    TGPImageFormat GetFormat();
    PixelFormat GetPixelFormat();
    // Bits 8-15, bit 16 and bit 18 of the pixel format.
    std::uint32_t GetPixelDepth() { return (static_cast<std::uint32_t>(GetPixelFormat()) >> 8) & 0xFF; }
    bool HasPalette() { return (GetPixelFormat() & PixelFormatIndexed) != 0; }
    bool HasAlphaChannel() { return (GetPixelFormat() & PixelFormatAlpha) != 0; }
    // A new image the caller owns; its status is this image's.
    std::unique_ptr<TGPImage> GetThumbnailImage(std::uint32_t ThumbWidth, std::uint32_t ThumbHeight,
                                                GetThumbnailImageAbort Callback = nullptr, void* CallbackData = nullptr);
    Status RotateFlip(RotateFlipType Type);
    Status Save(const std::string& FileName, const CLSID& Encoder, const EncoderParameters* Params = nullptr);
    Status Save(plat::TStream& Stream, const CLSID& Encoder, const EncoderParameters* Params = nullptr);
    // NewImage may be nil: InvalidParameter without a call.
    Status SaveAdd(const TGPImage* NewImage, const EncoderParameters* Params);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpImage* Native() const { return nativeImage; }

protected:
    TGPImage() = default;

    GpImage* nativeImage = nullptr;
    Status lastResult = Ok;
};

// An image that can be made empty at a size and read and written pixel by pixel.
class TGPBitmap : public TGPImage {
public:
    explicit TGPBitmap(plat::TStream* Stream, bool UseEmbeddedColorManagement = false);
    TGPBitmap(int Width, int Height, PixelFormat Format = PixelFormat32bppARGB);
    // Adopts a native bitmap.
    explicit TGPBitmap(GpBitmap* NativeBitmap);
    // A copy of a widget-library bitmap's pixels (see GdipCreateBitmapFromHBITMAP).
    TGPBitmap(HBITMAP Bitmap, HPALETTE Palette);

    static std::unique_ptr<TGPBitmap> FromStream(plat::TStream* Stream, bool UseEmbeddedColorManagement = false);

    Status GetPixel(int X, int Y, ARGB& Color);
    Status SetPixel(int X, int Y, ARGB Color);
    // The bitmap over an opaque background as a widget-library bitmap; free it with
    // plat::gdiplus::DeleteObject.
    Status GetHBITMAP(ARGB Background, HBITMAP& HBitmap);
};

// The wrapper's format of a raw format identifier.
TGPImageFormat ImageFormatOf(const GUID& RawFormat);

}  // namespace skelda::foundation
