#include "record/SavedGame.h"

#include "engine/Bytes.h"
#include "record/Game.h"
#include "situation/SettingsCheck.h"

namespace tumbla {
namespace {

bool RecordIsSound(const MoveRecord& rec) {
    for (StoneCode code : rec.board.cells)
        if (!IsKnownStoneCode(code)) return false;
    if (rec.Gravity > GravityRight) return false;
    // A recorded move is shown on the field and compared with clicks.
    if (rec.MoveRow > MaxRows) return false;
    return rec.MoveRow == 0 ? rec.MoveCol <= GravityRight
                            : rec.MoveCol >= 1 && rec.MoveCol <= MaxCols;
}

} // namespace

SavedGame SavedGameOf(const Game& game) {
    SavedGame saved;
    saved.settings = game.Settings();
    for (int k = 1; k <= game.CurrentPosition(); ++k) saved.positions.push_back(game.Position(k));
    return saved;
}

std::vector<std::uint8_t> PackSavedGame(const SavedGame& saved) {
    std::vector<std::uint8_t> out(SavedGame::HeaderSize +
                                  MoveRecord::PackedSize * saved.positions.size());
    PutI32(out, 0, SavedGame::Magic);
    PutI32(out, 4, static_cast<std::int32_t>(saved.positions.size()));
    const PackedSettings settings = PackSettings(saved.settings);
    std::copy(settings.begin(), settings.end(), out.begin() + 8);
    auto at = out.begin() + SavedGame::HeaderSize;
    for (const MoveRecord& rec : saved.positions) {
        const PackedMoveRecord packed = PackMoveRecord(rec);
        at = std::copy(packed.begin(), packed.end(), at);
    }
    return out;
}

std::optional<SavedGame> UnpackSavedGame(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < SavedGame::HeaderSize || GetI32(bytes, 0) != SavedGame::Magic)
        return std::nullopt;
    const std::int32_t p = GetI32(bytes, 4);
    if (p < 1 || p > Game::HistorySize) return std::nullopt;
    const std::size_t count = static_cast<std::size_t>(p);
    if ((bytes.size() - SavedGame::HeaderSize) / MoveRecord::PackedSize < count)
        return std::nullopt;

    SavedGame saved;
    saved.settings = UnpackSettings(bytes.subspan(8, GameSettings::PackedSize));
    if (!SettingsAllowed(saved.settings)) return std::nullopt;
    saved.positions.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        const auto record = bytes.subspan(SavedGame::HeaderSize + k * MoveRecord::PackedSize,
                                          MoveRecord::PackedSize);
        saved.positions.push_back(UnpackMoveRecord(record));
        if (!RecordIsSound(saved.positions.back())) return std::nullopt;
    }
    return saved;
}

} // namespace tumbla
