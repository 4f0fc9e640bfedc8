#pragma once
// The advisor's word is checked by the game itself: its line is clicked move
// by move into a game loaded from the same positions.

#include "record/SavedGame.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tumbla {

struct LineCheck {
    bool honest = false;
    std::int32_t replayed = 0; // the total the game reached
    std::string error;         // empty when honest
};

// Clicks `line` (move codes) from position P of `game` and compares the total
// reached with `claimed`; the line must end where the game ends or where the
// history is full.
LineCheck CheckLine(const SavedGame& game, const std::vector<int>& line, std::int32_t claimed);

} // namespace tumbla
