#pragma once
// One thread's search: a beam of playouts for a first line, then nested
// Monte-Carlo search (each level plays the move whose search one level lower
// ended best, following the best line found so far; above level 1 only the
// candidates whose playout ended best), with
// playouts that spare the most frequent colour and the jokers so that they
// grow into big groups. All its memory is taken when it is made; a playout
// allocates nothing.

#include "advisor/AdvisorStart.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <vector>

namespace tumbla {

// When a thread's search ends: on a stop request, at a time, or after a
// number of playouts (0 = no such limit).
struct SearchBounds {
    const std::atomic<bool>* stop = nullptr;
    bool timed = false;
    std::chrono::steady_clock::time_point deadline;
    std::uint64_t playouts = 0;
};

class NestedSearch {
  public:
    static constexpr int MaxLevel = 3;

    NestedSearch(const AdvisorStart& start, std::uint64_t seed);

    // A complete line from the start, known to be valid, that the search
    // begins from and never ends below.
    void Offer(const std::vector<int>& line, std::int32_t score);

    // Searches until the bounds say stop; may be called once.
    void Run(const SearchBounds& bounds);

    // From any thread: what the search has found so far.
    bool HasLine() const;
    std::int32_t BestScore() const;
    // The best line and its score, read together so that they belong together.
    struct Found {
        std::int32_t score = 0;
        std::vector<int> line;
    };
    Found Best() const;
    std::uint64_t Playouts() const { return playouts_.load(std::memory_order_relaxed); }

  private:
    using Score = std::int64_t; // a level's best, below any total before its first playout
    static constexpr Score NoScore = INT64_MIN;
    static constexpr int LineCapacity = 1000;
    // Above level 1 only the candidates whose playout ended best get the deeper search.
    static constexpr int PruneTo = 8;
    // The beam that finds the nested search's first line.
    static constexpr int MaxBeamWidth = 24;

    struct Level {
        MoveRecord position;
        EngineState state;
        MoveRecord child;
        EngineState childState;
        CandidateList candidates;
        std::array<std::uint16_t, LineCapacity> line{};     // from the level's own start
        std::array<Score, CandidateList::Capacity> first{}; // a playout's total per candidate
        std::array<std::uint16_t, CandidateList::Capacity> order{}; // candidates, best first
        int length = 0;
        Score score = NoScore;
    };

    // Every line below the start, when they are few: the optimum, proven.
    bool Exhaust(std::uint64_t leafLimit);
    bool ExhaustNode(int depth, bool afterGravityChange);
    // A first line from a beam of playouts, where the field is big for the budget.
    void Beam();
    Score Nested(int level, int depth, const MoveRecord& position, const EngineState& state,
                 bool afterGravityChange);
    Score Playout(int depth, const MoveRecord& position, const EngineState& state,
                  bool afterGravityChange);
    // Of the groups in playoutCandidates_.
    int PickPlayoutMove(const MoveRecord& position, StoneCode spared);
    StoneCode SparedColour(const MoveRecord& position);
    void Record(int length, std::int32_t score);
    bool StopAsked() const;
    bool OutOfBounds();
    std::uint64_t NextRandom();
    // Whole numbers only, so that every machine picks the same.
    int Below(int n) {
        return static_cast<int>(((NextRandom() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

    AdvisorStart start_;
    std::uint64_t random_;
    SearchBounds bounds_;
    bool stopped_ = false;

    struct Ply {
        MoveRecord position;
        EngineState state;
        CandidateList candidates;
    };
    static constexpr int ExhaustDepth = 48;
    std::vector<Ply> plies_; // [0..ExhaustDepth]
    std::uint64_t leavesLeft_ = 0;

    std::vector<Level> levels_; // [1..MaxLevel]
    MoveRecord playoutPosition_;
    EngineState playoutState_;
    CandidateList playoutCandidates_;
    JokerTakers playoutTakers_;
    // A playout's choice: what each candidate is, in order of preference.
    enum Kind : std::uint8_t { Other, Jokered, Spared, JokersAlone, Kinds };
    std::array<Kind, CandidateList::Capacity> kinds_{};
    std::array<std::uint16_t, LineCapacity>
        path_{}; // the moves from the start to where the search is
    int playoutEnd_ = 0;

    struct BeamNode {
        MoveRecord position;
        EngineState state;
        bool afterGravityChange = false;
    };
    struct BeamChild {
        Score score;
        std::uint64_t hash;
        std::uint16_t parent;
        std::uint16_t code;
    };
    std::vector<BeamNode> beam_, nextBeam_;
    std::vector<std::uint16_t> beamLines_, nextBeamLines_; // LineCapacity moves per node
    std::vector<BeamChild> beamChildren_;
    std::array<std::uint64_t, MaxBeamWidth> keptHashes_{}; // of the next depth's positions
    CandidateList beamMoves_;
    MoveRecord beamChild_;
    EngineState beamChildState_;

    std::atomic<std::uint64_t> playouts_{0};
    mutable std::mutex bestMutex_;
    bool hasLine_ = false;
    std::int32_t bestScore_ = 0;
    std::vector<int> bestLine_;
};

} // namespace tumbla
