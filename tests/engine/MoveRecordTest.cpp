#include "engine/MoveRecord.h"

#include <gtest/gtest.h>

using namespace tumbla;

TEST(MoveRecord, PacksEveryFieldAtItsOffset) {
    MoveRecord r;
    r.board.at(1, 1) = 3;
    r.board.at(2, 1) = 4; // byte 25
    r.board.at(15, 25) = StoneWell;
    r.MoveRow = 7;
    r.MoveCol = 19;
    r.Gravity = GravityLeft;
    r.Reserved = {0x11, 0x22};
    r.TotalScore = -123456;
    r.Removed = 0x0102;
    r.GlassBroken = 0x0304;
    r.Points = 0x05060708;

    const PackedMoveRecord b = PackMoveRecord(r);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[25], 4);
    EXPECT_EQ(b[374], StoneWell);
    EXPECT_EQ(b[375], 7);
    EXPECT_EQ(b[376], 19);
    EXPECT_EQ(b[377], GravityLeft);
    EXPECT_EQ(b[378], 0x11);
    EXPECT_EQ(b[379], 0x22);
    const std::int32_t total = -123456;
    const auto u = static_cast<std::uint32_t>(total);
    EXPECT_EQ(b[380], u & 0xFF);
    EXPECT_EQ(b[383], u >> 24);
    EXPECT_EQ(b[384], 0x02);
    EXPECT_EQ(b[385], 0x01);
    EXPECT_EQ(b[386], 0x04);
    EXPECT_EQ(b[388], 0x08);
    EXPECT_EQ(b[391], 0x05);
    EXPECT_EQ(UnpackMoveRecord(b), r);
    static_assert(sizeof(PackedMoveRecord) == 392);
}

TEST(MoveRecord, MoveCodesDecodeLikeCellTags) {
    EXPECT_EQ(Move::FromCode(1207), (Move{12, 7}));
    EXPECT_EQ(Move::FromCode(3), (Move{0, 3}));
    EXPECT_TRUE(Move::FromCode(2).isGravityChange());
    EXPECT_EQ((Move{15, 25}).code(), 1525);
}
