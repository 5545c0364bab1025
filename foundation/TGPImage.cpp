#include "foundation/TGPImage.h"

#include "platform/gdiplus/GdiplusFlat.h"

namespace skelda::foundation {

TGPImageFormat ImageFormatOf(const GUID& RawFormat)
{
    const GUID known[] = {ImageFormatMemoryBMP, ImageFormatBMP, ImageFormatEMF, ImageFormatWMF, ImageFormatJPEG,
                          ImageFormatPNG,       ImageFormatGIF, ImageFormatTIFF, ImageFormatEXIF, ImageFormatIcon};
    for (int i = 0; i < 10; ++i)
        if (known[i] == RawFormat)
            return static_cast<TGPImageFormat>(ifMemoryBMP + i);
    return ifUndefined;
}

TGPImage::TGPImage(const std::string& FileName, bool UseEmbeddedColorManagement)
{
    lastResult = UseEmbeddedColorManagement ? GdipLoadImageFromFileICM(FileName.c_str(), &nativeImage)
                                            : GdipLoadImageFromFile(FileName.c_str(), &nativeImage);
}

TGPImage::TGPImage(plat::TStream* Stream, bool UseEmbeddedColorManagement)
{
    lastResult = UseEmbeddedColorManagement ? GdipLoadImageFromStreamICM(Stream, &nativeImage)
                                            : GdipLoadImageFromStream(Stream, &nativeImage);
}

TGPImage::TGPImage(GpImage* NativeImage, Status AStatus) : nativeImage(NativeImage), lastResult(AStatus) {}

TGPImage::~TGPImage()
{
    GdipDisposeImage(nativeImage);
}

std::uint32_t TGPImage::GetWidth()
{
    std::uint32_t width = 0;
    return Recorded(lastResult, GdipGetImageWidth(nativeImage, &width)) == Ok ? width : 0;
}

std::uint32_t TGPImage::GetHeight()
{
    std::uint32_t height = 0;
    return Recorded(lastResult, GdipGetImageHeight(nativeImage, &height)) == Ok ? height : 0;
}

TGPImageFormat TGPImage::GetFormat()
{
    GUID raw;
    if (Recorded(lastResult, GdipGetImageRawFormat(nativeImage, &raw)) != Ok)
        return ifUndefined;
    return ImageFormatOf(raw);
}

PixelFormat TGPImage::GetPixelFormat()
{
    PixelFormat format = PixelFormatUndefined;
    Recorded(lastResult, GdipGetImagePixelFormat(nativeImage, &format));
    return format;
}

std::unique_ptr<TGPImage> TGPImage::GetThumbnailImage(std::uint32_t ThumbWidth, std::uint32_t ThumbHeight,
                                                      GetThumbnailImageAbort Callback, void* CallbackData)
{
    GpImage* thumb = nullptr;
    Recorded(lastResult, GdipGetImageThumbnail(nativeImage, ThumbWidth, ThumbHeight, &thumb, Callback, CallbackData));
    return std::make_unique<TGPImage>(thumb, lastResult);
}

Status TGPImage::RotateFlip(RotateFlipType Type)
{
    return Recorded(lastResult, GdipImageRotateFlip(nativeImage, Type));
}

Status TGPImage::Save(const std::string& FileName, const CLSID& Encoder, const EncoderParameters* Params)
{
    return Recorded(lastResult, GdipSaveImageToFile(nativeImage, FileName.c_str(), &Encoder, Params));
}

Status TGPImage::Save(plat::TStream& Stream, const CLSID& Encoder, const EncoderParameters* Params)
{
    return Recorded(lastResult, GdipSaveImageToStream(nativeImage, &Stream, &Encoder, Params));
}

Status TGPImage::SaveAdd(const TGPImage* NewImage, const EncoderParameters* Params)
{
    if (!NewImage)
        return Recorded(lastResult, InvalidParameter);
    return Recorded(lastResult, GdipSaveAddImage(nativeImage, NewImage->nativeImage, Params));
}

TGPBitmap::TGPBitmap(plat::TStream* Stream, bool UseEmbeddedColorManagement)
{
    lastResult = UseEmbeddedColorManagement ? GdipCreateBitmapFromStreamICM(Stream, &nativeImage)
                                            : GdipCreateBitmapFromStream(Stream, &nativeImage);
}

TGPBitmap::TGPBitmap(int Width, int Height, PixelFormat Format)
{
    lastResult = GdipCreateBitmapFromScan0(Width, Height, 0, Format, nullptr, &nativeImage);
}

TGPBitmap::TGPBitmap(GpBitmap* NativeBitmap) : TGPImage(NativeBitmap, Ok) {}

TGPBitmap::TGPBitmap(HBITMAP Bitmap, HPALETTE Palette)
{
    lastResult = GdipCreateBitmapFromHBITMAP(Bitmap, Palette, &nativeImage);
}

std::unique_ptr<TGPBitmap> TGPBitmap::FromStream(plat::TStream* Stream, bool UseEmbeddedColorManagement)
{
    return std::make_unique<TGPBitmap>(Stream, UseEmbeddedColorManagement);
}

Status TGPBitmap::GetPixel(int X, int Y, ARGB& Color)
{
    return Recorded(lastResult, GdipBitmapGetPixel(nativeImage, X, Y, &Color));
}

Status TGPBitmap::SetPixel(int X, int Y, ARGB Color)
{
    return Recorded(lastResult, GdipBitmapSetPixel(nativeImage, X, Y, Color));
}

Status TGPBitmap::GetHBITMAP(ARGB Background, HBITMAP& HBitmap)
{
    return Recorded(lastResult, GdipCreateHBITMAPFromBitmap(nativeImage, &HBitmap, Background));
}

}  // namespace skelda::foundation
