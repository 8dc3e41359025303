#pragma once
// The loudness of a note over its life: a rise, a fall towards the level it
// keeps while held, and a release to silence once let go. The rise and the
// release are S-shaped, starting and ending flat, so a note starts and ends
// without a click however short they are.

#include <vector>

namespace zv::sound {

struct Envelope {
    double attack = 0.01;  // seconds to full level
    double decay = 0.3;    // seconds: time constant of the fall towards sustain
    double sustain = 1.0;  // level while held, 0 to 1
    double release = 0.2;  // seconds from letting go to silence

    // The level at every frame of a note held for `held` seconds, to the
    // end of its release.
    std::vector<float> levels(double held) const;
};

}  // namespace zv::sound
