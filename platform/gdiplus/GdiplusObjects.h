#pragma once

// The objects behind the flat API's handles. Only the stand-in's own sources include this file:
// it brings Qt's painter types with it.

#include "platform/gdiplus/GdiplusTypes.h"
#include "platform/gdiplus/PathData.h"

#include <QImage>
#include <QPainterPath>
#include <QTransform>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace plat {
class TCanvas;
}

namespace plat::gdiplus {

// Brush kinds carry the numbers of the pen fill types.
enum class BrushKind : int {
    Solid = PenTypeSolidColor,
    Hatch = PenTypeHatchFill,
    Texture = PenTypeTextureFill,
    PathGradient = PenTypePathGradient,
    LinearGradient = PenTypeLinearGradient,
};

// A colour blend: colours at positions from 0 to 1.
using PresetBlend = std::vector<std::pair<REAL, ARGB>>;

struct GpBrush {
    explicit GpBrush(BrushKind kind) : Kind(kind) {}
    virtual ~GpBrush() = default;
    virtual std::unique_ptr<GpBrush> Clone() const = 0;

    const BrushKind Kind;
};

struct SolidBrush final : GpBrush {
    explicit SolidBrush(ARGB color) : GpBrush(BrushKind::Solid), Color(color) {}
    std::unique_ptr<GpBrush> Clone() const override { return std::make_unique<SolidBrush>(*this); }

    ARGB Color;
};

struct HatchBrush final : GpBrush {
    HatchBrush(HatchStyle style, ARGB fore, ARGB back) : GpBrush(BrushKind::Hatch), Style(style), Fore(fore), Back(back) {}
    std::unique_ptr<GpBrush> Clone() const override { return std::make_unique<HatchBrush>(*this); }

    HatchStyle Style;
    ARGB Fore;
    ARGB Back;
};

struct TextureBrush final : GpBrush {
    TextureBrush() : GpBrush(BrushKind::Texture) {}
    std::unique_ptr<GpBrush> Clone() const override { return std::make_unique<TextureBrush>(*this); }

    // One tile: the part of the image the brush was made from, attributes applied.
    QImage Tile;
    GUID RawFormat = ImageFormatMemoryBMP;
    PixelFormat Format = PixelFormat32bppARGB;
    WrapMode Wrap = WrapModeTile;
    QTransform Transform;
};

struct LinearGradientBrush final : GpBrush {
    LinearGradientBrush() : GpBrush(BrushKind::LinearGradient) {}
    std::unique_ptr<GpBrush> Clone() const override { return std::make_unique<LinearGradientBrush>(*this); }

    // Colour 1 lies on the line through Start, colour 2 on the line through End, both lines at
    // right angles to Start-End.
    QPointF Start;
    QPointF End;
    ARGB Color1 = 0;
    ARGB Color2 = 0;
    WrapMode Wrap = WrapModeTile;
    PresetBlend Preset;
    bool GammaCorrection = false;
};

struct PathGradientBrush final : GpBrush {
    PathGradientBrush() : GpBrush(BrushKind::PathGradient) {}
    std::unique_ptr<GpBrush> Clone() const override { return std::make_unique<PathGradientBrush>(*this); }

    PathData Boundary;
    ARGB CenterColor = 0xFFFFFFFF;
    // One colour per boundary point at most; the last one stands for the points after it.
    std::vector<ARGB> SurroundColors{0xFFFFFFFF};
    QPointF CenterPoint;
    // Positions run from the boundary (0) to the centre point (1).
    PresetBlend Preset;
    WrapMode Wrap = WrapModeClamp;
    bool GammaCorrection = false;
};

struct GpPen {
    std::unique_ptr<GpBrush> Brush;
    REAL Width = 1;
    Unit WidthUnit = UnitWorld;
    DashStyle Dash = DashStyleSolid;
    int EndCap = LineCapFlat;
};

struct GpPath {
    PathData Data;
};

struct GpRegion {
    QPainterPath Area;
};

struct GpMatrix {
    QTransform Transform;
};

struct GpFontFamily {
    // The name asked for, and the installed face that draws it.
    std::string Name;
    std::string Face;
};

struct GpFontCollection {};

struct GpFont {
    std::string Face;
    REAL EmSize = 0;
    int Style = FontStyleRegular;
    Unit SizeUnit = UnitPoint;
};

struct GpStringFormat {
    int Flags = 0;
    std::uint16_t Language = 0;
    StringAlignment Align = StringAlignmentNear;
    StringAlignment LineAlign = StringAlignmentNear;
    StringTrimming Trimming = StringTrimmingCharacter;
    int HotkeyPrefix = HotkeyPrefixNone;
};

struct GpImage {
    // The decoded pixels, Format_ARGB32 (or premultiplied once a surface drew on them).
    QImage Pixels;
    GUID RawFormat = ImageFormatMemoryBMP;
    PixelFormat Format = PixelFormat32bppARGB;
};

// The pixel operations of one adjust type.
struct ColorAdjustment {
    bool NoOp = false;
    std::optional<ColorMatrix> Matrix;
    std::optional<ColorMatrix> GrayMatrix;
    ColorMatrixFlags MatrixFlags = ColorMatrixFlagsDefault;
    std::optional<REAL> Threshold;
    std::optional<REAL> Gamma;
    std::optional<std::pair<ARGB, ARGB>> ColorKey;
    std::optional<ColorChannelFlags> OutputChannel;
    std::vector<ColorMap> Remap;

    bool IsIdentity() const
    {
        return !Matrix && !Threshold && !Gamma && !ColorKey && !OutputChannel && Remap.empty();
    }
};

struct GpImageAttributes {
    // By adjust type (ColorAdjustTypeDefault .. ColorAdjustTypeText); a type without settings
    // of its own follows Default.
    std::optional<ColorAdjustment> Adjustments[ColorAdjustTypeCount];
    WrapMode Wrap = WrapModeClamp;
    ARGB WrapColor = 0;
};

struct GpGraphics {
    // The surface: a canvas (from a device context), or an image through a canvas of its own.
    TCanvas* Canvas = nullptr;
    std::unique_ptr<TCanvas> ImageCanvas;
    GpImage* Image = nullptr;
    int SmoothingMode = SmoothingModeNone;
    TextRenderingHint TextHint = TextRenderingHintSystemDefault;
    int CompositingQuality = CompositingQualityDefault;
    QTransform World;
    // In the surface's coordinates; none is no clip at all.
    std::optional<QPainterPath> Clip;
};

}  // namespace plat::gdiplus
