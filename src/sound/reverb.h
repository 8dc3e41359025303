#pragma once
// A small room around the instruments: damped feedback delays in parallel,
// then two all-pass diffusers, with slightly different lengths on the two
// sides so the room sounds wide. Lows are kept out of it, so the bass stays
// clear.

#include "sound/stereo.h"

namespace zv::sound {

// Adds the room's answer to the sound, `wet` of it; `size` 0 to 0.9 sets
// how long it rings. Render the buffer with room after the last note for
// the tail.
void reverb(Stereo& sound, double wet, double size = 0.82);

}  // namespace zv::sound
