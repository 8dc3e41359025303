#pragma once
// The last steps of every cue: a loop's tail folded back onto its head, a
// one-shot's fade to silence, and the loudness all cues are brought to.

#include <cstddef>

#include "sound/stereo.h"

namespace zv::sound {

// Takes out any offset from zero with a high-pass far under the lowest
// note. Linear and short-lived, so it may run before a loop is folded.
void removeOffset(Stereo& sound);

// The sound as it repeats every `frames` frames: what rings on past the end
// (release tails, the room) is added onto the start, as it would sound the
// second time round, so the join is as smooth as any other moment.
Stereo fold(const Stereo& rendered, std::size_t frames);

// Brings the last `seconds` smoothly down to silence.
void fadeOut(Stereo& sound, double seconds);

// The largest sample, as a fraction of full scale.
double peak(const Stereo& sound);

// Loudness in dB relative to full scale: the signal weighed as the ear hears
// it (less of the deep bass, a little more of the presence range), measured
// in 400 ms blocks; silent blocks and blocks far quieter than the rest
// (a fading tail) do not count.
double loudness(const Stereo& sound);

// Scales the sound to `targetDb` of loudness, or less if its peak would pass
// `ceilingDb`.
void normalise(Stereo& sound, double targetDb, double ceilingDb);

}  // namespace zv::sound
