#pragma once
// Note names as MIDI numbers (A4 = 69, 440 Hz), so a score reads as music.
// Cs is C sharp, Eb E flat, and so on; the digit is the octave.

namespace zv::sound::notes {

inline constexpr int C1 = 24, Cs1 = 25, D1 = 26, Eb1 = 27, E1 = 28, F1 = 29, Fs1 = 30, G1 = 31, Ab1 = 32, A1 = 33, Bb1 = 34, B1 = 35;
inline constexpr int C2 = 36, Cs2 = 37, D2 = 38, Eb2 = 39, E2 = 40, F2 = 41, Fs2 = 42, G2 = 43, Ab2 = 44, A2 = 45, Bb2 = 46, B2 = 47;
inline constexpr int C3 = 48, Cs3 = 49, D3 = 50, Eb3 = 51, E3 = 52, F3 = 53, Fs3 = 54, G3 = 55, Ab3 = 56, A3 = 57, Bb3 = 58, B3 = 59;
inline constexpr int C4 = 60, Cs4 = 61, D4 = 62, Eb4 = 63, E4 = 64, F4 = 65, Fs4 = 66, G4 = 67, Ab4 = 68, A4 = 69, Bb4 = 70, B4 = 71;
inline constexpr int C5 = 72, Cs5 = 73, D5 = 74, Eb5 = 75, E5 = 76, F5 = 77, Fs5 = 78, G5 = 79, Ab5 = 80, A5 = 81, Bb5 = 82, B5 = 83;
inline constexpr int C6 = 84, Cs6 = 85, D6 = 86, Eb6 = 87, E6 = 88, F6 = 89, Fs6 = 90, G6 = 91, Ab6 = 92, A6 = 93, Bb6 = 94, B6 = 95;

}  // namespace zv::sound::notes
