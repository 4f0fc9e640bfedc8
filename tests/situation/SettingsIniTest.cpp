#include "situation/SettingsIni.h"

#include "situation/MemoryIniStore.h"
#include "situation/SettingsCheck.h"
#include "situation/SettingsCode.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

using test::RecordingMessages;

GameSettings Load(std::string_view text) {
    SettingsDialogState d;
    return LoadSettingsFromIni(MemoryIniStore::FromIniText(text), d, GameSettings{});
}

TEST(LoadSettingsFromIni, MissingFileGivesTheDefaults) {
    // 10 x 20, eight colours, no joker, glass, rocks or wells, gravity down
    // only, "zvýhodněné", joined to the left; white title bars, a drawn number.
    const GameSettings s = Load("");
    EXPECT_EQ(SettingsCodeFromSettings(s), "JT800BA0B");
    EXPECT_EQ(s.Studna, 0);
    EXPECT_EQ(s.Transformator, 0);
    EXPECT_EQ(s.BeginNumber, 0);
    EXPECT_EQ(s.Head, 0xFFFFFF);
    EXPECT_EQ(s.Back, 0);
    EXPECT_EQ(s.ImageSet, 0);
    EXPECT_EQ(s.Zvuk, 0);
    EXPECT_EQ(CheckSettings(s), 0);
}

TEST(LoadSettingsFromIni, DirectionsLetters) {
    EXPECT_EQ(Load("[Others]\nDirections=D\n").Directions, 0);
    EXPECT_EQ(Load("[Others]\nDirections=lr\n").Directions, 13);
    EXPECT_EQ(Load("[Others]\nDirections=X\n").Directions, 0);
    EXPECT_EQ(Load("[Others]\nDirections=u\n").Directions, 3);
    EXPECT_EQ(Load("[Others]\nDirections=RUDLx\n").Directions, 15);
}

TEST(LoadSettingsFromIni, RatingAndPremium) {
    EXPECT_EQ(Load("[Others]\nRating=4\n").Rating, 1);
    EXPECT_EQ(Load("[Others]\nRating=-1\n").Rating, 1);
    EXPECT_EQ(Load("[Others]\nRating=2\nPremie=1\n").Rating, 7);
    EXPECT_EQ(Load("[Others]\nRating=0\nPremie=3\n").Rating, 5);
    EXPECT_EQ(Load("[Others]\nRating=7\nPremie=1\n").Rating, 6);
}

TEST(LoadSettingsFromIni, FieldSizeOutsideItsRangeTakesTheDefault) {
    const GameSettings s = Load("[Dimensions]\nRows=20\nCols=9\n");
    EXPECT_EQ(s.Rows, 10);
    EXPECT_EQ(s.Cols, 20);
    const GameSettings edge = Load("[Dimensions]\nRows=5\nCols=25\n");
    EXPECT_EQ(edge.Rows, 5);
    EXPECT_EQ(edge.Cols, 25);
}

TEST(LoadSettingsFromIni, RocksAndWellsForbidClosingUp) {
    SettingsDialogState d;
    const GameSettings s = LoadSettingsFromIni(
        MemoryIniStore::FromIniText("[Others]\nSkala=3\nDoraz=2\n"), d, GameSettings{});
    EXPECT_EQ(s.Skala, 3);
    EXPECT_EQ(s.Doraz, 0);
    EXPECT_EQ(d.joinChoice, 0);
    EXPECT_EQ(Load("[Others]\nStudna=2\nDoraz=1\n").Doraz, 0);
    EXPECT_EQ(Load("[Others]\nStudna=9\n").Studna, 3);
    // At most the rocks that fit the field read.
    EXPECT_EQ(Load("[Dimensions]\nRows=5\nCols=10\n[Others]\nSkala=30\n").Skala, 5);
}

TEST(LoadSettingsFromIni, TheWindowsOptionsAreReadToo) {
    const auto options = [](std::string_view text) {
        SettingsDialogState d;
        d.dashingBox = true;
        d.previewBox = false;
        LoadSettingsFromIni(MemoryIniStore::FromIniText(text), d, GameSettings{});
        return std::pair{d.dashingBox, d.previewBox};
    };
    // Files from before the preview lack its key: it is on.
    EXPECT_EQ(options(""), std::pair(false, true));
    EXPECT_EQ(options("[Others]\nDashing=1\nPreview=0\n"), std::pair(true, false));
    EXPECT_EQ(options("[Others]\nDashing=0\nPreview=1\n"), std::pair(false, true));

    // The advisor's time in tenths of a second: 2 s when missing or no
    // number, held to 0.5 .. 60 s.
    const auto tenths = [](std::string_view text) {
        SettingsDialogState d;
        d.adviceTenths = 77;
        LoadSettingsFromIni(MemoryIniStore::FromIniText(text), d, GameSettings{});
        return d.adviceTenths;
    };
    EXPECT_EQ(tenths(""), 20);
    EXPECT_EQ(tenths("[Others]\nCasRady=x\n"), 20);
    EXPECT_EQ(tenths("[Others]\nCasRady=5\n"), 5);
    EXPECT_EQ(tenths("[Others]\nCasRady=600\n"), 600);
    EXPECT_EQ(tenths("[Others]\nCasRady=4\n"), 5);
    EXPECT_EQ(tenths("[Others]\nCasRady=-3\n"), 5);
    EXPECT_EQ(tenths("[Others]\nCasRady=601\n"), 600);
}

