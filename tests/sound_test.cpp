// The game's sound set as the build renders it: every cue's length, peak,
// offset, loudness and, for the loops, the join; the same bytes from every
// render; and the WAV files' layout. The figures are measured here from the
// 16-bit samples of the file, not with the synthesiser's own meters.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "sound/cues.h"
#include "sound/wav.h"

namespace zv::sound {
namespace {

struct Expected {
    const char* name;
    bool loop;
    int frames;          // the whole cue, at 44100 frames a second
    int framesPerBeat;   // loops: 44100 * 60 / tempo
};

const Expected kCues[] = {
    {"menu_theme", true, 846720, 26460},  // 100 bpm, 8 bars
    {"bed_1_5", true, 432000, 27000},     // 98 bpm, 4 bars
    {"bed_6_10", true, 392000, 24500},    // 108 bpm, 4 bars
    {"bed_11_15", true, 352800, 22050},   // 120 bpm, 4 bars
    {"lock", false, 105840, 0},           // 2.4 s
    {"suspense", true, 470400, 29400},    // 90 bpm, 4 bars
    {"right", false, 141120, 0},          // 3.2 s
    {"wrong", false, 132300, 0},          // 3.0 s
    {"milestone", false, 167580, 0},      // 3.8 s
    {"win", false, 264600, 0},            // 6.0 s
    {"withdraw", false, 211680, 0},       // 4.8 s
    {"fifty_fifty", false, 97020, 0},     // 2.2 s
    {"audience_poll", false, 145530, 0},  // 3.3 s
    {"phone_ring", false, 158760, 0},     // 3.6 s
    {"phone_clock", false, 1323000, 0},   // 30 s
    {"advice", false, 194040, 0},         // 4.4 s
};

// The samples of a rendered cue as its WAV file holds them.
struct Samples {
    std::vector<int> left, right;
    std::size_t frames() const { return left.size(); }
};

Samples decode(const std::string& wav)
{
    Samples s;
    for (std::size_t i = 44; i + 3 < wav.size(); i += 4) {
        auto sample = [&](std::size_t at) {
            return static_cast<int>(static_cast<std::int16_t>(static_cast<std::uint8_t>(wav[at]) |
                                                              static_cast<std::uint8_t>(wav[at + 1]) << 8));
        };
        s.left.push_back(sample(i));
        s.right.push_back(sample(i + 2));
    }
    return s;
}

const Cue& cue(const std::string& name)
{
    for (const Cue& c : cues())
        if (c.name == name) return c;
    throw std::runtime_error("no cue " + name);
}

// Each cue is rendered once for all the tests that look at it.
const std::string& file(const std::string& name)
{
    static std::map<std::string, std::string> rendered;
    auto it = rendered.find(name);
    if (it == rendered.end()) it = rendered.emplace(name, wavBytes(render(cue(name)))).first;
    return it->second;
}

// Mean power of the two sides in blocks of 400 ms, 100 ms apart; the
// cue's loudness is the mean of the blocks within 10 dB of the loudest,
// so a fading tail does not pull a short effect down. In dB of full scale.
double loudnessDb(const Samples& s)
{
    const std::size_t block = 17640, hop = 4410;
    std::vector<double> blocks;
    for (std::size_t start = 0; start + block <= s.frames(); start += hop) {
        double sum = 0;
        for (std::size_t i = start; i < start + block; ++i)
            sum += (double(s.left[i]) * s.left[i] + double(s.right[i]) * s.right[i]) / 2;
        blocks.push_back(sum / block / (32768.0 * 32768.0));
    }
    const double loudest = *std::max_element(blocks.begin(), blocks.end());
    double sum = 0;
    int n = 0;
    for (double b : blocks)
        if (b >= loudest / 10) sum += b, ++n;
    return 10 * std::log10(sum / n);
}

class SoundCue : public ::testing::TestWithParam<Expected> {};

TEST(SoundSet, EveryCueOnceWithItsExpectedName)
{
    std::vector<std::string> made, expected;
    for (const Cue& c : cues()) made.emplace_back(c.name);
    for (const Expected& e : kCues) expected.emplace_back(e.name);
    EXPECT_EQ(made, expected);
}

TEST_P(SoundCue, LengthPeakAndOffset)
{
    const Expected& e = GetParam();
    EXPECT_EQ(cue(e.name).loop, e.loop);
    const Samples s = decode(file(e.name));
    EXPECT_EQ(s.frames(), static_cast<std::size_t>(e.frames));
    if (e.loop) {
        EXPECT_EQ(s.frames() % (4 * static_cast<std::size_t>(e.framesPerBeat)), 0u) << "not whole bars";
    }
    int peak = 0;
    for (std::size_t i = 0; i < s.frames(); ++i) peak = std::max({peak, std::abs(s.left[i]), std::abs(s.right[i])});
    EXPECT_LT(peak, 29204);  // 32767 at -1 dB
    EXPECT_GT(peak, 3277);   // and not near silence: above -20 dB
    for (const std::vector<int>* side : {&s.left, &s.right}) {
        double sum = 0;
        for (int x : *side) sum += x;
        EXPECT_LT(std::abs(sum / static_cast<double>(side->size())), 10.0) << "offset";  // 0.03 % of full scale
    }
}

TEST_P(SoundCue, JoinsWithoutAClick)
{
    const Expected& e = GetParam();
    const Samples s = decode(file(e.name));
    const std::size_t n = s.frames();
    for (const std::vector<int>* side : {&s.left, &s.right}) {
        const std::vector<int>& x = *side;
        if (!e.loop) {  // from silence to silence
            EXPECT_LE(std::abs(x.front()), 2);
            EXPECT_LE(std::abs(x.back()), 2);
            continue;
        }
        // Played round, the wave goes on from the last sample to the first
        // as it does anywhere else: the step across the join, and its
        // change from the step before (what the ear hears as a click), are
        // no larger than the music's own within 5 ms of the join.
        auto at = [&](std::ptrdiff_t i) { return x[static_cast<std::size_t>((i + n) % n)]; };
        auto step = [&](std::ptrdiff_t i) { return std::abs(at(i + 1) - at(i)); };
        auto bend = [&](std::ptrdiff_t i) { return std::abs(at(i + 1) - 2 * at(i) + at(i - 1)); };
        int steps = 0, bends = 0;
        for (std::ptrdiff_t i = 2; i < 220; ++i) {
            steps = std::max({steps, step(i), step(-1 - i)});
            bends = std::max({bends, bend(i), bend(-1 - i)});
        }
        EXPECT_LE(step(-1), steps);
        EXPECT_LE(std::max(bend(-1), bend(0)), bends);
    }
}

TEST_P(SoundCue, LoudnessWithinOneAndAHalfDecibelsOfTheSet)
{
    // The synthesiser brings every cue to -18 dB on its weighted meter,
    // which adds the two sides; on this plain one that is about -20 dB.
    // So no two cues are more than 3 dB apart.
    EXPECT_NEAR(loudnessDb(decode(file(GetParam().name))), -20.0, 1.5);
}

TEST_P(SoundCue, SameBytesFromEveryRender)
{
    EXPECT_TRUE(wavBytes(render(cue(GetParam().name))) == file(GetParam().name));
}

std::string cueName(const ::testing::TestParamInfo<Expected>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Cues, SoundCue, ::testing::ValuesIn(kCues), cueName);

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

TEST(Wav, SixteenBitPcmAt44100HzStereoAndMono)
{
    Stereo s(3);
    s.left = {0.0f, 0.5f, -1.0f};
    s.right = {0.25f, 2.0f, -0.5f};  // 2.0 is held at full scale
    const std::string riff = "RIFF", wave = "WAVEfmt ", data = "data";
    EXPECT_EQ(wavBytes(s, 2), riff + bytes({0x30, 0, 0, 0}) + wave +
                                  bytes({16, 0, 0, 0, 1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 0x02, 0, 4, 0, 16, 0}) +
                                  data + bytes({12, 0, 0, 0}) +
                                  bytes({0x00, 0x00, 0x00, 0x20, 0x00, 0x40, 0xFF, 0x7F, 0x01, 0x80, 0x00, 0xC0}));
    // Mono: the mean of the two sides.
    EXPECT_EQ(wavBytes(s, 1), riff + bytes({0x2A, 0, 0, 0}) + wave +
                                  bytes({16, 0, 0, 0, 1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 0x01, 0, 2, 0, 16, 0}) +
                                  data + bytes({6, 0, 0, 0}) + bytes({0x00, 0x10, 0xFF, 0x7F, 0x01, 0xA0}));
}

}  // namespace
}  // namespace zv::sound
