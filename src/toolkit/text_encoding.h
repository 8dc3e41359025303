#pragma once
// Texts are kept as the bytes the files hold. Banks written by this game are
// UTF-8; banks from older Windows copies are in the Windows-1252 code page.
// A text is shown as UTF-8 when it is valid UTF-8, and read as Windows-1252
// otherwise, text by text, so that a bank mixing both shows every line right.
// The code page is decoded with a table of our own: not every system's
// text codecs know it.

#include <string>
#include <string_view>

namespace zv {

bool isValidUtf8(std::string_view bytes);
// Appends the character `c` (a Unicode code point) to `out` as UTF-8.
void appendUtf8(std::string& out, char32_t c);
std::string windows1252ToUtf8(std::string_view bytes);
// The text as UTF-8, whichever of the two it was written in.
std::string displayText(std::string_view bytes);

}  // namespace zv
