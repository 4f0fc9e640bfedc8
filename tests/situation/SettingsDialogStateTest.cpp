#include "situation/SettingsDialogState.h"

#include "situation/Presets.h"
#include "situation/SettingsCheck.h"
#include "situation/SettingsCode.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

GameSettings Standard() {
    GameSettings s;
    ApplyPresetLevel(s, PresetLevels[2]);
    s.BeginNumber = 4711;
    return s;
}

TEST(NastavFormular, FillsEveryControlAndReadsBackTheSameRecord) {
    GameSettings s = Standard();
    s.Sklo = 3;
    s.Rating = 6;
    s.ImageSet = 9;
    s.Back = 0x123456;
    s.JinyZolik = 24;
    s.Mrizka = 2;
    s.Zvuk = 1;
    SettingsDialogState d;
    d.backColour = s.Back; // the colour choosers are not filled from a record
    NastavFormular(d, s);
    EXPECT_EQ(d.rows, 8);
    EXPECT_EQ(d.cols, 15);
    EXPECT_EQ(d.colourCount, 6);
    EXPECT_EQ(d.jokerChoice, 1);
    EXPECT_TRUE(d.upBox);
    EXPECT_FALSE(d.leftBox);
    EXPECT_EQ(d.ratingChoice, 1);
    EXPECT_TRUE(d.premiumBox);
    EXPECT_EQ(d.numberText, "4711");
    EXPECT_EQ(SizeLabel(d), "8x15");
    EXPECT_EQ(RockLabel(d), "skála (0-8):");
    EXPECT_EQ(SettingsFromDialog(d, s), s);
}

TEST(NastavFormular, BringsImpossibleValuesIntoTheControlsRanges) {
    GameSettings s;
    s.Count = 12;
    s.Joly = 9;
    s.Sklo = 5;
    s.Rating = 3;
    s.Rows = 30;
    s.Cols = 2;
    s.Doraz = 7;
    s.ImageSet = 200;
    s.Mrizka = 9;
    s.Skala = 250;
    s.Studna = 9;
    SettingsDialogState d;
    NastavFormular(d, s);
    EXPECT_EQ(d.colourCount, 6);
    EXPECT_EQ(d.jokerChoice, 0);
    EXPECT_EQ(d.glassChoice, 5);
    EXPECT_EQ(d.ratingChoice, 1);
    EXPECT_EQ(d.rows, 15);
    EXPECT_EQ(d.cols, 10);
    EXPECT_EQ(d.rockField, RocksMaximum(15, 10));
    EXPECT_EQ(d.joinChoice, 0); // rocks forbid closing up
    EXPECT_EQ(d.wellField, 3);
    EXPECT_TRUE(SettingsAllowed(SettingsFromDialog(d, GameSettings{})));
}

TEST(NastavFormular, OneColourForJokerAndGlassKeepsTheJoker) {
    GameSettings s;
    s.Joly = 3;
    s.Sklo = 3;
    SettingsDialogState d;
    NastavFormular(d, s);
    EXPECT_EQ(d.jokerChoice, 3);
    EXPECT_EQ(d.glassChoice, 0);
}

TEST(RockLimit, FollowsTheFieldSize) {
    SettingsDialogState d;
    d.rockField = 12;
    d.joinChoice = 1;
    SetRows(d, 5);
    EXPECT_EQ(d.rockField, 7); // 5 x 20 holds at most 7 rocks
    SetCols(d, 10);
    EXPECT_EQ(RockLabel(d), "skála (0-5):");
    EXPECT_EQ(d.rockField, 5);
    EXPECT_EQ(d.joinChoice, 0);
    SetRows(d, 20);
    SetCols(d, 99);
    EXPECT_EQ(SizeLabel(d), "15x25");
    EXPECT_EQ(d.rockMaximum, 20);
    EXPECT_EQ(d.rockField, 5); // a larger field does not add rocks
}

