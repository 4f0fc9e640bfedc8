#pragma once
// A second yardstick, of another family than the advisor: nested rollout
// policy adaptation as first published (level 3, a hundred iterations per
// level, a million playouts). It learns a weight per move (the stone's colour
// and the cell, or the gravity button) and plays its playouts by those weights.
// Where it and the advisor end on the same totals, those are as far as search
// of either kind gets on the situation.

#include "TextbookNested.h"

namespace tumbla::bench {

// The best final total that the policy search finds from position 1 of a new
// game; the same seed gives the same line.
TextbookResult ReferenceNrpa(const Rules& rules, const MoveRecord& position1, std::uint64_t seed);

} // namespace tumbla::bench
