#pragma once

#include "platform/gdiplus/GdiplusTypes.h"

#include <array>

namespace skelda::foundation {

// The GDI+ wrapper speaks the flat API's language: its values, enumerations and constants are
// those of the platform's GDI+ under the same names.
using namespace plat::gdiplus;

using TGPPoint = GpPoint;
using TGPPointF = GpPointF;
using TGPRect = GpRect;
using TGPRectF = GpRectF;
using PGPPoint = TGPPoint*;
using PGPPointF = TGPPointF*;
using Unit_ = Unit;
// m11, m12, m21, m22, dx, dy.
using TMatrixArray = std::array<REAL, 6>;

// What TGPImage::GetFormat answers for the platform's raw formats.
enum TGPImageFormat {
    ifUndefined = 0,
    ifMemoryBMP = 1,
    ifBMP = 2,
    ifEMF = 3,
    ifWMF = 4,
    ifJPEG = 5,
    ifPNG = 6,
    ifGIF = 7,
    ifTIFF = 8,
    ifEXIF = 9,
    ifIcon = 10,
};

// How the controls that draw through the wrapper antialias their text.
enum TAntiAlias { aaNone = 0, aaClearType = 1, aaAntiAlias = 2 };

}  // namespace skelda::foundation
