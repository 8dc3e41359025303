#pragma once
// The game's colours, named by what they mark. The board, the other windows
// and the Qt front end's artwork and frames take them from here.

#include "toolkit/color.h"

namespace zv::palette {

inline constexpr Color kBlack = RGB(0, 0, 0);
inline constexpr Color kWhite = RGB(255, 255, 255);   // the ladder row played for, a guarantee kept
inline constexpr Color kOrange = RGB(255, 110, 0);    // the board's text at rest, headings
inline constexpr Color kWon = RGB(255, 128, 0);       // ladder rows won, the lock label at rest
inline constexpr Color kFailed = RGB(255, 160, 50);   // the ladder row of a wrong answer
inline constexpr Color kText = RGB(255, 192, 128);    // the text of menus and dialogs, the board's panels
inline constexpr Color kLink = RGB(120, 190, 255);    // what opens more when clicked
inline constexpr Color kGold = RGB(236, 178, 52);     // the rims of dialogs, panels and the emblem

}  // namespace zv::palette
