#include "situation/SettingsFileFlows.h"

#include "situation/MemoryIniStore.h"
#include "situation/SettingsFile.h"
#include "situation/SettingsIni.h"
#include "support/ScriptedPorts.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tumbla {
namespace {

using test::RecordingMessages;
using test::ScriptedFiles;
using test::TempDir;

constexpr std::string_view BadFile =
    "Vybraný soubor je vadný, nebo není souborem s nastavením hry!";

// The game as it runs: settings read from the INI file at start, dialog hidden.
struct Fixture {
    TempDir dir;
    MemoryIniStore ini = MemoryIniStore::FromIniText(
        "[Colors]\nCount=6\nJoly=1\n[Others]\nDirections=U\nBeginNumber=42\nImageSet=5\n"
        "[KORU]\nName=ABCD\n");
    SettingsDialogState dialog;
    ScriptedFiles files;
    RecordingMessages messages;
    SettingsFlowContext context{ini, true, dialog, files, messages, dir.path()};
    GameSettings inForce = LoadSettingsFromIni(ini, dialog, GameSettings{});

    std::filesystem::path writeTask(const std::string& name, const GameSettings& s) {
        const PackedSettings bytes = PackSettingsFile(s);
        std::ofstream(dir / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return dir / name;
    }
};

GameSettings Task() {
    GameSettings s;
    s.Count = 5;
    s.Rows = 7;
    s.Cols = 12;
    s.BeginNumber = 2024;
    s.Rating = 6;
    return s;
}

TEST(SaveSettingsByName, AsksBeforeReplacingAFile) {
    Fixture f;
    f.files.next = (f.dir / "mine.hrs").string();
    ASSERT_TRUE(SaveSettingsByName(f.context));
    const FileDialogRequest& r = f.files.saveRequests.at(0);
    EXPECT_EQ(r.title, "uložení nastavení:");
    EXPECT_EQ(r.filter, "uložená nastavení(*.hrs)|*.hrs|všechny soubory(*.*)|*.*");
    EXPECT_EQ(r.defaultExtension, "hrs");
    EXPECT_EQ(r.initialDirectory, f.dir.path().string());
    EXPECT_TRUE(f.messages.questions.empty());

    const std::uintmax_t size = std::filesystem::file_size(f.dir / "mine.hrs");
    EXPECT_EQ(size, 72u);
    ChooseJoker(f.dialog, 3);
    f.messages.answers = {Answer::No};
    EXPECT_FALSE(SaveSettingsByName(f.context));
    EXPECT_EQ(f.messages.questions.at(0), "Soubor s tímto jménem již existuje. Chcete ho přepsat?");
    SettingsDialogState probe;
    ASSERT_EQ(KonvertToSetings(f.dir / "mine.hrs", probe), SettingsFileRead::Accepted);
    EXPECT_EQ(probe.jokerChoice, 1);

    f.messages.answers = {Answer::Yes};
    EXPECT_TRUE(SaveSettingsByName(f.context));
    ASSERT_EQ(KonvertToSetings(f.dir / "mine.hrs", probe), SettingsFileRead::Accepted);
    EXPECT_EQ(probe.jokerChoice, 3);
}

TEST(SaveSettingsByName, WriteFailureIsReported) {
    Fixture f;
    f.files.next = (f.dir / "no" / "such.hrs").string();
    EXPECT_FALSE(SaveSettingsByName(f.context));
    EXPECT_EQ(f.messages.errors, std::vector<std::string>{"Nastaveni nelze uložit! "});
    f.files.next.reset();
    EXPECT_FALSE(SaveSettingsByName(f.context));
    EXPECT_EQ(f.messages.errors.size(), 1u);
}

TEST(LoadSettingsByName, FillsOnlyTheControls) {
    Fixture f;
    f.files.next = f.writeTask("t.hrs", Task()).string();
    EXPECT_EQ(LoadSettingsByName(f.context), LoadByName::Loaded);
    EXPECT_EQ(f.files.openRequests.at(0).title, "načtení uživatelského nastavení:");
    EXPECT_EQ(f.files.openRequests.at(0).filter,
              "uložená nastavení (*.hrs)|*.hrs|všechny soubory (*.*)|*.*");
    EXPECT_EQ(f.dialog.colourCount, 5);
    EXPECT_EQ(f.ini.commitCount(), 0u);

    std::ofstream(f.dir / "bad.hrs") << "not settings";
    f.files.next = (f.dir / "bad.hrs").string();
    EXPECT_EQ(LoadSettingsByName(f.context), LoadByName::Refused);
    EXPECT_EQ(f.messages.errors, std::vector<std::string>{std::string(BadFile)});
    EXPECT_EQ(f.dialog.colourCount, 5);
}

TEST(LoadSavedSettings, CancelledChangesNothingInForce) {
    Fixture f;
    const SettingsFlowOutcome out = LoadSavedSettings(f.context, f.inForce);
    EXPECT_EQ(f.ini.commitCount(), 1u); // the OK runs all the same
    EXPECT_FALSE(out.newSituation);
    EXPECT_EQ(out.settings, f.inForce);
    EXPECT_EQ(f.ini.readValue("Others", "Directions"), "U");
    EXPECT_EQ(f.ini.readValue("Others", "ImageSet"), "5");
    EXPECT_EQ(f.ini.readValue("KORU", "Name"), "ABCD");
}

TEST(LoadSavedSettings, AcceptedFileComesIntoForce) {
    Fixture f;
    f.files.next = f.writeTask("t.hrs", Task()).string();
    const SettingsFlowOutcome out = LoadSavedSettings(f.context, f.inForce);
    EXPECT_TRUE(out.newSituation);
    EXPECT_EQ(out.settings.Count, 5);
    EXPECT_EQ(out.settings.BeginNumber, 2024);
    EXPECT_EQ(out.settings.Rating, 6);
    EXPECT_EQ(f.ini.readValue("Others", "BeginNumber"), "2024");
}

TEST(LoadSavedSettings, UnwritableDirectoryKeepsTheSettingsInForce) {
    Fixture f;
    f.context.iniWritable = false;
    f.files.next = f.writeTask("t.hrs", Task()).string();
    const SettingsFlowOutcome out = LoadSavedSettings(f.context, f.inForce);
    EXPECT_FALSE(out.newSituation);
    EXPECT_EQ(out.settings, f.inForce);
}

TEST(LoadKoruTask, TaskComesIntoForceWithItsNumber) {
    Fixture f;
    f.files.next = f.writeTask("KoruCD_01.hrs", Task()).string();
    const SettingsFlowOutcome out = LoadKoruTask(f.context, f.inForce);
    const FileDialogRequest& r = f.files.openRequests.at(0);
    EXPECT_EQ(r.title, "načtení úlohy KORUu:");
    EXPECT_EQ(r.filter, "nastavení KoruCD(KoruCD_*.hrs)|KoruCD_*.hrs");
    EXPECT_EQ(r.proposedName, "KoruCD_*.hrs");
    EXPECT_EQ(r.defaultExtension, "hrs");
    EXPECT_TRUE(out.newSituation);
    EXPECT_EQ(out.settings.BeginNumber, 2024);
    EXPECT_EQ(out.settings.Rows, 7);
}

TEST(LoadKoruTask, BadTaskStillRunsTheOkButCancelDoesNot) {
    Fixture f;
    std::vector<std::uint8_t> bytes(73, 0);
    bytes[72] = 222; // the check byte one place too far
    std::ofstream(f.dir / "KoruCD_x.hrs", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), 73);
    f.files.next = (f.dir / "KoruCD_x.hrs").string();
    const SettingsFlowOutcome out = LoadKoruTask(f.context, f.inForce);
    EXPECT_EQ(f.messages.errors, std::vector<std::string>{std::string(BadFile)});
    EXPECT_TRUE(out.newSituation);
    EXPECT_EQ(CompareSettings(f.inForce, out.settings), 0);

    Fixture g;
    const SettingsFlowOutcome cancelled = LoadKoruTask(g.context, g.inForce);
    EXPECT_FALSE(cancelled.newSituation);
    EXPECT_EQ(g.ini.commitCount(), 0u);
}

TEST(OpenSettingsFile, LikeATask) {
    Fixture f;
    const SettingsFlowOutcome out =
        OpenSettingsFile(f.context, f.inForce, f.writeTask("x.HRS", Task()));
    EXPECT_TRUE(out.newSituation);
    EXPECT_EQ(out.settings.Cols, 12);
    EXPECT_TRUE(f.files.openRequests.empty());
    EXPECT_TRUE(IsSettingsFileName("a/b/x.HrS"));
    EXPECT_FALSE(IsSettingsFileName("x.hra"));
    EXPECT_FALSE(IsSettingsFileName("hrs"));
}

} // namespace
} // namespace tumbla
