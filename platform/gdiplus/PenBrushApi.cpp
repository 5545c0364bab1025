// The pen and brush functions of the flat API.

#include "platform/gdiplus/ApiSupport.h"
#include "platform/gdiplus/GdiplusFlat.h"
#include "platform/gdiplus/ImageAdjustment.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace plat::gdiplus {

namespace {

bool IsWrapMode(WrapMode mode) { return mode >= WrapModeTile && mode <= WrapModeClamp; }

Status NewPen(std::unique_ptr<GpBrush> brush, REAL width, Unit unit, GpPen** pen)
{
    if (!pen || !std::isfinite(width) || unit == UnitDisplay || unit < UnitWorld || unit > UnitMillimeter)
        return InvalidParameter;
    auto made = std::make_unique<GpPen>();
    made->Brush = std::move(brush);
    made->Width = width;
    made->WidthUnit = unit;
    return HandOut(pen, std::move(made));
}

Status NewTexture(GpImage* image, WrapMode wrapMode, const std::optional<QRectF>& part,
                  const GpImageAttributes* attributes, GpTexture** texture)
{
    if (!image || !texture || !IsWrapMode(wrapMode))
        return InvalidParameter;
    return Guarded([&] {
        QRect area = image->Pixels.rect();
        if (part) {
            if (!AllFinite({static_cast<REAL>(part->x()), static_cast<REAL>(part->y()), static_cast<REAL>(part->width()),
                            static_cast<REAL>(part->height())}))
                return InvalidParameter;
            area = part->toAlignedRect();
            // The platform answers a part outside the image this way.
            if (area.isEmpty() || !image->Pixels.rect().contains(area))
                return OutOfMemory;
        }
        auto brush = std::make_unique<TextureBrush>();
        brush->Tile = image->Pixels.copy(area);
        if (const ColorAdjustment* adjustment = AdjustmentFor(attributes, ColorAdjustTypeBitmap))
            brush->Tile = AdjustedImage(brush->Tile, *adjustment);
        brush->RawFormat = image->RawFormat;
        brush->Format = image->Format;
        brush->Wrap = wrapMode;
        return HandOut(texture, std::move(brush));
    });
}

Status NewLineBrush(QPointF start, QPointF end, ARGB color1, ARGB color2, WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (!lineGradient || !IsWrapMode(wrapMode) ||
        !AllFinite({static_cast<REAL>(start.x()), static_cast<REAL>(start.y()), static_cast<REAL>(end.x()),
                    static_cast<REAL>(end.y())}))
        return InvalidParameter;
    // A gradient without a length has no direction; the platform refuses it this way.
    if (start == end)
        return OutOfMemory;
    auto brush = std::make_unique<LinearGradientBrush>();
    brush->Start = start;
    brush->End = end;
    brush->Color1 = color1;
    brush->Color2 = color2;
    brush->Wrap = wrapMode;
    return HandOut(lineGradient, std::move(brush));
}

// The gradient vector of a rectangle and mode. Diagonal modes keep their colour lines through
// the two other corners: colour 1 at the first corner, colour 2 on the line through the opposite
// one, parallel to the other diagonal.
std::pair<QPointF, QPointF> ModeVector(const QRectF& r, LinearGradientMode mode)
{
    const double w = r.width();
    const double h = r.height();
    const double reach = 2 * w * h / (w * w + h * h);
    switch (mode) {
    case LinearGradientModeVertical: return {r.topLeft(), r.bottomLeft()};
    case LinearGradientModeForwardDiagonal: return {r.topLeft(), r.topLeft() + QPointF(h, w) * reach};
    case LinearGradientModeBackwardDiagonal: return {r.topRight(), r.topRight() + QPointF(-h, w) * reach};
    default: return {r.topLeft(), r.topRight()};
    }
}

// The gradient vector of a rectangle and an angle (degrees, clockwise): from the corner that
// comes first along the direction to the one that comes last.
std::pair<QPointF, QPointF> AngleVector(const QRectF& r, double angleDeg)
{
    const double a = angleDeg * std::numbers::pi / 180.0;
    const QPointF direction(std::cos(a), std::sin(a));
    const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    QPointF first;
    for (const QPointF& c : corners) {
        const double along = QPointF::dotProduct(c, direction);
        if (along < low) {
            low = along;
            first = c;
        }
        high = std::max(high, along);
    }
    return {first, first + direction * (high - low)};
}

Status NewRectBrush(const QRectF& rect, ARGB color1, ARGB color2, const std::pair<QPointF, QPointF>& vector,
                    WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (rect.width() == 0 || rect.height() == 0)
        return lineGradient ? OutOfMemory : InvalidParameter;
    return NewLineBrush(vector.first, vector.second, color1, color2, wrapMode, lineGradient);
}

Status StoreBlend(PresetBlend& preset, const ARGB* blend, const REAL* positions, std::int32_t count)
{
    if (!blend || !positions || count < 2)
        return InvalidParameter;
    if (positions[0] != 0 || positions[count - 1] != 1)
        return InvalidParameter;
    PresetBlend stored;
    for (std::int32_t i = 0; i < count; ++i) {
        if (!std::isfinite(positions[i]) || positions[i] < 0 || positions[i] > 1)
            return InvalidParameter;
        stored.emplace_back(positions[i], blend[i]);
    }
    preset = std::move(stored);
    return Ok;
}

TextureBrush* Texture(GpTexture* brush) { return BrushAs<TextureBrush>(brush, BrushKind::Texture); }
LinearGradientBrush* Line(GpLineGradient* brush) { return BrushAs<LinearGradientBrush>(brush, BrushKind::LinearGradient); }
PathGradientBrush* PathBrush(GpPathGradient* brush) { return BrushAs<PathGradientBrush>(brush, BrushKind::PathGradient); }
HatchBrush* Hatch(GpHatch* brush) { return BrushAs<HatchBrush>(brush, BrushKind::Hatch); }

Status TransformTexture(GpTexture* brush, const QTransform& operation, MatrixOrder order)
{
    TextureBrush* texture = Texture(brush);
    if (!texture)
        return InvalidParameter;
    Combine(texture->Transform, operation, order);
    return Ok;
}

// The centre the platform gives a path gradient: the middle of an ellipse, else the mean of the
// path's points, a closed figure's repeated first point counted once.
QPointF CentreOf(const PathData& path)
{
    if (path.SoleEllipse())
        return path.SoleEllipse()->center();
    QPointF sum;
    int counted = 0;
    const auto& points = path.Points();
    const auto& types = path.Types();
    std::size_t figureStart = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if ((types[i] & 0x07) == PathPointTypeStart)
            figureStart = i;
        const bool closesOnStart = (types[i] & PathPointTypeCloseSubpath) && i != figureStart && points[i] == points[figureStart];
        if (closesOnStart)
            continue;
        sum += points[i];
        ++counted;
    }
    return counted ? sum / counted : QPointF();
}

}  // namespace

