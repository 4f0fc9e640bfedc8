// The search against a brute force that finds and plays moves its own way,
// by the plain step-by-step rules: same end positions, same best score, same
// estimate. The pinned numbers are the brute force's, so that a change of the
// plain rules shows up too.

#include "SearchOracle.h"
#include "SearchTestSupport.h"

#include <gtest/gtest.h>

using namespace tumbla;
using namespace tumbla::test;

namespace {

struct Case {
    const char* name;
    GameSettings settings;
    std::vector<std::string> rows;
    std::uint64_t leaves; // pinned
    std::int32_t best;    // pinned
};

std::vector<Case> Cases() {
    std::vector<Case> cases;

    GameSettings plain = SmallSettings();
    cases.push_back({"plain",
                     plain,
                     {"..........", "43121244..", "1231442131", "2213314223", "3124231342"},
                     4251,
                     22});

    GameSettings joker = SmallSettings(5);
    joker.Joly = 3;
    joker.Sklo = 4;
    joker.Zvuk = 1;
    joker.Rating = 5;
    cases.push_back({"joker and glass",
                     joker,
                     {"..........", "..........", "5134.52...", "4332.14...", "1254321..."},
                     55,
                     41});

    GameSettings turning = SmallSettings();
    turning.Directions = 15;
    turning.Transformator = 1;
    turning.Skala = 1;
    turning.Doraz = 0;
    turning.Rating = 2;
    cases.push_back({"gravity, transformer and rock",
                     turning,
                     {"..........", "...12.....", "..2T3.....", ".14R21....", "3412143..."},
                     1087,
                     20});

    GameSettings wells = SmallSettings();
    wells.Directions = 15;
    wells.Studna = 1;
    wells.Doraz = 2;
    cases.push_back({"wells",
                     wells,
                     {"..........", "..3.......", "..14.21...", ".3W2134...", ".21431W..."},
                     3973,
                     14});
    return cases;
}

} // namespace

TEST(SearchOracle, EveryCaseMatchesTheBruteForceAndItsPinnedNumbers) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const Rules rules = RulesFromSettings(c.settings);
        const MoveRecord start = FromRows(c.rows);
        const OracleResult expected = SearchOracle(rules).Run(start);

        SearchMemory memory;
        Search search(rules, memory);
        search.StartSearch(start);
        EXPECT_TRUE(search.Complete());
        EXPECT_TRUE(search.Finished());
        EXPECT_EQ(search.LeafCount(), expected.leaves);
        EXPECT_EQ(search.HighestScore(), expected.best);
        EXPECT_EQ(search.MaxEstimate(), expected.maxEstimate);

        EXPECT_EQ(expected.leaves, c.leaves);
        EXPECT_EQ(expected.best, c.best);
    }
}
