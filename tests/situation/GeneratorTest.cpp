#include "situation/Generator.h"

#include "situation/Presets.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace tumbla;

namespace {

std::string RowText(const MoveRecord& rec, int row, int cols) {
    std::string out;
    for (int c = 1; c <= cols; ++c) {
        if (c > 1) out += ' ';
        out += std::to_string(rec.board.at(row, c));
    }
    return out;
}

GameSettings Level(int index, std::int32_t number) {
    GameSettings s;
    ApplyPresetLevel(s, PresetLevels[static_cast<std::size_t>(index)]);
    s.BeginNumber = number;
    return s;
}

} // namespace

TEST(Random, DrawsArePinned) {
    // seed := seed x 134775813 + 1; the draw is the high word of seed x n.
    Random rng(1);
    EXPECT_EQ(rng.Next(4), 0u); // seed 134775814
    EXPECT_EQ(rng.seed(), 134775814u);
    // The seed wraps round 2^32: 4294967295 x 134775813 + 1 leaves 4160191484,
    // and its high word times 2147483647 is 2080095741.
    Random big(0xFFFFFFFFu);
    EXPECT_EQ(big.Next(2147483647u), 2080095741u);
    EXPECT_EQ(big.seed(), 4160191484u);
    Random wide(12345);
    for (int i = 0; i < 1000; ++i) EXPECT_LT(wide.Next(7), 7u);
}

TEST(Generator, SituationOneOfTheChildrensLevel) {
    // Worked by hand from the draw rule: fifty draws of Next(4) from seed 1,
    // each plus one, row by row.
    Random rng;
    const GeneratedSituation g = GenerateBoard(Level(0, 1), rng);
    EXPECT_EQ(RowText(g.position, 1, 10), "1 4 1 2 3 2 1 2 2 1");
    EXPECT_EQ(RowText(g.position, 2, 10), "2 1 4 1 2 4 2 4 2 3");
    EXPECT_EQ(g.position.Gravity, GravityDown);
    EXPECT_EQ(g.position.TotalScore, 0);
    // Cells outside the field in force stay empty.
    EXPECT_EQ(g.position.board.at(6, 1), 0);
    EXPECT_EQ(g.position.board.at(1, 11), 0);
}

TEST(Generator, TheSameNumberAndGameFieldsGiveTheSameBoard) {
    GameSettings s = Level(4, -987654);
    s.Skala = 7;
    s.Doraz = 0;
    s.Studna = 2;
    s.Transformator = 1;
    Random a;
    Random b;
    const GeneratedSituation first = GenerateBoard(s, a);
    GameSettings display = s;
    display.ImageSet = 9;
    display.Mrizka = 2;
    display.Back = 0x112233;
    const GeneratedSituation second = GenerateBoard(display, b);
    EXPECT_EQ(first.position, second.position);
    EXPECT_EQ(first.transformerRow, second.transformerRow);
    EXPECT_EQ(a.seed(), b.seed());

    GameSettings other = s;
    other.BeginNumber = -987653;
    Random c;
    EXPECT_NE(GenerateBoard(other, c).position.board, first.position.board);
}

TEST(Generator, SpecialStonesNeverShareACell) {
    // The largest field with the most rocks, and the smallest, where a well
    // drawn onto the transformer's cell is likely.
    for (const auto& [level, rockCount] : {std::pair{4, 20}, std::pair{0, 5}}) {
        GameSettings s = Level(level, 77);
        s.Skala = static_cast<std::uint8_t>(rockCount);
        s.Transformator = 1;
        s.Doraz = 0;
        for (std::int32_t number = 1; number <= 50; ++number) {
            for (int wells : {0, 3}) {
                s.BeginNumber = number;
                s.Studna = static_cast<std::uint8_t>(wells);
                Random rng;
                const GeneratedSituation g = GenerateBoard(s, rng);
                int rocks = 0, wellCount = 0, transformers = 0;
                for (StoneCode code : g.position.board.cells) {
                    rocks += code == StoneRock;
                    wellCount += code == StoneWell;
                    transformers += IsTransformer(code);
                }
                EXPECT_EQ(rocks, rockCount);
                EXPECT_EQ(wellCount, wells);
                ASSERT_NE(g.transformerRow, 0);
                const StoneCode there = g.position.board.at(g.transformerRow, g.transformerCol);
                if (wells == 0) {
                    EXPECT_EQ(transformers, 1);
                    EXPECT_TRUE(IsTransformer(there));
                } else {
                    // A well below it may swallow it, but no well takes its cell.
                    EXPECT_LE(transformers, 1);
                    EXPECT_NE(there, StoneWell) << number;
                }
            }
        }
    }
}

TEST(Generator, TheTransformerTakesItsCellAndKindFromTheNextDraws) {
    // Worked by hand from the draw rule on 5 x 10 with four colours: after the
    // fifty colours, row Next(5) + 1, column Next(10) + 1, kind 100 + Next(50) mod 2.
    const struct {
        std::int32_t number;
        int row, col;
        StoneCode kind;
    } cases[] = {{5, 5, 6, TransformerMinus}, {8, 4, 1, TransformerPlus}};
    for (const auto& t : cases) {
        GameSettings s = Level(0, t.number);
        s.Transformator = 1;
        Random rng;
        const GeneratedSituation g = GenerateBoard(s, rng);
        EXPECT_EQ(g.transformerRow, t.row) << t.number;
        EXPECT_EQ(g.transformerCol, t.col) << t.number;
        EXPECT_EQ(g.position.board.at(t.row, t.col), t.kind) << t.number;
    }
}

TEST(Generator, WellsSwallowWhatLiesAboveThemBeforeTheFirstMove) {
    GameSettings s = Level(2, 5);
    s.Studna = 3;
    s.Doraz = 0;
    Random rng;
    const GeneratedSituation g = GenerateBoard(s, rng);
    for (int c = 1; c <= s.Cols; ++c)
        for (int r = 1; r <= s.Rows; ++r) {
            if (g.position.board.at(r, c) != StoneWell) continue;
            for (int above = r - 1; above >= 1 && g.position.board.at(above, c) < StoneRock;
                 --above)
                EXPECT_EQ(g.position.board.at(above, c), 0) << r << "/" << c;
        }
    EXPECT_EQ(g.position.GlassBroken, 0);
}

TEST(Generator, ARandomNumberIsDrawnOnlyWhenNoneIsGiven) {
    GameSettings s = Level(1, 0);
    Random rng;
    const std::int32_t drawn = ResolveSituationNumber(s, rng);
    EXPECT_EQ(s.BeginNumber, drawn);
    EXPECT_GE(drawn, 0);
    EXPECT_LT(drawn, 2147483647);
    GameSettings fixed = Level(1, -5);
    EXPECT_EQ(ResolveSituationNumber(fixed, rng), -5);
}

TEST(Generator, ADamagedColourMapOrCountStillGivesKnownStones) {
    GameSettings s = Level(0, 3);
    s.ColourMap = {250, 1, 2, 3, 200, 5, 6, 7};
    s.Count = 200;
    s.Rows = 99;
    s.Skala = 255;
    Random rng;
    const GeneratedSituation g = GenerateBoard(s, rng);
    std::set<int> codes;
    for (StoneCode code : g.position.board.cells) codes.insert(code);
    for (int code : codes) EXPECT_TRUE(IsKnownStoneCode(static_cast<StoneCode>(code))) << code;
}
