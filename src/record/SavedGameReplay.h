#pragma once
// A saved game is believed only as far as the rules agree with it: position 1
// is made afresh from the stored settings and every recorded move is played
// through the rules; each stored position must be the one the rules make.

#include "record/SavedGame.h"

#include <string>
#include <vector>

namespace tumbla {

struct ReplayedGame {
    // Positions 1..P as the rules make them; position P keeps the move that
    // was recorded from it, so that it can be shown and redone after loading.
    // After a mismatch, the positions before it.
    std::vector<MoveRecord> positions;
    int mismatchAt = 0;     // the first position that differs; 0 when none does
    std::string difference; // what differs there, e.g. "total 100000 replayed 2"

    bool agrees() const { return mismatchAt == 0; }
};

// Stops at the first position that differs. Cells outside the field in force
// are no part of the game and are not compared.
ReplayedGame ReplaySavedGame(const SavedGame& saved);

} // namespace tumbla
