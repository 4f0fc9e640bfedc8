#pragma once
// Where the advisor starts: a position of a game with what the rules need to
// judge its moves (the lock, whether it follows a gravity change, how many
// positions the history still has room for).

#include "engine/MoveRecord.h"
#include "engine/Rules.h"
#include "record/SavedGame.h"

namespace tumbla {

struct AdvisorStart {
    Rules rules;
    MoveRecord position;
    EngineState state;
    bool afterGravityChange = false;
    int movesLeft = 0; // the history's 1000 positions bound every line
};

// Position P, the last of `game.positions` (which must not be empty), as the
// game stands there after a performed move or a load.
AdvisorStart StartOf(const SavedGame& game);

} // namespace tumbla
