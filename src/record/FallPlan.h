#pragma once
// How the stones of one move travel, for a picture of the move in motion: the
// group leaves, the transformer recolours, wells swallow, glass breaks, the
// stones fall and the lines close up. Worked out by playing the move's own
// steps again on a copy of the position it was made from; the game never
// waits for the picture, and the picture never decides anything.

#include "engine/MoveRecord.h"
#include "engine/Rules.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tumbla {

struct StoneTrack {
    enum Fate : std::uint8_t {
        Stays,     // still on the board after the move
        Taken,     // the group the click took
        Swallowed, // by a well, in the fall
        Broken,    // glass, in the fall
    };
    StoneCode code = StoneEmpty;    // as it stood before the move
    StoneCode endCode = StoneEmpty; // after the move: the transformer recolours
    Fate fate = Stays;
    // Cells as row * 100 + col: where the stone stood, where the fall took it
    // (a swallowed stone falls into its well), where closing up took it.
    std::uint16_t from = 0;
    std::uint16_t fallen = 0;
    std::uint16_t to = 0;
};

struct FallPlan {
    std::array<StoneTrack, CellCount> stones{};
    int count = 0;
    int direction = GravityDown; // of the fall
    // Which steps have anything to show.
    bool taken = false;
    bool recoloured = false;
    bool falls = false;
    bool closesUp = false;
};

// The move recorded in `from` (`MoveRow`, `MoveCol`), made from it. Nothing
// when the move does not lead to `result`, or the stones cannot be followed
// (the picture then shows the result at once).
std::optional<FallPlan> PlanFall(const MoveRecord& from, const Rules& rules, const Board& result);

} // namespace tumbla
