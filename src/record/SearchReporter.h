#pragma once
// What the exhaustive search tells its window. The search calls these from
// the thread it runs in; a window hands them over to its own thread.

#include <cstdint>
#include <string>
#include <vector>

namespace tumbla {

// The counters behind the line "   12000 (= 0.0001234%)" and the years,
// written every 1000th end position.
struct SearchShareDone {
    double leafCount = 0;
    double maxEstimate = 0;
    std::int64_t elapsedSeconds = 0; // whole seconds since the search started
    double years = 0;                // the estimated running time in years of 365 days
};

class SearchReporter {
  public:
    virtual ~SearchReporter() = default;

    // Grid column 0, rows 1..rows.size(): each row a progress line such as
    // "2 - 3/5 - 140", or empty for a row to clear. Sent a few times a second
    // and once when the search ends, so it may skip intermediate states.
    virtual void ShowProgress(const std::vector<std::string>& rows) = 0;

    // Grid column 1, rows 1..rows.size(): the best path, the last row ending in
    // "  [=score]"; then both columns of the rows after it up to `clearTo` are
    // cleared. Sent every time the best score improves.
    virtual void ShowBestPath(const std::vector<std::string>& rows, int clearTo) = 0;

    // Grid cell of column 0, row 0: the largest estimate of end positions so far,
    // shown with thousands separators and no decimals. Sent at every increase.
    virtual void ShowEstimate(double maxEstimate) = 0;

    // Grid cell of column 1, row 0 and the years field.
    virtual void ShowShareDone(const SearchShareDone& share) = 0;
};

} // namespace tumbla
