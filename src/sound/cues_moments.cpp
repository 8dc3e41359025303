// The moments of a question: the answer locked, right or wrong, the
// guarantee points, the top prize and walking away. One-shots, each ending
// in silence.

#include "sound/band.h"
#include "sound/compositions.h"
#include "sound/notes.h"

namespace zv::sound {

using namespace notes;

Stereo lock()
{
    // One firm low hit in D minor: the answer is final.
    Band band(120, 2, 3);
    band.kick(0, 1.2);
    band.bass(0, 1.5, D2);
    band.brass(0, 0.5, {D3, A3, D4, F4}, 1.1);
    band.pad(0, 1, {D3, A3, F4}, 0.6);
    band.bell(0, D5, 0.5, 0.2);
    band.bell(0, A4, 0.35, -0.2);
    band.hiss({.at = 0, .held = 0.05, .envelope = {0.002, 0.12, 0, 0.25}, .from = 1500, .to = 500, .highPass = 60,
               .gain = 0.6, .width = 1});
    return band.shot(2.4, 0.3);
}

Stereo right()
{
    // A quick climb up D major landing on a full, bright chord.
    Band band(120, 4, 3);
    const int up[4] = {D4, Fs4, A4, D5};
    for (int i = 0; i < 4; ++i) band.mallet(i * 0.25, up[i], 0.8, -0.3 + 0.2 * i);
    band.brass(1, 2, {D4, Fs4, A4}, 0.8);
    band.pad(1, 3, {D3, A3, Fs4, D5}, 0.7);
    band.bass(1, 2, D2);
    band.kick(1, 0.8);
    band.bell(1, A5, 0.4, 0.3);
    band.bell(1.5, Fs5, 0.3, -0.3);
    return band.shot(3.2, 0.3);
}

Stereo wrong()
{
    // Two falling notes, then a low minor chord that sinks as it fades.
    Band band(120, 4, 3);
    band.mallet(0, A4, 0.8, -0.2);
    band.mallet(0.5, F4, 0.8, 0.2);
    band.brass(1, 2, {D3, A3, D4, F4}, 0.9, -2);
    band.pad(1, 2.5, {D3, F3, A3}, 0.6);
    band.bass(1, 2, D2, 0.9);
    band.kick(1, 0.7);
    return band.shot(3.0, 0.3);
}

Stereo milestone()
{
    // A guarantee point: three quick horn stabs, a step up, and D major held.
    Band band(126, 5, 3);
    for (int i = 0; i < 3; ++i) band.brass(i / 3.0, 0.2, {Bb3, D4, F4}, 0.8);
    band.brass(1, 0.7, {C4, E4, G4}, 0.9);
    band.brass(2, 3, {D4, Fs4, A4, D5}, 1);
    band.bass(0, 1, Bb1);
    band.bass(1, 1, C2);
    band.bass(2, 3, D2);
    band.kick(0, 0.8);
    band.kick(1, 0.8);
    band.kick(2, 1);
    band.pad(2, 3, {D3, A3, Fs4}, 0.7);
    band.swell(0.5, 1.5, 0.5);
    const int sparkle[4] = {A4, D5, Fs5, A5};
    for (int i = 0; i < 4; ++i) band.bell(2 + i * 0.25, sparkle[i], 0.5, -0.3 + 0.2 * i);
    return band.shot(3.8, 0.3);
}

Stereo win()
{
    // The top prize: G, A, Bm, A over C sharp, then D major held long, a
    // horn tune climbing to the top of the chord over a drum roll.
    Band band(126, 10, 3);
    band.brass(0, 1, {G3, B3, D4}, 0.8);
    band.brass(1, 1, {A3, Cs4, E4}, 0.8);
    band.brass(2, 0.5, {B3, D4, Fs4}, 0.8);
    band.brass(2.5, 0.5, {A3, Cs4, E4}, 0.8);
    band.brass(3, 7, {D4, Fs4, A4}, 1);
    const int roots[5] = {G1, A1, B1, Cs2, D2};
    const double at[5] = {0, 1, 2, 2.5, 3};
    for (int i = 0; i < 5; ++i) band.bass(at[i], i == 4 ? 7 : at[i + 1] - at[i], roots[i]);
    band.lead(0, 1, B4, 0.9);
    band.lead(1, 1, Cs5, 0.9);
    band.lead(2, 0.5, D5, 0.9);
    band.lead(2.5, 0.5, E5, 0.9);
    band.lead(3, 7, Fs5, 1);
    for (int i = 0; i < 8; ++i) band.kick(2 + i * 0.125, 0.3 + 0.05 * i);  // the roll
    band.kick(0, 0.8);
    band.kick(1, 0.8);
    band.kick(3, 1.1);
    band.swell(1, 2, 0.6);
    band.pad(3, 7, {D3, A3, D4, Fs4}, 0.8);
    const int sparkle[8] = {D5, Fs5, A5, Fs5, A5, D5, Fs5, D5};
    for (int i = 0; i < 8; ++i) band.bell(3 + i * 0.5, sparkle[i], 0.45, i % 2 ? 0.3 : -0.3);
    return band.shot(6.0, 0.32);
}

Stereo withdraw()
{
    // Walking away with the money: warm, a little wistful, at peace.
    Band band(84, 5, 3);
    band.pad(0, 2, {G3, B3, D4, Fs4}, 0.9);
    band.pad(2, 3, {Fs3, A3, D4}, 0.9);
    band.bass(0, 2, G2, 0.8);
    band.bass(2, 3, D2, 0.8);
    const int fall[5] = {B4, A4, Fs4, E4, D4};
    for (int i = 0; i < 5; ++i) band.mallet(i * 0.5, fall[i], 0.7, -0.2 + 0.1 * i);
    band.bell(2, D5, 0.4);
    return band.shot(4.8, 0.35);
}

}  // namespace zv::sound
