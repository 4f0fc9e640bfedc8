#include "engine/GameSettings.h"

#include <gtest/gtest.h>

#include <random>

using namespace tumbla;

TEST(GameSettings, PacksEveryFieldAtItsOffset) {
    GameSettings s;
    s.Count = 7;
    s.Pad1 = {0xA1, 0xA2, 0xA3};
    s.ColourMap = {1, 2, 3, 4, 5, 6, 7, 0x01020308};
    s.Directions = 15;
    s.Joly = 2;
    s.Rating = 6;
    s.Zvuk = 1;
    s.Rows = 12;
    s.Cols = 21;
    s.Sklo = 3;
    s.Doraz = 2;
    s.BeginNumber = -2;
    s.ImageSet = 14;
    s.Pad2 = {0xB1, 0xB2, 0xB3};
    s.Back = 0x00336699;
    s.Head = 0x00FFFFFF;
    s.JinyZolik = 24;
    s.JineSklo = 22;
    s.Mrizka = 3;
    s.Skala = 20;
    s.Studna = 3;
    s.Transformator = 1;
    s.Reserved = {0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 222};

    const PackedSettings b = PackSettings(s);
    EXPECT_EQ(b[0], 7);
    EXPECT_EQ(b[1], 0xA1);
    EXPECT_EQ(b[3], 0xA3);
    EXPECT_EQ(b[4], 1);
    EXPECT_EQ(b[5], 0);
    EXPECT_EQ(b[32], 0x08); // ColourMap[7], little-endian
    EXPECT_EQ(b[33], 0x03);
    EXPECT_EQ(b[35], 0x01);
    EXPECT_EQ(b[36], 15);
    EXPECT_EQ(b[37], 2);
    EXPECT_EQ(b[38], 6);
    EXPECT_EQ(b[39], 1);
    EXPECT_EQ(b[40], 12);
    EXPECT_EQ(b[41], 21);
    EXPECT_EQ(b[42], 3);
    EXPECT_EQ(b[43], 2);
    EXPECT_EQ(b[44], 0xFE);
    EXPECT_EQ(b[47], 0xFF);
    EXPECT_EQ(b[48], 14);
    EXPECT_EQ(b[49], 0xB1);
    EXPECT_EQ(b[52], 0x99);
    EXPECT_EQ(b[53], 0x66);
    EXPECT_EQ(b[54], 0x33);
    EXPECT_EQ(b[55], 0x00);
    EXPECT_EQ(b[56], 0xFF);
    EXPECT_EQ(b[59], 0x00);
    EXPECT_EQ(b[60], 24);
    EXPECT_EQ(b[61], 22);
    EXPECT_EQ(b[62], 3);
    EXPECT_EQ(b[63], 20);
    EXPECT_EQ(b[64], 3);
    EXPECT_EQ(b[65], 1);
    EXPECT_EQ(b[66], 0xC1);
    EXPECT_EQ(b[71], 222);
    EXPECT_EQ(UnpackSettings(b), s);
}

TEST(GameSettings, AnyBytesSurviveARoundTrip) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        PackedSettings bytes;
        for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
        EXPECT_EQ(PackSettings(UnpackSettings(bytes)), bytes);
    }
}

TEST(GameSettings, CompareSettingsTellsDisplayFromGameChanges) {
    const GameSettings base;
    EXPECT_EQ(CompareSettings(base, base), 0);

    GameSettings display = base;
    display.Mrizka = 2;
    display.ImageSet = 5;
    display.Zvuk = 1;
    display.Back = 0x123456;
    EXPECT_EQ(CompareSettings(base, display), 1);

    GameSettings number = base;
    number.BeginNumber = 42;
    EXPECT_EQ(CompareSettings(base, number), 2);

    // Padding and reserved bytes are game bytes too.
    GameSettings padding = base;
    padding.Pad2[1] = 1;
    EXPECT_EQ(CompareSettings(base, padding), 2);
    GameSettings reserved = display;
    reserved.Reserved[0] = 9;
    EXPECT_EQ(CompareSettings(base, reserved), 2);
}

TEST(GameSettings, RocksMaximumFollowsTheFieldSize) {
    EXPECT_EQ(RocksMaximum(5, 10), 5);
    EXPECT_EQ(RocksMaximum(8, 15), 8);
    EXPECT_EQ(RocksMaximum(10, 20), 12);
    EXPECT_EQ(RocksMaximum(12, 25), 17);
    EXPECT_EQ(RocksMaximum(15, 25), 20);
    for (int rows = 5; rows <= 15; ++rows)
        for (int cols = 10; cols <= 25; ++cols) {
            EXPECT_GE(RocksMaximum(rows, cols), 5);
            EXPECT_LE(RocksMaximum(rows, cols), 20);
        }
}
