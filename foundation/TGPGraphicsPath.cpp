#include "foundation/TGPGraphicsPath.h"

#include "foundation/TGPFontFamily.h"
#include "foundation/TGPStringFormat.h"
#include "platform/gdiplus/GdiplusFlat.h"

namespace skelda::foundation {

TGPGraphicsPath::TGPGraphicsPath(FillMode Mode)
{
    lastResult = GdipCreatePath(Mode, &nativePath);
}

TGPGraphicsPath::TGPGraphicsPath(GpPath* NativePath) : nativePath(NativePath) {}

TGPGraphicsPath::~TGPGraphicsPath()
{
    GdipDeletePath(nativePath);
}

Status TGPGraphicsPath::Reset()
{
    return Recorded(lastResult, GdipResetPath(nativePath));
}

Status TGPGraphicsPath::CloseFigure()
{
    return Recorded(lastResult, GdipClosePathFigure(nativePath));
}

Status TGPGraphicsPath::AddLine(const TGPPointF& Pt1, const TGPPointF& Pt2)
{
    return AddLine(Pt1.X, Pt1.Y, Pt2.X, Pt2.Y);
}

Status TGPGraphicsPath::AddLine(REAL X1, REAL Y1, REAL X2, REAL Y2)
{
    return Recorded(lastResult, GdipAddPathLine(nativePath, X1, Y1, X2, Y2));
}

Status TGPGraphicsPath::AddLines(const TGPPoint* Points, int Count)
{
    return Recorded(lastResult, GdipAddPathLine2I(nativePath, Points, Count));
}

Status TGPGraphicsPath::AddRectangle(const TGPRectF& Rect)
{
    return Recorded(lastResult, GdipAddPathRectangle(nativePath, Rect.X, Rect.Y, Rect.Width, Rect.Height));
}

Status TGPGraphicsPath::AddRectangle(const TGPRect& Rect)
{
    return Recorded(lastResult, GdipAddPathRectangleI(nativePath, Rect.X, Rect.Y, Rect.Width, Rect.Height));
}

Status TGPGraphicsPath::AddArc(const TGPRectF& Rect, REAL StartAngle, REAL SweepAngle)
{
    return AddArc(Rect.X, Rect.Y, Rect.Width, Rect.Height, StartAngle, SweepAngle);
}

Status TGPGraphicsPath::AddArc(REAL X, REAL Y, REAL Width, REAL Height, REAL StartAngle, REAL SweepAngle)
{
    return Recorded(lastResult, GdipAddPathArc(nativePath, X, Y, Width, Height, StartAngle, SweepAngle));
}

Status TGPGraphicsPath::AddPie(const TGPRectF& Rect, REAL StartAngle, REAL SweepAngle)
{
    return AddPie(Rect.X, Rect.Y, Rect.Width, Rect.Height, StartAngle, SweepAngle);
}

Status TGPGraphicsPath::AddPie(REAL X, REAL Y, REAL Width, REAL Height, REAL StartAngle, REAL SweepAngle)
{
    return Recorded(lastResult, GdipAddPathPie(nativePath, X, Y, Width, Height, StartAngle, SweepAngle));
}

Status TGPGraphicsPath::AddEllipse(const TGPRectF& Rect)
{
    return AddEllipse(Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphicsPath::AddEllipse(REAL X, REAL Y, REAL Width, REAL Height)
{
    return Recorded(lastResult, GdipAddPathEllipse(nativePath, X, Y, Width, Height));
}

Status TGPGraphicsPath::AddPolygon(const TGPPointF* Points, int Count)
{
    return Recorded(lastResult, GdipAddPathPolygon(nativePath, Points, Count));
}

Status TGPGraphicsPath::AddPolygon(const TGPPoint* Points, int Count)
{
    return Recorded(lastResult, GdipAddPathPolygonI(nativePath, Points, Count));
}

Status TGPGraphicsPath::AddCurve(const TGPPointF* Points, int Count)
{
    return Recorded(lastResult, GdipAddPathCurve(nativePath, Points, Count));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint* Points, int Count)
{
    return Recorded(lastResult, GdipAddPathCurveI(nativePath, Points, Count));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint* Points, int Count, REAL Tension)
{
    return Recorded(lastResult, GdipAddPathCurve2I(nativePath, Points, Count, Tension));
}

Status TGPGraphicsPath::AddBezier(const TGPPointF& Pt1, const TGPPointF& Pt2, const TGPPointF& Pt3, const TGPPointF& Pt4)
{
    return AddBezier(Pt1.X, Pt1.Y, Pt2.X, Pt2.Y, Pt3.X, Pt3.Y, Pt4.X, Pt4.Y);
}

Status TGPGraphicsPath::AddBezier(const TGPPoint& Pt1, const TGPPoint& Pt2, const TGPPoint& Pt3, const TGPPoint& Pt4)
{
    auto f = [](std::int32_t v) { return static_cast<REAL>(v); };
    return AddBezier(f(Pt1.X), f(Pt1.Y), f(Pt2.X), f(Pt2.Y), f(Pt3.X), f(Pt3.Y), f(Pt4.X), f(Pt4.Y));
}

Status TGPGraphicsPath::AddBezier(REAL X1, REAL Y1, REAL X2, REAL Y2, REAL X3, REAL Y3, REAL X4, REAL Y4)
{
    return Recorded(lastResult, GdipAddPathBezier(nativePath, X1, Y1, X2, Y2, X3, Y3, X4, Y4));
}

Status TGPGraphicsPath::AddString(const std::string& Text, int Length, const TGPFontFamily* Family, int Style,
                                  REAL EmSize, const TGPRectF& LayoutRect, const TGPStringFormat* Format)
{
    return Recorded(lastResult, GdipAddPathString(nativePath, Text.c_str(), Length, Family ? Family->Native() : nullptr,
                                                  Style, EmSize, &LayoutRect, Format ? Format->Native() : nullptr));
}

}  // namespace skelda::foundation
