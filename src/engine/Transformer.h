#pragma once

#include "engine/MoveRecord.h"
#include "engine/Rules.h"

namespace tumbla {

// Recolours the eight neighbours of the transformer at (row, col): kind 1
// raises each colour by one (wrapping to 1), kind 2 lowers it (wrapping to
// `Count`). Returns whether any neighbour changed.
bool ApplyTransformer(MoveRecord& rec, const Rules& rules, int row, int col, int kind);

} // namespace tumbla
