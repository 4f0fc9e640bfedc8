#include "situation/IniFileStore.h"

#include "situation/IniWritable.h"
#include "situation/SettingsIni.h"
#include "support/Fifo.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

namespace tumbla {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;
using test::RecordingMessages;
using test::TempDir;
using test::WriteBytes;

TEST(IniFileStore, CzechTextsAndKeyCaseSurvive) {
    TempDir dir;
    const fs::path path = dir / "Tumbla.ini";
    IniFileStore ini(path);
    ASSERT_TRUE(ini.writeText("KORU", "Name", "Žluťoučký kůň"));
    ASSERT_TRUE(ini.writeInteger("Others", "BeginNumber", -42));
    ASSERT_TRUE(ini.writeText("Others", "Directions", "ULR"));
    EXPECT_EQ(ini.readValue("Others", "BeginNumber"), std::nullopt); // not before commit
    ASSERT_TRUE(ini.commit());

    EXPECT_EQ(FileBytes(path), "[KORU]\nName=Žluťoučký kůň\n\n"
                               "[Others]\nBeginNumber=-42\nDirections=ULR\n");
    const IniFileStore again(path);
    EXPECT_EQ(again.readText("koru", "NAME", ""), "Žluťoučký kůň");
    EXPECT_EQ(again.readInteger("Others", "BeginNumber", 0), -42);
}

// What the player wrote by hand survives the game's rewriting of the file:
// comments, lines of no meaning, keys of others, the code page of the old
// system, commas, the line ends; the keys the game changes keep their places.
TEST(IniFileStore, RewritingKeepsWhatThePlayerWrote) {
    TempDir dir;
    const fs::path path = dir / "Tumbla.ini";
    const std::string lines = "; my settings\r\n"
                              "[colors]\r\n"
                              "count = 5\r\n"
                              "Back=255\r\n"
                              "this line is junk\r\n"
                              "[KORU]\r\n"
                              "Name=Ji\xF8\xED\r\n" // Jiří in Windows-1250
                              "Team=a,b,c\r\n";
    WriteBytes(path, lines);
    IniFileStore ini(path);
    EXPECT_EQ(ini.readInteger("Colors", "Count", 8), 5);
    EXPECT_EQ(ini.readText("KORU", "Name", ""), "Jiří");
    EXPECT_EQ(ini.readText("KORU", "Team", ""), "a,b,c");

    ASSERT_TRUE(ini.writeInteger("Colors", "Count", 6));
    ASSERT_TRUE(ini.writeText("KORU", "Name", "Jiří")); // unchanged: the line stays as it is
    ASSERT_TRUE(ini.writeText("Colors", "Joly", "1"));
    ASSERT_TRUE(ini.writeText("Others", "BeginNumber", "7,5"));
    ASSERT_TRUE(ini.commit());
    EXPECT_EQ(FileBytes(path), "; my settings\r\n"
                               "[colors]\r\n"
                               "count = 6\r\n"
                               "Back=255\r\n"
                               "Joly=1\r\n"
                               "this line is junk\r\n"
                               "[KORU]\r\n"
                               "Name=Ji\xF8\xED\r\n"
                               "Team=a,b,c\r\n"
                               "\r\n"
                               "[Others]\r\n"
                               "BeginNumber=7,5\r\n");
    EXPECT_EQ(IniFileStore(path).readText("Others", "BeginNumber", ""), "7,5");
}

// Values are kept exactly as typed, also those that the dialect would trim
// or unquote if they were written plainly.
TEST(IniDocument, EveryValueReadsBackAsWritten) {
    for (const std::string value :
         {"", " lead", "trail ", "\"quoted\"", "'single'", "\"", "a=b;c", "[x]", "#", "Jiří"}) {
        IniDocument doc = IniDocument::Parse("[S]\nk=old\n");
        ASSERT_TRUE(doc.set("S", "k", value)) << value;
        EXPECT_EQ(IniDocument::Parse(doc.text()).value("s", "K"), value) << doc.text();
    }
    // What no line can hold is refused and changes nothing.
    IniDocument doc = IniDocument::Parse("[S]\nk=old\n");
    EXPECT_FALSE(doc.set("S", "k", "two\nlines"));
    EXPECT_FALSE(doc.set("S", "a=b", "x"));
    EXPECT_FALSE(doc.set("S]", "k", "x"));
    EXPECT_FALSE(doc.set("S", " k", "x"));
    EXPECT_EQ(doc.text(), "[S]\nk=old\n");
}

// A file too big to be the game's, or one that is no file: the defaults, at
// once, and the file is never rewritten; the start-up warns of it.
TEST(IniFileStore, AHugeFileOrAPipeReadsAsTheDefaults) {
    TempDir dir;
    const fs::path path = dir / "Tumbla.ini";
    const std::string huge = "[Colors]\nCount=5\n" + std::string(2 * 1024 * 1024, ';');
    WriteBytes(path, huge);
    IniFileStore ini(path);
    EXPECT_EQ(ini.readInteger("Colors", "Count", 8), 8);
    ASSERT_TRUE(ini.writeInteger("Colors", "Count", 6));
    EXPECT_FALSE(ini.commit());
    EXPECT_EQ(FileBytes(path), huge);
    EXPECT_FALSE(IniWritable(dir.path()));

    fs::remove(path);
    ASSERT_TRUE(test::MakeFifo(path));
    std::optional<std::string> read = "not read";
    EXPECT_TRUE(test::ReturnsWithoutAWriter(
        path, [&] { read = IniFileStore(path).readValue("Colors", "Count"); }));
    EXPECT_EQ(read, std::nullopt);
    EXPECT_FALSE(IniWritable(dir.path()));
}

// Two copies of the game, each with the file read before the other wrote:
// neither commit loses what the other wrote.
TEST(IniFileStore, CommitsOfTwoCopiesKeepEachOthersValues) {
    TempDir dir;
    const fs::path path = dir / "Tumbla.ini";
    IniFileStore first(path), second(path);
    EXPECT_EQ(first.readValue("FormMain", "Left"), std::nullopt);
    EXPECT_EQ(second.readValue("FormMain", "Left"), std::nullopt);
    ASSERT_TRUE(first.writeInteger("FormMain", "Left", 10));
    ASSERT_TRUE(first.commit());
    ASSERT_TRUE(second.writeInteger("FormNastav", "Left", 20));
    ASSERT_TRUE(second.commit());
    EXPECT_EQ(second.readInteger("FormMain", "Left", 0), 10);
    EXPECT_EQ(first.readInteger("FormNastav", "Left", 0), 20);
}

TEST(IniFileStore, AFailedCommitLeavesTheFileAndShowsNothingOfTheLostValues) {
    TempDir dir;
    WriteBytes(dir / "plain", "x");
    // A directory that is a file: nothing can be written below it.
    IniFileStore below(dir / "plain" / "Tumbla.ini");
    ASSERT_TRUE(below.writeInteger("Colors", "Count", 5));
    EXPECT_FALSE(below.commit());
    below.discard();
    EXPECT_EQ(below.readValue("Colors", "Count"), std::nullopt);

    const fs::path path = dir / "Tumbla.ini";
    WriteBytes(path, "[Colors]\nCount=4\n");
    fs::permissions(path, fs::perms(0444));
    IniFileStore readOnly(path);
    ASSERT_TRUE(readOnly.writeInteger("Colors", "Count", 5));
    EXPECT_FALSE(readOnly.commit());
    readOnly.discard();
    EXPECT_EQ(readOnly.readInteger("Colors", "Count", 8), 4);
    EXPECT_EQ(FileBytes(path), "[Colors]\nCount=4\n");
}

// The dialog's OK over a new file writes the keys in the order of the
// settings, not in the alphabet's, and they read back as they went in.
TEST(IniFileStore, SettingsSurviveTheFileInTheirOrder) {
    TempDir dir;
    const fs::path path = dir / "Tumbla.ini";
    SettingsDialogState d;
    d.colourCount = 6;
    ChooseJoker(d, 2);
    d.rows = 15;
    d.cols = 25;
    d.leftBox = true;
    d.ratingChoice = 0;
    d.premiumBox = true;
    d.numberText = "123456";
    d.koruName = "ŠKOL";
    RecordingMessages messages;
    IniFileStore ini(path);
    const IniSaveResult saved = SaveSettingsToIni(ini, true, d, GameSettings{}, messages);
    ASSERT_TRUE(saved.written);
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(FileBytes(path),
              "[Colors]\nCount=6\nJoly=2\nSklo=0\nBack=0\nHead=16777215\n\n"
              "[Dimensions]\nRows=15\nCols=25\n\n"
              "[Others]\nDirections=L\nDoraz=1\nRating=0\nPremie=1\nDashing=0\nPreview=1\n"
              "CasRady=20\nImageSet=0\nBeginNumber=123456\nJineSklo=0\nJinyZolik=0\n"
              "Skala=0\nStudna=0\nTransformator=0\nMrizka=0\nZvuk=0\n\n"
              "[KORU]\nName=ŠKOL\n");

    SettingsDialogState fresh;
    const GameSettings read = LoadSettingsFromIni(IniFileStore(path), fresh, GameSettings{});
    EXPECT_EQ(read, saved.settings);
    EXPECT_EQ(read.Directions, 5);
    EXPECT_EQ(read.Rating, 5);
    EXPECT_EQ(read.BeginNumber, 123456);
    EXPECT_EQ(fresh.koruName, "ŠKOL");
}

} // namespace
} // namespace tumbla
