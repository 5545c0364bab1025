#pragma once

#include "platform/core/Types.h"

namespace plat {

// A rectangle moved by (Dx, Dy).
inline TRect MovedRect(const TRect& R, int Dx, int Dy)
{
    return Rect(R.Left + Dx, R.Top + Dy, R.Right + Dx, R.Bottom + Dy);
}

// A rectangle grown by Dx on the left and right and by Dy on the top and bottom (shrunk for
// negative values).
inline TRect InflatedRect(const TRect& R, int Dx, int Dy)
{
    return Rect(R.Left - Dx, R.Top - Dy, R.Right + Dx, R.Bottom + Dy);
}

}  // namespace plat
