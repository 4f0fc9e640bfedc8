#pragma once
// A game on disk (".hra" in progress, ".hre" finished): magic number, the
// number of positions P, the settings, then positions 1..P.

#include "engine/GameSettings.h"
#include "engine/MoveRecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tumbla {

class Game;

struct SavedGame {
    static constexpr std::int32_t Magic = 35698752; // bytes 40 B8 20 02
    static constexpr std::size_t HeaderSize = 80;

    GameSettings settings;
    std::vector<MoveRecord> positions; // 1..P, so P = positions.size()
};

// Positions 1..P of the game as it stands.
SavedGame SavedGameOf(const Game& game);

std::vector<std::uint8_t> PackSavedGame(const SavedGame& saved);

// Refuses anything a game could not have written: a wrong magic number, P
// outside 1..1000, fewer than P records, settings out of range, unknown stone
// codes, a gravity outside 0..3 or a recorded move off the field. Bytes after
// the P records are ignored.
std::optional<SavedGame> UnpackSavedGame(std::span<const std::uint8_t> bytes);

} // namespace tumbla
