#pragma once
// The lines of the score table window "bodování:": what a group of 1..70
// stones earns under the three rating modes.

#include <string>
#include <vector>

namespace tumbla {

// What a group of n stones earns: "přímé", "zvýhodněné" and "blokové".
struct ScoreColumns {
    long long direct;
    long long premium;
    long long block;
};
ScoreColumns ScoreColumnsFor(int n);

std::vector<std::string> ScoreTableText();

} // namespace tumbla
