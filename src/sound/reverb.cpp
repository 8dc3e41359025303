#include "sound/reverb.h"

#include <array>
#include <vector>

#include "sound/filter.h"

namespace zv::sound {

namespace {
class Comb {
public:
    Comb(std::size_t length, double feedback) : line_(length, 0.0), feedback_(feedback) {}
    double operator()(double x)
    {
        const double y = line_[pos_];
        // High frequencies die sooner in a real room.
        damped_ = y * 0.7 + damped_ * 0.3;
        line_[pos_] = x + damped_ * feedback_;
        if (++pos_ == line_.size()) pos_ = 0;
        return y;
    }

private:
    std::vector<double> line_;
    double feedback_;
    double damped_ = 0;
    std::size_t pos_ = 0;
};

class AllPass {
public:
    explicit AllPass(std::size_t length) : line_(length, 0.0) {}
    double operator()(double x)
    {
        const double d = line_[pos_];
        const double y = d - 0.5 * x;
        line_[pos_] = x + 0.5 * d;
        if (++pos_ == line_.size()) pos_ = 0;
        return y;
    }

private:
    std::vector<double> line_;
    std::size_t pos_ = 0;
};

struct Side {
    std::vector<Comb> combs;
    std::array<AllPass, 2> diffusers;
    double operator()(double x)
    {
        double sum = 0;
        for (Comb& c : combs) sum += c(x);
        return diffusers[1](diffusers[0](sum / static_cast<double>(combs.size())));
    }
};

Side side(std::size_t spread, double size)
{
    Side s{{}, {AllPass(227 + spread / 2), AllPass(353 + spread / 2)}};
    for (std::size_t length : {1109u, 1187u, 1259u, 1327u, 1399u, 1453u}) s.combs.emplace_back(length + spread, size);
    return s;
}
}  // namespace

void reverb(Stereo& sound, double wet, double size)
{
    Side left = side(0, size), right = side(31, size);
    Biquad send = Biquad::highPass(220);
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        const double x = send(0.5 * (sound.left[i] + sound.right[i]));
        sound.add(i, wet * left(x), wet * right(x));
    }
}

}  // namespace zv::sound
