#pragma once
// A second-order filter (the usual "biquad" with the cookbook designs): the
// low-pass that keeps noise soft, and the shapes the loudness meter weighs
// a sound with.

namespace zv::sound {

class Biquad {
public:
    static Biquad lowPass(double hz, double q = 0.7071);
    static Biquad highPass(double hz, double q = 0.7071);
    static Biquad highShelf(double hz, double gainDb, double q = 0.7071);

    double operator()(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }
    // New coefficients, keeping the state: a cutoff that moves while it runs.
    void retune(const Biquad& shape);

private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace zv::sound
