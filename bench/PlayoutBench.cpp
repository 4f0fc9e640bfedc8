// Random playouts through the shared move function: the engine's raw speed.
#include "BenchSettings.h"
#include "engine/EndTest.h"
#include "engine/Groups.h"
#include "engine/PlayMove.h"
#include "situation/Generator.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace tumbla;

namespace {

// Plays random games from fresh situations, counting the moves made.
template <typename ListMoves>
void Playouts(benchmark::State& bench, const GameSettings& base, ListMoves listMoves) {
    const Rules rules = RulesFromSettings(base);
    std::mt19937 pick(12345);
    Random rng;
    GameSettings settings = base;
    std::int32_t number = 1;
    std::int64_t moves = 0;
    CandidateList list;
    for (auto _ : bench) {
        settings.BeginNumber = number++;
        MoveRecord rec = GenerateBoard(settings, rng).position;
        EngineState state;
        bool afterGravityChange = false;
        for (;;) {
            listMoves(rec, rules, state, afterGravityChange, list);
            if (list.count == 0) break;
            const auto i = static_cast<std::size_t>(pick() % static_cast<unsigned>(list.count));
            const Move move = Move::FromCode(list.items[i]);
            PlayMove(rec, rules, state, move);
            afterGravityChange = move.isGravityChange();
            ++moves;
        }
        benchmark::DoNotOptimize(rec.TotalScore);
    }
    bench.counters["moves"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}

void BM_PlayoutClassic(benchmark::State& bench) {
    Playouts(bench, ClassicSettings(),
             [](const MoveRecord& rec, const Rules& rules, const EngineState&, bool,
                CandidateList& list) {
                 list.clear();
                 ListGroups(rec, rules, list);
             });
}

void BM_PlayoutFull(benchmark::State& bench) {
    Playouts(bench, FullSettings(),
             [](const MoveRecord& rec, const Rules& rules, const EngineState& state,
                bool afterGravityChange, CandidateList& list) {
                 ListCandidates(rec, rules, state, afterGravityChange, list);
             });
}

} // namespace

BENCHMARK(BM_PlayoutClassic);
BENCHMARK(BM_PlayoutFull);
