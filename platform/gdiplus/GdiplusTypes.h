#pragma once

#include <cstdint>

// Values, enumerations and handles of the GDI+ flat API, with the platform's names and numbers
// (see docs/gdiplus.md for what the stand-in draws and how closely).
namespace plat::gdiplus {

using REAL = float;
using ARGB = std::uint32_t;
using PARGB = ARGB*;
using PixelFormat = std::int32_t;
using GraphicsState = std::uint32_t;

// The result of every call. Ok is 0; the rest name the failure.
enum Status : int {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20,
};

enum FillMode : int { FillModeAlternate = 0, FillModeWinding = 1 };

enum Unit : int {
    UnitWorld = 0,
    UnitDisplay = 1,
    UnitPixel = 2,
    UnitPoint = 3,
    UnitInch = 4,
    UnitDocument = 5,
    UnitMillimeter = 6,
};

enum HatchStyle : int {
    HatchStyleHorizontal = 0,
    HatchStyleVertical = 1,
    HatchStyleForwardDiagonal = 2,
    HatchStyleBackwardDiagonal = 3,
    HatchStyleCross = 4,
    HatchStyleDiagonalCross = 5,
    HatchStyle05Percent = 6,
    HatchStyle10Percent = 7,
    HatchStyle20Percent = 8,
    HatchStyle25Percent = 9,
    HatchStyle30Percent = 10,
    HatchStyle40Percent = 11,
    HatchStyle50Percent = 12,
    HatchStyle60Percent = 13,
    HatchStyle70Percent = 14,
    HatchStyle75Percent = 15,
    HatchStyle80Percent = 16,
    HatchStyle90Percent = 17,
    HatchStyleLightDownwardDiagonal = 18,
    HatchStyleLightUpwardDiagonal = 19,
    HatchStyleDarkDownwardDiagonal = 20,
    HatchStyleDarkUpwardDiagonal = 21,
    HatchStyleWideDownwardDiagonal = 22,
    HatchStyleWideUpwardDiagonal = 23,
    HatchStyleLightVertical = 24,
    HatchStyleLightHorizontal = 25,
    HatchStyleNarrowVertical = 26,
    HatchStyleNarrowHorizontal = 27,
    HatchStyleDarkVertical = 28,
    HatchStyleDarkHorizontal = 29,
    HatchStyleDashedDownwardDiagonal = 30,
    HatchStyleDashedUpwardDiagonal = 31,
    HatchStyleDashedHorizontal = 32,
    HatchStyleDashedVertical = 33,
    HatchStyleSmallConfetti = 34,
    HatchStyleLargeConfetti = 35,
    HatchStyleZigZag = 36,
    HatchStyleWave = 37,
    HatchStyleDiagonalBrick = 38,
    HatchStyleHorizontalBrick = 39,
    HatchStyleWeave = 40,
    HatchStylePlaid = 41,
    HatchStyleDivot = 42,
    HatchStyleDottedGrid = 43,
    HatchStyleDottedDiamond = 44,
    HatchStyleShingle = 45,
    HatchStyleTrellis = 46,
    HatchStyleSphere = 47,
    HatchStyleSmallGrid = 48,
    HatchStyleSmallCheckerBoard = 49,
    HatchStyleLargeCheckerBoard = 50,
    HatchStyleOutlinedDiamond = 51,
    HatchStyleSolidDiamond = 52,
    HatchStyleTotal = 53,
    HatchStyleLargeGrid = HatchStyleCross,
    HatchStyleMin = HatchStyleHorizontal,
    HatchStyleMax = HatchStyleTotal - 1,
};

enum DashStyle : int {
    DashStyleSolid = 0,
    DashStyleDash = 1,
    DashStyleDot = 2,
    DashStyleDashDot = 3,
    DashStyleDashDotDot = 4,
    DashStyleCustom = 5,
};

enum WrapMode : int {
    WrapModeTile = 0,
    WrapModeTileFlipX = 1,
    WrapModeTileFlipY = 2,
    WrapModeTileFlipXY = 3,
    WrapModeClamp = 4,
};

enum LinearGradientMode : int {
    LinearGradientModeHorizontal = 0,
    LinearGradientModeVertical = 1,
    LinearGradientModeForwardDiagonal = 2,
    LinearGradientModeBackwardDiagonal = 3,
};

enum CombineMode : int {
    CombineModeReplace = 0,
    CombineModeIntersect = 1,
    CombineModeUnion = 2,
    CombineModeXor = 3,
    CombineModeExclude = 4,
    CombineModeComplement = 5,
};

enum MatrixOrder : int { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };

enum ColorMatrixFlags : int {
    ColorMatrixFlagsDefault = 0,
    ColorMatrixFlagsSkipGrays = 1,
    ColorMatrixFlagsAltGray = 2,
};

enum ColorChannelFlags : int {
    ColorChannelFlagsC = 0,
    ColorChannelFlagsM = 1,
    ColorChannelFlagsY = 2,
    ColorChannelFlagsK = 3,
    ColorChannelFlagsLast = 4,
};

enum TextRenderingHint : int {
    TextRenderingHintSystemDefault = 0,
    TextRenderingHintSingleBitPerPixelGridFit = 1,
    TextRenderingHintSingleBitPerPixel = 2,
    TextRenderingHintAntiAliasGridFit = 3,
    TextRenderingHintAntiAlias = 4,
    TextRenderingHintClearTypeGridFit = 5,
};

enum StringAlignment : int { StringAlignmentNear = 0, StringAlignmentCenter = 1, StringAlignmentFar = 2 };

enum StringTrimming : int {
    StringTrimmingNone = 0,
    StringTrimmingCharacter = 1,
    StringTrimmingWord = 2,
    StringTrimmingEllipsisCharacter = 3,
    StringTrimmingEllipsisWord = 4,
    StringTrimmingEllipsisPath = 5,
};

enum HotkeyPrefix : int { HotkeyPrefixNone = 0, HotkeyPrefixShow = 1, HotkeyPrefixHide = 2 };

enum FlushIntention : int { FlushIntentionFlush = 0, FlushIntentionSync = 1 };

enum RotateFlipType : int {
    RotateNoneFlipNone = 0,
    Rotate90FlipNone = 1,
    Rotate180FlipNone = 2,
    Rotate270FlipNone = 3,
    RotateNoneFlipX = 4,
    Rotate90FlipX = 5,
    Rotate180FlipX = 6,
    Rotate270FlipX = 7,
    RotateNoneFlipY = Rotate180FlipX,
    Rotate90FlipY = Rotate270FlipX,
    Rotate180FlipY = RotateNoneFlipX,
    Rotate270FlipY = Rotate90FlipX,
    RotateNoneFlipXY = Rotate180FlipNone,
    Rotate90FlipXY = Rotate270FlipNone,
    Rotate180FlipXY = RotateNoneFlipNone,
    Rotate270FlipXY = Rotate90FlipNone,
};

enum ColorAdjustType : int {
    ColorAdjustTypeDefault = 0,
    ColorAdjustTypeBitmap = 1,
    ColorAdjustTypeBrush = 2,
    ColorAdjustTypePen = 3,
    ColorAdjustTypeText = 4,
    ColorAdjustTypeCount = 5,
    ColorAdjustTypeAny = 6,
};

// Plain integers with the platform's values.
inline constexpr int SmoothingModeInvalid = -1;
inline constexpr int SmoothingModeDefault = 0;
inline constexpr int SmoothingModeHighSpeed = 1;
inline constexpr int SmoothingModeHighQuality = 2;
inline constexpr int SmoothingModeNone = 3;
inline constexpr int SmoothingModeAntiAlias = 4;
inline constexpr int SmoothingModeAntiAlias8x8 = 5;

inline constexpr int CompositingQualityInvalid = -1;
inline constexpr int CompositingQualityDefault = 0;
inline constexpr int CompositingQualityHighSpeed = 1;
inline constexpr int CompositingQualityHighQuality = 2;
inline constexpr int CompositingQualityGammaCorrected = 3;
inline constexpr int CompositingQualityAssumeLinear = 4;

inline constexpr int StringFormatFlagsDirectionRightToLeft = 0x0001;
inline constexpr int StringFormatFlagsDirectionVertical = 0x0002;
inline constexpr int StringFormatFlagsNoFitBlackBox = 0x0004;
inline constexpr int StringFormatFlagsDisplayFormatControl = 0x0020;
inline constexpr int StringFormatFlagsNoFontFallback = 0x0400;
inline constexpr int StringFormatFlagsMeasureTrailingSpaces = 0x0800;
inline constexpr int StringFormatFlagsNoWrap = 0x1000;
inline constexpr int StringFormatFlagsLineLimit = 0x2000;
inline constexpr int StringFormatFlagsNoClip = 0x4000;

inline constexpr int FontStyleRegular = 0;
inline constexpr int FontStyleBold = 1;
inline constexpr int FontStyleItalic = 2;
inline constexpr int FontStyleBoldItalic = 3;
inline constexpr int FontStyleUnderline = 4;
inline constexpr int FontStyleStrikeout = 8;

inline constexpr int LineCapFlat = 0;
inline constexpr int LineCapSquare = 1;
inline constexpr int LineCapRound = 2;
inline constexpr int LineCapTriangle = 3;
inline constexpr int LineCapNoAnchor = 0x10;
inline constexpr int LineCapSquareAnchor = 0x11;
inline constexpr int LineCapRoundAnchor = 0x12;
inline constexpr int LineCapDiamondAnchor = 0x13;
inline constexpr int LineCapArrowAnchor = 0x14;
inline constexpr int LineCapCustom = 0xFF;

// What fills a pen (GdipGetPenFillType).
inline constexpr int PenTypeSolidColor = 0;
inline constexpr int PenTypeHatchFill = 1;
inline constexpr int PenTypeTextureFill = 2;
inline constexpr int PenTypePathGradient = 3;
inline constexpr int PenTypeLinearGradient = 4;
inline constexpr int PenTypeUnknown = -1;

// Pixel formats: bits 0-7 an index, 8-15 the bits per pixel, 16 and up the flags below.
inline constexpr PixelFormat PixelFormatIndexed = 0x00010000;
inline constexpr PixelFormat PixelFormatGDI = 0x00020000;
inline constexpr PixelFormat PixelFormatAlpha = 0x00040000;
inline constexpr PixelFormat PixelFormatPAlpha = 0x00080000;
inline constexpr PixelFormat PixelFormatExtended = 0x00100000;
inline constexpr PixelFormat PixelFormatCanonical = 0x00200000;
inline constexpr PixelFormat PixelFormatUndefined = 0;
inline constexpr PixelFormat PixelFormat1bppIndexed = 0x00030101;
inline constexpr PixelFormat PixelFormat4bppIndexed = 0x00030402;
inline constexpr PixelFormat PixelFormat8bppIndexed = 0x00030803;
inline constexpr PixelFormat PixelFormat16bppGrayScale = 0x00101004;
inline constexpr PixelFormat PixelFormat16bppRGB555 = 0x00021005;
inline constexpr PixelFormat PixelFormat16bppRGB565 = 0x00021006;
inline constexpr PixelFormat PixelFormat16bppARGB1555 = 0x00061007;
inline constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
inline constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
inline constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
inline constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;
inline constexpr PixelFormat PixelFormat48bppRGB = 0x0010300C;
inline constexpr PixelFormat PixelFormat64bppARGB = 0x0034400D;
inline constexpr PixelFormat PixelFormat64bppPARGB = 0x001C400E;

struct GpPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

struct GpPointF {
    REAL X = 0;
    REAL Y = 0;
};

struct GpRect {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

struct GpRectF {
    REAL X = 0;
    REAL Y = 0;
    REAL Width = 0;
    REAL Height = 0;
};

struct GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::uint8_t Data4[8] = {};
    friend bool operator==(const GUID&, const GUID&) = default;
};
using CLSID = GUID;

// Raw formats of images (GdipGetImageRawFormat).
inline constexpr GUID ImageFormatUndefined{0xb96b3ca9, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatMemoryBMP{0xb96b3caa, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatBMP{0xb96b3cab, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatEMF{0xb96b3cac, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatWMF{0xb96b3cad, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatJPEG{0xb96b3cae, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatPNG{0xb96b3caf, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatGIF{0xb96b3cb0, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatTIFF{0xb96b3cb1, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatEXIF{0xb96b3cb2, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID ImageFormatIcon{0xb96b3cb5, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// The built-in encoders (GdipSaveImageToFile, GdipSaveImageToStream).
inline constexpr CLSID EncoderBMP{0x557cf400, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr CLSID EncoderJPEG{0x557cf401, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr CLSID EncoderGIF{0x557cf402, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr CLSID EncoderTIFF{0x557cf405, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr CLSID EncoderPNG{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

struct ColorMatrix {
    REAL m[5][5] = {};
};

struct ColorMap {
    ARGB oldColor = 0;
    ARGB newColor = 0;
};

struct ColorPalette {
    std::uint32_t Flags = 0;
    std::uint32_t Count = 0;
    ARGB Entries[1] = {};
};

struct EncoderParameter {
    GUID Guid;
    std::uint32_t NumberOfValues = 0;
    std::uint32_t Type = 0;
    void* Value = nullptr;
};

struct EncoderParameters {
    std::uint32_t Count = 0;
    EncoderParameter Parameter[1];
};

// Answers true to stop a long drawing or thumbnail operation.
using ImageAbort = bool (*)(void* callbackData);
using DrawImageAbort = ImageAbort;
using GetThumbnailImageAbort = ImageAbort;

using DebugEventProc = void (*)(int level, const char* message);
using NotificationHookProc = Status (*)(std::uintptr_t* token);
using NotificationUnhookProc = void (*)(std::uintptr_t token);

struct GdiplusStartupInput {
    std::uint32_t GdiplusVersion = 1;
    DebugEventProc DebugEventCallback = nullptr;
    bool SuppressBackgroundThread = false;
    bool SuppressExternalCodecs = false;
};

struct GdiplusStartupOutput {
    NotificationHookProc NotificationHook = nullptr;
    NotificationUnhookProc NotificationUnhook = nullptr;
};

// The objects behind the handles (GdiplusObjects.h holds them). Brush and image kinds share
// one handle type each, as the flat API's callers treat them; a call checks the kind and
// answers InvalidParameter for the wrong one.
struct GpGraphics;
struct GpPen;
struct GpBrush;
using GpSolidFill = GpBrush;
using GpHatch = GpBrush;
using GpTexture = GpBrush;
using GpLineGradient = GpBrush;
using GpPathGradient = GpBrush;
struct GpPath;
struct GpRegion;
struct GpFontFamily;
struct GpFontCollection;
struct GpFont;
struct GpStringFormat;
struct GpImage;
using GpBitmap = GpImage;
struct GpMatrix;
struct GpImageAttributes;

using GpStatus = Status;
using GpFillMode = FillMode;
using GpWrapMode = WrapMode;
using GpUnit = Unit;
using GpDashStyle = DashStyle;
using GpMatrixOrder = MatrixOrder;
using GpLineCap = int;
using GpPenType = int;

// A bitmap handed out by GdipCreateHBITMAPFromBitmap; DeleteObject frees it.
struct HBITMAP__;
using HBITMAP = HBITMAP__*;
// Palettes are not modelled: the handle is passed and ignored.
struct HPALETTE__;
using HPALETTE = HPALETTE__*;

}  // namespace plat::gdiplus