Status GdipCreatePen1(ARGB color, REAL width, Unit unit, GpPen** pen)
{
    return NewPen(std::make_unique<SolidBrush>(color), width, unit, pen);
}

Status GdipCreatePen2(GpBrush* brush, REAL width, Unit unit, GpPen** pen)
{
    if (!brush)
        return InvalidParameter;
    return NewPen(brush->Clone(), width, unit, pen);
}

Status GdipDeletePen(GpPen* pen)
{
    if (!pen)
        return InvalidParameter;
    delete pen;
    return Ok;
}

Status GdipSetPenBrushFill(GpPen* pen, GpBrush* brush)
{
    if (!pen || !brush)
        return InvalidParameter;
    pen->Brush = brush->Clone();
    return Ok;
}

Status GdipGetPenFillType(GpPen* pen, GpPenType* type)
{
    if (!pen || !type)
        return InvalidParameter;
    *type = static_cast<GpPenType>(pen->Brush->Kind);
    return Ok;
}

Status GdipGetPenBrushFill(GpPen* pen, GpBrush** brush)
{
    if (!pen || !brush)
        return InvalidParameter;
    return HandOut(brush, pen->Brush->Clone());
}

Status GdipSetPenDashStyle(GpPen* pen, DashStyle dashStyle)
{
    if (!pen || dashStyle < DashStyleSolid || dashStyle > DashStyleCustom)
        return InvalidParameter;
    pen->Dash = dashStyle;
    return Ok;
}

