#pragma once

#include "foundation/TGdiplusBase.h"

#include <string>

namespace skelda::foundation {

class TGPFontFamily;
class TGPStringFormat;

// A path of the flat API: figures in float coordinates (lines and curves join the open figure;
// rectangles, ellipses, pies, polygons and text are figures of their own). Angles in degrees,
// clockwise.
class TGPGraphicsPath : public TGdiplusBase {
public:
    explicit TGPGraphicsPath(FillMode Mode = FillModeAlternate);
    // Adopts a native path.
    explicit TGPGraphicsPath(GpPath* NativePath);
    ~TGPGraphicsPath() override;

    Status Reset();
    Status CloseFigure();
    Status AddLine(const TGPPointF& Pt1, const TGPPointF& Pt2);
    Status AddLine(REAL X1, REAL Y1, REAL X2, REAL Y2);
    Status AddLines(const TGPPoint* Points, int Count);
    Status AddRectangle(const TGPRectF& Rect);
    Status AddRectangle(const TGPRect& Rect);
    Status AddArc(const TGPRectF& Rect, REAL StartAngle, REAL SweepAngle);
    Status AddArc(REAL X, REAL Y, REAL Width, REAL Height, REAL StartAngle, REAL SweepAngle);
    Status AddPie(const TGPRectF& Rect, REAL StartAngle, REAL SweepAngle);
    Status AddPie(REAL X, REAL Y, REAL Width, REAL Height, REAL StartAngle, REAL SweepAngle);
    Status AddEllipse(const TGPRectF& Rect);
    Status AddEllipse(REAL X, REAL Y, REAL Width, REAL Height);
    Status AddPolygon(const TGPPointF* Points, int Count);
    Status AddPolygon(const TGPPoint* Points, int Count);
    // Cardinal splines through the points, tension 0.5 unless given.
    Status AddCurve(const TGPPointF* Points, int Count);
    Status AddCurve(const TGPPoint* Points, int Count);
    Status AddCurve(const TGPPoint* Points, int Count, REAL Tension);
    Status AddBezier(const TGPPointF& Pt1, const TGPPointF& Pt2, const TGPPointF& Pt3, const TGPPointF& Pt4);
    Status AddBezier(const TGPPoint& Pt1, const TGPPoint& Pt2, const TGPPoint& Pt3, const TGPPoint& Pt4);
    Status AddBezier(REAL X1, REAL Y1, REAL X2, REAL Y2, REAL X3, REAL Y3, REAL X4, REAL Y4);
    // Glyph outlines of the text laid out in the rectangle; family and format may be nil.
    Status AddString(const std::string& Text, int Length, const TGPFontFamily* Family, int Style, REAL EmSize,
                     const TGPRectF& LayoutRect, const TGPStringFormat* Format);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpPath* Native() const { return nativePath; }

private:
    GpPath* nativePath = nullptr;
    Status lastResult = Ok;
};

}  // namespace skelda::foundation
