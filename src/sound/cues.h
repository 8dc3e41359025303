#pragma once
// The game's sound set: every cue, its file name and whether it loops.
// zarvana_render_sounds writes them as WAV files at build time.

#include <string_view>
#include <vector>

#include "sound/stereo.h"

namespace zv::sound {

struct Cue {
    std::string_view name;  // the file is name + ".wav"
    bool loop;              // plays round and round until stopped
    Stereo (*compose)();
};

// Every cue of the game, in a fixed order.
const std::vector<Cue>& cues();

// The loudness every cue is brought to, and the peak none may pass (dB of
// full scale). The headroom keeps two cues that overlap from clipping.
inline constexpr double kLoudnessDb = -18;
inline constexpr double kCeilingDb = -1.5;

// The cue ready to play: composed, at the set's loudness.
Stereo render(const Cue& cue);

}  // namespace zv::sound
