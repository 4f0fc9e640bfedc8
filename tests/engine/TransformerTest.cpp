#include "engine/Transformer.h"

#include "engine/BoardText.h"

#include <gtest/gtest.h>

using namespace tumbla;
using namespace tumbla::test;

TEST(Transformer, RaisesOrLowersColoursAndWraps) {
    const Rules five{.rows = 5, .cols = 10, .count = 5};
    MoveRecord plus =
        FromRows({"5R........", "2T........", "..........", "..........", ".........."});
    EXPECT_TRUE(ApplyTransformer(plus, five, 2, 2, 1));
    EXPECT_EQ(ToRows(plus, 2, 10), (std::vector<std::string>{"1R........", "3T........"}));

    const Rules six{.rows = 5, .cols = 10, .count = 6};
    MoveRecord minus = FromRows({"1.........", ".t........"});
    ApplyTransformer(minus, six, 2, 2, 2);
    EXPECT_EQ(minus.board.at(1, 1), 6);
}

TEST(Transformer, OnlyNeighboursInForceChange) {
    const Rules rules{.rows = 5, .cols = 10, .count = 4};
    MoveRecord rec = FromRows({"T1........", "11........"});
    rec.board.at(6, 1) = 1; // outside the rows in force
    ApplyTransformer(rec, rules, 1, 1, 1);
    EXPECT_EQ(ToRows(rec, 2, 10), (std::vector<std::string>{"T2........", "22........"}));
    EXPECT_EQ(rec.board.at(6, 1), 1);

    MoveRecord bare = FromRows({"RW........", ".T........", "W.R......."});
    EXPECT_FALSE(ApplyTransformer(bare, rules, 2, 2, 1));
}