TEST(LoadSettingsFromIni, BeginNumberThatIsNoIntegerReadsAsZero) {
    EXPECT_EQ(Load("[Others]\nBeginNumber= 123 \n").BeginNumber, 123);
    EXPECT_EQ(Load("[Others]\nBeginNumber=-5\n").BeginNumber, -5);
    EXPECT_EQ(Load("[Others]\nBeginNumber=abc\n").BeginNumber, 0);
    EXPECT_EQ(Load("[Others]\nBeginNumber=99999999999\n").BeginNumber, 0);
}

TEST(LoadSettingsFromIni, HandEditedValuesStayWithinTheirRanges) {
    const GameSettings s = Load("[Colors]\nCount=12\nJoly=9\nSklo=8\n[Others]\n"
                                "ImageSet=99\nMrizka=-1\nDoraz=5\nZvuk=2\nTransformator=1\n");
    EXPECT_EQ(s.Count, 8);
    EXPECT_EQ(s.Joly, 0);
    EXPECT_EQ(s.Sklo, 8);
    EXPECT_EQ(s.ImageSet, 14);
    EXPECT_EQ(s.Mrizka, 0);
    EXPECT_EQ(s.Doraz, 2);
    EXPECT_EQ(s.Zvuk, 1);
    EXPECT_EQ(s.Transformator, 1);
    EXPECT_TRUE(SettingsAllowed(s));

    EXPECT_EQ(Load("[Colors]\nCount=5\nJoly=7\n").Joly, 0);
    const GameSettings same = Load("[Colors]\nJoly=3\nSklo=3\n");
    EXPECT_EQ(same.Joly, 3);
    EXPECT_EQ(same.Sklo, 0);
}

TEST(LoadSettingsFromIni, PictureSwitchesAndColours) {
    const GameSettings s = Load("[Colors]\nBack=255\nHead=-1\n[Others]\nJineSklo=1\nJinyZolik=1\n");
    EXPECT_EQ(s.Back, 255);
    EXPECT_EQ(s.Head, -1);
    EXPECT_EQ(s.JineSklo, 22);
    EXPECT_EQ(s.JinyZolik, 24);
}

TEST(LoadSettingsFromIni, KeepsWhatTheFileDoesNotHold) {
    GameSettings inForce;
    inForce.Reserved[2] = 9;
    inForce.ColourMap[0] = 5;
    SettingsDialogState d;
    const GameSettings s = LoadSettingsFromIni(MemoryIniStore{}, d, inForce);
    EXPECT_EQ(s.Reserved[2], 9);
    EXPECT_EQ(s.ColourMap[0], 1);
}

SettingsDialogState SomeDialog() {
    SettingsDialogState d;
    d.colourCount = 7;
    ChooseJoker(d, 2);
    ChooseGlass(d, 4);
    d.rows = 12;
    d.cols = 25;
    d.upBox = true;
    d.rightBox = true;
    d.joinChoice = 2;
    d.ratingChoice = 2;
    d.premiumBox = true;
    d.imageSet = 3;
    d.numberText = "  815 ";
    d.glassPictureBox = true;
    d.gridChoice = 3;
    d.soundBox = true;
    d.backColour = 0x101010;
    d.koruName = " ABCD ";
    d.rockField = 4;
    d.wellField = 2;
    d.transformerBox = true;
    d.adviceTenths = 45;
    return d;
}

