#include "foundation/TGPMatrix.h"

#include "platform/gdiplus/GdiplusFlat.h"

namespace skelda::foundation {

TGPMatrix::TGPMatrix()
{
    lastResult = GdipCreateMatrix(&nativeMatrix);
}

TGPMatrix::TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    lastResult = GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRectF& Rect, const TGPPointF* DstPlg)
{
    lastResult = GdipCreateMatrix3(&Rect, DstPlg, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRect& Rect, const TGPPoint* DstPlg)
{
    lastResult = GdipCreateMatrix3I(&Rect, DstPlg, &nativeMatrix);
}

TGPMatrix::TGPMatrix(GpMatrix* NativeMatrix) : nativeMatrix(NativeMatrix) {}

TGPMatrix::~TGPMatrix()
{
    GdipDeleteMatrix(nativeMatrix);
}

std::unique_ptr<TGPMatrix> TGPMatrix::Clone()
{
    GpMatrix* copy = nullptr;
    Recorded(lastResult, GdipCloneMatrix(nativeMatrix, &copy));
    if (lastResult != Ok) {
        // A copy made while an earlier failure is still kept would otherwise be lost.
        GdipDeleteMatrix(copy);
        return nullptr;
    }
    return std::make_unique<TGPMatrix>(copy);
}

Status TGPMatrix::GetElements(TMatrixArray& M)
{
    return Recorded(lastResult, GdipGetMatrixElements(nativeMatrix, M.data()));
}

Status TGPMatrix::SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    return Recorded(lastResult, GdipSetMatrixElements(nativeMatrix, m11, m12, m21, m22, dx, dy));
}

REAL TGPMatrix::OffsetX()
{
    TMatrixArray elements{};
    return GetElements(elements) == Ok ? elements[4] : 0;
}

REAL TGPMatrix::OffsetY()
{
    TMatrixArray elements{};
    return GetElements(elements) == Ok ? elements[5] : 0;
}

Status TGPMatrix::Reset()
{
    return Recorded(lastResult, GdipSetMatrixElements(nativeMatrix, 1, 0, 0, 1, 0, 0));
}

Status TGPMatrix::Multiply(const TGPMatrix& Matrix, MatrixOrder Order)
{
    return Recorded(lastResult, GdipMultiplyMatrix(nativeMatrix, Matrix.nativeMatrix, Order));
}

Status TGPMatrix::Translate(REAL OffsetX, REAL OffsetY, MatrixOrder Order)
{
    return Recorded(lastResult, GdipTranslateMatrix(nativeMatrix, OffsetX, OffsetY, Order));
}

Status TGPMatrix::Scale(REAL ScaleX, REAL ScaleY, MatrixOrder Order)
{
    return Recorded(lastResult, GdipScaleMatrix(nativeMatrix, ScaleX, ScaleY, Order));
}

Status TGPMatrix::Rotate(REAL Angle, MatrixOrder Order)
{
    return Recorded(lastResult, GdipRotateMatrix(nativeMatrix, Angle, Order));
}

Status TGPMatrix::RotateAt(REAL Angle, const TGPPointF& Center, MatrixOrder Order)
{
    const REAL sign = Order == MatrixOrderAppend ? -1.0f : 1.0f;
    Recorded(lastResult, GdipTranslateMatrix(nativeMatrix, sign * Center.X, sign * Center.Y, Order));
    Recorded(lastResult, GdipRotateMatrix(nativeMatrix, Angle, Order));
    return Recorded(lastResult, GdipTranslateMatrix(nativeMatrix, -sign * Center.X, -sign * Center.Y, Order));
}

Status TGPMatrix::Shear(REAL ShearX, REAL ShearY, MatrixOrder Order)
{
    return Recorded(lastResult, GdipShearMatrix(nativeMatrix, ShearX, ShearY, Order));
}

Status TGPMatrix::Invert()
{
    return Recorded(lastResult, GdipInvertMatrix(nativeMatrix));
}

Status TGPMatrix::TransformPoints(TGPPointF* Pts, int Count)
{
    return Recorded(lastResult, GdipTransformMatrixPoints(nativeMatrix, Pts, Count));
}

Status TGPMatrix::TransformPoints(TGPPoint* Pts, int Count)
{
    return Recorded(lastResult, GdipTransformMatrixPointsI(nativeMatrix, Pts, Count));
}

Status TGPMatrix::TransformVectors(TGPPointF* Pts, int Count)
{
    return Recorded(lastResult, GdipVectorTransformMatrixPoints(nativeMatrix, Pts, Count));
}

Status TGPMatrix::TransformVectors(TGPPoint* Pts, int Count)
{
    return Recorded(lastResult, GdipVectorTransformMatrixPointsI(nativeMatrix, Pts, Count));
}

bool TGPMatrix::IsInvertible()
{
    bool result = false;
    return Recorded(lastResult, GdipIsMatrixInvertible(nativeMatrix, &result)) == Ok && result;
}

bool TGPMatrix::IsIdentity()
{
    bool result = false;
    return Recorded(lastResult, GdipIsMatrixIdentity(nativeMatrix, &result)) == Ok && result;
}

}  // namespace skelda::foundation
