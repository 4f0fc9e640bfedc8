// The preview of a click: what one cell entered by the pointer costs, on the
// largest field with jokers, glass, rocks, wells and the transformer.
#include "BenchSettings.h"
#include "engine/MovePreview.h"
#include "situation/Generator.h"

#include <benchmark/benchmark.h>

using namespace tumbla;

namespace {

void BM_PreviewOfACell(benchmark::State& bench) {
    GameSettings s = FullSettings();
    s.BeginNumber = 2024;
    Random rng;
    const MoveRecord rec = GenerateBoard(s, rng).position;
    const Rules rules = RulesFromSettings(s);
    const EngineState state;
    int cell = 0;
    std::int64_t valid = 0;
    for (auto _ : bench) {
        // Every cell in turn, clickable or not, as the pointer would enter them.
        const Move move{static_cast<std::uint8_t>(cell / 25 + 1),
                        static_cast<std::uint8_t>(cell % 25 + 1)};
        cell = (cell + 1) % CellCount;
        const MovePreview preview = PreviewMove(rec, rules, state, move);
        valid += preview.valid;
        benchmark::DoNotOptimize(preview);
    }
    bench.counters["clickable"] =
        benchmark::Counter(static_cast<double>(valid) / static_cast<double>(bench.iterations()));
}
BENCHMARK(BM_PreviewOfACell);

} // namespace
