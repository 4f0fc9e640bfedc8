#pragma once
// What a click would do, worked out on a copy of the position before the
// click is made: the stones it takes (the whole group, jokers included, or
// the stones the transformer recolours) and the points it scores. The
// position itself never changes here.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"

#include <array>
#include <cstdint>

namespace tumbla {

struct MovePreview {
    bool valid = false; // the click is a move
    // Bit c - 1 of rows[r - 1]: the click takes or recolours cell (r, c).
    std::array<std::uint32_t, MaxRows> rows{};
    int stones = 0;          // cells marked in `rows`
    std::int32_t points = 0; // the move's points, broken glass included

    bool contains(int row, int col) const {
        return row >= 1 && row <= MaxRows && col >= 1 && col <= MaxCols &&
               (rows[static_cast<std::size_t>(row - 1)] >> (col - 1) & 1) != 0;
    }
    bool operator==(const MovePreview&) const = default;
};

// Nothing (valid false) when `move` is no move in `rec`.
MovePreview PreviewMove(const MoveRecord& rec, const Rules& rules, const EngineState& state,
                        Move move);

} // namespace tumbla
