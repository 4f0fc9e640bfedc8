#include "results/SettingsPanel.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

TEST(SettingsPanel, DescribesEveryFieldOfTheDetailPanel) {
    GameSettings s;
    s.Rows = 12;
    s.Cols = 25;
    s.Count = 7;
    s.Joly = 2;
    s.Sklo = 4;
    s.Skala = 11;
    s.Rating = 7;
    s.Studna = 3;
    s.Transformator = 1;
    s.Doraz = 2;
    s.Directions = DirDown | DirUp | DirLeft | DirRight;
    const SettingsPanelTexts t = FameDetailTexts(s);
    EXPECT_EQ(t.size, "12 x 25");
    EXPECT_EQ(t.colours, "7");
    EXPECT_EQ(t.joker, "2");
    EXPECT_EQ(t.glass, "4");
    EXPECT_EQ(t.rocks, "11");
    EXPECT_EQ(t.rating, "blokové **");
    EXPECT_EQ(t.wells, "3");
    EXPECT_EQ(t.transformer, "ano");
    EXPECT_EQ(t.join, "vpravo");
    EXPECT_EQ(t.gravity, "D-L-R-U");
}

TEST(SettingsPanel, AbsentThingsShowThreeDashes) {
    GameSettings s;
    s.Joly = s.Sklo = s.Skala = s.Studna = s.Transformator = 0;
    s.Doraz = 0;
    s.Rating = 0;
    const SettingsPanelTexts t = FameDetailTexts(s);
    EXPECT_EQ(t.joker, "---");
    EXPECT_EQ(t.glass, "---");
    EXPECT_EQ(t.rocks, "---");
    EXPECT_EQ(t.wells, "---");
    EXPECT_EQ(t.transformer, "---");
    EXPECT_EQ(t.join, "nespojovat");
    EXPECT_EQ(t.rating, "přímé");
    EXPECT_EQ(FameDetailTexts(GameSettings{}).join, "vlevo");
}

TEST(SettingsPanel, GravityLettersGoDownLeftRightUp) {
    EXPECT_EQ(GravityText(0, FameGravityLetters), "---");
    EXPECT_EQ(GravityText(DirDown, FameGravityLetters), "---");
    EXPECT_EQ(GravityText(DirDown | DirUp, FameGravityLetters), "D-U");
    EXPECT_EQ(GravityText(DirUp, FameGravityLetters), "U");
    EXPECT_EQ(GravityText(DirRight | DirLeft, FameGravityLetters), "L-R");
    // The end-of-game window names the same bits in Czech.
    EXPECT_EQ(GravityText(DirDown | DirUp | DirLeft | DirRight, EndGameGravityLetters), "D-L-P-N");
    // Bits above the four directions are no direction.
    EXPECT_EQ(GravityText(0xF1, FameGravityLetters), "---");
}

} // namespace
} // namespace tumbla
