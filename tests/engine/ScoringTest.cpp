#include "engine/Scoring.h"

#include <gtest/gtest.h>

using namespace tumbla;

namespace {

struct Scored {
    std::int32_t points;
    std::int32_t total;
    bool sound;
};

// Scores a move that removed `removed` stones of colour `colour` and broke `glass`.
Scored Score(int rating, int removed, int glass, int colour = 1, int glassColour = 0,
             bool soundOn = false) {
    Rules rules{.count = 8,
                .glass = static_cast<std::uint8_t>(glassColour),
                .rating = static_cast<std::uint8_t>(rating),
                .sound = soundOn};
    EngineState state;
    state.ClickedColour = static_cast<std::uint8_t>(colour);
    state.ColourCounters[static_cast<std::size_t>(colour)] = static_cast<std::uint16_t>(removed);
    MoveRecord rec;
    rec.TotalScore = 1000;
    rec.Removed = static_cast<std::uint16_t>(removed);
    rec.GlassBroken = static_cast<std::uint16_t>(glass);
    const bool sound = ScoreMove(rec, rules, state);
    return {rec.Points, rec.TotalScore, sound};
}

} // namespace

TEST(Scoring, TheTableDoublesThenGrowsByATenth) {
    EXPECT_EQ(ScoreTable[1], 1);
    EXPECT_EQ(ScoreTable[2], 1);
    for (int i = 3; i <= 15; ++i) EXPECT_EQ(ScoreTable[i], 2 * ScoreTable[i - 1] + 1) << i;
    EXPECT_EQ(ScoreTable[15], 16383);
    EXPECT_EQ(ScoreTable[16], 18021);
    // Halfway products go to the even neighbour.
    EXPECT_EQ(ScoreTable[19], 23986);
    EXPECT_EQ(ScoreTable[21], 29024);
    EXPECT_EQ(ScoreTable[30], 68436);
    EXPECT_EQ(ScoreTable[47], 345912);
    EXPECT_EQ(ScoreTable[50], 460408);
    // Every later entry is the previous one times 1.1 within half a point.
    for (int i = 16; i <= 50; ++i)
        EXPECT_LE(std::abs(ScoreTable[i] * 10 - ScoreTable[i - 1] * 11), 5) << i;
}

TEST(Scoring, ScoreOfCarriesTheSignAndGoesOnLinearlyPastFifty) {
    EXPECT_EQ(ScoreOf(0), 0);
    EXPECT_EQ(ScoreOf(7), 63);
    EXPECT_EQ(ScoreOf(-7), -63);
    EXPECT_EQ(ScoreOf(51), 460508);
    EXPECT_EQ(ScoreOf(-60), -461408);
}

TEST(Scoring, PlainModes) {
    EXPECT_EQ(Score(0, 7, 0).points, 7);
    EXPECT_EQ(Score(1, 7, 0).points, 63);
    EXPECT_EQ(Score(2, 7, 0).points, 21);
    EXPECT_EQ(Score(1, 51, 0).points, 460508);
    EXPECT_EQ(Score(1, 16, 0).points, 18021);
    EXPECT_EQ(Score(0, 7, 0).total, 1007);
    // A removal of three whose fall breaks three glass stones gains nothing.
    EXPECT_EQ(Score(0, 3, 3, 1, 2).points, 0);
    EXPECT_EQ(Score(1, 3, 3, 1, 2).points, 0);
    EXPECT_EQ(Score(2, 3, 3, 1, 2).points, 0);
    // A gravity change that breaks glass loses points.
    EXPECT_EQ(Score(0, 0, 2, 0, 2).points, -2);
    EXPECT_EQ(Score(2, 0, 3, 0, 2).points, 0); // -3 x (-3 div 3 + 1)
    EXPECT_EQ(Score(2, 0, 2, 0, 2).points, -2);
}

TEST(Scoring, PremiumModesPriceTheStones) {
    EXPECT_EQ(Score(5, 4, 0, 2).points, 20);
    EXPECT_EQ(Score(5, 4, 2, 2, 6).points, 12);
    EXPECT_EQ(Score(6, 5, 1, 3, 8).points, 40);
    EXPECT_EQ(Score(7, 6, 0, 1).points, 18);
    EXPECT_EQ(Score(7, 6, 3, 1, 2).points, 18 - 3 * 5 * 2);

    // A group of four of every colour: its price times 4, times ScoreOf(4) = 7
    // and times 4 x (4 div 3 + 1) = 8.
    const struct {
        int colour, direct, favoured, block;
    } groupsOfFour[] = {{1, 4, 7, 8},   {2, 20, 35, 40}, {3, 12, 21, 24}, {4, 4, 7, 8},
                        {5, 8, 14, 16}, {6, 16, 28, 32}, {7, 8, 14, 16},  {8, 20, 35, 40}};
    for (const auto& g : groupsOfFour) {
        EXPECT_EQ(Score(5, 4, 0, g.colour).points, g.direct) << "colour " << g.colour;
        EXPECT_EQ(Score(6, 4, 0, g.colour).points, g.favoured) << "colour " << g.colour;
        EXPECT_EQ(Score(7, 4, 0, g.colour).points, g.block) << "colour " << g.colour;
    }
}

TEST(Scoring, UnknownModesScoreNothingAndHaveNoName) {
    EXPECT_EQ(Score(3, 7, 0).points, 0);
    EXPECT_EQ(Score(4, 7, 0).total, 1000);
    EXPECT_EQ(RatingName(4), "");
    EXPECT_EQ(RatingName(0), "přímé");
    EXPECT_EQ(RatingName(6), "zvýhodněné **");
    EXPECT_EQ(RatingName(2), "blokové");
}

TEST(Scoring, TheGlassSoundIsAskedForOnlyWithSoundOn) {
    EXPECT_TRUE(Score(0, 3, 1, 1, 2, true).sound);
    EXPECT_FALSE(Score(0, 3, 1, 1, 2, false).sound);
    EXPECT_FALSE(Score(0, 3, 0, 1, 2, true).sound);
}
