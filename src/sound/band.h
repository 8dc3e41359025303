#pragma once
// The instruments of the game's sound set and a score to play them on,
// counted in beats of one tempo. Every cue is written with the same band,
// so they sound like one set.

#include <cstddef>
#include <vector>

#include "sound/hiss.h"
#include "sound/noise.h"
#include "sound/stereo.h"

namespace zv::sound {

using Chord = std::vector<int>;  // MIDI note numbers

class Band {
public:
    // Room for `beats` beats at `bpm` and `tail` seconds after them for the
    // last notes and the room to ring out. The tempo must give a whole
    // number of frames a beat, so that loops come out exact.
    Band(int bpm, double beats, double tail);

    double seconds(double beat) const { return beat * static_cast<double>(framesPerBeat_) / kRate; }
    std::size_t frames(double beats) const { return static_cast<std::size_t>(beats * framesPerBeat_); }

    // Sustained chord, soft attack: the harmony under everything.
    void pad(double beat, double beats, const Chord& chord, double gain = 1);
    // Short struck note with a bright start: arpeggios and figures.
    void mallet(double beat, double pitch, double gain = 1, double pan = 0);
    // Bell with its partials out of tune with each other: sparkle.
    void bell(double beat, double pitch, double gain = 1, double pan = 0);
    void bass(double beat, double beats, double pitch, double gain = 1);
    // A chord of soft horns; `bend` lets it fall (semitones) as it is held.
    void brass(double beat, double beats, const Chord& chord, double gain = 1, double bend = 0);
    // The singing voice of a tune.
    void lead(double beat, double beats, double pitch, double gain = 1);
    void kick(double beat, double gain = 1);
    void shaker(double beat, double gain = 1, double pan = 0);
    // A cymbal-like breath rising into `beat + beats`.
    void swell(double beat, double beats, double gain = 1);
    void hiss(Hiss h);  // h.at and h.held in beats

    // The finished sound as a loop of `beats`, the room and every tail
    // folded onto its head; or as a one-shot of `seconds`, faded at the end.
    Stereo loop(double beats, double roomWet);
    Stereo shot(double seconds, double roomWet);

private:
    std::size_t framesPerBeat_;
    Stereo out_;
    Noise noise_;
};

}  // namespace zv::sound
