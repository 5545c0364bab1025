#pragma once

#include <QImage>

// Pixel work shared by the picture classes.
namespace plat::PixelOps {

// The image with every pixel opaque and its colour bytes untouched, the way GDI ignored the
// fourth byte of 32-bit pixels (Qt would otherwise blend or premultiply by it).
QImage Opaque(const QImage& image);

// An ARGB32 copy in which the pixels of colour key (alpha ignored) are fully transparent.
QImage KeyedOut(const QImage& image, QRgb key);

}  // namespace plat::PixelOps
