#pragma once

#include "platform/gdiplus/GdiplusTypes.h"
#include "platform/graphics/TCanvas.h"

#include <cstdint>

namespace plat {
class TBitmap;
class TStream;
}

// The GDI+ flat API: one function per operation, objects by handle, a Status for every call.
// Drawing goes to a canvas (GdipCreateFromHDC) or into an image; docs/gdiplus.md tells how the
// stand-in draws and where it approximates. A nil handle answers InvalidParameter and draws
// nothing; so does a handle of the wrong kind (a hatch brush where a gradient is wanted).
//
// Text is UTF-8; a length counts characters (code points), -1 meaning "up to the terminating
// zero". Streams are read from their start.
//
// User-interface thread only, as the wrapper over it.
namespace plat::gdiplus {

// Start-up and memory.
Status GdiplusStartup(std::uintptr_t* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
void GdiplusShutdown(std::uintptr_t token);
void* GdipAlloc(std::size_t size);
void GdipFree(void* ptr);

// Graphics.
Status GdipCreateFromHDC(HDC hdc, GpGraphics** graphics);
Status GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
Status GdipDeleteGraphics(GpGraphics* graphics);
Status GdipFlush(GpGraphics* graphics, FlushIntention intention);
Status GdipGraphicsClear(GpGraphics* graphics, ARGB color);
Status GdipGetDC(GpGraphics* graphics, HDC* hdc);
Status GdipReleaseDC(GpGraphics* graphics, HDC hdc);
Status GdipSetTextRenderingHint(GpGraphics* graphics, TextRenderingHint mode);
Status GdipGetTextRenderingHint(GpGraphics* graphics, TextRenderingHint* mode);
Status GdipSetSmoothingMode(GpGraphics* graphics, int smoothingMode);
Status GdipGetSmoothingMode(GpGraphics* graphics, int* smoothingMode);
Status GdipSetCompositingQuality(GpGraphics* graphics, int compositingQuality);
Status GdipGetCompositingQuality(GpGraphics* graphics, int* compositingQuality);
Status GdipSetWorldTransform(GpGraphics* graphics, GpMatrix* matrix);
Status GdipResetWorldTransform(GpGraphics* graphics);
Status GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, CombineMode combineMode);
Status GdipSetClipPath(GpGraphics* graphics, GpPath* path, CombineMode combineMode);
Status GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height, CombineMode combineMode);
Status GdipResetClip(GpGraphics* graphics);
Status GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
Status GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
Status GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
Status GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height);
Status GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height);
Status GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height);
Status GdipDrawEllipseI(GpGraphics* graphics, GpPen* pen, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height);
Status GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height);
Status GdipFillEllipseI(GpGraphics* graphics, GpBrush* brush, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height);
Status GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                   REAL sweepAngle);
Status GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, const GpPointF* points, std::int32_t count,
                       FillMode fillMode);
Status GdipFillPolygonI(GpGraphics* graphics, GpBrush* brush, const GpPoint* points, std::int32_t count,
                        FillMode fillMode);
Status GdipDrawImageI(GpGraphics* graphics, GpImage* image, std::int32_t x, std::int32_t y);
Status GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width, REAL height);
Status GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty, REAL dstwidth,
                             REAL dstheight, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight, Unit srcUnit,
                             const GpImageAttributes* imageAttributes, DrawImageAbort callback, void* callbackData);
Status GdipMeasureString(GpGraphics* graphics, const char* string, std::int32_t length, const GpFont* font,
                         const GpRectF* layoutRect, const GpStringFormat* stringFormat, GpRectF* boundingBox,
                         std::int32_t* codepointsFitted, std::int32_t* linesFilled);
Status GdipDrawString(GpGraphics* graphics, const char* string, std::int32_t length, const GpFont* font,
                      const GpRectF* layoutRect, const GpStringFormat* stringFormat, const GpBrush* brush);

