// The moves the search tries at a position: the hint's order, the lock of
// the path being searched, and only moves a player could make.

#include "SearchOracle.h"
#include "SearchTestSupport.h"

#include "engine/PlayMove.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tumbla;
using namespace tumbla::test;

namespace {

std::vector<int> Candidates(const MoveRecord& rec, const GameSettings& settings,
                            const EngineState& state = {}, int depth = 1) {
    CandidateList list;
    ListSearchCandidates(rec, RulesFromSettings(settings), state, depth, list);
    return {list.items.begin(), list.items.begin() + list.count};
}

// No group; gravity up and gravity left each bring two 1s together, and the
// transformer turns the 1 beside it into a second 2.
MoveRecord TurnAndTransform() {
    return FromRows({"..........", "..........", "..........", "3.1.......", "T12......."});
}

GameSettings Turning() {
    GameSettings s = SmallSettings();
    s.Directions = 15;
    s.Transformator = 1;
    return s;
}

} // namespace

TEST(SearchCandidates, TheHintOrderGroupsThenJokerGroupsThenGravityThenTransformer) {
    // One group of two, no gravity changes: a list of one.
    EXPECT_EQ(
        Candidates(FromRows({"..........", "..........", "..........", "..........", "1.22......"}),
                   KeepLines()),
        std::vector<int>{503});

    // A joker between two colours belongs to a group of each.
    GameSettings joker = KeepLines();
    joker.Joly = 3;
    EXPECT_EQ(
        Candidates(FromRows({"..........", "..........", "..........", "..........", "132......."}),
                   joker),
        (std::vector<int>{501, 503}));
    // Two touching jokers are a further group, found after the colour groups.
    EXPECT_EQ(
        Candidates(FromRows({"..........", "..........", "..........", "..........", "1332......"}),
                   joker),
        (std::vector<int>{501, 504, 502}));

    // Helpful gravity changes after the groups, never the one in force.
    GameSettings turning = KeepLines();
    turning.Directions = 15;
    EXPECT_EQ(
        Candidates(FromRows({"..........", "..........", "..........", "..........", "1.1.22...."}),
                   turning),
        (std::vector<int>{505, 1, 2, 3}));

    // The transformer after the gravity changes, when it helps.
    EXPECT_EQ(Candidates(TurnAndTransform(), Turning()), (std::vector<int>{1, 2, 501}));
    // Raising the 1 to 2 and the 3 to 4 helps nothing without the second 2.
    EXPECT_EQ(
        Candidates(FromRows({"..........", "..........", "..........", "3.........", "T1........"}),
                   Turning()),
        std::vector<int>{});
}

TEST(SearchCandidates, AfterAGravityChangeIsJudgedByTheMoveThatMadeThePosition) {
    // Position 1 holds the move recorded from it; a gravity change recorded
    // there does not make position 1 one reached by a gravity change.
    MoveRecord first = TurnAndTransform();
    first.MoveRow = 0;
    first.MoveCol = 2;
    EXPECT_EQ(Candidates(first, Turning(), EngineState{}, 1), (std::vector<int>{1, 2, 501}));
    // Deeper, a MoveRow of 0 is the gravity change that produced the position.
    EXPECT_EQ(Candidates(first, Turning(), EngineState{}, 2), (std::vector<int>{501}));
}

