#include "results/FinishedGameSave.h"

#include "results/CompetitionGame.h"

namespace tumbla {

std::optional<std::string> SaveFinishedGame(const Game& game, FileChooser& chooser,
                                            Messages& messages,
                                            const std::string& programDirectory) {
    const FileDialogRequest request = SaveFinishedGameRequest(game, programDirectory, {});
    return WriteSavedGame(game, chooser, messages, request, {});
}

std::optional<std::string> SaveWithCompetitionName(const Game& game, FileChooser& chooser,
                                                   Messages& messages,
                                                   const std::string& programDirectory,
                                                   std::string_view abbreviation,
                                                   const SystemIdentity& identity) {
    const std::string competitionTemplate = ComposeCompetitionName(game, abbreviation, identity);
    const FileDialogRequest request =
        SaveFinishedGameRequest(game, programDirectory, competitionTemplate);
    return WriteSavedGame(game, chooser, messages, request, competitionTemplate);
}

} // namespace tumbla
