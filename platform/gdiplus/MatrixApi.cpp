// The matrix functions of the flat API. A matrix maps a row vector: x' = m11 x + m21 y + dx,
// y' = m12 x + m22 y + dy, as Qt's transforms do.

#include "platform/gdiplus/ApiSupport.h"
#include "platform/gdiplus/GdiplusFlat.h"

#include <cmath>
#include <type_traits>

namespace plat::gdiplus {

namespace {

Status Apply(GpMatrix* matrix, const QTransform& operation, MatrixOrder order)
{
    if (!matrix || (order != MatrixOrderPrepend && order != MatrixOrderAppend))
        return InvalidParameter;
    Combine(matrix->Transform, operation, order);
    return Ok;
}

// The matrix that takes a rectangle's top-left, top-right and bottom-left corners to three points.
Status NewParallelogramMatrix(const QRectF& rect, const QPointF (&to)[3], GpMatrix** matrix)
{
    if (!matrix || rect.width() == 0 || rect.height() == 0)
        return InvalidParameter;
    const double sx = 1.0 / rect.width();
    const double sy = 1.0 / rect.height();
    const QTransform unit = QTransform::fromTranslate(-rect.x(), -rect.y()) * QTransform::fromScale(sx, sy);
    const QTransform onto(to[1].x() - to[0].x(), to[1].y() - to[0].y(), to[2].x() - to[0].x(), to[2].y() - to[0].y(),
                          to[0].x(), to[0].y());
    auto made = std::make_unique<GpMatrix>();
    made->Transform = unit * onto;
    return HandOut(matrix, std::move(made));
}

template <typename Point>
Status TransformPoints(GpMatrix* matrix, Point* pts, std::int32_t count, bool withTranslation)
{
    if (!matrix || !pts || count <= 0)
        return InvalidParameter;
    QTransform t = matrix->Transform;
    if (!withTranslation)
        t = QTransform(t.m11(), t.m12(), t.m21(), t.m22(), 0, 0);
    for (std::int32_t i = 0; i < count; ++i) {
        const QPointF mapped = t.map(QPointF(pts[i].X, pts[i].Y));
        if constexpr (std::is_same_v<Point, GpPoint>)
            pts[i] = GpPoint{static_cast<std::int32_t>(std::lround(mapped.x())), static_cast<std::int32_t>(std::lround(mapped.y()))};
        else
            pts[i] = GpPointF{static_cast<REAL>(mapped.x()), static_cast<REAL>(mapped.y())};
    }
    return Ok;
}

}  // namespace

Status GdipCreateMatrix(GpMatrix** matrix)
{
    if (!matrix)
        return InvalidParameter;
    return HandOut(matrix, std::make_unique<GpMatrix>());
}

Status GdipCreateMatrix2(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy, GpMatrix** matrix)
{
    if (!matrix)
        return InvalidParameter;
    auto made = std::make_unique<GpMatrix>();
    made->Transform = QTransform(m11, m12, m21, m22, dx, dy);
    return HandOut(matrix, std::move(made));
}

Status GdipCreateMatrix3(const GpRectF* rect, const GpPointF* dstplg, GpMatrix** matrix)
{
    if (!rect || !dstplg)
        return InvalidParameter;
    const QPointF to[3] = {{dstplg[0].X, dstplg[0].Y}, {dstplg[1].X, dstplg[1].Y}, {dstplg[2].X, dstplg[2].Y}};
    return NewParallelogramMatrix(QRectF(rect->X, rect->Y, rect->Width, rect->Height), to, matrix);
}

Status GdipCreateMatrix3I(const GpRect* rect, const GpPoint* dstplg, GpMatrix** matrix)
{
    if (!rect || !dstplg)
        return InvalidParameter;
    const QPointF to[3] = {QPointF(dstplg[0].X, dstplg[0].Y), QPointF(dstplg[1].X, dstplg[1].Y),
                           QPointF(dstplg[2].X, dstplg[2].Y)};
    return NewParallelogramMatrix(QRectF(rect->X, rect->Y, rect->Width, rect->Height), to, matrix);
}

Status GdipCloneMatrix(GpMatrix* matrix, GpMatrix** cloneMatrix)
{
    if (!matrix || !cloneMatrix)
        return InvalidParameter;
    return HandOut(cloneMatrix, std::make_unique<GpMatrix>(*matrix));
}

Status GdipDeleteMatrix(GpMatrix* matrix)
{
    if (!matrix)
        return InvalidParameter;
    delete matrix;
    return Ok;
}

Status GdipGetMatrixElements(const GpMatrix* matrix, REAL* matrixOut)
{
    if (!matrix || !matrixOut)
        return InvalidParameter;
    const QTransform& t = matrix->Transform;
    const qreal elements[6] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
    for (int i = 0; i < 6; ++i)
        matrixOut[i] = static_cast<REAL>(elements[i]);
    return Ok;
}

Status GdipSetMatrixElements(GpMatrix* matrix, REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    if (!matrix)
        return InvalidParameter;
    matrix->Transform = QTransform(m11, m12, m21, m22, dx, dy);
    return Ok;
}

Status GdipMultiplyMatrix(GpMatrix* matrix, GpMatrix* matrix2, MatrixOrder order)
{
    if (!matrix2)
        return InvalidParameter;
    return Apply(matrix, matrix2->Transform, order);
}

Status GdipTranslateMatrix(GpMatrix* matrix, REAL offsetX, REAL offsetY, MatrixOrder order)
{
    return Apply(matrix, QTransform::fromTranslate(offsetX, offsetY), order);
}

Status GdipScaleMatrix(GpMatrix* matrix, REAL scaleX, REAL scaleY, MatrixOrder order)
{
    return Apply(matrix, QTransform::fromScale(scaleX, scaleY), order);
}

Status GdipRotateMatrix(GpMatrix* matrix, REAL angle, MatrixOrder order)
{
    // Positive angles turn clockwise on a surface whose y axis points down.
    return Apply(matrix, QTransform().rotate(angle), order);
}

Status GdipShearMatrix(GpMatrix* matrix, REAL shearX, REAL shearY, MatrixOrder order)
{
    return Apply(matrix, QTransform(1, shearY, shearX, 1, 0, 0), order);
}

Status GdipInvertMatrix(GpMatrix* matrix)
{
    if (!matrix)
        return InvalidParameter;
    bool invertible = false;
    const QTransform inverse = matrix->Transform.inverted(&invertible);
    if (!invertible)
        return InvalidParameter;
    matrix->Transform = inverse;
    return Ok;
}

Status GdipTransformMatrixPoints(GpMatrix* matrix, GpPointF* pts, std::int32_t count)
{
    return TransformPoints(matrix, pts, count, true);
}

Status GdipTransformMatrixPointsI(GpMatrix* matrix, GpPoint* pts, std::int32_t count)
{
    return TransformPoints(matrix, pts, count, true);
}

Status GdipVectorTransformMatrixPoints(GpMatrix* matrix, GpPointF* pts, std::int32_t count)
{
    return TransformPoints(matrix, pts, count, false);
}

Status GdipVectorTransformMatrixPointsI(GpMatrix* matrix, GpPoint* pts, std::int32_t count)
{
    return TransformPoints(matrix, pts, count, false);
}

Status GdipIsMatrixInvertible(const GpMatrix* matrix, bool* result)
{
    if (!matrix || !result)
        return InvalidParameter;
    *result = matrix->Transform.isInvertible();
    return Ok;
}

Status GdipIsMatrixIdentity(const GpMatrix* matrix, bool* result)
{
    if (!matrix || !result)
        return InvalidParameter;
    *result = matrix->Transform.isIdentity();
    return Ok;
}

}  // namespace plat::gdiplus