Status GdipGetPenDashStyle(GpPen* pen, DashStyle* dashStyle)
{
    if (!pen || !dashStyle)
        return InvalidParameter;
    *dashStyle = pen->Dash;
    return Ok;
}

Status GdipSetPenEndCap(GpPen* pen, GpLineCap endCap)
{
    if (!pen)
        return InvalidParameter;
    pen->EndCap = endCap;
    return Ok;
}

Status GdipDeleteBrush(GpBrush* brush)
{
    if (!brush)
        return InvalidParameter;
    delete brush;
    return Ok;
}

Status GdipCreateSolidFill(ARGB color, GpSolidFill** brush)
{
    if (!brush)
        return InvalidParameter;
    return HandOut(brush, std::make_unique<SolidBrush>(color));
}

Status GdipCreateHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor, GpHatch** brush)
{
    if (!brush || hatchStyle < HatchStyleMin || hatchStyle > HatchStyleMax)
        return InvalidParameter;
    return HandOut(brush, std::make_unique<HatchBrush>(hatchStyle, foreColor, backColor));
}

Status GdipGetHatchStyle(GpHatch* brush, HatchStyle* hatchStyle)
{
    HatchBrush* hatch = Hatch(brush);
    if (!hatch || !hatchStyle)
        return InvalidParameter;
    *hatchStyle = hatch->Style;
    return Ok;
}

Status GdipGetHatchForegroundColor(GpHatch* brush, ARGB* foreColor)
{
    HatchBrush* hatch = Hatch(brush);
    if (!hatch || !foreColor)
        return InvalidParameter;
    *foreColor = hatch->Fore;
    return Ok;
}

Status GdipGetHatchBackgroundColor(GpHatch* brush, ARGB* backColor)
{
    HatchBrush* hatch = Hatch(brush);
    if (!hatch || !backColor)
        return InvalidParameter;
    *backColor = hatch->Back;
    return Ok;
}

Status GdipCreateTexture(GpImage* image, WrapMode wrapMode, GpTexture** texture)
{
    return NewTexture(image, wrapMode, std::nullopt, nullptr, texture);
}

Status GdipCreateTexture2(GpImage* image, WrapMode wrapMode, REAL x, REAL y, REAL width, REAL height,
                          GpTexture** texture)
{
    return NewTexture(image, wrapMode, QRectF(x, y, width, height), nullptr, texture);
}

Status GdipCreateTexture2I(GpImage* image, WrapMode wrapMode, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, GpTexture** texture)
{
    return NewTexture(image, wrapMode, QRectF(x, y, width, height), nullptr, texture);
}

Status GdipCreateTextureIA(GpImage* image, const GpImageAttributes* imageAttributes, REAL x, REAL y, REAL width,
                           REAL height, GpTexture** texture)
{
    const WrapMode wrap = imageAttributes ? imageAttributes->Wrap : WrapModeTile;
    return NewTexture(image, wrap, QRectF(x, y, width, height), imageAttributes, texture);
}

Status GdipCreateTextureIAI(GpImage* image, const GpImageAttributes* imageAttributes, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height, GpTexture** texture)
{
    const WrapMode wrap = imageAttributes ? imageAttributes->Wrap : WrapModeTile;
    return NewTexture(image, wrap, QRectF(x, y, width, height), imageAttributes, texture);
}

Status GdipResetTextureTransform(GpTexture* brush)
{
    TextureBrush* texture = Texture(brush);
    if (!texture)
        return InvalidParameter;
    texture->Transform.reset();
    return Ok;
}

Status GdipTranslateTextureTransform(GpTexture* brush, REAL dx, REAL dy, MatrixOrder order)
{
    return TransformTexture(brush, QTransform::fromTranslate(dx, dy), order);
}

Status GdipScaleTextureTransform(GpTexture* brush, REAL sx, REAL sy, MatrixOrder order)
{
    return TransformTexture(brush, QTransform::fromScale(sx, sy), order);
}

Status GdipRotateTextureTransform(GpTexture* brush, REAL angle, MatrixOrder order)
{
    return TransformTexture(brush, QTransform().rotate(angle), order);
}

