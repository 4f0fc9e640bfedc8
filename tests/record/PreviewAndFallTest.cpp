// What a click is shown to do before it is made (the group and its points)
// and the tracks its stones follow afterwards, against what the game then does,
// on played-through games of every level and of rocks, wells and the transformer.

#include "GameFixture.h"

#include "engine/BoardText.h"
#include "record/FallPlan.h"
#include "situation/Presets.h"

#include <random>
#include <set>

using namespace tumbla;
using namespace tumbla::test;

namespace {

GameSettings Level(int level, std::int32_t number, int rocks = 0, int wells = 0,
                   bool transformer = false) {
    GameSettings s;
    ApplyPresetLevel(s, PresetLevels[static_cast<std::size_t>(level)]);
    s.BeginNumber = number;
    s.Skala = static_cast<std::uint8_t>(rocks);
    s.Studna = static_cast<std::uint8_t>(wells);
    s.Transformator = transformer ? 1 : 0;
    return s;
}

// The cells a click on a stone takes, found the plain way: its colour and the
// jokers, edge to edge.
std::set<int> GroupOf(const Board& b, const Rules& rules, int row, int col) {
    const StoneCode code = b.at(row, col);
    std::set<int> group{row * 100 + col};
    std::vector<int> open{row * 100 + col};
    while (!open.empty()) {
        const int at = open.back();
        open.pop_back();
        for (const auto& [dr, dc] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int r = at / 100 + dr;
            const int c = at % 100 + dc;
            if (r < 1 || r > rules.rows || c < 1 || c > rules.cols) continue;
            const StoneCode n = b.at(r, c);
            if (n != code && (rules.joker == 0 || n != rules.joker)) continue;
            if (group.insert(r * 100 + c).second) open.push_back(r * 100 + c);
        }
    }
    return group;
}

std::set<int> Marked(const MovePreview& p) {
    std::set<int> cells;
    for (int r = 1; r <= MaxRows; ++r)
        for (int c = 1; c <= MaxCols; ++c)
            if (p.contains(r, c)) cells.insert(r * 100 + c);
    return cells;
}

// Every cell's preview against the plain group; the transformer marks
// neighbours only.
void CheckEveryCell(const Game& game) {
    const Rules& rules = game.CurrentRules();
    const Board& b = game.Current().board;
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c) {
            const Move m{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)};
            const MovePreview p = game.PreviewClick(m);
            const StoneCode code = b.at(r, c);
            if (IsGroupStone(code)) {
                const std::set<int> group = GroupOf(b, rules, r, c);
                ASSERT_EQ(p.valid, group.size() >= 2 && game.CurrentPosition() < Game::HistorySize)
                    << r << "/" << c;
                if (p.valid) {
                    ASSERT_EQ(Marked(p), group) << r << "/" << c;
                }
            } else if (IsTransformer(code)) {
                ASSERT_EQ(p.valid, IsMoveValid(game.Current(), rules, game.Engine(), m));
                for (int cell : Marked(p))
                    ASSERT_TRUE(std::abs(cell / 100 - r) <= 1 && std::abs(cell % 100 - c) <= 1);
            } else {
                ASSERT_FALSE(p.valid) << r << "/" << c;
            }
            if (p.valid) {
                ASSERT_EQ(p.stones, static_cast<int>(Marked(p).size()));
            }
        }
}

struct Seen {
    int swallowed = 0;
    int broken = 0;
    int closedUp = 0;
};

// The tracks of the move that led to position P take every stone of P - 1
// exactly once and put the ones that stay where P has them.
void CheckTracks(const Game& game, Seen& seen) {
    const Rules& rules = game.CurrentRules();
    const MoveRecord& from = game.Position(game.CurrentPosition() - 1);
    const MoveRecord& to = game.Current();
    const std::optional<FallPlan> plan = PlanFall(from, rules, to.board);
    ASSERT_TRUE(plan.has_value());
    int stones = 0;
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c) stones += from.board.at(r, c) != StoneEmpty;
    ASSERT_EQ(plan->count, stones);
    Board shown;
    int taken = 0;
    int broken = 0;
    std::set<int> starts;
    for (int i = 0; i < plan->count; ++i) {
        const StoneTrack& t = plan->stones[static_cast<std::size_t>(i)];
        ASSERT_EQ(from.board.at(t.from / 100, t.from % 100), t.code);
        ASSERT_TRUE(starts.insert(t.from).second);
        // The fall keeps a stone in its column (or row).
        ASSERT_EQ(plan->direction <= GravityUp ? t.fallen % 100 : t.fallen / 100,
                  plan->direction <= GravityUp ? t.from % 100 : t.from / 100);
        taken += t.fate == StoneTrack::Taken;
        broken += t.fate == StoneTrack::Broken;
        seen.swallowed += t.fate == StoneTrack::Swallowed;
        if (t.fate == StoneTrack::Swallowed) {
            ASSERT_EQ(from.board.at(t.fallen / 100, t.fallen % 100), StoneWell);
        }
        if (t.fate == StoneTrack::Stays) shown.at(t.to / 100, t.to % 100) = t.endCode;
    }
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c) ASSERT_EQ(shown.at(r, c), to.board.at(r, c));
    const bool group =
        from.MoveRow != 0 && !IsTransformer(from.board.at(from.MoveRow, from.MoveCol));
    ASSERT_EQ(taken, group ? to.Removed : 0);
    ASSERT_EQ(broken, to.GlassBroken);
    seen.broken += broken;
    seen.closedUp += plan->closesUp;
}

} // namespace

