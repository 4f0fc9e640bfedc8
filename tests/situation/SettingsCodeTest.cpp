#include "situation/SettingsCode.h"

#include "situation/Presets.h"

#include <gtest/gtest.h>

using namespace tumbla;

TEST(SettingsCode, TheStandardLevelReadsHO611BA0B) {
    GameSettings s;
    ApplyPresetLevel(s, PresetLevels[2]);
    EXPECT_EQ(SettingsCodeFromSettings(s), "HO611BA0B");

    const DecodedSettings d = SettingsFromCode("HO611BA0B", GameSettings{});
    ASSERT_EQ(d.result, 0);
    EXPECT_EQ(d.settings.Rows, 8);
    EXPECT_EQ(d.settings.Cols, 15);
    EXPECT_EQ(d.settings.Count, 6);
    EXPECT_EQ(d.settings.Joly, 1);
    EXPECT_EQ(d.settings.Directions, 3);
    EXPECT_EQ(d.settings.Rating, 1);
    EXPECT_EQ(d.settings.Skala, 0);
    EXPECT_EQ(d.settings.Sklo, 0);
    EXPECT_EQ(d.settings.Doraz, 1);
}

TEST(SettingsCode, EachPositionHasItsOwnFault) {
    const GameSettings base;
    auto result = [&](const char* code) { return SettingsFromCode(code, base).result; };
    EXPECT_EQ(result("HO611BA0"), 10);
    EXPECT_EQ(result("HO611BA0BB"), 10);
    EXPECT_EQ(result("DO611BA0B"), 1);
    EXPECT_EQ(result("HI611BA0B"), 2);
    EXPECT_EQ(result("HO911BA0B"), 3);
    EXPECT_EQ(result("HO471BA0B"), 4);
    EXPECT_EQ(result("HO61HBA0B"), 5);
    EXPECT_EQ(result("HO611DA0B"), 6);
    EXPECT_EQ(result("HO611BV0B"), 7);
    EXPECT_EQ(result("HO611BA7B"), 8);
    EXPECT_EQ(result("HO611BA1B"), 11);
    EXPECT_EQ(result("HO611BA0D"), 9);
    EXPECT_EQ(result("HO611BA0N"), 9);
    EXPECT_EQ(result("HO611BA0H"), 9); // join value 3 is no join mode
    EXPECT_EQ(result("HO611BA0L"), 9);
    EXPECT_EQ(result("HO600BA0B"), 0);
    EXPECT_EQ(result("HO660BA0B"), 0); // the joker and the glass may be the last colour
    EXPECT_EQ(result("HO600BA6B"), 0);
    EXPECT_EQ(result("HOČ11BA0B"), 3); // nine characters, one of them not ASCII
}

TEST(SettingsCode, ALetterWhereADigitBelongsCountsAsZero) {
    const DecodedSettings d = SettingsFromCode("HO6X1BA0B", GameSettings{});
    ASSERT_EQ(d.result, 0);
    EXPECT_EQ(d.settings.Joly, 0);
}

TEST(SettingsCode, AFailedCodeChangesNothingAndFieldsItLacksComeFromTheBase) {
    GameSettings base;
    base.ImageSet = 7;
    base.BeginNumber = 1234;
    EXPECT_EQ(SettingsFromCode("HO911BA0B", base).settings, base);
    const DecodedSettings d = SettingsFromCode("OY85GHU6M", base);
    ASSERT_EQ(d.result, 0) << SettingsCodeMessage(d.result);
    EXPECT_EQ(d.settings.ImageSet, 7);
    EXPECT_EQ(d.settings.BeginNumber, 1234);
    EXPECT_EQ(d.settings.Transformator, 1);
    EXPECT_EQ(d.settings.Directions, 13); // left and right, so down as well
    EXPECT_EQ(d.settings.Rating, 7);
    EXPECT_EQ(d.settings.Sklo, 6);
    EXPECT_EQ(d.settings.Studna, 3);
    EXPECT_EQ(d.settings.Doraz, 0);
    EXPECT_EQ(d.settings.Skala, 20);
}

TEST(SettingsCode, EveryCodeDecodesBackToItsFields) {
    int checked = 0;
    for (int rows = 5; rows <= 15; rows += 5)
        for (int count = 4; count <= 8; ++count)
            for (int directions : {0, 3, 5, 9, 7, 11, 13, 15})
                for (int transformer = 0; transformer <= 1; ++transformer)
                    for (int rating : {0, 1, 2, 5, 6, 7})
                        for (int doraz = 0; doraz <= 2; ++doraz)
                            for (int wells = 0; wells <= 3; ++wells) {
                                GameSettings s;
                                s.Rows = static_cast<std::uint8_t>(rows);
                                s.Cols = 25;
                                s.Count = static_cast<std::uint8_t>(count);
                                s.Joly = 1;
                                s.Sklo = static_cast<std::uint8_t>(count);
                                s.Directions = static_cast<std::uint8_t>(directions);
                                s.Transformator = static_cast<std::uint8_t>(transformer);
                                s.Rating = static_cast<std::uint8_t>(rating);
                                s.Skala = static_cast<std::uint8_t>(rows);
                                s.Doraz = static_cast<std::uint8_t>(doraz);
                                s.Studna = static_cast<std::uint8_t>(wells);
                                const std::string code = SettingsCodeFromSettings(s);
                                const DecodedSettings d = SettingsFromCode(code, GameSettings{});
                                // Up, left and right with a transformer (H), and three wells
                                // with a join (N, O) are codes the entry does not take back.
                                const bool refused =
                                    (transformer && directions == 15) || (wells == 3 && doraz != 0);
                                if (refused) {
                                    EXPECT_NE(d.result, 0) << code;
                                    continue;
                                }
                                ASSERT_EQ(d.result, 0) << code;
                                s.BeginNumber = 0;
                                EXPECT_EQ(PackSettings(d.settings), PackSettings(s)) << code;
                                ++checked;
                            }
    EXPECT_GT(checked, 1000);
}

TEST(SettingsCode, MessagesAreTheGamesOwn) {
    EXPECT_EQ(SettingsCodeMessage(0), "Nastavení je OK.");
    EXPECT_EQ(SettingsCodeMessage(10), "Chybná délka řetězce - musí být zadáno 9 znaků.");
    EXPECT_EQ(SettingsCodeMessage(12), "");
}
