#pragma once
// Settings, boards and a recording window for the search tests.

#include "engine/BoardText.h"
#include "engine/GameSettings.h"
#include "engine/Rules.h"
#include "record/Search.h"

#include <functional>
#include <string>
#include <vector>

namespace tumbla::test {

inline GameSettings SmallSettings(std::uint8_t count = 4) {
    GameSettings s;
    s.Rows = 5;
    s.Cols = 10;
    s.Count = count;
    s.Rating = 0;
    s.Doraz = 1;
    return s;
}

// Small settings whose columns stay where they are, so the boards stay simple.
inline GameSettings KeepLines() {
    GameSettings s = SmallSettings();
    s.Doraz = 0;
    return s;
}

// Remembers everything the search shows, and may act on a leaf event.
class RecordingReporter : public SearchReporter {
  public:
    std::vector<std::vector<std::string>> progress;
    struct PathEvent {
        std::vector<std::string> rows;
        int clearTo;
    };
    std::vector<PathEvent> paths;
    std::vector<double> estimates;
    std::vector<SearchShareDone> shares;
    std::function<void()> onEstimate;

    void ShowProgress(const std::vector<std::string>& rows) override { progress.push_back(rows); }
    void ShowBestPath(const std::vector<std::string>& rows, int clearTo) override {
        paths.push_back({rows, clearTo});
    }
    void ShowEstimate(double maxEstimate) override {
        estimates.push_back(maxEstimate);
        if (onEstimate) onEstimate();
    }
    void ShowShareDone(const SearchShareDone& share) override { shares.push_back(share); }
};

} // namespace tumbla::test