TEST(PreviewAndFall, PreviewEqualsTheClickAndTheTracksEqualThePosition) {
    const GameSettings games[] = {
        Level(0, 11),
        Level(1, 12),
        Level(2, 13),
        Level(3, 14),
        Level(4, 15),
        Level(4, 16, 6),
        Level(4, 17, 0, 2),
        Level(2, 18, 0, 0, true),
        Level(4, 19, 4, 1, true),
    };
    std::mt19937 pick(7);
    int transformerMoves = 0;
    int gravityMoves = 0;
    int redos = 0;
    Seen seen;
    for (const GameSettings& settings : games) {
        GameFixture f;
        f.game.PutSettingsInForce(settings);
        f.game.NewSituation();
        while (!f.game.GameOver()) {
            SCOPED_TRACE(::testing::Message() << "level " << settings.Rows << "x" << settings.Cols
                                              << " position " << f.game.CurrentPosition());
            ASSERT_NO_FATAL_FAILURE(CheckEveryCell(f.game));
            std::vector<Move> moves;
            const Rules& rules = f.game.CurrentRules();
            for (int r = 0; r <= rules.rows; ++r)
                for (int c = r == 0 ? 0 : 1; c <= (r == 0 ? 3 : rules.cols); ++c) {
                    const Move m{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)};
                    if (f.game.PreviewClick(m).valid) moves.push_back(m);
                }
            ASSERT_FALSE(moves.empty());
            // Now and then a step back, and the recorded move clicked again.
            Move move = moves[pick() % moves.size()];
            if (f.game.CurrentPosition() > 1 && pick() % 6 == 0) {
                f.game.StepBack();
                const MoveRecord& back = f.game.Current();
                move = Move{back.MoveRow, back.MoveCol};
                ++redos;
            }
            const MovePreview preview = f.game.PreviewClick(move);
            ASSERT_TRUE(preview.valid);
            const StoneCode code =
                move.row == 0 ? 0 : f.game.Current().board.at(move.row, move.col);
            const int made = f.view.movesMade;
            ASSERT_NE(f.game.Click(move), MoveOutcome::Refused);
            ASSERT_EQ(f.view.movesMade, made + 1);
            const MoveRecord& now = f.game.Current();
            ASSERT_EQ(now.Points, preview.points);
            if (IsGroupStone(code)) {
                ASSERT_EQ(now.Removed, preview.stones);
            }
            transformerMoves += IsTransformer(code);
            gravityMoves += move.row == 0;
            ASSERT_NO_FATAL_FAILURE(CheckTracks(f.game, seen));
        }
        // Navigation is shown at once, never as a move.
        const int made = f.view.movesMade;
        f.game.GoToStart();
        f.game.GoToLast();
        EXPECT_EQ(f.view.movesMade, made);
    }
    // The games went through every kind of move.
    EXPECT_GT(transformerMoves, 0);
    EXPECT_GT(gravityMoves, 0);
    EXPECT_GT(redos, 0);
    EXPECT_GT(seen.swallowed, 0);
    EXPECT_GT(seen.broken, 0);
    EXPECT_GT(seen.closedUp, 0);
}

TEST(PreviewAndFall, AStoneSwallowedFallsIntoAWellAtTheFarEdge) {
    // Wells in the last row and in the last column, reached by a turn of
    // gravity: the played games above never put a stone over such a well.
    Rules rules;
    rules.rows = 5;
    rules.cols = 10;
    rules.count = 4;
    rules.barriers = rules.wells = true;
    const struct {
        int gravity;
        Move move;
        std::vector<std::string> rows;
        std::uint16_t well;
    } turns[] = {
        {GravityLeft, {0, GravityDown}, {"..1.......", "..2.......", "", "", "..W......."}, 503},
        {GravityDown, {0, GravityRight}, {"", "3...4....W"}, 210},
    };
    for (const auto& turn : turns) {
        MoveRecord from = tumbla::test::FromRows(turn.rows);
        from.Gravity = static_cast<std::uint8_t>(turn.gravity);
        from.MoveRow = turn.move.row;
        from.MoveCol = turn.move.col;
        MoveRecord to = from;
        EngineState state;
        PlayMove(to, rules, state, turn.move);
        const std::optional<FallPlan> plan = PlanFall(from, rules, to.board);
        ASSERT_TRUE(plan.has_value()) << turn.well;
        int swallowed = 0;
        for (int i = 0; i < plan->count; ++i) {
            const StoneTrack& t = plan->stones[static_cast<std::size_t>(i)];
            if (t.code == StoneWell) continue;
            EXPECT_EQ(t.fate, StoneTrack::Swallowed) << t.from;
            EXPECT_EQ(t.fallen, turn.well) << t.from;
            ++swallowed;
        }
        EXPECT_EQ(swallowed, 2) << turn.well;
    }
}
