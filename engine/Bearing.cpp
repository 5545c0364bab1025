#include "engine/Bearing.h"

#include "engine/ModelMath.h"

#include <cmath>

namespace skelda::engine {

using std::cos;
using std::sin;

long double ComputeBearing(long double ownLatRad, long double ownLonRad, long double targetLatRad,
                           long double targetLonRad)
{
    // Identical points have no direction between them.
    if (SamePlace(ownLatRad, ownLonRad, targetLatRad, targetLonRad)) return 0;
    long double dl = ownLonRad - targetLonRad;
    if (dl >= kPiTrunc) dl -= kTwoPiTrunc;
    if (dl <= -kPiTrunc) dl += kTwoPiTrunc;

    const long double d = ArcCosClamped(sin(ownLatRad) * sin(targetLatRad) +
                                        cos(ownLatRad) * cos(targetLatRad) * cos(dl));
    const long double denominator = cos(ownLatRad) * sin(d);
    // A station exactly on a pole: every way is south (or north), and 0 is as good as any.
    if (denominator == 0) return 0;
    const long double az =
        ArcCosClamped((sin(targetLatRad) - sin(ownLatRad) * cos(d)) / denominator);
    return dl >= 0 ? az : kTwoPiTrunc - az;
}

}  // namespace skelda::engine