TEST(SearchCandidates, TheLockFollowsThePathBeingSearched) {
    const Rules rules = RulesFromSettings(Turning());
    const SearchOracle oracle(rules);
    const MoveRecord start =
        FromRows({"..........", "..........", "..........", "3.1.......", "T12.33...."});
    auto players = [&](const MoveRecord& rec, bool lock, bool afterTurn) {
        std::vector<int> codes;
        for (const Move m : oracle.Moves(rec, lock, afterTurn)) codes.push_back(m.code());
        std::sort(codes.begin(), codes.end());
        return codes;
    };
    auto sorted = [](std::vector<int> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    auto onlyGroups = [](const std::vector<int>& v) {
        return std::all_of(v.begin(), v.end(), [](int c) { return c >= 100 && c != 501; });
    };
    // Position 1: the lock is clear.
    const std::vector<int> atStart = Candidates(start, Turning());
    EXPECT_EQ(sorted(atStart), players(start, false, false));
    EXPECT_FALSE(onlyGroups(atStart));

    // A gravity change locks: only the groups.
    MoveRecord turned = start;
    EngineState afterTurn;
    PlayMove(turned, rules, afterTurn, Move{0, GravityLeft});
    const std::vector<int> locked = Candidates(turned, Turning(), afterTurn, 2);
    EXPECT_EQ(sorted(locked), players(turned, true, true));
    EXPECT_TRUE(onlyGroups(locked));
    EXPECT_FALSE(locked.empty());

    // A transformer use locks too: no second use, no gravity change.
    MoveRecord transformed = start;
    EngineState afterTransformer;
    PlayMove(transformed, rules, afterTransformer, Move{5, 1});
    const std::vector<int> afterUse = Candidates(transformed, Turning(), afterTransformer, 2);
    EXPECT_EQ(sorted(afterUse), players(transformed, true, false));
    EXPECT_TRUE(onlyGroups(afterUse));
    EXPECT_FALSE(afterUse.empty());

    // A group removal opens it again.
    MoveRecord removed = transformed;
    EngineState afterRemoval = afterTransformer;
    PlayMove(removed, rules, afterRemoval, Move::FromCode(afterUse.front()));
    const std::vector<int> reopened = Candidates(removed, Turning(), afterRemoval, 3);
    EXPECT_EQ(sorted(reopened), players(removed, false, false));
    EXPECT_FALSE(onlyGroups(reopened));
}

TEST(SearchCandidates, ATransformerThePlayerCannotClickIsNoCandidate) {
    // Nothing beside the transformer to recolour; it "helps" only because a
    // group exists elsewhere, but the player cannot click it.
    GameSettings s = KeepLines();
    s.Transformator = 1;
    const MoveRecord rec =
        FromRows({"..........", "..........", "..........", "..........", "11...T...."});
    EXPECT_EQ(Candidates(rec, s), std::vector<int>{501});
}

TEST(SearchCandidates, TheSearchTriesExactlyThePlayersMovesUnderTheLock) {
    // On this board a search that kept the lock of position 1 at every depth
    // would use the transformer again and again; the counts tell, also within
    // a few moves, where such a search would not run away.
    const Rules rules = RulesFromSettings(Turning());
    const MoveRecord start =
        FromRows({"..........", "..........", "..3.......", "2.14......", "T1241....."});
    for (const int limit : {6, SearchDepthLimit}) {
        SCOPED_TRACE(limit);
        const OracleResult expected = SearchOracle(rules, limit).Run(start);
        SearchMemory memory;
        Search search(rules, memory);
        search.SetDepthLimit(limit);
        search.StartSearch(start);
        EXPECT_EQ(search.LeafCount(), expected.leaves);
        EXPECT_EQ(search.HighestScore(), expected.best);
        EXPECT_TRUE(search.Complete());
        if (HasFailure()) return;
    }
}

TEST(SearchCandidates, TheDeepestLevelIsAnEndPosition) {
    const Rules rules = RulesFromSettings(SmallSettings());
    const MoveRecord start =
        FromRows({"..........", "43121244..", "1231442131", "2213314223", "3124231342"});
    for (const int limit : {1, 2, 4}) {
        SCOPED_TRACE(limit);
        const OracleResult expected = SearchOracle(rules, limit).Run(start);
        SearchMemory memory;
        Search search(rules, memory);
        search.SetDepthLimit(limit);
        search.StartSearch(start);
        EXPECT_EQ(search.LeafCount(), expected.leaves);
        EXPECT_EQ(search.HighestScore(), expected.best);
        EXPECT_LE(search.HighestPath().size(), static_cast<std::size_t>(limit - 1));
    }
    // Beyond the tables' 300 depths nothing is searched deeper.
    SearchMemory memory;
    Search search(rules, memory);
    search.SetDepthLimit(100000);
    search.StartSearch(start);
    EXPECT_EQ(search.LeafCount(), SearchOracle(rules).Run(start).leaves);
}
