#pragma once
// The scores of the cues, each a function that plays it on the band.

#include "sound/stereo.h"

namespace zv::sound {

// Music (cues_music.cpp): loops.
Stereo menuTheme();
Stereo bedEasy();
Stereo bedMiddle();
Stereo bedHard();
Stereo suspense();

// The moments of a question (cues_moments.cpp).
Stereo lock();
Stereo right();
Stereo wrong();
Stereo milestone();
Stereo win();
Stereo withdraw();

// Lifelines and the host (cues_lifelines.cpp).
Stereo fiftyFifty();
Stereo audiencePoll();
Stereo phoneRing();
Stereo phoneClock();
Stereo advice();

}  // namespace zv::sound
