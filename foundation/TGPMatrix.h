#pragma once

#include "foundation/TGdiplusBase.h"

#include <memory>

namespace skelda::foundation {

// An affine matrix of the flat API (elements m11, m12, m21, m22, dx, dy; points map as row
// vectors). Operations combine before (MatrixOrderPrepend) or after (MatrixOrderAppend).
class TGPMatrix : public TGdiplusBase {
public:
    // The identity.
    TGPMatrix();
    TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
    // Takes the rectangle's top-left, top-right and bottom-left corners to the three points.
    TGPMatrix(const TGPRectF& Rect, const TGPPointF* DstPlg);
    TGPMatrix(const TGPRect& Rect, const TGPPoint* DstPlg);
    // Adopts a native matrix.
    explicit TGPMatrix(GpMatrix* NativeMatrix);
    ~TGPMatrix() override;

    // A copy; nil when the copy failed.
    std::unique_ptr<TGPMatrix> Clone();
    Status GetElements(TMatrixArray& M);
    Status SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
    // dx and dy; 0 when the elements cannot be read.
    REAL OffsetX();
    REAL OffsetY();
    Status Reset();
    Status Multiply(const TGPMatrix& Matrix, MatrixOrder Order = MatrixOrderPrepend);
    Status Translate(REAL OffsetX, REAL OffsetY, MatrixOrder Order = MatrixOrderPrepend);
    Status Scale(REAL ScaleX, REAL ScaleY, MatrixOrder Order = MatrixOrderPrepend);
    Status Rotate(REAL Angle, MatrixOrder Order = MatrixOrderPrepend);
    // A rotation about Center: three calls in the given order; every failure is kept, the last
    // call's status returned.
    Status RotateAt(REAL Angle, const TGPPointF& Center, MatrixOrder Order = MatrixOrderPrepend);
    Status Shear(REAL ShearX, REAL ShearY, MatrixOrder Order = MatrixOrderPrepend);
    Status Invert();
    Status TransformPoints(TGPPointF* Pts, int Count = 1);
    Status TransformPoints(TGPPoint* Pts, int Count = 1);
    Status TransformVectors(TGPPointF* Pts, int Count = 1);
    Status TransformVectors(TGPPoint* Pts, int Count = 1);
    // False when the query fails.
    bool IsInvertible();
    bool IsIdentity();
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpMatrix* Native() const { return nativeMatrix; }

private:
    GpMatrix* nativeMatrix = nullptr;
    Status lastResult = Ok;
};

}  // namespace skelda::foundation
