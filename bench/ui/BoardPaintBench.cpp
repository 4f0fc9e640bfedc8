// Drawing the playing area on the offscreen platform: a full redraw of the
// largest field at several cell sizes, the first redraw after a resize (which
// draws the pictures of the new size), and one frame of a move in motion.
//   build/bench/tumbla-bench-ui

#include "engine/PlayMove.h"
#include "record/FallPlan.h"
#include "situation/Generator.h"
#include "ui/art/StonePictures.h"
#include "ui/board/BoardWidget.h"
#include "ui/board/FallAnimation.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace tumbla;

namespace {

GameSettings Largest() {
    GameSettings s;
    s.Rows = 15;
    s.Cols = 25;
    s.Count = 8;
    s.Joly = 1;
    s.Sklo = 2;
    s.JinyZolik = 24;
    s.JineSklo = 22;
    s.Directions = 15;
    s.Mrizka = 3;
    s.BeginNumber = 2024;
    return s;
}

// A widget of the largest field whose cells are `cell` pixels, and a canvas it draws into.
struct PaintedBoard {
    BoardWidget widget;
    QImage canvas;

    explicit PaintedBoard(int cell) {
        const GameSettings s = Largest();
        Random rng;
        widget.setSettings(s);
        widget.setBoard(GenerateBoard(s, rng).position.board);
        resize(cell);
    }
    void resize(int cell) {
        widget.resize(BoardWidget::PreferredSize(CellGeometry::Normal().grownTo(cell), 15, 25));
        canvas = QImage(widget.size(), QImage::Format_ARGB32_Premultiplied);
    }
    void redraw() { widget.render(&canvas); }
};

void BM_FullRedraw(benchmark::State& bench) {
    PaintedBoard board(static_cast<int>(bench.range(0)));
    board.redraw(); // the pictures of this size exist from here on
    for (auto _ : bench) board.redraw();
}
BENCHMARK(BM_FullRedraw)->Arg(22)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);

void BM_FirstRedrawAfterResize(benchmark::State& bench) {
    const int cell = static_cast<int>(bench.range(0));
    PaintedBoard board(cell - 1);
    for (auto _ : bench) {
        bench.PauseTiming();
        StonePictures::clearCache();
        board.resize(cell - 1);
        board.redraw();
        StonePictures::clearCache();
        board.resize(cell);
        bench.ResumeTiming();
        board.redraw();
    }
}
BENCHMARK(BM_FirstRedrawAfterResize)->Arg(22)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);

// The middle of the fall after a column is taken from the largest field.
void BM_FrameOfAFall(benchmark::State& bench) {
    PaintedBoard board(static_cast<int>(bench.range(0)));
    const GameSettings s = Largest();
    const Rules rules = RulesFromSettings(s);
    MoveRecord from;
    from.board = board.widget.board();
    CandidateList groups;
    ListCandidates(from, rules, EngineState{}, false, groups);
    const Move move = Move::FromCode(groups.items[0]);
    from.MoveRow = move.row;
    from.MoveCol = move.col;
    MoveRecord to = from;
    EngineState state;
    PlayMove(to, rules, state, move);
    const std::optional<FallPlan> plan = PlanFall(from, rules, to.board);
    if (!plan) {
        bench.SkipWithError("no plan");
        return;
    }
    board.widget.setBoard(to.board);
    board.widget.animate(*plan);
    board.widget.freezeAnimationAt(FallAnimation::FadeMs + FallAnimation::FallMs / 2);
    board.redraw();
    for (auto _ : bench) board.redraw();
}
BENCHMARK(BM_FrameOfAFall)->Arg(22)->Arg(64)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
