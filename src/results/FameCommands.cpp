#include "results/FameCommands.h"

#include "results/FameDate.h"
#include "situation/SettingsCheck.h"

namespace tumbla {

bool AppendResult(const HallOfFame& hall, Messages& messages, const GameSettings& settings,
                  std::string_view nameUtf8, std::int32_t points, std::optional<double> entered) {
    const FameRecord record =
        MakeFameRecord(settings, nameUtf8, points, entered ? *entered : FameDateNow());
    if (hall.append(record)) return true;
    messages.showError(FameUpdateFailedText);
    return false;
}

bool DeleteSelectedResult(const HallOfFame& hall, Messages& messages, bool iniWritable,
                          const std::optional<FameSelection>& selected) {
    if (!iniWritable) {
        messages.showError(FameReadOnlyText);
        return false;
    }
    if (!selected) return false;
    if (hall.remove(*selected) == HallOfFame::Removal::Removed) return true;
    // The file is as it was; say so rather than let the row stay without a word.
    messages.showError(FameUpdateFailedText);
    return true;
}

DeleteAllOutcome DeleteAllResults(const HallOfFame& hall, Messages& messages, bool iniWritable) {
    if (!iniWritable) {
        messages.showError(FameReadOnlyText);
        return DeleteAllOutcome::Refused;
    }
    if (messages.askConfirmation(FameAskDeleteAllText) != Answer::Yes)
        return DeleteAllOutcome::Kept;
    if (messages.askConfirmation(FameAskReallySureText) != Answer::Yes)
        return DeleteAllOutcome::Kept;
    if (hall.removeAll()) return DeleteAllOutcome::Deleted;
    messages.showError(FameUpdateFailedText);
    return DeleteAllOutcome::Failed;
}

std::optional<GameSettings> TakeOverSettings(const HallOfFame& hall, Messages& messages,
                                             const std::optional<FameSelection>& selected) {
    if (!selected) return std::nullopt;
    const std::optional<PackedFameRecord> stored = hall.readPacked(selected->number);
    if (!stored || *stored != selected->bytes) return std::nullopt;
    const FameRecord record = UnpackFameRecord(selected->bytes);
    if (!SettingsAllowed(record.settings)) {
        messages.showError(FameRecordBrokenText);
        return std::nullopt;
    }
    return record.settings;
}

} // namespace tumbla
