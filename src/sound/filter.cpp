#include "sound/filter.h"

#include <cmath>
#include <numbers>

#include "sound/stereo.h"

namespace zv::sound {

namespace {
struct Angle {
    double cosw, alpha;
    Angle(double hz, double q)
    {
        const double w = 2 * std::numbers::pi * hz / kRate;
        cosw = std::cos(w);
        alpha = std::sin(w) / (2 * q);
    }
};
}  // namespace

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0)
{
}

Biquad Biquad::lowPass(double hz, double q)
{
    const Angle a(hz, q);
    return {(1 - a.cosw) / 2, 1 - a.cosw, (1 - a.cosw) / 2, 1 + a.alpha, -2 * a.cosw, 1 - a.alpha};
}

Biquad Biquad::highPass(double hz, double q)
{
    const Angle a(hz, q);
    return {(1 + a.cosw) / 2, -(1 + a.cosw), (1 + a.cosw) / 2, 1 + a.alpha, -2 * a.cosw, 1 - a.alpha};
}

Biquad Biquad::highShelf(double hz, double gainDb, double q)
{
    const Angle w(hz, q);
    const double A = std::pow(10.0, gainDb / 40);
    const double s = 2 * std::sqrt(A) * w.alpha;
    return {A * ((A + 1) + (A - 1) * w.cosw + s),  -2 * A * ((A - 1) + (A + 1) * w.cosw),
            A * ((A + 1) + (A - 1) * w.cosw - s),  (A + 1) - (A - 1) * w.cosw + s,
            2 * ((A - 1) - (A + 1) * w.cosw),      (A + 1) - (A - 1) * w.cosw - s};
}

void Biquad::retune(const Biquad& shape)
{
    b0_ = shape.b0_;
    b1_ = shape.b1_;
    b2_ = shape.b2_;
    a1_ = shape.a1_;
    a2_ = shape.a2_;
}

}  // namespace zv::sound
