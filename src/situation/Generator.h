#pragma once
// The board of a new situation, made from its number and the game fields.

#include "engine/GameSettings.h"
#include "engine/MoveRecord.h"
#include "situation/Random.h"

namespace tumbla {

struct GeneratedSituation {
    MoveRecord position;     // position 1: gravity down, no score
    std::int32_t number = 0; // the situation number used
    int transformerRow = 0;  // 0 when no transformer was placed
    int transformerCol = 0;
};

// Draws a situation number when `settings.BeginNumber` is 0 (seeding `rng`
// from the clock first) and writes it back into `settings.BeginNumber`.
std::int32_t ResolveSituationNumber(GameSettings& settings, Random& rng);

// The board for `settings.BeginNumber`: colours through `ColourMap`, then rocks,
// the transformer and wells, then one fall downward when there are wells.
// `rng` is left where the draws ended (the demo draws on from it).
GeneratedSituation GenerateBoard(const GameSettings& settings, Random& rng);

} // namespace tumbla
