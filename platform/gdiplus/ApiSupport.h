#pragma once

// Small helpers the flat API's sources share.

#include "platform/gdiplus/GdiplusObjects.h"

#include <QRectF>
#include <QString>

#include <exception>
#include <memory>
#include <new>

namespace plat::gdiplus {

// Hands a new object out through an output handle.
template <typename T, typename Handle>
Status HandOut(Handle** out, std::unique_ptr<T> object)
{
    *out = object.release();
    return Ok;
}

// The brush when it is of that kind, else nullptr.
template <typename B>
B* BrushAs(GpBrush* brush, BrushKind kind)
{
    return brush && brush->Kind == kind ? static_cast<B*>(brush) : nullptr;
}

// Runs work and turns what it raises into a status: the flat API answers, it never throws.
template <typename F>
Status Guarded(F&& work)
{
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return OutOfMemory;
    } catch (const std::exception&) {
        return Win32Error;
    }
}

// The first length characters of UTF-8 text (all of it for a negative length).
QString TextOf(const char* text, std::int32_t length);

inline QRectF ToQRectF(REAL x, REAL y, REAL width, REAL height) { return QRectF(x, y, width, height); }

// Whether a float argument is usable as a coordinate.
bool AllFinite(std::initializer_list<REAL> values);

// A matrix operation applied before (prepend) or after (append) the transform.
void Combine(QTransform& transform, const QTransform& operation, MatrixOrder order);

}  // namespace plat::gdiplus
