// The exhaustive search against the bare cost of its tree: the same walk
// through ListCandidates and PlayMove with nothing else, in the same run.

#include "engine/PlayMove.h"
#include "record/Search.h"
#include "situation/Generator.h"
#include "situation/Presets.h"
#include "situation/SettingsCode.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <vector>

namespace {

using namespace tumbla;

constexpr std::uint64_t Leaves = 50000;

struct Situation {
    Rules rules;
    MoveRecord position1;
};

Situation MakeSituation(int number) {
    GameSettings settings = SettingsFromCode("FJ400AA0B", GameSettings{}).settings;
    NormaliseForForce(settings);
    settings.BeginNumber = number;
    Random rng;
    return {RulesFromSettings(settings), GenerateBoard(settings, rng).position};
}

// The tree of the search with nothing but the engine's work in it.
class RawWalk {
  public:
    explicit RawWalk(const Rules& rules) : rules_(rules), levels_(SearchDepthLimit + 1) {}

    void Run(const MoveRecord& position1, std::uint64_t leafLimit) {
        leaves_ = nodes_ = 0;
        limit_ = leafLimit;
        levels_[1].position = position1;
        levels_[1].state = EngineState{};
        Walk(1);
    }
    std::uint64_t leaves() const { return leaves_; }
    std::uint64_t nodes() const { return nodes_; }

  private:
    struct Level {
        MoveRecord position;
        EngineState state;
        CandidateList candidates;
    };

    void Walk(int depth) {
        Level& here = levels_[static_cast<std::size_t>(depth)];
        ++nodes_;
        if (depth < SearchDepthLimit)
            ListCandidates(here.position, rules_, here.state,
                           depth > 1 && here.position.MoveRow == 0, here.candidates);
        else
            here.candidates.clear();
        if (here.candidates.count == 0) {
            ++leaves_;
            return;
        }
        Level& child = levels_[static_cast<std::size_t>(depth) + 1];
        for (int i = 0; i < here.candidates.count && leaves_ < limit_; ++i) {
            child.position = here.position;
            child.state = here.state;
            PlayMove(child.position, rules_, child.state,
                     Move::FromCode(here.candidates.items[static_cast<std::size_t>(i)]));
            Walk(depth + 1);
        }
    }

    Rules rules_;
    std::vector<Level> levels_;
    std::uint64_t leaves_ = 0;
    std::uint64_t nodes_ = 0;
    std::uint64_t limit_ = 0;
};

// A window that takes every report and does nothing with it.
class QuietWindow : public SearchReporter {
  public:
    void ShowProgress(const std::vector<std::string>& rows) override {
        benchmark::DoNotOptimize(rows.size());
    }
    void ShowBestPath(const std::vector<std::string>& rows, int) override {
        benchmark::DoNotOptimize(rows.size());
    }
    void ShowEstimate(double e) override { benchmark::DoNotOptimize(e); }
    void ShowShareDone(const SearchShareDone& s) override { benchmark::DoNotOptimize(s.years); }
};

void SetRates(benchmark::State& state, std::uint64_t leaves, std::uint64_t nodes) {
    state.counters["leaves/s"] =
        benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsRate);
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

void BM_Search(benchmark::State& state) {
    const Situation s = MakeSituation(static_cast<int>(state.range(0)));
    QuietWindow window;
    SearchMemory memory;
    Search search(s.rules, memory, &window);
    search.SetLeafLimit(Leaves);
    std::uint64_t leaves = 0, nodes = 0;
    for (auto _ : state) {
        memory = SearchMemory{};
        search.StartSearch(s.position1);
        leaves += search.LeafCount();
        nodes += search.NodeCount();
    }
    SetRates(state, leaves, nodes);
}

void BM_RawWalk(benchmark::State& state) {
    const Situation s = MakeSituation(static_cast<int>(state.range(0)));
    RawWalk walk(s.rules);
    std::uint64_t leaves = 0, nodes = 0;
    for (auto _ : state) {
        walk.Run(s.position1, Leaves);
        leaves += walk.leaves();
        nodes += walk.nodes();
    }
    SetRates(state, leaves, nodes);
}

// Both in turn on the same tree; the ratio is the search's cost over the bare walk's.
void BM_SearchOverRawWalk(benchmark::State& state) {
    const Situation s = MakeSituation(static_cast<int>(state.range(0)));
    QuietWindow window;
    SearchMemory memory;
    Search search(s.rules, memory, &window);
    search.SetLeafLimit(Leaves);
    RawWalk walk(s.rules);
    using Clock = std::chrono::steady_clock;
    Clock::duration searchTime{}, walkTime{};
    // Processor time as well: other work on a busy machine stretches the wall clock.
    std::clock_t searchCpu = 0, walkCpu = 0;
    for (auto _ : state) {
        memory = SearchMemory{};
        const auto t0 = Clock::now();
        const std::clock_t c0 = std::clock();
        search.StartSearch(s.position1);
        const auto t1 = Clock::now();
        const std::clock_t c1 = std::clock();
        walk.Run(s.position1, Leaves);
        const auto t2 = Clock::now();
        const std::clock_t c2 = std::clock();
        searchTime += t1 - t0;
        walkTime += t2 - t1;
        searchCpu += c1 - c0;
        walkCpu += c2 - c1;
        if (search.NodeCount() != walk.nodes() || search.LeafCount() != walk.leaves()) {
            state.SkipWithError("the search and the bare walk went through different trees");
            return;
        }
    }
    state.counters["ratio"] = std::chrono::duration<double>(searchTime).count() /
                              std::chrono::duration<double>(walkTime).count();
    state.counters["cpu_ratio"] = static_cast<double>(searchCpu) / static_cast<double>(walkCpu);
}

} // namespace

BENCHMARK(BM_Search)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawWalk)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchOverRawWalk)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);
