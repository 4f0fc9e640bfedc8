#include "results/FameListState.h"

#include <algorithm>
#include <utility>

namespace tumbla {

char FameKeyLetter(std::string_view caption) {
    if (caption == FameKeyCaptions[0]) return 'B';
    if (caption == FameKeyCaptions[1]) return 'J';
    if (caption == FameKeyCaptions[2]) return 'D';
    if (caption == FameKeyCaptions[3]) return 'C';
    return 'N';
}

bool FameListState::dropKey(std::size_t dragged, std::size_t target) {
    if (dragged >= captions.size() || target >= captions.size()) return false;
    if (captions[dragged] == captions[target]) return false;
    std::swap(captions[dragged], captions[target]);
    return true;
}

void FameListState::toggleAllFilters() {
    const bool anyTicked = std::any_of(filters.begin(), filters.end(), [](bool b) { return b; });
    filters.fill(!anyTicked);
}

FameKeyOrder FameListState::keyOrder() const {
    FameKeyOrder order{};
    for (std::size_t i = 0; i < captions.size(); ++i) order[i] = FameKeyLetter(captions[i]);
    return order;
}

} // namespace tumbla
