#pragma once
// Groups of touching stones: whether a click is a move, whether it repeats a
// recorded move, removing a group, and listing every removable group.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"

namespace tumbla {

// Codes that can be clicked for a group. Codes that never occur on a valid
// board (9..99, 102..199) are refused, so a damaged file cannot reach the
// colour counters with them.
constexpr bool IsGroupStone(StoneCode code) {
    return code >= 1 && code <= 8;
}

bool IsMoveValid(const MoveRecord& rec, const Rules& rules, const EngineState& state, Move move);

// Whether `clicked` repeats `recorded` on the position the recorded move was made from.
bool IsSameRecordedMove(const MoveRecord& rec, const Rules& rules, Move clicked, Move recorded);

// Removes the group of the stone at (row, col), which must be a valid group click.
// Sets `Removed`, `ClickedColour` and `ColourCounters`; returns the stones removed.
int RemoveGroup(MoveRecord& rec, const Rules& rules, EngineState& state, int row, int col);

// How many stones a click on (row, col), a valid group click, would remove.
int GroupSize(const MoveRecord& rec, const Rules& rules, int row, int col);

// Appends every removable group as the row x 100 + column of its first cell in
// row-major order: first the groups of each colour (jokers may join several of
// them), then, with a joker colour, the groups made of jokers alone. With
// `takers`, also says which of the colours' groups take jokers along.
void ListGroups(const MoveRecord& rec, const Rules& rules, CandidateList& out,
                JokerTakers* takers = nullptr);

} // namespace tumbla
