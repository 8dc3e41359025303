#pragma once
// Where the board's lifelines and its emblem rest, as designed for a
// 15360 x 11520 twips screen, and how far each grows on every side under
// the pointer. The board's design (ui/game_design.cpp) puts them there; the
// highlighting grows them and puts them back.

namespace zv::board {

struct GrowingImage {
    const char* name;
    int left, top, width, height;
    int grow;
};

inline constexpr GrowingImage kGrowingImages[] = {
    {"Image12", 6980, 9720, 1455, 1215, 100},  // the emblem
    {"Image9", 11520, 720, 1305, 675, 50},     // Fifty-Fifty
    {"Image10", 12720, 120, 1305, 675, 50},    // Phone-A-Friend
    {"Image11", 13800, 720, 1305, 675, 50},    // Audience Poll
};

}  // namespace zv::board