TEST(SaveSettingsToIni, WritesEveryKeyInOrderAndReadsItBack) {
    MemoryIniStore ini;
    RecordingMessages messages;
    SettingsDialogState d = SomeDialog();
    const IniSaveResult r = SaveSettingsToIni(ini, true, d, GameSettings{}, messages);
    EXPECT_TRUE(r.written);
    EXPECT_TRUE(messages.errors.empty());
    const std::vector<std::string> order{
        "Colors/Count",         "Colors/Joly",      "Colors/Sklo",     "Colors/Back",
        "Colors/Head",          "Dimensions/Rows",  "Dimensions/Cols", "Others/Directions",
        "Others/Doraz",         "Others/Rating",    "Others/Premie",   "Others/Dashing",
        "Others/Preview",       "Others/CasRady",   "Others/ImageSet", "Others/BeginNumber",
        "Others/JineSklo",      "Others/JinyZolik", "Others/Skala",    "Others/Studna",
        "Others/Transformator", "Others/Mrizka",    "Others/Zvuk",     "KORU/Name"};
    EXPECT_EQ(ini.writeOrder(), order);
    EXPECT_EQ(ini.readValue("Others", "Directions"), "UR");
    EXPECT_EQ(ini.readValue("Others", "Rating"), "2");
    EXPECT_EQ(ini.readValue("Others", "Premie"), "1");
    EXPECT_EQ(ini.readValue("Others", "Dashing"), "0");
    EXPECT_EQ(ini.readValue("Others", "Preview"), "1");
    EXPECT_EQ(ini.readValue("Others", "CasRady"), "45");
    EXPECT_EQ(ini.readValue("Others", "BeginNumber"), "815");
    EXPECT_EQ(ini.readValue("Others", "JineSklo"), "1");
    EXPECT_EQ(ini.readValue("Others", "Skala"), "0");
    EXPECT_EQ(ini.readValue("KORU", "Name"), "ABCD");

    GameSettings expected = SettingsFromDialog(SomeDialog(), GameSettings{});
    expected.Skala = 0;
    expected.Studna = 0;
    expected.Transformator = 0;
    EXPECT_EQ(r.settings, expected);
    EXPECT_EQ(r.settings.Rating, 7);
    EXPECT_EQ(r.settings.Directions, 11);
    EXPECT_EQ(d.koruName, "ABCD");
}

TEST(SaveSettingsToIni, UnwritableDirectoryLeavesTheFileAndReadsItBack) {
    MemoryIniStore ini = MemoryIniStore::FromIniText("[Colors]\nCount=5\n");
    RecordingMessages messages;
    SettingsDialogState d = SomeDialog();
    const IniSaveResult r = SaveSettingsToIni(ini, false, d, GameSettings{}, messages);
    EXPECT_FALSE(r.written);
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_TRUE(ini.writeOrder().empty());
    EXPECT_EQ(r.settings.Count, 5);
    EXPECT_EQ(d.colourCount, 5);
}

TEST(SaveSettingsToIni, WriteFailureLeavesTheOldFileWhole) {
    enum Fault { AtCommit, AtCols, NoGameAllowsIt };
    for (Fault fault : {AtCommit, AtCols, NoGameAllowsIt}) {
        const bool failAtCommit = fault != AtCols;
        const std::string old = "[Colors]\nCount=5\n[Dimensions]\nRows=6\n";
        MemoryIniStore ini = MemoryIniStore::FromIniText(old);
        SettingsDialogState d = SomeDialog();
        if (fault == AtCommit)
            ini.failCommit(true);
        else if (fault == AtCols)
            ini.failWritesAfter(6); // Rows was written, Cols fails
        else
            d.colourCount = 12;
        RecordingMessages messages;
        const IniSaveResult r = SaveSettingsToIni(ini, true, d, GameSettings{}, messages);
        EXPECT_FALSE(r.written);
        ASSERT_EQ(messages.errors.size(), 1u);
        EXPECT_EQ(messages.errors[0], "INI soubor nelze uložit! ");
        EXPECT_EQ(ini.toIniText(), MemoryIniStore::FromIniText(old).toIniText());
        EXPECT_EQ(r.settings.Count, 5);
        EXPECT_EQ(r.settings.Rows, 6);
        if (!failAtCommit) {
            EXPECT_EQ(ini.writeOrder().back(), "Dimensions/Rows");
        }
    }
}

TEST(SaveSettingsToIni, SavingWhatWasReadChangesNothing) {
    MemoryIniStore ini = MemoryIniStore::FromIniText(
        "[Colors]\nCount=6\nJoly=1\nSklo=2\n[Others]\nDirections=ul\nRating=2\nPremie=1\n"
        "BeginNumber=77\nImageSet=4\nMrizka=1\n");
    RecordingMessages messages;
    SettingsDialogState d;
    const GameSettings first = LoadSettingsFromIni(ini, d, GameSettings{});
    const IniSaveResult r = SaveSettingsToIni(ini, true, d, first, messages);
    EXPECT_EQ(CompareSettings(first, r.settings), 0);
}

} // namespace
} // namespace tumbla