Status GdipSetTextureWrapMode(GpTexture* brush, WrapMode wrapMode)
{
    TextureBrush* texture = Texture(brush);
    if (!texture || !IsWrapMode(wrapMode))
        return InvalidParameter;
    texture->Wrap = wrapMode;
    return Ok;
}

Status GdipGetTextureWrapMode(GpTexture* brush, WrapMode* wrapMode)
{
    TextureBrush* texture = Texture(brush);
    if (!texture || !wrapMode)
        return InvalidParameter;
    *wrapMode = texture->Wrap;
    return Ok;
}

Status GdipGetTextureImage(GpTexture* brush, GpImage** image)
{
    TextureBrush* texture = Texture(brush);
    if (!texture || !image)
        return InvalidParameter;
    return Guarded([&] {
        auto copy = std::make_unique<GpImage>();
        copy->Pixels = texture->Tile;
        copy->RawFormat = texture->RawFormat;
        copy->Format = texture->Format;
        return HandOut(image, std::move(copy));
    });
}

Status GdipCreateLineBrush(const GpPointF* point1, const GpPointF* point2, ARGB color1, ARGB color2,
                           WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (!point1 || !point2)
        return InvalidParameter;
    return NewLineBrush(QPointF(point1->X, point1->Y), QPointF(point2->X, point2->Y), color1, color2, wrapMode,
                        lineGradient);
}

Status GdipCreateLineBrushI(const GpPoint* point1, const GpPoint* point2, ARGB color1, ARGB color2,
                            WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (!point1 || !point2)
        return InvalidParameter;
    return NewLineBrush(QPointF(point1->X, point1->Y), QPointF(point2->X, point2->Y), color1, color2, wrapMode,
                        lineGradient);
}

Status GdipCreateLineBrushFromRect(const GpRectF* rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                   WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (!rect || mode < LinearGradientModeHorizontal || mode > LinearGradientModeBackwardDiagonal ||
        !AllFinite({rect->X, rect->Y, rect->Width, rect->Height}))
        return InvalidParameter;
    const QRectF r(rect->X, rect->Y, rect->Width, rect->Height);
    return NewRectBrush(r, color1, color2, ModeVector(r, mode), wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRectI(const GpRect* rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                    WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (!rect)
        return InvalidParameter;
    const GpRectF r{static_cast<REAL>(rect->X), static_cast<REAL>(rect->Y), static_cast<REAL>(rect->Width),
                    static_cast<REAL>(rect->Height)};
    return GdipCreateLineBrushFromRect(&r, color1, color2, mode, wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRectWithAngle(const GpRectF* rect, ARGB color1, ARGB color2, REAL angle, bool,
                                            WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (!rect || !AllFinite({rect->X, rect->Y, rect->Width, rect->Height, angle}))
        return InvalidParameter;
    const QRectF r(rect->X, rect->Y, rect->Width, rect->Height);
    return NewRectBrush(r, color1, color2, AngleVector(r, angle), wrapMode, lineGradient);
}

Status GdipCreateLineBrushFromRectWithAngleI(const GpRect* rect, ARGB color1, ARGB color2, REAL angle,
                                             bool isAngleScalable, WrapMode wrapMode, GpLineGradient** lineGradient)
{
    if (!rect)
        return InvalidParameter;
    const GpRectF r{static_cast<REAL>(rect->X), static_cast<REAL>(rect->Y), static_cast<REAL>(rect->Width),
                    static_cast<REAL>(rect->Height)};
    return GdipCreateLineBrushFromRectWithAngle(&r, color1, color2, angle, isAngleScalable, wrapMode, lineGradient);
}

Status GdipSetLinePresetBlend(GpLineGradient* brush, const ARGB* blend, const REAL* positions, std::int32_t count)
{
    LinearGradientBrush* line = Line(brush);
    if (!line)
        return InvalidParameter;
    return StoreBlend(line->Preset, blend, positions, count);
}

Status GdipSetLineGammaCorrection(GpLineGradient* brush, bool useGammaCorrection)
{
    LinearGradientBrush* line = Line(brush);
    if (!line)
        return InvalidParameter;
    line->GammaCorrection = useGammaCorrection;
    return Ok;
}

Status GdipCreatePathGradientFromPath(const GpPath* path, GpPathGradient** polyGradient)
{
    if (!path || !polyGradient)
        return InvalidParameter;
    if (path->Data.PointCount() < 2)
        return OutOfMemory;
    return Guarded([&] {
        auto brush = std::make_unique<PathGradientBrush>();
        brush->Boundary = path->Data;
        brush->CenterPoint = CentreOf(path->Data);
        return HandOut(polyGradient, std::move(brush));
    });
}

Status GdipSetPathGradientCenterColor(GpPathGradient* brush, ARGB colors)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient)
        return InvalidParameter;
    gradient->CenterColor = colors;
    return Ok;
}

Status GdipGetPathGradientCenterColor(GpPathGradient* brush, ARGB* colors)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient || !colors)
        return InvalidParameter;
    *colors = gradient->CenterColor;
    return Ok;
}

