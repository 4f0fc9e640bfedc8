#pragma once
// The move advisor: the best line it can find from position P of a game, to
// the game's end, and its final total. It thinks in threads of its own for a
// time or a number of playouts, can be stopped from any thread, tells how far
// it is a few times a second, and replays its line through the game before it
// answers.

#include "record/SavedGame.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tumbla {

struct AdvisorLimits {
    std::chrono::milliseconds time{2000}; // used when `playouts` is 0
    std::uint64_t playouts = 0; // over all threads; the same seed then gives the same line
    int threads = 1;
    std::uint64_t seed = 1;
};

struct AdvisorProgress {
    double fraction = 0;        // of the time or the playouts, 0..1
    bool anyLine = false;       // false before the first playout ends
    std::int32_t bestScore = 0; // the final total of `bestLine`
    std::vector<int> bestLine;  // move codes: row*100+column, 0..3 for a gravity change
};

struct AdvisorResult {
    std::vector<int> line;
    std::int32_t score = 0; // the final total the game reaches with `line`
    std::uint64_t playouts = 0;
    bool honest = false; // the game agreed with `score`; otherwise `error` says why
    std::string error;
};

class Advisor {
  public:
    // `game` holds positions 1..P; the advice is for position P.
    Advisor(SavedGame game, AdvisorLimits limits);

    // Called from the thread running `Run` every `interval` and once at its end.
    void SetProgressHandler(std::function<void(const AdvisorProgress&)> handler,
                            std::chrono::milliseconds interval = std::chrono::milliseconds(250));
    // A line from position P that the advice must not fall below (a move
    // played followed by advice from after it). Refused when the game does not
    // accept it; returns whether it was taken.
    bool Offer(const std::vector<int>& line);

    // Blocks until the time or the playouts are used up or a stop is asked for.
    AdvisorResult Run();
    // From any thread; `Run` returns within a few milliseconds.
    void RequestStop() { stop_.store(true, std::memory_order_relaxed); }

  private:
    SavedGame game_;
    AdvisorLimits limits_;
    std::function<void(const AdvisorProgress&)> handler_;
    std::chrono::milliseconds interval_{250};
    std::vector<int> offered_;
    std::int32_t offeredScore_ = 0;
    bool hasOffer_ = false;
    std::atomic<bool> stop_{false};
};

} // namespace tumbla
