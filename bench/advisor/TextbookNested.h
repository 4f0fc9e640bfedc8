#pragma once
// The yardstick: nested Monte-Carlo search as first published, level 2,
// uniform random playouts, restarted until its time is up, best line kept.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"

#include <chrono>
#include <cstdint>
#include <vector>

namespace tumbla::bench {

struct TextbookResult {
    std::int32_t score = 0;
    std::vector<int> line; // from position 1, for the game to check
};

// The best final total found from position 1 of a new game in `time`.
TextbookResult TextbookNested(const Rules& rules, const MoveRecord& position1,
                              std::chrono::milliseconds time, std::uint64_t seed);

} // namespace tumbla::bench
