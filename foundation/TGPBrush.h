#pragma once

#include "foundation/TGdiplusBase.h"

#include <memory>

namespace skelda::foundation {

class TGPGraphicsPath;
class TGPImage;
class TGPImageAttributes;

// What fills an area: a colour, a hatch, a texture or a gradient. The base class made without
// arguments holds no brush and keeps NotImplemented.
class TGPBrush : public TGdiplusBase {
public:
    TGPBrush();
    // Adopts a native brush with its status.
    TGPBrush(GpBrush* NativeBrush, Status AStatus);
    ~TGPBrush() override;

    Status GetLastStatus() { return TakeStatus(lastResult); }
    GpBrush* Native() const { return nativeBrush; }

protected:
    // For the brushes whose constructor without arguments makes an empty wrapper with Ok.
    struct EmptyWrapper {};
    explicit TGPBrush(EmptyWrapper) {}

    GpBrush* nativeBrush = nullptr;
    Status lastResult = Ok;
};

class TGPSolidBrush : public TGPBrush {
public:
    TGPSolidBrush() : TGPBrush(EmptyWrapper{}) {}
    explicit TGPSolidBrush(ARGB Color);
    using TGPBrush::TGPBrush;
};

class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush() : TGPBrush(EmptyWrapper{}) {}
    TGPHatchBrush(HatchStyle Style, ARGB ForeColor, ARGB BackColor = 0xFF000000);
    using TGPBrush::TGPBrush;

    HatchStyle GetHatchStyle();
    Status GetForegroundColor(ARGB& Color);
    Status GetBackgroundColor(ARGB& Color);
};

// Fills with an image repeated by the wrap mode, moved by the brush's own transform.
class TGPTextureBrush : public TGPBrush {
public:
    TGPTextureBrush() : TGPBrush(EmptyWrapper{}) {}
    TGPTextureBrush(const TGPImage& Image, WrapMode Wrap = WrapModeTile);
    // The part of the image in DstRect is the texture.
    TGPTextureBrush(const TGPImage& Image, WrapMode Wrap, const TGPRectF& DstRect);
    TGPTextureBrush(const TGPImage& Image, WrapMode Wrap, REAL X, REAL Y, REAL Width, REAL Height);
    TGPTextureBrush(const TGPImage& Image, WrapMode Wrap, const TGPRect& DstRect);
    TGPTextureBrush(const TGPImage& Image, WrapMode Wrap, int X, int Y, int Width, int Height);
    // Attributes may be nil.
    TGPTextureBrush(const TGPImage& Image, const TGPRectF& DstRect, const TGPImageAttributes* Attributes);
    TGPTextureBrush(const TGPImage& Image, const TGPRect& DstRect, const TGPImageAttributes* Attributes);
    using TGPBrush::TGPBrush;

    Status ResetTransform();
    Status TranslateTransform(REAL Dx, REAL Dy, MatrixOrder Order = MatrixOrderPrepend);
    Status ScaleTransform(REAL Sx, REAL Sy, MatrixOrder Order = MatrixOrderPrepend);
    Status RotateTransform(REAL Angle, MatrixOrder Order = MatrixOrderPrepend);
    Status SetWrapMode(WrapMode Wrap);
    WrapMode GetWrapMode();
    // The texture's image, a new wrapper with this brush's last status.
    std::unique_ptr<TGPImage> GetImage();
};

// Colours along a line, repeated beyond its ends (WrapModeTile).
class TGPLinearGradientBrush : public TGPBrush {
public:
    TGPLinearGradientBrush() = default;
    TGPLinearGradientBrush(const TGPPointF& Point1, const TGPPointF& Point2, ARGB Color1, ARGB Color2);
    TGPLinearGradientBrush(const TGPPoint& Point1, const TGPPoint& Point2, ARGB Color1, ARGB Color2);
    // The form the controls use: across the rectangle by a mode.
    TGPLinearGradientBrush(const TGPRectF& Rect, ARGB Color1, ARGB Color2, LinearGradientMode Mode);
    TGPLinearGradientBrush(const TGPRect& Rect, ARGB Color1, ARGB Color2, LinearGradientMode Mode);
    TGPLinearGradientBrush(const TGPRectF& Rect, ARGB Color1, ARGB Color2, REAL Angle, bool IsAngleScalable = false);
    TGPLinearGradientBrush(const TGPRect& Rect, ARGB Color1, ARGB Color2, REAL Angle, bool IsAngleScalable = false);
    using TGPBrush::TGPBrush;

    // Count colours at positions from 0 to 1; a count of 0 or less is InvalidParameter.
    Status SetInterpolationColors(const ARGB* PresetColors, const REAL* BlendPositions, int Count);
    Status SetGammaCorrection(bool UseGammaCorrection);
};

// Colours from a centre point out to the boundary of a path; nothing outside the path.
class TGPPathGradientBrush : public TGPBrush {
public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath& Path);
    using TGPBrush::TGPBrush;

    // Both answer the brush's kept status, not the call's.
    Status SetCenterColor(ARGB Color);
    Status GetCenterColor(ARGB& Color);
    int GetPointCount();
    // Count colours, one per boundary point; Count receives the number taken.
    Status SetSurroundColors(const ARGB* Colors, int& Count);
    // Count is the room in Colors and receives the number copied.
    Status GetSurroundColors(ARGB* Colors, int& Count);
    Status SetCenterPoint(const TGPPointF& Point);
    Status SetCenterPoint(const TGPPoint& Point);
    Status GetCenterPoint(TGPPointF& Point);
    Status GetCenterPoint(TGPPoint& Point);
    // Positions run from the boundary (0) to the centre (1).
    Status SetInterpolationColors(const ARGB* PresetColors, const REAL* BlendPositions, int Count);
    Status SetGammaCorrection(bool UseGammaCorrection);
    Status SetWrapMode(WrapMode Wrap);
};

}  // namespace skelda::foundation
