#pragma once
// One move applied to a copy of a position: the board part of a performed
// move, shared by the game, the hint's search and the demo.

#include "engine/Gravity.h"
#include "engine/MoveRecord.h"
#include "engine/Rules.h"

namespace tumbla {

struct MoveEffects {
    bool performed = false;  // false for a move outside the field or the four directions
    bool glassSound = false; // glass broke with sound on; a request the caller may ignore
};

// The board after each step of a move, for a picture of it. `taken` is the
// board once the group went or the transformer recoloured (as it was for a
// gravity change); `fallen` is the board after the fall, before closing up.
// A step that does not happen leaves the board as the step before it.
struct MoveSteps {
    Board taken;
    FallSteps fall;
    Board fallen;
};

// `rec` holds a copy of the position the move is made from; `move` must be
// valid there (IsMoveValid). Clears the move's counters, applies the group
// removal, gravity change or transformer, closes up lines, scores the move,
// records the move in `MoveRow`/`MoveCol` and sets `MoveLock` as after a
// performed move (set when nothing was removed).
MoveEffects PlayMove(MoveRecord& rec, const Rules& rules, EngineState& state, Move move);
// The same move, keeping the board between its steps in `steps`.
MoveEffects PlayMove(MoveRecord& rec, const Rules& rules, EngineState& state, Move move,
                     MoveSteps& steps);

// Every candidate move of a position in the hint's order: the groups, then the
// helpful gravity changes (not right after a gravity change), then the
// transformer when it helps and can be clicked. `state.MoveLock` decides
// whether the last two count. With `takers`, also which groups take jokers.
void ListCandidates(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                    bool afterGravityChange, CandidateList& out, JokerTakers* takers = nullptr);
// The second half of that list: appends the helpful gravity changes and the
// transformer to `out`, which holds the position's groups.
void AppendHelpfulChanges(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                          bool afterGravityChange, CandidateList& out);

} // namespace tumbla
