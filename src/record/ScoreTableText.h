#pragma once
// The lines of the score table window "bodování:": what a group of 1..70
// stones earns under the three rating modes.

#include <string>
#include <vector>

namespace tumbla {

std::vector<std::string> ScoreTableText();

} // namespace tumbla
