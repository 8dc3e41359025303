#pragma once
// Filtered noise: the shaker of a beat, the swoosh of a lifeline, the breath
// of a cymbal, a murmur. Always low-passed, so it is never a harsh hiss.

#include "sound/envelope.h"
#include "sound/noise.h"
#include "sound/stereo.h"

namespace zv::sound {

struct Hiss {
    double at;            // seconds from the start of the buffer
    double held;          // seconds
    Envelope envelope;
    double from = 2000;   // low-pass cutoff in Hz at the start ...
    double to = 2000;     // ... and at the end of the held part
    double highPass = 40; // Hz: keeps out rumble and any offset
    double gain = 1;
    double pan = 0;       // -1 left to 1 right
    double width = 0;     // 0 the same noise on both sides, 1 two unrelated ones
};

void play(Stereo& out, Noise& noise, const Hiss& hiss);

}  // namespace zv::sound
