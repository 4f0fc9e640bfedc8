#pragma once
// Falling stones and closing up empty lines.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"

namespace tumbla {

// Lets the stones fall in `direction` (wells swallow, glass breaks, rocks hold).
// With `commit`, a change also sets `GlassBroken` to the glass broken now.
// Returns whether anything changed. Directions outside 0..3 change nothing.
bool ApplyGravity(MoveRecord& rec, const Rules& rules, int direction, bool commit);

// Closes up the empty columns (or rows) between occupied ones by `Doraz` and
// the record's `Gravity`. Returns whether any line moved.
bool CloseUpLines(MoveRecord& rec, const Rules& rules);

} // namespace tumbla
