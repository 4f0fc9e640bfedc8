#include "results/CompetitionGame.h"

#include "situation/SettingsCode.h"

namespace tumbla {

CompetitionInputs CompetitionInputsFor(const Game& game, std::string_view abbreviation,
                                       const SystemIdentity& identity) {
    CompetitionInputs in;
    in.settingsCode = SettingsCodeFromSettings(game.Settings());
    in.situationNumber = std::to_string(game.Settings().BeginNumber);
    in.abbreviation = std::string(abbreviation);
    in.totalScore = game.Current().TotalScore;
    in.systemText = SystemText(identity);
    return in;
}

} // namespace tumbla
