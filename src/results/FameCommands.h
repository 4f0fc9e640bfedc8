#pragma once
// What the hall-of-fame window and the end-of-game window do with the file,
// with their messages to the player.

#include "results/HallOfFame.h"
#include "situation/Ports.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tumbla {

inline constexpr std::string_view FameUpdateFailedText =
    "Soubor nejlepších výsledků nelze aktualizovat.";
inline constexpr std::string_view FameReadOnlyText =
    "Úpravy souboru nelze na tomto zařízení provádět.";
inline constexpr std::string_view FameAskDeleteAllText =
    "Chcete skutečně zrušit všechny záznamy o výsledcích?";
inline constexpr std::string_view FameAskReallySureText = "Jste si skutečně jistý?";
inline constexpr std::string_view FameRecordBrokenText =
    "Soubor neobsahuje data k této hře nebo je chybný!";

// Stores a finished game's result with the present moment (or `entered`);
// a failure is reported and the game goes on.
bool AppendResult(const HallOfFame& hall, Messages& messages, const GameSettings& settings,
                  std::string_view nameUtf8, std::int32_t points,
                  std::optional<double> entered = std::nullopt);

// "zruš označenou položku": true when the list must be rebuilt. A record that
// another copy of the game has changed or deleted since the list was read is
// not deleted: the player hears so and sees the list as it now is.
bool DeleteSelectedResult(const HallOfFame& hall, Messages& messages, bool iniWritable,
                          const std::optional<FameSelection>& selected);

enum class DeleteAllOutcome {
    Refused, // the directory cannot be written
    Kept,    // the player said No to one of the questions
    Deleted, // the file is gone; the window closes
    Failed,  // the file could not be removed (reported)
};

// "zruš vše".
DeleteAllOutcome DeleteAllResults(const HallOfFame& hall, Messages& messages, bool iniWritable);

// "převezmi nastavení": the settings of the selected record, which the window
// closes with and the main window puts in force. Settings that no game allows
// (a damaged record) are refused with a message, as a bad file is; a record
// that is no longer in the file gives nothing.
std::optional<GameSettings> TakeOverSettings(const HallOfFame& hall, Messages& messages,
                                             const std::optional<FameSelection>& selected);

} // namespace tumbla
