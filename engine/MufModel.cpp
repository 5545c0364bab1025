#include "engine/MufModel.h"

#include "engine/ModelMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace skelda::engine {

using std::cos;
using std::exp;
using std::fabs;
using std::sin;
using std::sqrt;

Season SeasonOf(long double month, long double dayOfMonth)
{
    const long double uRad = ((month - 1) * 30.4L + 10 + dayOfMonth) * 0.0172L;
    return {uRad, 0.409L * cos(uRad)};
}

long double HemisphereFactor(long double ownLatRad, long double targetLatRad)
{
    return 1 + 0.1L * (1 - Sign(ownLatRad) * Sign(targetLatRad));
}

long double HighLatitudeFactor(long double controlLatRad)
{
    return 1 - 0.1L * (Sign(fabs(sin(controlLatRad)) - cos(controlLatRad)) + 1);
}

namespace {

constexpr long double kPoleMarginRad = 1e-7L;

DayLight DayLightAt(long double latC, long double localNoonHour, const Season& season)
{
    const long double w = season.WRad;
    const long double q = (sin(w) * sin(latC) - 0.26L) / (cos(w) * cos(latC) + 0.001L);
    // At |q| = 1 the quotient is infinite and the arc tangent +-pi/2: 24 hours at q = -1.
    const long double dayLength = 12 - 7.639437L * std::atan(q / sqrt(fabs(1 - q * q)));
    long double sunrise = localNoonHour - dayLength / 2;
    if (sunrise < 0) sunrise += 24;
    long double sunset = localNoonHour + dayLength / 2;
    if (sunset >= 24) sunset -= 24;
    return {dayLength, sunrise, sunset};
}

}  // namespace

IonisationCurve::IonisationCurve(long double controlLatRad, const Season& season,
                                 const DayLight& light)
    : D_(light.DayLengthHours),
      R_(light.SunriseHour),
      S_(light.SunsetHour),
      C_(fabs(cos(controlLatRad + season.WRad))),
      M_(std::max(9.7L * std::pow(C_, 9.6L), 0.1L)),
      X_(kPiTrunc * M_ / D_),
      nightScale_(C_ * X_ * (1 + exp(-D_ / M_))),
      denominator_(X_ * X_ + 1),
      nightFloor_(nightScale_ * exp((D_ - 24) / 2) / denominator_)
{
}

long double IonisationCurve::At(long double hourUtc) const
{
    const long double ho = hourUtc;
    // With R <= S an hour equal to sunrise or sunset counts as night.
    const bool night =
        (R_ > S_ && (ho - S_) * (R_ - ho) > 0) || (R_ <= S_ && (ho - R_) * (S_ - ho) <= 0);
    if (night) {
        const long double h = ho <= S_ ? ho + 24 : ho;
        return nightScale_ * exp((S_ - h) / 2) / denominator_;
    }
    const long double h = ho <= R_ ? ho + 24 : ho;
    const long double Y = kPiTrunc * (h - R_) / D_;
    const long double G = C_ * (sin(Y) + X_ * (exp((R_ - h) / M_) - cos(Y))) / denominator_;
    return nightFloor_ > G ? nightFloor_ : G;
}

struct MufDay::PathTerms {
    long double tla, tlo, rla, rlo;  // own and target position
    long double d;                   // path arc
    long double cosAz;               // bearing term at the target
    Season season;
};

MufDay::ControlPoint MufDay::PrepareControlPoint(const PathTerms& p, long double fraction)
{
    ControlPoint prepared;
    MufControlPoint& point = prepared.Fixed;
    point.FractionFromTarget = fraction;
    const long double b = p.d * fraction;

    const long double sl = ClampUnit(sin(p.rla) * cos(b) + cos(p.rla) * sin(b) * p.cosAz);
    const long double latC = kHalfPiTrunc - std::acos(sl);
    point.LatRad = latC;

    // A control point on a pole has no longitude of its own: any will do, and the target's is
    // taken. Close to the pole the quotient below is 0/0 or x/0 and its arc cosine, and with it
    // the local noon, would be rounding noise.
    const long double lonDenominator = sqrt(1 - sl * sl) * cos(p.rla);
    const bool onPole = kHalfPiTrunc - fabs(latC) <= kPoleMarginRad;
    const long double cl = !onPole && lonDenominator != 0
                               ? ClampUnit((cos(b) - sl * sin(p.rla)) / lonDenominator)
                               : 1.0L;
    long double lonC = std::acos(cl) * Sign(sin(p.tlo - p.rlo)) + p.rlo;
    if (lonC < 0) lonC += kTwoPiTrunc;
    if (lonC >= kTwoPiTrunc) lonC -= kTwoPiTrunc;
    point.LonRad = lonC;

    const long double u = p.season.URad;
    long double localNoonHour = 0.13L * (sin(u) + 1.2L * sin(2 * u)) + 3.82L * lonC + 12;
    if (localNoonHour >= 24) localNoonHour -= 24;

    // In polar night (the sun below the twilight limit all day) day length and ionisation stay 0.
    if (cos(latC + p.season.WRad) > -0.26L) {
        const DayLight light = DayLightAt(latC, localNoonHour, p.season);
        point.DayLengthHours = light.DayLengthHours;
        prepared.Ionisation.emplace(latC, p.season, light);
    }
    prepared.DayLengthFactor = 1 - 0.1L * exp((point.DayLengthHours - 24) / 3);
    prepared.HighLatitudeFactor = HighLatitudeFactor(latC);
    return prepared;
}

