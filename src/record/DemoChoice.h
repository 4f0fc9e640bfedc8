#pragma once
// What the demonstration decides on each tick, without any timer or window:
// its own settings, the pick of the next move and the pointer's path to it.

#include "engine/GameSettings.h"
#include "engine/MoveRecord.h"
#include "situation/Random.h"

#include <functional>
#include <optional>

namespace tumbla {

// The player's settings with the demonstration game over them: 6 colours, all
// four directions, joker 1 and glass 2 with their other pictures, 7 x 12,
// "zvýhodněné **", and what every preset level resets. Pictures, grid,
// colours and sound stay the player's.
GameSettings DemoSettings(const GameSettings& player);

struct DemoPick {
    Move move;            // a cell, or row 0 and the direction
    bool gravity = false; // the pick is a gravity change
};

// The choose phase. Draws 0..9; below 4 it tries a gravity change to that
// direction, unless the previous pick was one. Otherwise it draws a start cell
// and walks the field row by row, wrapping once round, to the first cell that
// can be clicked. Nothing when no cell can be.
std::optional<DemoPick> ChooseDemoMove(Random& rng, bool previousWasGravity, int rows, int cols,
                                       const std::function<bool(Move)>& isValid);

// The pointer goes to a target in this many equal steps.
inline constexpr int DemoPointerSteps = 500;
// Its corner sits this far inside the target, so the finger points at it.
inline constexpr int DemoPointerOffsetX = 17;
inline constexpr int DemoPointerOffsetY = 22;

// One coordinate at step `step` of the way, truncated toward zero.
constexpr int DemoPointerStep(int start, int end, int step) {
    return start + step * (end - start) / DemoPointerSteps;
}

} // namespace tumbla
