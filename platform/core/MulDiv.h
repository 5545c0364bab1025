#pragma once

namespace plat {

// Number * Numerator / Denominator as the platform computes it: the product in 64 bits, the
// quotient rounded half away from zero (so MulDiv(-3, 1, 2) is -2, the mirror of MulDiv(3, 1, 2)).
// A zero denominator or a result outside int gives -1, as the platform's does.
int MulDiv(int Number, int Numerator, int Denominator);

}  // namespace plat
