#pragma once
// How values of properties and variables are written out: the script
// driver prints them this way, and tests compare against the same text.

#include <string>

namespace zv {

std::string formatBool(bool v);      // "True" / "False"
std::string formatNumber(double v);  // 7, 21.75, -3; whole values without decimals

}  // namespace zv