TEST(ColourChoices, JokerAndGlassExcludeEachOther) {
    SettingsDialogState d;
    ChooseJoker(d, 3);
    EXPECT_FALSE(GlassChoiceEnabled(d, 3));
    EXPECT_TRUE(GlassChoiceEnabled(d, 2));
    ChooseGlass(d, 5);
    EXPECT_FALSE(JokerChoiceEnabled(d, 5));
    ChooseJoker(d, 0);
    for (int c = 0; c <= 8; ++c) EXPECT_TRUE(GlassChoiceEnabled(d, c)) << c;
}

TEST(ColourChoices, ReadAgainstTheNumberOfColours) {
    SettingsDialogState d;
    d.colourCount = 8;
    ChooseJoker(d, 7);
    ChooseGlass(d, 5);
    d.colourCount = 5;
    EXPECT_FALSE(ColourChoiceShown(d, 7));
    EXPECT_TRUE(ColourChoiceShown(d, 5));
    EXPECT_EQ(ReadJokerChoice(d), 0);
    EXPECT_EQ(ReadGlassChoice(d), 5);
}

TEST(SettingsFromDialog, DirectionsAndNumber) {
    SettingsDialogState d;
    EXPECT_EQ(SettingsFromDialog(d, {}).Directions, 0);
    d.upBox = true;
    EXPECT_EQ(SettingsFromDialog(d, {}).Directions, DirDown | DirUp);
    d.rightBox = true;
    EXPECT_EQ(SettingsFromDialog(d, {}).Directions, DirDown | DirUp | DirRight);
    d.numberText = "12abc";
    EXPECT_EQ(SettingsFromDialog(d, {}).BeginNumber, 0);
}

TEST(CodeEntry, AcceptedCodeFillsTheControls) {
    GameSettings inForce;
    SettingsDialogState d;
    OpenSettingsDialog(d, inForce);
    EXPECT_EQ(d.currentCode, SettingsCodeFromSettings(inForce));
    d.codeEntry = "  ho611ba0b ";
    EvaluateCodeEntry(d, inForce);
    EXPECT_EQ(d.codeMessage, "Nastavení je OK.");
    EXPECT_EQ(d.rows, 8);
    EXPECT_EQ(d.cols, 15);
    EXPECT_EQ(d.colourCount, 6);
    EXPECT_EQ(d.jokerChoice, 1);
    EXPECT_TRUE(d.upBox);
    EXPECT_TRUE(RequestClose(d));
}

TEST(CodeEntry, WrongCodeRefusesTheNextCloseOnce) {
    GameSettings inForce;
    SettingsDialogState d;
    OpenSettingsDialog(d, inForce);
    const SettingsDialogState before = d;
    d.codeEntry = "HO911BA0B";
    EvaluateCodeEntry(d, inForce);
    EXPECT_EQ(d.codeMessage, "Pozice B - chybný počet barev (4-8).");
    EXPECT_EQ(d.colourCount, before.colourCount);
    EXPECT_FALSE(RequestClose(d));
    EXPECT_TRUE(RequestClose(d));
    CodeEntryKeyReleased(d);
    EXPECT_EQ(d.codeMessage, "");
}

TEST(SettingsDialog, LeavingWithoutOkKeepsTheOpeningSettings) {
    const GameSettings inForce = Standard();
    SettingsDialogState d;
    OpenSettingsDialog(d, inForce);
    ChooseJoker(d, 4);
    d.backColour = 0x00FF00;
    d.koruName = "ZZZZ";
    d.dashingBox = true;
    d.previewBox = false;
    d.adviceTenths = 100;
    EXPECT_EQ(LeaveWithoutOk(d), inForce);
    // The controls mirror the settings in force again.
    EXPECT_EQ(d.jokerChoice, 1);
    EXPECT_EQ(d.backColour, inForce.Back);
    EXPECT_EQ(d.koruName, "");
    EXPECT_FALSE(d.dashingBox);
    EXPECT_TRUE(d.previewBox);
    EXPECT_EQ(d.adviceTenths, 20);
    EXPECT_EQ(SettingsFromDialog(d, inForce), inForce);
}

} // namespace
} // namespace tumbla
