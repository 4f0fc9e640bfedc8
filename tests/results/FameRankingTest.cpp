#include "results/FameRanking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tumbla {
namespace {

GameSettings Game() {
    GameSettings s;
    s.Count = 5;
    s.Rows = 10;
    s.Cols = 15;
    s.Sklo = 2;
    s.Rating = 1;
    s.Joly = 3;
    s.Skala = 4;
    s.Directions = DirDown | DirLeft;
    s.Doraz = 1;
    s.BeginNumber = 777;
    return s;
}

FameRecord Stored(std::int32_t points, const GameSettings& s = Game()) {
    return MakeFameRecord(s, "hráč", points, 40000.0);
}

std::vector<std::int32_t> Points(const std::vector<RankEntry>& ranking) {
    std::vector<std::int32_t> p;
    for (const RankEntry& e : ranking) p.push_back(e.points);
    return p;
}

TEST(FameRanking, NoFileGivesTheCurrentResultAlone) {
    const auto ranking = RankCurrentGame({}, Game(), {}, 50);
    ASSERT_EQ(ranking.size(), 1u);
    EXPECT_TRUE(ranking[0].isCurrent());
    EXPECT_TRUE(RankCurrentGame({}, Game(), {}, std::nullopt).empty());
}

TEST(FameRanking, EqualPointsPutTheCurrentResultFirstThenFileOrder) {
    const std::vector<FameRecord> records = {Stored(100), Stored(300), Stored(100), Stored(200)};
    const auto ranking = RankCurrentGame(records, Game(), {}, 100);
    EXPECT_EQ(Points(ranking), (std::vector<std::int32_t>{300, 200, 100, 100, 100}));
    EXPECT_EQ(ranking[0].number, 1u);
    EXPECT_TRUE(ranking[2].isCurrent());
    EXPECT_EQ(ranking[3].number, 0u);
    EXPECT_EQ(ranking[4].number, 2u);
}

TEST(FameRanking, TwentyBetterStoredResultsPushTheCurrentOneOut) {
    std::vector<FameRecord> records;
    for (int i = 0; i < 20; ++i) records.push_back(Stored(1000 + i));
    const auto ranking = RankCurrentGame(records, Game(), {}, 10);
    ASSERT_EQ(ranking.size(), RankingSize);
    EXPECT_TRUE(std::none_of(ranking.begin(), ranking.end(),
                             [](const RankEntry& e) { return e.isCurrent(); }));
    EXPECT_EQ(ranking.front().points, 1019);
    EXPECT_EQ(ranking.back().points, 1005);
}

TEST(FameRanking, AFullTableTakesNoResultEqualToItsLast) {
    std::vector<FameRecord> records(15, Stored(50));
    records.push_back(Stored(50)); // equal to entry 15: skipped
    records.push_back(Stored(60)); // better: in front, the last 50 falls off
    const auto ranking = RankCurrentGame(records, Game(), {}, std::nullopt);
    ASSERT_EQ(ranking.size(), 15u);
    EXPECT_EQ(ranking[0].number, 16u);
    EXPECT_EQ(ranking[1].number, 0u);
    EXPECT_EQ(ranking[14].number, 13u);
}

TEST(FameRanking, OnlyResultsOfTheSameGameCount) {
    auto with = [](auto change) {
        GameSettings s = Game();
        change(s);
        return Stored(500, s);
    };
    const std::vector<FameRecord> others = {
        with([](GameSettings& s) { s.Count = 6; }),  with([](GameSettings& s) { s.Rows = 11; }),
        with([](GameSettings& s) { s.Cols = 16; }),  with([](GameSettings& s) { s.Sklo = 0; }),
        with([](GameSettings& s) { s.Rating = 5; }), with([](GameSettings& s) { s.Joly = 0; }),
        with([](GameSettings& s) { s.Skala = 5; }),
    };
    for (const RankingSwitches sw : {RankingSwitches{}, RankingSwitches{false, false, false}})
        EXPECT_TRUE(RankCurrentGame(others, Game(), sw, std::nullopt).empty());

    // Wells, the transformer and the look of the game are not compared.
    const std::vector<FameRecord> same = {with([](GameSettings& s) {
        s.Studna = 2;
        s.Transformator = 1;
        s.ImageSet = 4;
    })};
    EXPECT_EQ(RankCurrentGame(same, Game(), {}, std::nullopt).size(), 1u);
}

TEST(FameRanking, TheThreeSwitchesWidenTheRanking) {
    GameSettings otherGravity = Game();
    otherGravity.Directions = DirDown;
    GameSettings joinRight = Game();
    joinRight.Doraz = 2; // join left and right are alike
    GameSettings noJoin = Game();
    noJoin.Doraz = 0;
    GameSettings otherSituation = Game();
    otherSituation.BeginNumber = 778;
    const std::vector<FameRecord> records = {Stored(1, otherGravity), Stored(2, joinRight),
                                             Stored(3, noJoin), Stored(4, otherSituation)};

    auto count = [&](RankingSwitches sw) {
        return RankCurrentGame(records, Game(), sw, std::nullopt).size();
    };
    EXPECT_EQ(count({true, true, true}), 1u);
    EXPECT_EQ(count({false, true, true}), 2u);
    EXPECT_EQ(count({true, false, true}), 2u);
    EXPECT_EQ(count({true, true, false}), 2u);
    EXPECT_EQ(count({false, false, false}), 4u);
}

// The placement rule amounts to a stable sort by points, the current result
// first among its equals, cut after fifteen.
TEST(FameRanking, AgreesWithAStableSortOnRandomFiles) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 300; ++round) {
        std::vector<FameRecord> records;
        const int n = static_cast<int>(rng() % 40);
        for (int i = 0; i < n; ++i) {
            GameSettings s = Game();
            if (rng() % 4 == 0) s.Count = 6;
            records.push_back(Stored(static_cast<std::int32_t>(rng() % 12) - 2, s));
        }
        std::optional<std::int32_t> current;
        if (rng() % 2) current = static_cast<std::int32_t>(rng() % 12) - 2;

        std::vector<RankEntry> expected;
        if (current) expected.push_back({*current, std::nullopt});
        for (std::size_t i = 0; i < records.size(); ++i)
            if (records[i].settings.Count == 5) expected.push_back({records[i].points, i});
        std::stable_sort(
            expected.begin(), expected.end(),
            [](const RankEntry& a, const RankEntry& b) { return a.points > b.points; });
        if (expected.size() > RankingSize) expected.resize(RankingSize);

        ASSERT_EQ(RankCurrentGame(records, Game(), {}, current), expected) << "round " << round;
    }
}

TEST(FameRanking, RowsShowRankNameAndPoints) {
    const RankingRow stored = MakeRankingRow(3, {1234, 0}, Stored(1234), "já");
    EXPECT_EQ(stored.rank, " 3");
    EXPECT_EQ(stored.name, "hráč");
    EXPECT_EQ(stored.points, "      1234");
    EXPECT_EQ(stored.entered, 40000.0);

    const RankingRow current = MakeRankingRow(12, {-5, std::nullopt}, std::nullopt, "");
    EXPECT_EQ(current.rank, "12");
    EXPECT_EQ(current.name, "");
    EXPECT_EQ(current.points, "        -5");
    EXPECT_FALSE(current.entered);
}

} // namespace
} // namespace tumbla
