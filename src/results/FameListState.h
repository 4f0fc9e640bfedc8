#pragma once
// What the hall-of-fame window keeps between openings while the program runs:
// the order of the five key labels and the ten "výběr" boxes.

#include "results/FameSortKey.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tumbla {

inline constexpr std::array<std::string_view, 5> FameKeyCaptions{"body", "jméno", "datum",
                                                                 "číslo situace", "nastavení"};

// The key letter of a label's caption; any caption but the first four is N.
char FameKeyLetter(std::string_view caption);

struct FameListState {
    std::array<std::string, 5> captions{
        std::string(FameKeyCaptions[0]), std::string(FameKeyCaptions[1]),
        std::string(FameKeyCaptions[2]), std::string(FameKeyCaptions[3]),
        std::string(FameKeyCaptions[4])};
    FameFilters filters = AllFameFilters;

    // Label `dragged` dropped onto label `target` (both 0..4): their captions
    // swap. A drop on a label with the same caption is not accepted (false).
    bool dropKey(std::size_t dragged, std::size_t target);

    // "+/-": any box ticked unticks all ten, none ticked ticks all ten.
    void toggleAllFilters();

    FameKeyOrder keyOrder() const;
};

} // namespace tumbla