MufDay::MufDay(long double month, long double dayOfMonth, long double ownLatRad,
               long double ownLonRad, long double targetLatRad, long double targetLonRad,
               long double sunSpotNumber)
    : sunSpotFactor_(1 + sunSpotNumber / 250),
      hemisphereFactor_(HemisphereFactor(ownLatRad, targetLatRad))
{
    PathTerms p{.tla = ownLatRad,
                .tlo = ownLonRad,
                .rla = targetLatRad,
                .rlo = targetLonRad,
                .d = 0,
                .cosAz = 0,
                .season = SeasonOf(month, dayOfMonth)};
    if (SamePlace(ownLatRad, ownLonRad, targetLatRad, targetLonRad)) return;
    p.d = ArcCosClamped(sin(p.tla) * sin(p.rla) + cos(p.tla) * cos(p.rla) * cos(p.rlo - p.tlo));
    pathRad_ = p.d;
    if (!(p.d > 0)) return;
    hasPath_ = true;

    long double k = 1.59L * p.d;
    if (k < 1) k = 1;
    p.cosAz = (sin(p.tla) - sin(p.rla) * cos(p.d)) / (cos(p.rla) * sin(p.d));

    long double y = p.d * 2.5L / k;
    if (y > kHalfPiTrunc) y = kHalfPiTrunc;
    const long double s = sin(y);
    distanceFactor_ = 1 + 2.5L * s * sqrt(s);

    // Mathematically the loop visits one point (k = 1) or two. Near k = 1/0.9999 its step
    // |0.9999 - 1/k| shrinks towards 0 and would pile up points (or never end), so it stops at two.
    const long double step = fabs(0.9999L - 1 / k);
    const long double lastFraction = 1 - 1 / (2 * k);
    long double fraction = 1 / (2 * k);
    while (controlPointCount_ < 2 && fraction <= lastFraction) {
        controlPoints_[static_cast<std::size_t>(controlPointCount_++)] =
            PrepareControlPoint(p, fraction);
        fraction = fraction + step;
    }
}

long double MufDay::MufMHz(const ControlPoint& point, long double ionisation) const
{
    long double F = sqrt(6 + 58 * sqrt(ionisation)) * sunSpotFactor_ * distanceFactor_;
    F = F * point.DayLengthFactor;
    F = F * hemisphereFactor_;
    F = F * point.HighLatitudeFactor;
    return F;
}

MufEvaluation MufDay::At(long double hourUtc) const
{
    MufEvaluation result;
    result.PathRad = pathRad_;
    if (!hasPath_) {
        result.MufMHz = std::numeric_limits<long double>::quiet_NaN();
        return result;
    }
    long double muf = 100;
    for (int i = 0; i < controlPointCount_; ++i) {
        const ControlPoint& prepared = controlPoints_[static_cast<std::size_t>(i)];
        MufControlPoint point = prepared.Fixed;
        if (prepared.Ionisation) point.Ionisation = prepared.Ionisation->At(hourUtc);
        point.MufMHz = MufMHz(prepared, point.Ionisation);
        result.ControlPoints[static_cast<std::size_t>(i)] = point;
        if (muf > point.MufMHz) muf = point.MufMHz;
    }
    result.ControlPointCount = controlPointCount_;
    result.MufMHz = muf;
    return result;
}

MufEvaluation EvaluateMiniMuf(long double month, long double dayOfMonth, long double hourUtc,
                              long double ownLatRad, long double ownLonRad,
                              long double targetLatRad, long double targetLonRad,
                              long double sunSpotNumber)
{
    return MufDay(month, dayOfMonth, ownLatRad, ownLonRad, targetLatRad, targetLonRad,
                  sunSpotNumber)
        .At(hourUtc);
}

long double MiniMuf(long double month, long double dayOfMonth, long double hourUtc,
                    long double ownLatRad, long double ownLonRad, long double targetLatRad,
                    long double targetLonRad, long double sunSpotNumber)
{
    return EvaluateMiniMuf(month, dayOfMonth, hourUtc, ownLatRad, ownLonRad, targetLatRad,
                           targetLonRad, sunSpotNumber)
        .MufMHz;
}

}  // namespace skelda::engine
