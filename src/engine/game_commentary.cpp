// What the host says while a "ZRV like" verdict is pending: one, two or three
// remarks chosen at the lock from a fixed repertoire of the level, the risk
// and the lifelines left. The texts are the host's own words, as written.

#include <array>
#include <cmath>

#include "engine/game.h"

namespace zv {

namespace {

// The lifeline remark for the lifelines left (index 0 to 3), by band:
// levels 5 and 6, levels 7 to 14, level 15.
constexpr std::array<std::array<const char*, 4>, 3> kLifelineRemarks{{
    {"Unfortunately all your lifelines have been used.", "You have used two lifelines.",
     "You have used just one lifeline. Intelligently played.", "You haven't used any lifeline. Well Played."},
    {"Unfortunately all your lifelines have been used.", "You have used two lifelines.",
     "You have used just one lifeline. Well played.", "You haven't used any lifeline. Very Well Played."},
    {"All your lifelines have been used.", "You have used two lifelines. You should have used all.",
     "You have used just one lifeline. You should have used all.", "You haven't used any lifeline. WHY???"},
}};

const char* kRiskTenThousand = "If you loose at this level, you will get Rs. 10,000.";
const char* kRiskGuarantee = "If you loose at this level, you will get Rs. 3,20,000/-.";
const char* kWin = "If you win at this level you will get Rs. 1 crore, but if you loose you will get Rs. 3,20,000/- only.";
const char* kWithdraw = "You should have withdrawn the amount.";
const char* kNo = "No No No No No.....";

}  // namespace

void Game::Generate()
{
    lifeLine();
    const int level = m_.Level;
    if (level < 5 || level > 15) return;
    const int n = level == 5 ? 4 : (level == 15 ? 10 : 3);
    CommentPick = static_cast<int>(std::floor(n * p_.app.rnd())) + 1;

    const int band = level <= 6 ? 0 : (level <= 14 ? 1 : 2);
    const std::string lifelines = kLifelineRemarks[static_cast<std::size_t>(band)][static_cast<std::size_t>(ll)];
    const std::string atLevel = "You are at level " + lblQNo.caption() + ".";
    const int pick = CommentPick;

    if (level == 5) {
        const std::array<std::string, 4> remarks{"You are at level 5.", lifelines, std::string(" ") + kNo,
                                                 "If you loose at this level, you will get Rs. 0."};
        Comment1 = remarks[static_cast<std::size_t>(pick - 1)];
    } else if (level == 6) {
        const std::array<std::string, 3> remarks{"You are at level 6 (Least Risk).", lifelines, kRiskTenThousand};
        Comment1 = remarks[static_cast<std::size_t>(pick - 1)];
    } else if (level <= 9) {
        const std::array<std::string, 3> remarks{atLevel, lifelines, kRiskTenThousand};
        Comment1 = remarks[static_cast<std::size_t>(pick - 1)];
    } else if (level <= 14) {
        std::string first = level == 10   ? "You are at level 10."
                            : level == 11 ? "You are at level 11 (Least Risk)."
                                          : atLevel;
        const std::string risk = level == 10 ? kRiskTenThousand : kRiskGuarantee;
        if (pick == 1) {
            Comment1 = first;
            Comment2 = lifelines;
        } else if (pick == 2) {
            Comment1 = first;
            Comment2 = risk;
        } else {
            Comment1 = lifelines;
            Comment2 = risk;
        }
    } else {
        const std::string l15 = "You are at level 15.";
        const std::array<std::array<std::string, 3>, 10> remarks{{
            {l15, lifelines, kWin},
            {l15, kWin, kWithdraw},
            {l15, kWithdraw, kNo},
            {l15, lifelines, kWithdraw},
            {l15, lifelines, kNo},
            {l15, kWin, kNo},
            {lifelines, kWin, kWithdraw},
            {lifelines, kWithdraw, kNo},
            {lifelines, kWin, kNo},
            {kWin, kWithdraw, kNo},
        }};
        const auto& row = remarks[static_cast<std::size_t>(pick - 1)];
        Comment1 = row[0];
        Comment2 = row[1];
        Comment3 = row[2];
    }
}

}  // namespace zv
