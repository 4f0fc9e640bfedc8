#pragma once
// tumbla-cli: the game without a window. Each command reads its arguments
// (after the command's name), writes its result to `out` and its complaints
// to `err`, and returns the exit code.

#include "record/SavedGame.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tumbla::cli {

using Arguments = std::vector<std::string>;

int Play(const Arguments& args, std::ostream& out, std::ostream& err);
int Hints(const Arguments& args, std::ostream& out, std::ostream& err);
int Verify(const Arguments& args, std::ostream& out, std::ostream& err);
int Info(const Arguments& args, std::ostream& out, std::ostream& err);
int Table(const Arguments& args, std::ostream& out, std::ostream& err);

bool WantsHelp(const Arguments& args);

// A saved game (.hra, .hre) read and checked; complains about a file that
// cannot be read or is damaged.
std::optional<SavedGame> ReadSavedGame(const std::string& path, std::ostream& err);

} // namespace tumbla::cli
