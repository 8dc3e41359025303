#pragma once
// How much text the board shows whole: longer texts are drawn smaller and
// at last cut short, so the editor and the set checker warn about them.

#include <cstddef>
#include <string_view>

namespace zv {

inline constexpr std::size_t kMaxQuestionChars = 160;
inline constexpr std::size_t kMaxOptionChars = 40;

// Characters as a player counts them: UTF-8 sequences count once; a byte of
// the old Windows code page is one character too.
inline std::size_t shownLength(std::string_view text)
{
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace zv