// Pens.
Status GdipCreatePen1(ARGB color, REAL width, Unit unit, GpPen** pen);
Status GdipCreatePen2(GpBrush* brush, REAL width, Unit unit, GpPen** pen);
Status GdipDeletePen(GpPen* pen);
Status GdipSetPenBrushFill(GpPen* pen, GpBrush* brush);
Status GdipGetPenFillType(GpPen* pen, GpPenType* type);
// The brush is a new object the caller deletes (GdipDeleteBrush).
Status GdipGetPenBrushFill(GpPen* pen, GpBrush** brush);
Status GdipSetPenDashStyle(GpPen* pen, DashStyle dashStyle);
Status GdipGetPenDashStyle(GpPen* pen, DashStyle* dashStyle);
Status GdipSetPenEndCap(GpPen* pen, GpLineCap endCap);

// Brushes.
Status GdipDeleteBrush(GpBrush* brush);
Status GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
Status GdipCreateHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor, GpHatch** brush);
Status GdipGetHatchStyle(GpHatch* brush, HatchStyle* hatchStyle);
Status GdipGetHatchForegroundColor(GpHatch* brush, ARGB* foreColor);
Status GdipGetHatchBackgroundColor(GpHatch* brush, ARGB* backColor);
Status GdipCreateTexture(GpImage* image, WrapMode wrapMode, GpTexture** texture);
Status GdipCreateTexture2(GpImage* image, WrapMode wrapMode, REAL x, REAL y, REAL width, REAL height,
                          GpTexture** texture);
Status GdipCreateTexture2I(GpImage* image, WrapMode wrapMode, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, GpTexture** texture);
Status GdipCreateTextureIA(GpImage* image, const GpImageAttributes* imageAttributes, REAL x, REAL y, REAL width,
                           REAL height, GpTexture** texture);
Status GdipCreateTextureIAI(GpImage* image, const GpImageAttributes* imageAttributes, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height, GpTexture** texture);
Status GdipResetTextureTransform(GpTexture* brush);
Status GdipTranslateTextureTransform(GpTexture* brush, REAL dx, REAL dy, MatrixOrder order);
Status GdipScaleTextureTransform(GpTexture* brush, REAL sx, REAL sy, MatrixOrder order);
Status GdipRotateTextureTransform(GpTexture* brush, REAL angle, MatrixOrder order);
Status GdipSetTextureWrapMode(GpTexture* brush, WrapMode wrapMode);
Status GdipGetTextureWrapMode(GpTexture* brush, WrapMode* wrapMode);
// The image is a new object the caller disposes of.
Status GdipGetTextureImage(GpTexture* brush, GpImage** image);
Status GdipCreateLineBrush(const GpPointF* point1, const GpPointF* point2, ARGB color1, ARGB color2,
                           WrapMode wrapMode, GpLineGradient** lineGradient);
Status GdipCreateLineBrushI(const GpPoint* point1, const GpPoint* point2, ARGB color1, ARGB color2,
                            WrapMode wrapMode, GpLineGradient** lineGradient);
Status GdipCreateLineBrushFromRect(const GpRectF* rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                   WrapMode wrapMode, GpLineGradient** lineGradient);
Status GdipCreateLineBrushFromRectI(const GpRect* rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                    WrapMode wrapMode, GpLineGradient** lineGradient);
Status GdipCreateLineBrushFromRectWithAngle(const GpRectF* rect, ARGB color1, ARGB color2, REAL angle,
                                            bool isAngleScalable, WrapMode wrapMode, GpLineGradient** lineGradient);
Status GdipCreateLineBrushFromRectWithAngleI(const GpRect* rect, ARGB color1, ARGB color2, REAL angle,
                                             bool isAngleScalable, WrapMode wrapMode, GpLineGradient** lineGradient);
