#include "GameFixture.h"
#include "support/Fifo.h"

#include "engine/Bytes.h"
#include "record/SavedGame.h"
#include "record/SavedGameFile.h"
#include "record/TextCase.h"
#include "situation/FileRead.h"
#include "situation/MemoryIniStore.h"
#include "situation/SettingsFile.h"

#include <deque>
#include <filesystem>
#include <fstream>

namespace tumbla::test {
namespace {

namespace fs = std::filesystem;
constexpr std::string_view BadFile = "Soubor neobsahuje data k této hře nebo je chybný!";

struct TempDir {
    fs::path path;
    TempDir() {
        path =
            fs::temp_directory_path() /
            ("tumbla-record-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
    std::string file(std::string_view name) const { return (path / name).string(); }
};

struct ScriptedChooser : FileChooser {
    std::deque<std::optional<std::string>> names;
    std::vector<FileDialogRequest> requests;
    std::optional<std::string> chooseOpen(const FileDialogRequest& r) override { return next(r); }
    std::optional<std::string> chooseSave(const FileDialogRequest& r) override { return next(r); }
    std::optional<std::string> next(const FileDialogRequest& r) {
        requests.push_back(r);
        if (names.empty()) return std::nullopt;
        auto name = names.front();
        names.pop_front();
        return name;
    }
};

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

struct Saving : GameFixture {
    TempDir dir;
    ScriptedChooser chooser;

    explicit Saving(int moves = 3) {
        start("HO617BA2B", 21); // glass and gravity changes, so every field moves
        for (int i = 0; i < moves; ++i) EXPECT_EQ(play(groups().front()), MoveOutcome::Performed);
    }
    std::optional<std::string> save(const std::string& name, std::string_view competition = {}) {
        chooser.names.push_back(name);
        return WriteSavedGame(game, chooser, messages,
                              SaveGameInProgressRequest(game, dir.path.string()), competition);
    }
};

TEST(SavedGame, LayoutIsMagicCountSettingsAndPositions) {
    Saving f(3);
    f.game.StepBack();
    const std::vector<std::uint8_t> bytes = PackSavedGame(SavedGameOf(f.game));
    ASSERT_EQ(bytes.size(), 80u + 392u * 3u);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4)),
              (std::vector<std::uint8_t>{0x40, 0xB8, 0x20, 0x02}));
    EXPECT_EQ(GetI32(bytes, 4), 3);
    const PackedSettings settings = PackSettings(f.game.Settings());
    EXPECT_TRUE(std::equal(settings.begin(), settings.end(), bytes.begin() + 8));
    for (int k = 1; k <= 3; ++k) {
        const PackedMoveRecord rec = PackMoveRecord(f.game.Position(k));
        EXPECT_TRUE(std::equal(rec.begin(), rec.end(), bytes.begin() + 80 + 392 * (k - 1))) << k;
    }
    const auto back = UnpackSavedGame(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(PackSavedGame(*back), bytes);
}

TEST(SavedGame, SavedAndLoadedGameContinuesWhereItWasSaved) {
    Saving f(3);
    f.game.StepBack();
    f.game.StepBack();
    const std::string name = f.dir.file("game.hra");
    ASSERT_EQ(f.save(name), name);
    const auto written = FileBytes(name);
    EXPECT_EQ(written.size(), 80u + 392u * 2u);

    GameFixture other;
    other.start("EJ400AA0B", 5);
    other.game.AddMark(1);
    ASSERT_EQ(LoadSavedFile(other.game, other.messages, name), LoadOutcome::Loaded);
    EXPECT_TRUE(other.messages.said.empty());
    EXPECT_EQ(other.game.CurrentPosition(), 2);
    EXPECT_EQ(other.game.LastPosition(), 2);
    EXPECT_EQ(other.game.Marks().count(), 0);
    EXPECT_EQ(other.game.Settings(), f.game.Settings());
    EXPECT_EQ(other.game.Position(1), f.game.Position(1))
        << "position 1 made afresh equals the saved one";
    EXPECT_EQ(other.game.Position(2), f.game.Position(2));
    EXPECT_TRUE(other.screenMatches());
    EXPECT_EQ(other.view.removed, std::to_string(f.game.Position(2).Removed) + "/" +
                                      std::to_string(f.game.Position(2).GlassBroken));

    // Saved again, byte for byte the same file.
    const std::string again = f.dir.file("again.hra");
    ScriptedChooser chooser;
    chooser.names.push_back(again);
    ASSERT_TRUE(WriteSavedGame(other.game, chooser, other.messages,
                               SaveGameInProgressRequest(other.game, ""), ""));
    EXPECT_EQ(FileBytes(again), written);

    // The recorded move from position 1 is still there to be redone.
    other.game.StepBack();
    EXPECT_EQ(other.game.MakeMove(f.game.Position(1).MoveRow, f.game.Position(1).MoveCol),
              MoveOutcome::Redone);
}

TEST(SavedGame, GameAtTheStartIsOneRecord) {
    Saving f(0);
    const std::string name = f.dir.file("start.hra");
    ASSERT_TRUE(f.save(name));
    EXPECT_EQ(FileBytes(name).size(), 472u);
    GameFixture other;
    ASSERT_EQ(LoadSavedFile(other.game, other.messages, name), LoadOutcome::Loaded);
    EXPECT_EQ(other.game.LastPosition(), 1);
    EXPECT_EQ(other.view.navigation, NavigationState{});
}

TEST(SavedGame, TheLargestAndSmallestFieldsComeBackWithAMoveInTheirLastCell) {
    for (const auto& [code, rows, cols] :
         {std::tuple{"OY400AA0A", 15, 25}, std::tuple{"EJ400AA0A", 5, 10}}) {
        SCOPED_TRACE(code);
        Saving f(0);
        // The first situation whose corner stone has a partner beside it.
        for (std::int32_t number = 1; number < 100; ++number) {
            f.start(code, number);
            if (IsMoveValid(f.game.Current(), f.game.CurrentRules(), EngineState{},
                            {static_cast<std::uint8_t>(rows), static_cast<std::uint8_t>(cols)}))
                break;
        }
        ASSERT_EQ(f.game.MakeMove(rows, cols), MoveOutcome::Performed);
        ASSERT_EQ(f.play(f.groups().front()), MoveOutcome::Performed);
        ASSERT_EQ(f.game.Position(1).MoveRow, rows);
        ASSERT_EQ(f.game.Position(1).MoveCol, cols);
        const std::string name = f.dir.file("corner.hra");
        ASSERT_TRUE(f.save(name));

        GameFixture other;
        ASSERT_EQ(LoadSavedFile(other.game, other.messages, name), LoadOutcome::Loaded);
        EXPECT_EQ(other.game.Settings(), f.game.Settings());
        ASSERT_EQ(other.game.LastPosition(), 3);
        for (int k = 1; k <= 3; ++k) EXPECT_EQ(other.game.Position(k), f.game.Position(k)) << k;
        EXPECT_TRUE(other.screenMatches());
    }
}

TEST(SavedGame, AGravityChangeToTheRightComesBack) {
    Saving f(1);
    ASSERT_EQ(f.game.MakeMove(0, GravityRight), MoveOutcome::Performed);
    ASSERT_EQ(f.play(f.groups().front()), MoveOutcome::Performed);
    ASSERT_EQ(f.game.Position(3).Gravity, GravityRight);
    const std::string name = f.dir.file("right.hra");
    ASSERT_TRUE(f.save(name));

    GameFixture other;
    ASSERT_EQ(LoadSavedFile(other.game, other.messages, name), LoadOutcome::Loaded);
    ASSERT_EQ(other.game.LastPosition(), 4);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(other.game.Position(k), f.game.Position(k)) << k;
    EXPECT_EQ(other.game.Position(2).MoveCol, GravityRight);
}

TEST(SavedGame, ExistingFileIsReplacedOnlyWhenConfirmed) {
    Saving f(2);
    const std::string name = f.dir.file("old.hra");
    PutFile(name, {1, 2, 3});
    EXPECT_FALSE(f.save(name));
    EXPECT_EQ(f.messages.said.back(), "Soubor s tímto jménem již existuje. Chcete ho přepsat?");
    EXPECT_EQ(FileBytes(name), (std::vector<std::uint8_t>{1, 2, 3}));
    f.messages.answers.push_back(Answer::Yes);
    EXPECT_TRUE(f.save(name));
    EXPECT_EQ(FileBytes(name), PackSavedGame(SavedGameOf(f.game)));
    EXPECT_FALSE(f.save("")) << "no name chosen when the script runs out";
}

TEST(SavedGame, FailedWriteLeavesWhatWasThereAndNoPartialFile) {
    Saving f(2);
    // The target's directory does not exist.
    EXPECT_FALSE(f.save(f.dir.file("missing/game.hra")));
    EXPECT_EQ(f.messages.said.back(), "Situaci nelze zapsat! ");
    // The target is a directory: it cannot be replaced.
    const std::string dirTarget = f.dir.file("taken.hra");
    fs::create_directory(dirTarget);
    EXPECT_FALSE(f.save(dirTarget));
    EXPECT_TRUE(fs::is_directory(dirTarget));
    // A read-only file is kept, after the question whether to overwrite it.
    const std::string name = f.dir.file("kept.hra");
    PutFile(name, {9, 9});
    fs::permissions(name, fs::perms(0444));
    f.messages.answers.push_back(Answer::Yes);
    EXPECT_FALSE(f.save(name));
    EXPECT_EQ(f.messages.said.back(), "Situaci nelze zapsat! ");
    EXPECT_EQ(FileBytes(name), (std::vector<std::uint8_t>{9, 9}));
    EXPECT_EQ(fs::status(name).permissions(), fs::perms(0444));
    int files = 0;
    for (const auto& entry : fs::directory_iterator(f.dir.path)) {
        ++files;
        EXPECT_EQ(entry.path().string().find(".~tmp"), std::string::npos);
    }
    EXPECT_EQ(files, 2) << "taken.hra and kept.hra only";
}

// Each damaged file is refused with its message, and the game in progress,
// its settings and its marks stay exactly as they were.
TEST(SavedGame, DamagedFilesAreRefusedWithTheGameUnchanged) {
    Saving source(3);
    const std::vector<std::uint8_t> good = PackSavedGame(SavedGameOf(source.game));
    auto with = [&](auto change) {
        std::vector<std::uint8_t> b = good;
        change(b);
        return b;
    };
    const std::size_t rec2 = 80 + 392;
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases{
        {"empty", {}},
        {"short header", std::vector<std::uint8_t>(good.begin(), good.begin() + 79)},
        {"magic", with([](auto& b) { b[0] = 0x41; })},
        {"P zero", with([](auto& b) { PutI32(b, 4, 0); })},
        {"P negative", with([](auto& b) { PutI32(b, 4, -1); })},
        {"P above 1000", with([](auto& b) { PutI32(b, 4, 1001); })},
        {"P beyond the records", with([](auto& b) { PutI32(b, 4, 5); })},
        {"last record cut", with([](auto& b) { b.pop_back(); })},
        {"colours", with([](auto& b) { b[8] = 9; })},
        {"rows", with([](auto& b) { b[8 + 40] = 16; })},
        {"colour map", with([](auto& b) { PutI32(b, 8 + 4, 0); })},
        {"colour map swapped", with([](auto& b) { PutI32(b, 12, 2), PutI32(b, 16, 1); })},
        // Every colour drawn as the first, and a start position forged to match.
        {"colour map all one", with([](auto& b) {
             PutI32(b, 4, 1);
             b.resize(80 + 392);
             for (std::size_t i = 0; i < 8; ++i) PutI32(b, 8 + 4 + 4 * i, 1);
             for (std::size_t i = 80; i < 80 + 375; ++i)
                 if (b[i] >= 1 && b[i] <= 8) b[i] = 1;
         })},
        {"stone 9", with([](auto& b) { b[rec2 + 10] = 9; })},
        {"stone 150", with([](auto& b) { b[rec2 + 374] = 150; })},
        {"gravity", with([](auto& b) { b[rec2 + 377] = 4; })},
        {"move row", with([](auto& b) { b[80 + 375] = 16; })},
        {"move column", with([](auto& b) { b[80 + 376] = 0; })},
        {"gravity move", with([](auto& b) {
             b[80 + 375] = 0;
             b[80 + 376] = 4;
         })},
        // Settings that no game allows.
        {"joker is glass", with([](auto& b) { b[8 + 42] = b[8 + 37]; })},
        {"down alone", with([](auto& b) { b[8 + 36] = 1; })},
        {"up without down", with([](auto& b) { b[8 + 36] = 2; })},
        // Positions the recorded moves do not lead to.
        {"forged total", with([](auto& b) { PutI32(b, b.size() - 392 + 380, 100000); })},
        {"forged stone", with([](auto& b) { b[rec2 + 1] = b[rec2 + 1] == 1 ? 2 : 1; })},
        {"move never made", with([](auto& b) { b[80 + 375] = 0, b[80 + 376] = 1; })},
    };
    for (const auto& [what, bytes] : cases) {
        Saving f(2);
        f.game.StepBack();
        f.game.AddMark(2);
        const std::string name = f.dir.file("bad.hre");
        PutFile(name, bytes);
        const GameSettings settings = f.game.Settings();
        const std::vector<std::uint8_t> before = PackSavedGame(SavedGameOf(f.game));
        const MoveRecord last = f.game.Position(3);
        f.view.events.clear();
        EXPECT_EQ(LoadSavedFile(f.game, f.messages, name), LoadOutcome::Refused) << what;
        EXPECT_EQ(f.messages.said, std::vector<std::string>{std::string(BadFile)}) << what;
        EXPECT_TRUE(f.view.events.empty()) << what;
        EXPECT_EQ(f.game.Settings(), settings) << what;
        EXPECT_EQ(f.game.CurrentPosition(), 2) << what;
        EXPECT_EQ(f.game.LastPosition(), 3) << what;
        EXPECT_EQ(f.game.Position(3), last) << what;
        EXPECT_EQ(PackSavedGame(SavedGameOf(f.game)), before) << what;
        EXPECT_EQ(f.game.Marks().count(), 1) << what;
    }
    // Bytes after the P records are no fault.
    std::vector<std::uint8_t> longer = good;
    longer.push_back(7);
    EXPECT_TRUE(UnpackSavedGame(longer));
    // The longest game there is: 1000 positions.
    std::vector<std::uint8_t> longest = good;
    PutI32(longest, 4, 1000);
    while (longest.size() < 80 + 392 * 1000)
        longest.insert(longest.end(), good.end() - 392, good.end());
    const auto read = UnpackSavedGame(longest);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->positions.size(), 1000u);
}

TEST(SavedGame, UnreadableAndSettingsFiles) {
    Saving f(1);
    EXPECT_EQ(LoadSavedFile(f.game, f.messages, f.dir.file("none.hra")), LoadOutcome::Refused);
    EXPECT_EQ(LoadSavedFile(f.game, f.messages, f.dir.path.string()), LoadOutcome::Refused);
    EXPECT_EQ(f.messages.said, (std::vector<std::string>(2, std::string(BadFile))));
    f.view.events.clear();
    EXPECT_EQ(LoadSavedFile(f.game, f.messages, f.dir.file("Level.HrS")),
              LoadOutcome::SettingsFile);
    EXPECT_TRUE(f.view.events.empty());
    EXPECT_EQ(f.game.CurrentPosition(), 2);
}

// A named pipe waits for a writer for ever; the game must not wait with it.
TEST(SavedGame, FilesThatAreNoRegularFilesAreRefusedAtOnce) {
    Saving f(1);
    const std::string pipe = f.dir.file("pipe.hra");
    ASSERT_TRUE(test::MakeFifo(pipe));
    LoadOutcome outcome = LoadOutcome::Loaded;
    EXPECT_TRUE(test::ReturnsWithoutAWriter(
        pipe, [&] { outcome = LoadSavedFile(f.game, f.messages, pipe); }));
    EXPECT_EQ(outcome, LoadOutcome::Refused);
    EXPECT_EQ(f.messages.said, std::vector<std::string>{std::string(BadFile)});

    const std::string settingsPipe = f.dir.file("pipe.hrs");
    ASSERT_TRUE(test::MakeFifo(settingsPipe));
    MemoryIniStore ini;
    SettingsDialogState dialog;
    SettingsFlowContext context{ini, true, dialog, f.chooser, f.messages, f.dir.path};
    EXPECT_TRUE(test::ReturnsWithoutAWriter(
        settingsPipe, [&] { LoadSavedFile(f.game, f.messages, settingsPipe, &context); }));
    EXPECT_EQ(f.messages.said.back(), std::string(SettingsFileBadText));

    // Named at start, a pipe or a directory exists: it is refused when read,
    // not reported missing.
    RecordingMessages messages;
    EXPECT_EQ(StartupFile({pipe}, messages), pipe);
    EXPECT_EQ(StartupFile({f.dir.path.string()}, messages), f.dir.path.string());
    EXPECT_TRUE(messages.said.empty());
}

TEST(SavedGame, SettingsFileStartsANewSituationFromItsSettings) {
    Saving f(2);
    const std::string name = f.dir.file("task.hrs");
    const PackedSettings packed = PackSettingsFile(SettingsOf("EJ400AA0B", 42));
    PutFile(name, std::vector<std::uint8_t>(packed.begin(), packed.end()));
    MemoryIniStore ini;
    SettingsDialogState dialog;
    SettingsFlowContext context{ini, true, dialog, f.chooser, f.messages, f.dir.path};
    EXPECT_EQ(LoadSavedFile(f.game, f.messages, name, &context), LoadOutcome::SettingsFile);
    EXPECT_TRUE(f.messages.said.empty());
    EXPECT_EQ(f.game.Settings().BeginNumber, 42);
    EXPECT_EQ(f.game.CurrentRules().rows, 5);
    EXPECT_EQ(f.game.LastPosition(), 1);
    GameFixture fresh;
    fresh.start("EJ400AA0B", 42);
    EXPECT_EQ(f.game.Current().board, fresh.game.Current().board);
    EXPECT_TRUE(f.screenMatches());
}

TEST(SavedGame, ProposedNames) {
    EXPECT_EQ(ProposedGameName(" HO611BA0B ", " -12 ", 7), "HO611BA0B_-12_007.hra");
    EXPECT_EQ(ProposedGameName("HO611BA0B", "5", 1000), "HO611BA0B_5_1000.hra");
    EXPECT_EQ(ProposedFinishedName("HO611BA0B", "5", 120), "HO611BA0B_5_0000000120.hre");
    EXPECT_EQ(ProposedFinishedName("HO611BA0B", "5", -45), "HO611BA0B_5_0000000-45.hre");
    Saving f(2);
    EXPECT_EQ(ProposedGameName(f.game), "HO617BA2B_21_003.hra");
    EXPECT_EQ(f.chooser.requests.size(), 0u);
    const FileDialogRequest request = SaveFinishedGameRequest(f.game, "/dir", "");
    EXPECT_EQ(request.proposedName, ProposedFinishedName(f.game));
    EXPECT_EQ(request.title, "uložení ukončené hry:");
}

TEST(SavedGame, CompetitionNameCheck) {
    const std::string_view t = "KOR_XXXX_HO611BA0B_12345.hre"; // 28: one short
    const std::string templ = "KORU" + std::string("XXXX") + "_HO611BA0B_123456.hre";
    ASSERT_EQ(templ.size(), 29u);
    EXPECT_EQ(CheckCompetitionName(templ, "/some/dir/koruabcd_ho611ba0b_123456.hre"), std::nullopt);
    EXPECT_EQ(CheckCompetitionName(templ, "KORUABCD_HO611BA0B_123456.HRA"), std::nullopt)
        << "the extension is not compared";
    EXPECT_EQ(CheckCompetitionName(templ, t), "Chybná délka názvu souboru.");
    EXPECT_EQ(CheckCompetitionName(templ, "KORUABCD_HO611BA0B_123457.hre"),
              "Pozměněny jiné části než XXXX.");
    EXPECT_EQ(CheckCompetitionName(templ, "KORUAXXD_HO611BA0B_123456.hre"),
              "V části XXXX je třeba nahradit nejméně 3 znaky.");
    EXPECT_EQ(CheckCompetitionName(templ, "KORUAxxD_HO611BA0B_123456.hre"),
              "V části XXXX je třeba nahradit nejméně 3 znaky.");
}

TEST(SavedGame, WrongCompetitionNameAsksAgainOrStops) {
    Saving f(1);
    const std::string templ = "KORUXXXX_HO611BA0B_123456.hre";
    f.chooser.names.push_back(f.dir.file("KORUXXXX_HO611BA0B_123456.hre"));
    f.messages.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(f.save(f.dir.file("x.hre"), templ));
    ASSERT_EQ(f.messages.said.size(), 1u);
    EXPECT_EQ(f.messages.said[0],
              "V části XXXX je třeba nahradit nejméně 3 znaky.\r\n"
              "Ve jméně souboru musíte nahradit sekvenci XXXX vaší\r\n"
              "čtyřpísmennou zkratkou, všechny ostatní pozice ponechte nezměněné!");
    EXPECT_FALSE(fs::exists(f.dir.file("x.hre")));
    f.chooser.names.clear();
    f.chooser.names.push_back(f.dir.file("short.hre"));
    f.messages.answers.push_back(Answer::Ok); // OK: the dialog again
    const std::string good = f.dir.file("KORUABCD_HO611BA0B_123456.hre");
    EXPECT_EQ(f.save(good, templ), good);
    EXPECT_EQ(f.messages.said.size(), 2u);
    EXPECT_TRUE(fs::exists(good));
    EXPECT_FALSE(fs::exists(f.dir.file("short.hre")));
}

TEST(SavedGame, StartUpLoadsTheLastNamedFile) {
    TempDir dir;
    const std::string file = dir.file("hra.hra");
    PutFile(file, {0});
    RecordingMessages messages;
    EXPECT_EQ(StartupFile({}, messages), std::nullopt);
    EXPECT_EQ(StartupFile({"/b"}, messages), std::nullopt);
    EXPECT_EQ(StartupFile({file, "/B"}, messages), std::nullopt);
    EXPECT_TRUE(messages.said.empty());
    EXPECT_EQ(StartupFile({dir.file("chybí.hra"), file}, messages), file);
    ASSERT_EQ(messages.said.size(), 1u);
    EXPECT_EQ(messages.said[0], "Soubor " + UpperCase(dir.file("chybí.hra")) + " neexistuje!");
    EXPECT_EQ(UpperCase("chybí.hra ěščřžýáíéůúťďň"), "CHYBÍ.HRA ĚŠČŘŽÝÁÍÉŮÚŤĎŇ");
}

} // namespace
} // namespace tumbla::test
