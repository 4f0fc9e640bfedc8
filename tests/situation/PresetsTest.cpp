#include "situation/Presets.h"

#include <gtest/gtest.h>

using namespace tumbla;

TEST(Presets, TheChildrensLevelIsSmallAndPlain) {
    GameSettings s;
    s.BeginNumber = 55;
    ApplyPresetLevel(s, PresetLevels[0]);
    EXPECT_EQ(PresetLevels[0].caption, "&Dětské");
    EXPECT_EQ(s.Rows, 5);
    EXPECT_EQ(s.Cols, 10);
    EXPECT_EQ(s.Count, 4);
    EXPECT_EQ(s.Joly, 0);
    EXPECT_EQ(s.Sklo, 0);
    EXPECT_EQ(s.Directions, 0);
    EXPECT_EQ(s.Doraz, 1);
    EXPECT_EQ(s.Rating, 0);
    EXPECT_EQ(s.BeginNumber, 0);
}

TEST(Presets, TheHardLevelAndWhatALevelKeeps) {
    GameSettings s;
    s.Skala = 5;
    s.Studna = 2;
    s.Transformator = 1;
    s.ImageSet = 4;
    s.Mrizka = 2;
    s.Zvuk = 1;
    s.Back = 0x123;
    s.Reserved = {1, 2, 3, 4, 5, 6};
    ApplyPresetLevel(s, PresetLevels[4]);
    EXPECT_EQ(s.Rows, 15);
    EXPECT_EQ(s.Cols, 25);
    EXPECT_EQ(s.Count, 8);
    EXPECT_EQ(s.Joly, 1);
    EXPECT_EQ(s.Sklo, 2);
    EXPECT_EQ(s.Directions, 15);
    EXPECT_EQ(s.Rating, 6);
    EXPECT_EQ(s.Skala, 0);
    EXPECT_EQ(s.Studna, 0);
    EXPECT_EQ(s.Transformator, 0);
    EXPECT_EQ(s.ImageSet, 4);
    EXPECT_EQ(s.Mrizka, 2);
    EXPECT_EQ(s.Zvuk, 1);
    EXPECT_EQ(s.Back, 0x123);
    EXPECT_EQ(s.Reserved, (std::array<std::uint8_t, 6>{0, 0, 0, 0, 0, 6}));
}

TEST(Presets, RocksForbidClosingUp) {
    GameSettings s;
    s.Skala = 3;
    s.Doraz = 2;
    NormaliseForForce(s);
    EXPECT_EQ(s.Doraz, 0);
}
