// The demonstration's choices: its settings, the pick and the pointer's path.

#include "record/DemoChoice.h"
#include "situation/SettingsCheck.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace tumbla;

TEST(DemoChoice, SettingsAreTheDemoGameOverThePlayersLook) {
    GameSettings player;
    player.ImageSet = 3;
    player.Mrizka = 1;
    player.Zvuk = 1;
    player.Back = 0x123456;
    player.Skala = 5;
    player.Studna = 2;
    player.Transformator = 1;
    player.BeginNumber = 4711;
    player.Doraz = 0;
    const GameSettings s = DemoSettings(player);
    EXPECT_EQ(s.Count, 6);
    EXPECT_EQ(s.Directions, 15);
    EXPECT_EQ(s.Joly, 1);
    EXPECT_EQ(s.Sklo, 2);
    EXPECT_EQ(s.JinyZolik, 24);
    EXPECT_EQ(s.JineSklo, 22);
    EXPECT_EQ(s.Rating, 6);
    EXPECT_EQ(s.Rows, 7);
    EXPECT_EQ(s.Cols, 12);
    EXPECT_EQ(s.Doraz, 1);
    EXPECT_EQ(s.BeginNumber, 0);
    EXPECT_EQ(s.Skala, 0);
    EXPECT_EQ(s.Studna, 0);
    EXPECT_EQ(s.Transformator, 0);
    EXPECT_EQ(s.ImageSet, 3);
    EXPECT_EQ(s.Mrizka, 1);
    EXPECT_EQ(s.Zvuk, 1);
    EXPECT_EQ(s.Back, 0x123456);
    EXPECT_TRUE(SettingsAllowed(s));
}

TEST(DemoChoice, AGravityPickIsNeverFollowedByAnother) {
    const auto anything = [](Move) { return true; };
    int gravityPicks = 0;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        Random rng(seed);
        bool previous = false;
        for (int tick = 0; tick < 20; ++tick) {
            const auto pick = ChooseDemoMove(rng, previous, 7, 12, anything);
            ASSERT_TRUE(pick);
            if (previous) {
                EXPECT_FALSE(pick->gravity);
            }
            EXPECT_EQ(pick->gravity, pick->move.isGravityChange());
            gravityPicks += pick->gravity;
            previous = pick->gravity;
        }
    }
    EXPECT_GT(gravityPicks, 0); // the draw below 4 does pick gravity changes
}

TEST(DemoChoice, TheFirstDrawDecidesTheDirectionTheSecondTheCell) {
    // Worked by hand from the draw rule on the demonstration's 7 x 12 field:
    // d = Next(10); below 4 a gravity change to d, else k = Next(84) and the
    // cell (k div 12 + 1, k mod 12 + 1). After a gravity change d is drawn
    // all the same and only the cell counts.
    const struct {
        std::uint32_t seed;
        bool afterGravity;
        Move pick;
    } picks[] = {
        {0, false, {0, GravityDown}},
        {6, false, {0, GravityUp}},
        {7, false, {0, GravityLeft}},
        {10, false, {0, GravityRight}},
        {0, true, {1, 3}},
        {4711, false, {5, 3}},
        {2147483648u, false, {4, 9}},
        {3000000000u, false, {1, 12}},
        {4294967295u, false, {2, 5}},
    };
    for (const auto& p : picks) {
        Random rng(p.seed);
        const auto pick = ChooseDemoMove(rng, p.afterGravity, 7, 12, [](Move) { return true; });
        ASSERT_TRUE(pick) << p.seed;
        EXPECT_EQ(pick->move, p.pick) << p.seed;
        EXPECT_EQ(pick->gravity, p.pick.isGravityChange()) << p.seed;
    }
}

TEST(DemoChoice, TheSearchWrapsAndTriesEveryCellOnce) {
    const int rows = 3, cols = 4;
    for (std::uint32_t seed = 0; seed < 30; ++seed) {
        Random rng(seed);
        std::vector<int> tried;
        // Only cell (1, 1) can be clicked: the walk must wrap to it from any start.
        const auto pick = ChooseDemoMove(rng, true, rows, cols, [&](Move m) {
            tried.push_back(m.code());
            return m.row == 1 && m.col == 1;
        });
        ASSERT_TRUE(pick);
        EXPECT_EQ(pick->move, (Move{1, 1}));
        EXPECT_FALSE(pick->gravity);
        EXPECT_LE(tried.size(), static_cast<std::size_t>(rows * cols));
    }
    Random rng(9);
    std::vector<int> tried;
    const auto none = ChooseDemoMove(rng, true, rows, cols, [&](Move m) {
        tried.push_back(m.code());
        return false;
    });
    EXPECT_FALSE(none);
    EXPECT_EQ(tried.size(), static_cast<std::size_t>(rows * cols));
    EXPECT_EQ(std::set<int>(tried.begin(), tried.end()).size(), tried.size());
    for (int code : tried) {
        EXPECT_GE(code / 100, 1);
        EXPECT_LE(code / 100, rows);
        EXPECT_GE(code % 100, 1);
        EXPECT_LE(code % 100, cols);
    }
}

TEST(DemoChoice, ARefusedGravityChangeFallsBackToACell) {
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        Random rng(seed);
        const auto pick =
            ChooseDemoMove(rng, false, 7, 12, [](Move m) { return !m.isGravityChange(); });
        ASSERT_TRUE(pick);
        EXPECT_FALSE(pick->gravity);
    }
}

TEST(DemoChoice, ThePointerStepsTruncateTowardZero) {
    EXPECT_EQ(DemoPointerStep(10, 510, 0), 10);
    EXPECT_EQ(DemoPointerStep(10, 510, 1), 11);
    EXPECT_EQ(DemoPointerStep(10, 510, 500), 510);
    EXPECT_EQ(DemoPointerStep(100, 0, 1), 100); // -100/500 truncates to 0
    EXPECT_EQ(DemoPointerStep(100, 0, 3), 100); // -300/500 as well
    EXPECT_EQ(DemoPointerStep(100, 0, 5), 99);
    EXPECT_EQ(DemoPointerStep(100, 0, 500), 0);
}
