#pragma once
// Falling stones and closing up empty lines.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"

namespace tumbla {

// The board between the steps of one fall, for a picture of it: after the
// wells swallowed, and after the glass broke (just before the stones move).
struct FallSteps {
    Board swallowed;
    Board broken;
};

// Lets the stones fall in `direction` (wells swallow, glass breaks, rocks hold).
// With `commit`, a change also sets `GlassBroken` to the glass broken now.
// Returns whether anything changed. Directions outside 0..3 change nothing.
bool ApplyGravity(MoveRecord& rec, const Rules& rules, int direction, bool commit);
// The same fall, keeping the board between its steps in `steps`.
bool ApplyGravity(MoveRecord& rec, const Rules& rules, int direction, bool commit,
                  FallSteps& steps);

// Closes up the empty columns (or rows) between occupied ones by `Doraz` and
// the record's `Gravity`. Returns whether any line moved.
bool CloseUpLines(MoveRecord& rec, const Rules& rules);

// The fall in the record's `Gravity`, committed, then closing up: the board
// part of a group removal. The same as ApplyGravity and CloseUpLines one
// after the other, and quicker where stones fall down under rules without
// glass or barriers on a board without wells.
void FallAndCloseUp(MoveRecord& rec, const Rules& rules);

} // namespace tumbla
