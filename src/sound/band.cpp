#include "sound/band.h"

#include <cassert>

#include "sound/finish.h"
#include "sound/instrument.h"
#include "sound/notes.h"
#include "sound/reverb.h"

namespace zv::sound {

namespace {
// The tones. Harmonics fall away quickly in all of them: warm, never buzzy.
const Table kSine{1};
const Table kWarm{1, 0.55, 0.4, 0.3, 0.22, 0.16, 0.12, 0.08, 0.06, 0.04};
const Table kHorn{1, 0.75, 0.55, 0.4, 0.3, 0.22, 0.15, 0.1, 0.07, 0.05};
const Table kFlute{1, 0.35, 0.12, 0.05};
const Table kRound{1, 0.3, 0.1, 0.05};

// Each layer: {tone, ratio to the note, gain, {attack, decay, sustain,
// release}, detune in cents}. The attacks are a few milliseconds at the
// least: struck, never clicked.
const Instrument kPad{{{&kWarm, 1, 0.5, {0.4, 1.5, 0.75, 0.9}, 7},  // two copies, a little apart: width
                       {&kSine, 0.5, 0.2, {0.4, 1.5, 0.8, 0.9}}}};   // an octave under: body
const Instrument kMallet{{{&kRound, 1, 1, {0.004, 0.3, 0, 0.2}},
                          {&kSine, 3, 0.2, {0.003, 0.06, 0, 0.05}}}};  // the brief ring of the strike
// Partials out of tune with the note, as a struck bell's are.
const Instrument kBell{{{&kSine, 1, 1, {0.004, 0.9, 0, 0.6}},
                        {&kSine, 2.76, 0.25, {0.003, 0.3, 0, 0.2}},
                        {&kSine, 5.4, 0.06, {0.003, 0.1, 0, 0.1}}}};
const Instrument kBass{{{&kRound, 1, 1, {0.01, 0.3, 0.55, 0.08}}}};
const Instrument kBrass{.layers = {{&kHorn, 1, 1, {0.05, 0.5, 0.7, 0.3}, 5}}, .vibrato = 8};
const Instrument kLead{.layers = {{&kFlute, 1, 1, {0.06, 0.6, 0.8, 0.25}, 3}}, .vibrato = 14};
// A deep drum: a sine falling two octaves onto its note in a few ms.
const Instrument kKick{.layers = {{&kSine, 1, 1, {0.003, 0.16, 0, 0.06}}}, .drop = 24, .dropTime = 0.025};
}  // namespace

Band::Band(int bpm, double beats, double tail)
    : framesPerBeat_(static_cast<std::size_t>(kRate * 60 / bpm)),
      out_(frames(beats) + static_cast<std::size_t>(tail * kRate)),
      noise_(0x5EED5EED)
{
    assert(kRate * 60 % bpm == 0);
}

void Band::pad(double beat, double beats, const Chord& chord, double gain)
{
    for (std::size_t i = 0; i < chord.size(); ++i) {
        const double pan = chord.size() > 1 ? -0.4 + 0.8 * i / (chord.size() - 1) : 0;
        kPad.play(out_, {.at = seconds(beat), .held = seconds(beats), .pitch = double(chord[i]), .gain = 0.3 * gain, .pan = pan});
    }
}

void Band::mallet(double beat, double pitch, double gain, double pan)
{
    kMallet.play(out_, {.at = seconds(beat), .held = 0.05, .pitch = pitch, .gain = 0.4 * gain, .pan = pan});
}

void Band::bell(double beat, double pitch, double gain, double pan)
{
    kBell.play(out_, {.at = seconds(beat), .held = 0.05, .pitch = pitch, .gain = 0.25 * gain, .pan = pan});
}

void Band::bass(double beat, double beats, double pitch, double gain)
{
    kBass.play(out_, {.at = seconds(beat), .held = seconds(beats) * 0.9, .pitch = pitch, .gain = 0.4 * gain});
}

void Band::brass(double beat, double beats, const Chord& chord, double gain, double bend)
{
    for (std::size_t i = 0; i < chord.size(); ++i) {
        const double pan = chord.size() > 1 ? -0.3 + 0.6 * i / (chord.size() - 1) : 0;
        kBrass.play(out_, {.at = seconds(beat), .held = seconds(beats), .pitch = double(chord[i]), .gain = 0.25 * gain,
                           .pan = pan, .bend = bend});
    }
}

void Band::lead(double beat, double beats, double pitch, double gain)
{
    kLead.play(out_, {.at = seconds(beat), .held = seconds(beats) * 0.95, .pitch = pitch, .gain = 0.3 * gain, .pan = 0.1});
}

void Band::kick(double beat, double gain)
{
    kKick.play(out_, {.at = seconds(beat), .held = 0.02, .pitch = notes::A1, .gain = 0.6 * gain});
}

void Band::shaker(double beat, double gain, double pan)
{
    play(out_, noise_,
         {.at = seconds(beat), .held = 0.01, .envelope = {0.004, 0.03, 0, 0.05}, .from = 4500, .to = 4500,
          .highPass = 1200, .gain = 0.25 * gain, .pan = pan});
}

void Band::swell(double beat, double beats, double gain)
{
    play(out_, noise_,
         {.at = seconds(beat), .held = seconds(beats), .envelope = {seconds(beats), 1, 1, 0.5}, .from = 500,
          .to = 3000, .highPass = 200, .gain = 0.5 * gain, .width = 1});
}

void Band::hiss(Hiss h)
{
    h.at = seconds(h.at);
    h.held = seconds(h.held);
    play(out_, noise_, h);
}

Stereo Band::loop(double beats, double roomWet)
{
    reverb(out_, roomWet);
    removeOffset(out_);
    return fold(out_, frames(beats));
}

Stereo Band::shot(double length, double roomWet)
{
    reverb(out_, roomWet);
    removeOffset(out_);
    Stereo s = out_;
    s.left.resize(static_cast<std::size_t>(length * kRate));
    s.right.resize(s.left.size());
    fadeOut(s, 0.3);
    return s;
}

}  // namespace zv::sound
