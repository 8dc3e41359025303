#include "sound/cues.h"

#include "sound/compositions.h"
#include "sound/finish.h"

namespace zv::sound {

const std::vector<Cue>& cues()
{
    static const std::vector<Cue> all = {
        {"menu_theme", true, menuTheme},
        {"bed_1_5", true, bedEasy},
        {"bed_6_10", true, bedMiddle},
        {"bed_11_15", true, bedHard},
        {"lock", false, lock},
        {"suspense", true, suspense},
        {"right", false, right},
        {"wrong", false, wrong},
        {"milestone", false, milestone},
        {"win", false, win},
        {"withdraw", false, withdraw},
        {"fifty_fifty", false, fiftyFifty},
        {"audience_poll", false, audiencePoll},
        {"phone_ring", false, phoneRing},
        {"phone_clock", false, phoneClock},
        {"advice", false, advice},
    };
    return all;
}

Stereo render(const Cue& cue)
{
    Stereo sound = cue.compose();
    normalise(sound, kLoudnessDb, kCeilingDb);
    return sound;
}

}  // namespace zv::sound
