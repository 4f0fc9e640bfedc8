#pragma once
// The competition name of the game in force, as the end-of-game window and the
// main window's "ulož ve tvaru pro KORU" propose it.

#include "record/Game.h"
#include "results/CompetitionName.h"
#include "results/SystemIdentity.h"

#include <string>
#include <string_view>

namespace tumbla {

// The settings code and situation number the main window shows, the total
// score of the position in force, the abbreviation from the KORU tab and the
// system text of this computer.
CompetitionInputs CompetitionInputsFor(const Game& game, std::string_view abbreviation,
                                       const SystemIdentity& identity);

inline std::string ComposeCompetitionName(const Game& game, std::string_view abbreviation,
                                          const SystemIdentity& identity) {
    return ComposeCompetitionName(CompetitionInputsFor(game, abbreviation, identity));
}

} // namespace tumbla
