#pragma once

// Pictures the benchmarks draw, made in memory.

#include "foundation/TGDIPPicture.h"
#include "platform/core/TStream.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace skelda::bench {

// A 16 x 16 PNG: a dark circle on transparency.
inline void LoadIcon(foundation::TGDIPPicture& picture)
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0x20, 0x60, 0xC0));
        p.drawEllipse(2, 2, 12, 12);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    icon.save(&buffer, "PNG");
    plat::TMemoryStream stream;
    stream.Write(bytes.constData(), bytes.size());
    stream.SetPosition(0);
    picture.LoadFromStream(stream);
}

}  // namespace skelda::bench
