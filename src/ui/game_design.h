#pragma once
// The board's design-time layout, handed to the board when it is made.

#include "toolkit/form.h"

namespace zv {

void designGame(Form& board);

}  // namespace zv
