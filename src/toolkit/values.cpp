#include "toolkit/values.h"

#include <cmath>
#include <cstdio>

#include "toolkit/color.h"

namespace zv {

std::string toString(Color c)
{
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::string formatBool(bool v) { return v ? "True" : "False"; }

std::string formatNumber(double v)
{
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.0f", v);
        return buf;
    }
    // Shortest text that reads back as the same number.
    char buf[40];
    for (int precision = 6; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, v);
        if (std::strtod(buf, nullptr) == v) break;
    }
    return buf;
}

}  // namespace zv
