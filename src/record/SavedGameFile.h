#pragma once
// Saving and loading games through the file dialogs and message boxes, the
// names proposed for them, and the competition form's name check.

#include "situation/Ports.h"
#include "situation/SettingsFileFlows.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tumbla {

class Game;

// code_number_007.hra: P with leading zeros up to 3 digits.
std::string ProposedGameName(std::string_view code, std::string_view number, int position);
// code_number_0000000120.hre: the total with leading zeros (before a sign) up to 10 digits.
std::string ProposedFinishedName(std::string_view code, std::string_view number,
                                 std::int32_t total);
std::string ProposedGameName(const Game& game);
std::string ProposedFinishedName(const Game& game);

// Nothing when `chosen` (a path) fits the competition template; otherwise the reason.
std::optional<std::string_view> CheckCompetitionName(std::string_view competitionTemplate,
                                                     std::string_view chosen);

FileDialogRequest SaveGameInProgressRequest(const Game& game, const std::string& programDirectory);
FileDialogRequest SaveFinishedGameRequest(const Game& game, const std::string& programDirectory,
                                          std::string_view competitionTemplate);
FileDialogRequest OpenSavedFileRequest(const std::string& programDirectory);

// Asks for a name (again while a competition name does not fit and the
// player answers OK), confirms overwriting, and writes positions 1..P.
// Returns the file written, or nothing.
std::optional<std::string> WriteSavedGame(const Game& game, FileChooser& chooser,
                                          Messages& messages, const FileDialogRequest& request,
                                          std::string_view competitionTemplate);

enum class LoadOutcome {
    Loaded,
    Refused,     // the message has been shown; the game is as it was
    SettingsFile // ".hrs"
};

// "N&ačíst" and the start-up file. A saved game is loaded only when its
// recorded moves lead to its stored positions. A settings file goes through the settings
// dialog as its OK does and starts a new situation from what is then in force;
// without `settingsFlow` it is only reported.
LoadOutcome LoadSavedFile(Game& game, Messages& messages, const std::string& path,
                          SettingsFlowContext* settingsFlow = nullptr);

// The file to load at start-up from the command-line parameters (without the
// program's own name), warning about every missing one; "/B" is skipped.
std::optional<std::string> StartupFile(const std::vector<std::string>& arguments,
                                       Messages& messages);

} // namespace tumbla
