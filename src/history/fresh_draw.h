#pragma once
// Fresh questions first: which of a level's questions the draw may take,
// given when each was last shown to the player.
//
// The questions never shown are the choice while there are any. Once every
// question of the level has been shown, the half shown longest ago is (at
// least one): a player who runs through a level meets the questions again
// in the order they first met them, never the one of the last game. With no
// record every question may be drawn, as it always could.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace zv::history {

// `questions` are the level's in the bank's order; `lastShown` gives, for
// each text ever shown, the order of its latest showing (higher is later).
// Returns indexes into `questions`, in the bank's order.
std::vector<std::size_t> freshCandidates(const std::vector<std::string>& questions,
                                         const std::map<std::string, long long>& lastShown);

}  // namespace zv::history
