// The music loops: the main menu's theme, the bed under the questions in
// three rising bands, and the suspense under a reveal. Each is a whole
// number of bars of 4/4 and leads back into its own first bar.

#include <initializer_list>

#include "sound/band.h"
#include "sound/compositions.h"
#include "sound/notes.h"

namespace zv::sound {

using namespace notes;

namespace {
struct Step {
    double beats;
    int pitch;
};

// A tune on the lead voice, each note held for its beats, one after another.
void tune(Band& band, double beat, std::initializer_list<Step> steps, double gain = 1)
{
    for (const Step& s : steps) {
        band.lead(beat, s.beats, s.pitch, gain);
        beat += s.beats;
    }
}

// The chord's notes an octave up, in the order `pattern` names them, one
// every `step` beats across `beats`; index 3 is the top note an octave up.
void arpeggio(Band& band, double beat, double beats, const Chord& chord, std::initializer_list<int> pattern,
              double step, double gain)
{
    const Chord up = {chord[0] + 12, chord[1] + 12, chord[2] + 12, chord[0] + 24};
    int k = 0;
    for (double b = 0; b < beats - 1e-9; b += step, ++k) {
        const int i = *(pattern.begin() + k % pattern.size());
        band.mallet(beat + b, up[static_cast<std::size_t>(i)], gain, k % 2 ? 0.3 : -0.3);
    }
}
}  // namespace

Stereo menuTheme()
{
    // D minor, eight bars: Dm Bb F C | Dm Bb Gm A, the A leading home.
    Band band(100, 32, 4);
    const Chord chords[8] = {{A3, D4, F4}, {Bb3, D4, F4}, {A3, C4, F4}, {G3, C4, E4},
                             {A3, D4, F4}, {Bb3, D4, F4}, {Bb3, D4, G4}, {A3, Cs4, E4}};
    const int roots[8] = {D2, Bb1, F2, C2, D2, Bb1, G1, A1};
    for (int bar = 0; bar < 8; ++bar) {
        const double b = bar * 4.0;
        band.pad(b, 4, chords[bar], 0.8);
        arpeggio(band, b, 4, chords[bar], {0, 1, 2, 1, 3, 2, 1, 2}, 0.5, 0.45);
        band.bass(b, 1.5, roots[bar]);
        band.bass(b + 1.5, 0.5, roots[bar]);
        band.bass(b + 2, 2, roots[bar] + 12, 0.8);
        band.kick(b, 0.8);
        band.kick(b + 2, 0.6);
        for (double off = 0.5; off < 4; off += 1) band.shaker(b + off, 0.6, off < 2 ? -0.3 : 0.3);
    }
    tune(band, 0, {{1.5, D5}, {0.5, A4}, {1, D5}, {1, E5}, {3, F5}, {0.5, E5}, {0.5, D5},
                   {1.5, C5}, {0.5, A4}, {1, C5}, {1, F5}, {4, E5},
                   {1.5, D5}, {0.5, A4}, {1, D5}, {1, E5}, {1.5, F5}, {0.5, G5}, {1, F5}, {1, D5},
                   {1, Bb4}, {1, D5}, {2, G5}, {2, E5}, {2, Cs5}});
    band.swell(30, 2, 0.5);
    return band.loop(32, 0.25);
}

Stereo bedEasy()
{
    // Calm: D minor at a walking pace, a soft pulse of eighths.
    Band band(98, 16, 4);
    const Chord chords[4] = {{A3, D4, F4}, {Bb3, D4, F4}, {Bb3, D4, G4}, {A3, D4, E4}};
    const int roots[4] = {D2, Bb1, G1, A1};
    for (int bar = 0; bar < 4; ++bar) {
        const double b = bar * 4.0;
        const double held = bar == 3 ? 2 : 4;  // the last bar's chord resolves halfway
        band.pad(b, held, chords[bar], 0.9);
        arpeggio(band, b, held, chords[bar], {0, 2, 1, 2}, 1, 0.35);
        for (int e = 0; e < 8; ++e) band.bass(b + e * 0.5, 0.3, roots[bar], e % 2 ? 0.45 : 0.6);
        band.kick(b, 0.5);
        band.shaker(b + 1.5, 0.35, -0.3);
        band.shaker(b + 3.5, 0.35, 0.3);
    }
    const Chord home = {A3, Cs4, E4};  // the suspended chord resolves, pointing back to D minor
    band.pad(14, 2, home, 0.9);
    arpeggio(band, 14, 2, home, {0, 2}, 1, 0.35);
    return band.loop(16, 0.25);
}

Stereo bedMiddle()
{
    // A tone higher and faster: E minor, sixteenths over an octave bass.
    Band band(108, 16, 4);
    const Chord chords[4] = {{B3, E4, G4}, {C4, E4, G4}, {A3, C4, E4}, {B3, Eb4, Fs4}};
    const int roots[4] = {E2, C2, A1, B1};
    for (int bar = 0; bar < 4; ++bar) {
        const double b = bar * 4.0;
        band.pad(b, 4, chords[bar], 0.8);
        for (int e = 0; e < 8; ++e) band.bass(b + e * 0.5, 0.35, roots[bar] + (e % 2 ? 12 : 0), 0.55);
        arpeggio(band, b, 4, chords[bar], {0, 1, 2, 3}, 0.25, 0.3);
        band.kick(b, 0.7);
        band.kick(b + 2, 0.6);
        band.kick(b + 2.75, 0.35);
        for (int s = 0; s < 16; ++s) band.shaker(b + s * 0.25, s % 2 ? 0.45 : 0.2, s % 4 < 2 ? -0.3 : 0.3);
    }
    band.swell(14, 2, 0.4);
    return band.loop(16, 0.22);
}

Stereo bedHard()
{
    // Higher again and driving: F sharp minor, a drum on every beat, a
    // horn line held above the last questions.
    Band band(120, 16, 4);
    const Chord chords[4] = {{A3, Cs4, Fs4}, {A3, D4, Fs4}, {B3, D4, Fs4}, {Ab3, Cs4, F4}};
    const int roots[4] = {Fs2, D2, B1, Cs2};
    for (int bar = 0; bar < 4; ++bar) {
        const double b = bar * 4.0;
        band.pad(b, 4, chords[bar], 0.7);
        for (int s = 0; s < 16; ++s) band.bass(b + s * 0.25, 0.18, roots[bar], s % 4 ? 0.4 : 0.6);
        arpeggio(band, b, 4, chords[bar], {0, 2, 1, 3}, 0.25, 0.3);
        for (int beat = 0; beat < 4; ++beat) band.kick(b + beat, beat % 2 ? 0.55 : 0.75);
        for (int s = 0; s < 16; ++s) band.shaker(b + s * 0.25, s % 2 ? 0.5 : 0.25, s % 4 < 2 ? -0.3 : 0.3);
    }
    tune(band, 0, {{4, Cs5}, {4, D5}, {4, D5}, {4, Cs5}}, 0.45);
    band.swell(13, 3, 0.6);
    return band.loop(16, 0.2);
}

Stereo suspense()
{
    // A held chord over a low D, a slow heartbeat and a bell that climbs:
    // what the player feels while the answer is weighed.
    Band band(90, 16, 4);
    band.pad(0, 8, {D3, A3, E4, F4}, 0.9);
    band.pad(8, 4, {D3, Bb3, D4, F4}, 0.9);
    band.pad(12, 4, {D3, A3, Cs4, E4}, 0.9);
    for (int beat = 0; beat < 16; ++beat) {
        band.kick(beat, 0.7);
        band.kick(beat + 0.3, 0.4);
        band.bass(beat, 0.5, D2, 0.35);
    }
    const int climb[4] = {A4, Bb4, A4, Cs5};
    for (int bar = 0; bar < 4; ++bar) {
        band.bell(bar * 4.0, climb[bar], 0.5, -0.2);
        band.bell(bar * 4.0 + 2.5, climb[bar] - 12, 0.3, 0.2);
    }
    band.swell(14, 2, 0.35);
    return band.loop(16, 0.3);
}

}  // namespace zv::sound
