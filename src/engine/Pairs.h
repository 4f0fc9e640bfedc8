#pragma once
// Pairs of stones side by side that would make a group: two equal colours,
// or a joker beside any colour. Found a row at a time from the row masks.

#include "engine/RowMasks.h"
#include "engine/Rules.h"

#include <cstdint>

namespace tumbla::pairs {

struct RowPairs {
    std::uint32_t across; // bit k: columns k and k + 1 of the row pair up
    std::uint32_t below;  // bit k: column k pairs up with the row below
};

// The masks of one row needed for its pairs.
struct RowStones {
    std::uint32_t colour;
    std::uint32_t joker;
};

inline RowStones StonesOf(const StoneCode* row, const Rules& rules, std::uint32_t inForce) {
    const std::uint32_t colour = rowmasks::ColourStones(row) & inForce;
    return {colour, rules.joker != 0 ? rowmasks::Holding(row, rules.joker) & colour : 0};
}

// `row` and its stones `here`; `next` the row below (null for the last row).
inline RowPairs PairsOf(const StoneCode* row, RowStones here, const StoneCode* next,
                        RowStones nextStones) {
    RowPairs p;
    const std::uint32_t sameLeft = rowmasks::SameAsLeft(row) & here.colour & here.colour << 1;
    p.across = (sameLeft | (here.joker & here.colour << 1) | (here.joker << 1 & here.colour)) >> 1;
    p.below = 0;
    if (next != nullptr)
        p.below = (rowmasks::SameAs(row, next) & here.colour & nextStones.colour) |
                  (here.joker & nextStones.colour) | (here.colour & nextStones.joker);
    return p;
}

} // namespace tumbla::pairs