Status GdipSetLinePresetBlend(GpLineGradient* brush, const ARGB* blend, const REAL* positions, std::int32_t count);
Status GdipSetLineGammaCorrection(GpLineGradient* brush, bool useGammaCorrection);
Status GdipCreatePathGradientFromPath(const GpPath* path, GpPathGradient** polyGradient);
Status GdipSetPathGradientCenterColor(GpPathGradient* brush, ARGB colors);
Status GdipGetPathGradientCenterColor(GpPathGradient* brush, ARGB* colors);
Status GdipGetPathGradientPointCount(GpPathGradient* brush, std::int32_t* count);
Status GdipSetPathGradientSurroundColorsWithCount(GpPathGradient* brush, const ARGB* color, std::int32_t* count);
Status GdipGetPathGradientSurroundColorCount(GpPathGradient* brush, std::int32_t* count);
Status GdipGetPathGradientSurroundColorsWithCount(GpPathGradient* brush, ARGB* color, std::int32_t* count);
Status GdipSetPathGradientCenterPoint(GpPathGradient* brush, const GpPointF* point);
Status GdipSetPathGradientCenterPointI(GpPathGradient* brush, const GpPoint* point);
Status GdipGetPathGradientCenterPoint(GpPathGradient* brush, GpPointF* point);
Status GdipGetPathGradientCenterPointI(GpPathGradient* brush, GpPoint* point);
Status GdipSetPathGradientPresetBlend(GpPathGradient* brush, const ARGB* blend, const REAL* positions,
                                      std::int32_t count);
Status GdipSetPathGradientGammaCorrection(GpPathGradient* brush, bool useGammaCorrection);
Status GdipSetPathGradientWrapMode(GpPathGradient* brush, WrapMode wrapMode);