Status GdipGetPathGradientPointCount(GpPathGradient* brush, std::int32_t* count)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient || !count)
        return InvalidParameter;
    *count = gradient->Boundary.PointCount();
    return Ok;
}

Status GdipSetPathGradientSurroundColorsWithCount(GpPathGradient* brush, const ARGB* color, std::int32_t* count)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient || !color || !count || *count <= 0 || *count > gradient->Boundary.PointCount())
        return InvalidParameter;
    gradient->SurroundColors.assign(color, color + *count);
    return Ok;
}

Status GdipGetPathGradientSurroundColorCount(GpPathGradient* brush, std::int32_t* count)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient || !count)
        return InvalidParameter;
    *count = static_cast<std::int32_t>(gradient->SurroundColors.size());
    return Ok;
}

Status GdipGetPathGradientSurroundColorsWithCount(GpPathGradient* brush, ARGB* color, std::int32_t* count)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient || !color || !count)
        return InvalidParameter;
    const auto stored = static_cast<std::int32_t>(gradient->SurroundColors.size());
    if (*count < stored)
        return InsufficientBuffer;
    std::copy(gradient->SurroundColors.begin(), gradient->SurroundColors.end(), color);
    *count = stored;
    return Ok;
}

Status GdipSetPathGradientCenterPoint(GpPathGradient* brush, const GpPointF* point)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient || !point || !AllFinite({point->X, point->Y}))
        return InvalidParameter;
    gradient->CenterPoint = QPointF(point->X, point->Y);
    return Ok;
}

Status GdipSetPathGradientCenterPointI(GpPathGradient* brush, const GpPoint* point)
{
    if (!point)
        return InvalidParameter;
    const GpPointF p{static_cast<REAL>(point->X), static_cast<REAL>(point->Y)};
    return GdipSetPathGradientCenterPoint(brush, &p);
}

Status GdipGetPathGradientCenterPoint(GpPathGradient* brush, GpPointF* point)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient || !point)
        return InvalidParameter;
    *point = GpPointF{static_cast<REAL>(gradient->CenterPoint.x()), static_cast<REAL>(gradient->CenterPoint.y())};
    return Ok;
}

Status GdipGetPathGradientCenterPointI(GpPathGradient* brush, GpPoint* point)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient || !point)
        return InvalidParameter;
    *point = GpPoint{static_cast<std::int32_t>(std::lround(gradient->CenterPoint.x())),
                     static_cast<std::int32_t>(std::lround(gradient->CenterPoint.y()))};
    return Ok;
}

Status GdipSetPathGradientPresetBlend(GpPathGradient* brush, const ARGB* blend, const REAL* positions,
                                      std::int32_t count)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient)
        return InvalidParameter;
    return StoreBlend(gradient->Preset, blend, positions, count);
}

Status GdipSetPathGradientGammaCorrection(GpPathGradient* brush, bool useGammaCorrection)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient)
        return InvalidParameter;
    gradient->GammaCorrection = useGammaCorrection;
    return Ok;
}

Status GdipSetPathGradientWrapMode(GpPathGradient* brush, WrapMode wrapMode)
{
    PathGradientBrush* gradient = PathBrush(brush);
    if (!gradient || !IsWrapMode(wrapMode))
        return InvalidParameter;
    gradient->Wrap = wrapMode;
    return Ok;
}

}  // namespace plat::gdiplus
