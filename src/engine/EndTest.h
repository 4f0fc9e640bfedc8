#pragma once
// Whether any productive move is left, and which gravity changes and which
// transformer use would make a group removable.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"

namespace tumbla {

bool StoneMoveExists(const MoveRecord& rec, const Rules& rules);
bool GravityChangeHelps(const MoveRecord& rec, const Rules& rules, int direction);
// Appends the transformer's cell to `list` (when given) if using it helps.
bool TransformerHelps(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                      CandidateList* list);

// With `collect` null this is the end test of a performed move and stops at the
// first productive move. With a list it skips the group test and appends every
// helpful gravity change (directions 0..3 in order), then the transformer.
// The record's `MoveRow` of 0 means the position was reached by a gravity change.
bool IsGameOver(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                CandidateList* collect);

} // namespace tumbla