// Paths.
Status GdipCreatePath(FillMode brushMode, GpPath** path);
Status GdipDeletePath(GpPath* path);
Status GdipResetPath(GpPath* path);
Status GdipClosePathFigure(GpPath* path);
Status GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2);
Status GdipAddPathLine2I(GpPath* path, const GpPoint* points, std::int32_t count);
Status GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height);
Status GdipAddPathRectangleI(GpPath* path, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
Status GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
Status GdipAddPathPie(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
Status GdipAddPathEllipse(GpPath* path, REAL x, REAL y, REAL width, REAL height);
Status GdipAddPathPolygon(GpPath* path, const GpPointF* points, std::int32_t count);
Status GdipAddPathPolygonI(GpPath* path, const GpPoint* points, std::int32_t count);
Status GdipAddPathCurve(GpPath* path, const GpPointF* points, std::int32_t count);
Status GdipAddPathCurveI(GpPath* path, const GpPoint* points, std::int32_t count);
Status GdipAddPathCurve2I(GpPath* path, const GpPoint* points, std::int32_t count, REAL tension);
Status GdipAddPathBezier(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
Status GdipAddPathString(GpPath* path, const char* string, std::int32_t length, const GpFontFamily* family,
                         std::int32_t style, REAL emSize, const GpRectF* layoutRect, const GpStringFormat* format);

// Regions.
Status GdipCreateRegionRect(const GpRectF* rect, GpRegion** region);
Status GdipCreateRegionPath(GpPath* path, GpRegion** region);
Status GdipDeleteRegion(GpRegion* region);
Status GdipCombineRegionPath(GpRegion* region, GpPath* path, CombineMode combineMode);
Status GdipCombineRegionRegion(GpRegion* region, GpRegion* region2, CombineMode combineMode);

// Fonts.
Status GdipCreateFontFamilyFromName(const char* name, GpFontCollection* fontCollection, GpFontFamily** fontFamily);
Status GdipDeleteFontFamily(GpFontFamily* fontFamily);
Status GdipGetGenericFontFamilySansSerif(GpFontFamily** nativeFamily);
Status GdipGetGenericFontFamilySerif(GpFontFamily** nativeFamily);
Status GdipGetGenericFontFamilyMonospace(GpFontFamily** nativeFamily);
Status GdipCreateFont(const GpFontFamily* fontFamily, REAL emSize, std::int32_t style, Unit unit, GpFont** font);
Status GdipDeleteFont(GpFont* font);

// String formats.
Status GdipCreateStringFormat(std::int32_t formatAttributes, std::uint16_t language, GpStringFormat** format);
Status GdipCloneStringFormat(const GpStringFormat* format, GpStringFormat** newFormat);
Status GdipDeleteStringFormat(GpStringFormat* format);
Status GdipSetStringFormatAlign(GpStringFormat* format, StringAlignment align);
Status GdipGetStringFormatAlign(GpStringFormat* format, StringAlignment* align);
Status GdipSetStringFormatLineAlign(GpStringFormat* format, StringAlignment align);
Status GdipGetStringFormatLineAlign(GpStringFormat* format, StringAlignment* align);
Status GdipSetStringFormatFlags(GpStringFormat* format, std::int32_t flags);
Status GdipGetStringFormatFlags(GpStringFormat* format, std::int32_t* flags);
Status GdipSetStringFormatTrimming(GpStringFormat* format, StringTrimming trimming);
Status GdipGetStringFormatTrimming(GpStringFormat* format, StringTrimming* trimming);
Status GdipSetStringFormatHotkeyPrefix(GpStringFormat* format, std::int32_t hotkeyPrefix);
Status GdipGetStringFormatHotkeyPrefix(GpStringFormat* format, std::int32_t* hotkeyPrefix);

// Images and bitmaps. Images decode through Qt's readers; metafiles are UnknownImageFormat, and
// so is a picture whose pixels would take more than 128 MiB.
Status GdipLoadImageFromFile(const char* filename, GpImage** image);
Status GdipLoadImageFromFileICM(const char* filename, GpImage** image);
Status GdipLoadImageFromStream(TStream* stream, GpImage** image);
Status GdipLoadImageFromStreamICM(TStream* stream, GpImage** image);
Status GdipDisposeImage(GpImage* image);
Status GdipGetImageWidth(GpImage* image, std::uint32_t* width);
Status GdipGetImageHeight(GpImage* image, std::uint32_t* height);
Status GdipGetImageRawFormat(GpImage* image, GUID* format);
Status GdipGetImagePixelFormat(GpImage* image, PixelFormat* format);
Status GdipGetImageThumbnail(GpImage* image, std::uint32_t thumbWidth, std::uint32_t thumbHeight,
                             GpImage** thumbImage, GetThumbnailImageAbort callback, void* callbackData);
Status GdipImageRotateFlip(GpImage* image, RotateFlipType rfType);
Status GdipSaveImageToFile(GpImage* image, const char* filename, const CLSID* clsidEncoder,
                           const EncoderParameters* encoderParams);
Status GdipSaveImageToStream(GpImage* image, TStream* stream, const CLSID* clsidEncoder,
                             const EncoderParameters* encoderParams);
Status GdipSaveAddImage(GpImage* image, GpImage* newImage, const EncoderParameters* encoderParams);
Status GdipCreateBitmapFromStream(TStream* stream, GpBitmap** bitmap);
Status GdipCreateBitmapFromStreamICM(TStream* stream, GpBitmap** bitmap);
Status GdipCreateBitmapFromScan0(std::int32_t width, std::int32_t height, std::int32_t stride, PixelFormat format,
                                 std::uint8_t* scan0, GpBitmap** bitmap);
Status GdipBitmapGetPixel(GpBitmap* bitmap, std::int32_t x, std::int32_t y, ARGB* color);
Status GdipBitmapSetPixel(GpBitmap* bitmap, std::int32_t x, std::int32_t y, ARGB color);
// The bitmap over an opaque background colour, as a bitmap of the widget library (pf32bit)
// that DeleteObject frees.
Status GdipCreateHBITMAPFromBitmap(GpBitmap* bitmap, HBITMAP* hbmReturn, ARGB background);
TBitmap* BitmapOfHandle(HBITMAP handle);
bool DeleteObject(HBITMAP handle);
// A widget-library bitmap's handle, as its Handle property gives it: the bitmap stays the
// caller's (no DeleteObject).
HBITMAP HandleOfBitmap(const TBitmap& bitmap);
// A new bitmap of 32-bit RGB pixels copied from the widget-library bitmap (its alpha dropped, as
// a device bitmap has none); the palette is not consulted.
Status GdipCreateBitmapFromHBITMAP(HBITMAP hbm, HPALETTE hpal, GpBitmap** bitmap);

// Matrices.
Status GdipCreateMatrix(GpMatrix** matrix);
Status GdipCreateMatrix2(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy, GpMatrix** matrix);
Status GdipCreateMatrix3(const GpRectF* rect, const GpPointF* dstplg, GpMatrix** matrix);
Status GdipCreateMatrix3I(const GpRect* rect, const GpPoint* dstplg, GpMatrix** matrix);
Status GdipCloneMatrix(GpMatrix* matrix, GpMatrix** cloneMatrix);
Status GdipDeleteMatrix(GpMatrix* matrix);
Status GdipGetMatrixElements(const GpMatrix* matrix, REAL* matrixOut);
Status GdipSetMatrixElements(GpMatrix* matrix, REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
Status GdipMultiplyMatrix(GpMatrix* matrix, GpMatrix* matrix2, MatrixOrder order);
Status GdipTranslateMatrix(GpMatrix* matrix, REAL offsetX, REAL offsetY, MatrixOrder order);
Status GdipScaleMatrix(GpMatrix* matrix, REAL scaleX, REAL scaleY, MatrixOrder order);
Status GdipRotateMatrix(GpMatrix* matrix, REAL angle, MatrixOrder order);
Status GdipShearMatrix(GpMatrix* matrix, REAL shearX, REAL shearY, MatrixOrder order);
Status GdipInvertMatrix(GpMatrix* matrix);
Status GdipTransformMatrixPoints(GpMatrix* matrix, GpPointF* pts, std::int32_t count);
Status GdipTransformMatrixPointsI(GpMatrix* matrix, GpPoint* pts, std::int32_t count);
Status GdipVectorTransformMatrixPoints(GpMatrix* matrix, GpPointF* pts, std::int32_t count);
Status GdipVectorTransformMatrixPointsI(GpMatrix* matrix, GpPoint* pts, std::int32_t count);
Status GdipIsMatrixInvertible(const GpMatrix* matrix, bool* result);
Status GdipIsMatrixIdentity(const GpMatrix* matrix, bool* result);

// Image attributes: pixel operations applied to a copy of an image as it is drawn.
Status GdipCreateImageAttributes(GpImageAttributes** imageattr);
Status GdipCloneImageAttributes(const GpImageAttributes* imageattr, GpImageAttributes** cloneImageattr);
Status GdipDisposeImageAttributes(GpImageAttributes* imageattr);
Status GdipSetImageAttributesToIdentity(GpImageAttributes* imageattr, ColorAdjustType type);
Status GdipResetImageAttributes(GpImageAttributes* imageattr, ColorAdjustType type);
Status GdipSetImageAttributesColorMatrix(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                         const ColorMatrix* colorMatrix, const ColorMatrix* grayMatrix,
                                         ColorMatrixFlags flags);
Status GdipSetImageAttributesThreshold(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                       REAL threshold);
Status GdipSetImageAttributesGamma(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag, REAL gamma);
Status GdipSetImageAttributesNoOp(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag);
Status GdipSetImageAttributesColorKeys(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                       ARGB colorLow, ARGB colorHigh);
Status GdipSetImageAttributesOutputChannel(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                           ColorChannelFlags channelFlags);
Status GdipSetImageAttributesOutputChannelColorProfile(GpImageAttributes* imageattr, ColorAdjustType type,
                                                       bool enableFlag, const char* colorProfileFilename);
Status GdipSetImageAttributesRemapTable(GpImageAttributes* imageattr, ColorAdjustType type, bool enableFlag,
                                        std::uint32_t mapSize, const ColorMap* map);
Status GdipSetImageAttributesWrapMode(GpImageAttributes* imageAttr, WrapMode wrap, ARGB argb, bool clamp);
Status GdipGetImageAttributesAdjustedPalette(GpImageAttributes* imageAttr, ColorPalette* colorPalette,
                                             ColorAdjustType colorAdjustType);

}  // namespace plat::gdiplus
