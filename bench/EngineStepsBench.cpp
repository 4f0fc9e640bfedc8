// Each hot step of a move on its own, on positions met in random games, so
// that a change to one step shows where the playouts' time goes. Every row
// copies its position first (392 bytes), as a playout does.
#include "BenchSettings.h"
#include "engine/EndTest.h"
#include "engine/Gravity.h"
#include "engine/Groups.h"
#include "engine/PlayMove.h"
#include "situation/Generator.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace tumbla;

namespace {

// A position of a game, a group that can be clicked there and the engine
// state it was reached with.
struct Sample {
    MoveRecord position;
    EngineState state;
    Move group;
};

struct Samples {
    Rules rules;
    std::vector<Sample> items;
    std::vector<Sample> stuck; // no group left: the end test's long way
};

// Every position of 40 random games, split by whether a group is left.
Samples Collect(const GameSettings& base) {
    Samples samples{RulesFromSettings(base), {}, {}};
    std::mt19937 pick(99);
    Random rng;
    GameSettings settings = base;
    CandidateList list;
    for (int game = 1; game <= 40; ++game) {
        settings.BeginNumber = game;
        MoveRecord rec = GenerateBoard(settings, rng).position;
        EngineState state;
        bool afterGravityChange = false;
        for (;;) {
            ListCandidates(rec, samples.rules, state, afterGravityChange, list);
            CandidateList groups;
            ListGroups(rec, samples.rules, groups);
            if (groups.count > 0)
                samples.items.push_back({rec, state, Move::FromCode(groups.items[0])});
            else
                samples.stuck.push_back({rec, state, Move{}});
            if (list.count == 0) break;
            const Move move =
                Move::FromCode(list.items[pick() % static_cast<unsigned>(list.count)]);
            PlayMove(rec, samples.rules, state, move);
            afterGravityChange = move.isGravityChange();
        }
    }
    return samples;
}

const Samples& ClassicSamples() {
    static const Samples s = Collect(ClassicSettings());
    return s;
}

const Samples& FullSamples() {
    static const Samples s = Collect(FullSettings());
    return s;
}

// Runs `step` on a copy of each sample in turn.
template <typename Step>
void Steps(benchmark::State& bench, const Samples& samples, Step step, bool stuck = false) {
    const std::vector<Sample>& items = stuck ? samples.stuck : samples.items;
    std::size_t i = 0;
    for (auto _ : bench) {
        const Sample& sample = items[i];
        i = i + 1 == items.size() ? 0 : i + 1;
        MoveRecord rec = sample.position;
        EngineState state = sample.state;
        benchmark::DoNotOptimize(step(rec, samples.rules, state, sample.group));
        benchmark::ClobberMemory();
    }
    bench.SetItemsProcessed(bench.iterations());
}

void BM_StepListGroupsClassic(benchmark::State& bench) {
    Steps(bench, ClassicSamples(), [](MoveRecord& rec, const Rules& rules, EngineState&, Move) {
        CandidateList list;
        ListGroups(rec, rules, list);
        return list.count;
    });
}

void BM_StepListGroupsJokers(benchmark::State& bench) {
    Steps(bench, FullSamples(), [](MoveRecord& rec, const Rules& rules, EngineState&, Move) {
        CandidateList list;
        ListGroups(rec, rules, list);
        return list.count;
    });
}

void BM_StepRemoveGroup(benchmark::State& bench) {
    Steps(bench, FullSamples(),
          [](MoveRecord& rec, const Rules& rules, EngineState& state, Move group) {
              return RemoveGroup(rec, rules, state, group.row, group.col);
          });
}

void BM_StepRemoveGroupClassic(benchmark::State& bench) {
    Steps(bench, ClassicSamples(),
          [](MoveRecord& rec, const Rules& rules, EngineState& state, Move group) {
              return RemoveGroup(rec, rules, state, group.row, group.col);
          });
}

// The fall after a removal, with wells, rocks and glass.
void BM_StepFallWellsRocks(benchmark::State& bench) {
    static const Samples removed = [] {
        Samples s = FullSamples();
        for (Sample& sample : s.items)
            RemoveGroup(sample.position, s.rules, sample.state, sample.group.row, sample.group.col);
        return s;
    }();
    Steps(bench, removed, [](MoveRecord& rec, const Rules& rules, EngineState&, Move) {
        return ApplyGravity(rec, rules, rec.Gravity, true);
    });
}

// The fall and closing up in one go after a removal, on classic boards: the
// board part of a classic move.
void BM_StepFallCloseUpClassic(benchmark::State& bench) {
    static const Samples removed = [] {
        Samples s = ClassicSamples();
        for (Sample& sample : s.items)
            RemoveGroup(sample.position, s.rules, sample.state, sample.group.row, sample.group.col);
        return s;
    }();
    Steps(bench, removed, [](MoveRecord& rec, const Rules& rules, EngineState&, Move) {
        FallAndCloseUp(rec, rules);
        return rec.board.cells[0];
    });
}

// Closing up on its own after a removal and the fall, on classic boards, as
// after a gravity change or the transformer.
void BM_StepCloseUp(benchmark::State& bench) {
    static const Samples fallen = [] {
        Samples s = ClassicSamples();
        for (Sample& sample : s.items) {
            RemoveGroup(sample.position, s.rules, sample.state, sample.group.row, sample.group.col);
            ApplyGravity(sample.position, s.rules, sample.position.Gravity, true);
        }
        return s;
    }();
    Steps(bench, fallen, [](MoveRecord& rec, const Rules& rules, EngineState&, Move) {
        return CloseUpLines(rec, rules);
    });
}

// The three gravity changes a position may be given.
void BM_StepGravityHelps(benchmark::State& bench) {
    Steps(bench, FullSamples(), [](MoveRecord& rec, const Rules& rules, EngineState&, Move) {
        int helps = 0;
        for (int d = GravityDown; d <= GravityRight; ++d)
            helps += GravityChangeHelps(rec, rules, d);
        return helps;
    });
}

bool EndTest(MoveRecord& rec, const Rules& rules, EngineState& state, Move) {
    return IsGameOver(rec, rules, state, nullptr);
}

// After most moves a group is left and the test stops at the first pair.
void BM_StepEndTest(benchmark::State& bench) {
    Steps(bench, FullSamples(), EndTest);
}

// Without a group the gravity changes and the transformer are tried.
void BM_StepEndTestNoGroup(benchmark::State& bench) {
    Steps(bench, FullSamples(), EndTest, true);
}

} // namespace

BENCHMARK(BM_StepListGroupsClassic);
BENCHMARK(BM_StepListGroupsJokers);
BENCHMARK(BM_StepRemoveGroup);
BENCHMARK(BM_StepRemoveGroupClassic);
BENCHMARK(BM_StepFallWellsRocks);
BENCHMARK(BM_StepFallCloseUpClassic);
BENCHMARK(BM_StepCloseUp);
BENCHMARK(BM_StepGravityHelps);
BENCHMARK(BM_StepEndTest);
BENCHMARK(BM_StepEndTestNoGroup);
