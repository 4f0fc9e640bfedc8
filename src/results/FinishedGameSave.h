#pragma once
// The two saves of a finished game the end-of-game window offers: plainly, or
// under the competition name (also the main menu's "ulož ve tvaru pro KORU").

#include "record/Game.h"
#include "record/SavedGameFile.h"
#include "results/SystemIdentity.h"

#include <optional>
#include <string>
#include <string_view>

namespace tumbla {

// "uložení ukončené hry": the proposed name of the finished game, no template.
std::optional<std::string> SaveFinishedGame(const Game& game, FileChooser& chooser,
                                            Messages& messages,
                                            const std::string& programDirectory);

// The competition name becomes the template: only a chosen name that keeps
// everything but the "XXXX" part is written.
std::optional<std::string> SaveWithCompetitionName(const Game& game, FileChooser& chooser,
                                                   Messages& messages,
                                                   const std::string& programDirectory,
                                                   std::string_view abbreviation,
                                                   const SystemIdentity& identity);

} // namespace tumbla
