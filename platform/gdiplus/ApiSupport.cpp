#include "platform/gdiplus/ApiSupport.h"

#include <cmath>

namespace plat::gdiplus {

QString TextOf(const char* text, std::int32_t length)
{
    const QString all = QString::fromUtf8(text);
    if (length < 0)
        return all;
    QList<uint> codePoints = all.toUcs4();
    if (codePoints.size() > length)
        codePoints.resize(length);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()), codePoints.size());
}

bool AllFinite(std::initializer_list<REAL> values)
{
    for (const REAL v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

void Combine(QTransform& transform, const QTransform& operation, MatrixOrder order)
{
    transform = order == MatrixOrderAppend ? transform * operation : operation * transform;
}

}  // namespace plat::gdiplus
