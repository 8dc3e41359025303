#pragma once
// A pitched instrument: one or more layers of a wave table, each with its
// own envelope, and the ways a note's pitch may move (a drum's drop from
// above, a fall at the end of a sad chord, a singer's vibrato).

#include <vector>

#include "sound/envelope.h"
#include "sound/stereo.h"
#include "sound/table.h"

namespace zv::sound {

struct Layer {
    const Table* table;
    double ratio = 1;   // of the note's frequency
    double gain = 1;
    Envelope envelope;
    double detune = 0;  // cents: above 0, two copies, one sharp and one flat, spread apart
};

struct Note {
    double at;          // seconds from the start of the buffer
    double held;        // seconds
    double pitch;       // MIDI note number, 69 is A 440 Hz
    double gain = 1;
    double pan = 0;     // -1 left to 1 right
    double bend = 0;    // semitones the pitch has moved by the end of the note
};

struct Instrument {
    std::vector<Layer> layers;
    double drop = 0;       // semitones above the note at its start, falling away
    double dropTime = 0.05;
    double vibrato = 0;    // cents, growing in after the attack
    void play(Stereo& out, const Note& note) const;
};

double hz(double pitch);

}  // namespace zv::sound
