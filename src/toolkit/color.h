#pragma once
// Colours of the window toolkit: plain red, green, blue triples.

#include <string>

namespace zv {

struct Color {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color RGB(int r, int g, int b) { return Color{r, g, b}; }

// "R,G,B", the form the script driver prints.
std::string toString(Color c);

}  // namespace zv
