#pragma once

#include <string>
#include <vector>

namespace tumbla {

// `tumbla-cli search CODE NUMBER [--leaves N]`; `args` are the words after
// "search". Returns the exit code: 0 done, 2 bad arguments.
int RunSearchCommand(const std::vector<std::string>& args);

} // namespace tumbla
