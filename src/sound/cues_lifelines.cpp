// The lifelines and the host: Fifty-Fifty, the audience's vote, the phone
// ringing and the friend's thirty seconds, and the host's advice.

#include "sound/band.h"
#include "sound/compositions.h"
#include "sound/notes.h"

namespace zv::sound {

using namespace notes;

Stereo fiftyFifty()
{
    // Two options swept away, left then right, and a soft chord.
    Band band(120, 2, 2);
    for (int side : {-1, 1})
        band.hiss({.at = side < 0 ? 0 : 0.5, .held = 0.4, .envelope = {0.06, 1, 1, 0.15}, .from = 3000, .to = 500,
                   .highPass = 200, .gain = 0.7, .pan = 0.5 * side, .width = 0.5});
    band.mallet(0, E5, 0.7, -0.4);
    band.mallet(0.5, B4, 0.7, 0.4);
    band.pad(1, 1, {A3, E4, A4}, 0.6);
    band.bell(1, A4, 0.5);
    return band.shot(2.2, 0.3);
}

Stereo audiencePoll()
{
    // The hall murmurs while the votes are counted up a scale; the result
    // lands on a chord.
    Band band(120, 4, 2);
    band.hiss({.at = 0, .held = 3, .envelope = {0.4, 1, 1, 0.6}, .from = 900, .to = 1200, .highPass = 250, .gain = 0.6,
               .width = 1});
    const int scale[8] = {D4, E4, Fs4, A4, B4, D5, E5, Fs5};
    for (int i = 0; i < 8; ++i) band.mallet(i * 0.25, scale[i], 0.6, -0.4 + 0.1 * i);
    band.pad(2, 2, {D4, Fs4, A4}, 0.7);
    band.bass(2, 2, D2, 0.7);
    band.bell(2, A5, 0.4);
    return band.shot(3.3, 0.3);
}

Stereo phoneRing()
{
    // Two rings of a bell telephone: a clapper striking two bells in turn.
    Band band(120, 6, 2);
    for (int ring = 0; ring < 2; ++ring)
        for (int k = 0; k < 16; ++k) {
            const double at = ring * 3 + k * 0.125;
            band.mallet(at, k % 2 ? Ab5 : E5, 0.5, k % 2 ? 0.15 : -0.15);
            band.bell(at, k % 2 ? Ab5 : E5, 0.15);
        }
    return band.shot(3.6, 0.25);
}

Stereo phoneClock()
{
    // Thirty seconds on the clock: tick and tock, a low chord that grows,
    // a heartbeat joining for the last twenty, then every beat.
    Band band(120, 60, 0);
    for (int beat = 0; beat < 60; ++beat) {
        const double g = 0.6 + 0.4 * beat / 59.0;
        band.mallet(beat, beat % 2 ? E5 : A5, 0.4 * g);
        band.hiss({.at = double(beat), .held = 0.01, .envelope = {0.001, 0.02, 0, 0.03}, .from = 3000, .to = 3000,
                   .highPass = 1000, .gain = 0.3 * g});
    }
    band.pad(0, 20, {D3, A3, D4}, 0.5);
    band.pad(20, 20, {D3, A3, E4}, 0.6);
    band.pad(40, 18, {D3, A3, E4, F4}, 0.7);
    for (int beat = 20; beat < 58; beat += beat < 48 ? 2 : 1) {
        band.kick(beat, 0.4);
        band.bass(beat, 0.5, D2, 0.35);
    }
    return band.shot(30.0, 0.2);
}

Stereo advice()
{
    // The host thinks it over: a warm open chord and a three-note question.
    Band band(90, 5, 2);
    band.pad(0, 2, {F3, A3, C4, E4}, 0.9);
    band.pad(2, 2.5, {A3, C4, E4, G4}, 0.9);
    band.bass(0, 2, F2, 0.7);
    band.bass(2, 2.5, A2, 0.7);
    band.mallet(0, C5, 0.7, -0.2);
    band.mallet(0.5, A4, 0.7, 0);
    band.mallet(1, E5, 0.7, 0.2);
    band.bell(2, E5, 0.4);
    return band.shot(4.4, 0.3);
}

}  // namespace zv::sound
