#include "record/GameFixture.h"

#include "engine/Bytes.h"
#include "record/SavedGame.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tumbla::test {
namespace {

struct CliRun {
    std::string out;
    std::string err;
    int code = -1;
    std::vector<std::string> lines() const {
        std::vector<std::string> result;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) result.push_back(line);
        return result;
    }
};

// One scratch directory for the run, removed when the tests end.
struct ScratchDir {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tumbla-cli-test-" + std::to_string(::getpid()));
    ScratchDir() { std::filesystem::create_directories(path); }
    ~ScratchDir() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
};

const std::filesystem::path& Scratch() {
    static const ScratchDir dir;
    return dir.path;
}

// Under `timeout`, a tool that would hang exits with 124 instead.
CliRun Cli(const std::string& args) {
    const std::string errFile = (Scratch() / "stderr").string();
    const std::string command =
        "timeout 30 " + std::string(TUMBLA_CLI) + " " + args + " 2>" + errFile;
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errFile);
    run.err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return run;
}

std::string PositionLine(const Game& g) {
    const MoveRecord& r = g.Current();
    std::ostringstream s;
    s << "position " << g.CurrentPosition() << " gravity " << int{r.Gravity} << " total "
      << r.TotalScore << " removed " << r.Removed << " glass " << r.GlassBroken << " points "
      << r.Points << " lock " << g.MoveLock() << " over " << g.GameOver();
    return s.str();
}

std::string MoveArg(Move m) {
    return m.isGravityChange() ? std::string(1, "DNLP"[m.col])
                               : std::to_string(m.row) + "/" + std::to_string(m.col);
}

TEST(Cli, PlayPrintsEveryPositionAsTheGameHasIt) {
    const CliRun first = Cli("play ej400aa0b 1");
    ASSERT_EQ(first.code, 0) << first.err;
    const auto start = first.lines();
    ASSERT_EQ(start.size(), 8u);
    EXPECT_EQ(start[0], "situation EJ400AA0B 1");
    EXPECT_EQ(start[1], "position 1 gravity 0 total 0 removed 0 glass 0 points 0 lock 0 over 0");
    // Situation 1 worked by hand from the draw rule: Next(4) + 1 from seed 1, row by row.
    EXPECT_EQ(start[2], "1 4 1 2 3 2 1 2 2 1");
    EXPECT_EQ(start[3], "2 1 4 1 2 4 2 4 2 3");
    EXPECT_EQ(start[7], "end 1 1");

    // The same moves in a game of our own, with refusals of every kind between them.
    GameFixture f;
    f.start("HO617BA2B", -77);
    std::string args = "play 'HO6 17BA2B' -77";
    std::vector<std::string> expected{"situation HO617BA2B -77", PositionLine(f.game)};
    auto addRows = [&] {
        for (int r = 1; r <= 8; ++r) {
            std::string row;
            for (int c = 1; c <= 15; ++c)
                row += (c > 1 ? " " : "") + std::to_string(f.game.Current().board.at(r, c));
            expected.push_back(row);
        }
    };
    addRows();
    auto refused = [&](const std::string& move) {
        args += " " + move;
        expected.push_back("refused " + move);
    };
    refused("D");   // the direction in force
    refused("9/1"); // below the 8 rows
    refused("1/16");
    for (int i = 0; i < 6 && !f.game.GameOver(); ++i) {
        Move move = f.groups().front();
        if (i == 2) {
            for (int d = 1; d <= 3; ++d)
                if (f.game.GravityButtonEnabled(d)) move = Move{0, static_cast<std::uint8_t>(d)};
        }
        ASSERT_NE(f.game.Click(move), MoveOutcome::Refused);
        args += " " + MoveArg(move);
        expected.push_back(PositionLine(f.game));
        addRows();
        if (i == 2) refused(MoveArg(Move{0, static_cast<std::uint8_t>(move.col == 1 ? 2 : 1)}));
    }
    expected.push_back("end " + std::to_string(f.game.CurrentPosition()) + " " +
                       std::to_string(f.game.LastPosition()));
    const CliRun run = Cli(args);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.lines(), expected);
}

TEST(Cli, MalformedArgumentsExitBeforePrinting) {
    for (const char* args : {"play HO611BA0B 0", "play HO611BA0B x", "play HO611BA0B 2147483648",
                             "play HO611BA0B 1 3-4", "play HO611BA0B 1 Q", "play HO611BA0B",
                             "hints HO611BA0B 1 /5", "frobnicate", ""}) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.code, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err, "") << args;
    }
    const CliRun badCode = Cli("play HO911BA0B 1");
    EXPECT_EQ(badCode.code, 2);
    EXPECT_EQ(badCode.out, "");
    EXPECT_EQ(badCode.err, "Pozice B - chybný počet barev (4-8).\n");
    EXPECT_EQ(Cli("play HO611BA0B -2147483648").code, 0);
    for (const char* command : {"play", "hints", "verify", "info", "table"}) {
        const CliRun help = Cli(std::string(command) + " --help");
        EXPECT_EQ(help.code, 0) << command;
        EXPECT_EQ(help.out.rfind(std::string("usage: tumbla-cli ") + command, 0), 0u) << help.out;
    }
    EXPECT_EQ(Cli("--help").code, 0);
}

TEST(Cli, HintsListTheCandidatesOfThePositionReached) {
    GameFixture f;
    f.start("HO617BA0B", 8);
    const Move first = f.groups().front();
    f.play(first);
    f.game.ComputeHintList();
    std::string expected = "hints";
    for (int i = 0; i < f.game.HintCount(); ++i)
        expected += " " + std::to_string(f.game.HintList().items[static_cast<std::size_t>(i)]);
    const CliRun run = Cli("hints HO617BA0B 8 D " + MoveArg(first) + " 20/20");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, expected + "\n");
    EXPECT_NE(expected.find(' '), std::string::npos);
}

TEST(Cli, VerifyAndInfoReadSavedGames) {
    GameFixture f;
    f.start("HO617BA2B", 31);
    for (int i = 0; i < 4; ++i) f.play(f.groups().front());
    SavedGame saved = SavedGameOf(f.game);
    const std::string good = (Scratch() / "good.hre").string();
    const std::vector<std::uint8_t> bytes = PackSavedGame(saved);
    auto put = [](const std::string& path, const std::vector<std::uint8_t>& b) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    };
    put(good, bytes);
    const CliRun ok = Cli("verify " + good);
    EXPECT_EQ(ok.code, 0) << ok.out << ok.err;
    EXPECT_EQ(ok.out, "ok " + std::to_string(f.game.Current().TotalScore) + "\n");

    const CliRun info = Cli("info " + good);
    EXPECT_EQ(info.code, 0);
    EXPECT_EQ(info.out, "code HO617BA2B\nnumber 31\nposition 5\ntotal " +
                            std::to_string(f.game.Current().TotalScore) + "\n");

    // A total raised by hand in position 3 is found.
    SavedGame forged = saved;
    forged.positions[2].TotalScore += 1000;
    const std::string bad = (Scratch() / "forged.hre").string();
    put(bad, PackSavedGame(forged));
    const CliRun mismatch = Cli("verify " + bad);
    EXPECT_EQ(mismatch.code, 1);
    EXPECT_EQ(mismatch.out, "mismatch at position 3: total " +
                                std::to_string(forged.positions[2].TotalScore) + " replayed " +
                                std::to_string(saved.positions[2].TotalScore) + "\n");
    // So is a stone moved.
    forged = saved;
    forged.positions[1].board.at(1, 1) = forged.positions[1].board.at(1, 1) == 1 ? 2 : 1;
    put(bad, PackSavedGame(forged));
    EXPECT_EQ(Cli("verify " + bad).out.rfind("mismatch at position 2: cell 1/1 ", 0), 0u);

    std::vector<std::uint8_t> damaged = bytes;
    damaged[0] = 0;
    put(bad, damaged);
    const CliRun refused = Cli("verify " + bad);
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("Soubor neobsahuje data k této hře nebo je chybný!"),
              std::string::npos);
    EXPECT_EQ(Cli("info " + bad).code, 2);
    EXPECT_EQ(Cli("verify " + (Scratch() / "absent.hra").string()).code, 2);

    // A settings file: 72 bytes with the check byte.
    GameSettings settings = SettingsOf("HO611BA0B", -5);
    settings.Skala = 3; // a settings file never brings rocks
    PackedSettings packed = PackSettings(settings);
    packed[71] = 222;
    const std::string hrs = (Scratch() / "level.hrs").string();
    put(hrs, std::vector<std::uint8_t>(packed.begin(), packed.end()));
    const CliRun level = Cli("info " + hrs);
    EXPECT_EQ(level.code, 0);
    EXPECT_EQ(level.out, "code HO611BA0B\nnumber -5\n");
    packed[71] = 0;
    put(hrs, std::vector<std::uint8_t>(packed.begin(), packed.end()));
    EXPECT_EQ(Cli("info " + hrs).code, 2);
    // Bytes out of every range, with the check byte: no code to print.
    std::fill(packed.begin(), packed.end(), 0xF0);
    packed[71] = 222;
    put(hrs, std::vector<std::uint8_t>(packed.begin(), packed.end()));
    const CliRun odd = Cli("info " + hrs);
    EXPECT_EQ(odd.code, 2);
    EXPECT_EQ(odd.out, "");
}

TEST(Cli, PipesAndDirectoriesAreRefusedAtOnce) {
    const std::string pipe = (Scratch() / "pipe.hre").string();
    const std::string settingsPipe = (Scratch() / "pipe.hrs").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(settingsPipe.c_str(), 0600), 0);
    for (const std::string& command :
         {"verify " + pipe, "info " + pipe, "info " + settingsPipe, "verify " + Scratch().string(),
          "info " + Scratch().string()}) {
        const CliRun run = Cli(command);
        EXPECT_EQ(run.code, 2) << command;
        EXPECT_EQ(run.out, "") << command;
    }
}

TEST(Cli, TableIsTheScoreTableWindow) {
    const CliRun run = Cli("table");
    ASSERT_EQ(run.code, 0);
    const auto lines = run.lines();
    ASSERT_EQ(lines.size(), 72u);
    EXPECT_EQ(lines[0], "počet  V1      V2       V3");
    EXPECT_EQ(lines[1], "==========================");
    // n, then n, ScoreOf(n) and n x (n div 3 + 1): past 50 the favoured
    // column grows by 100 a stone from 460408.
    EXPECT_EQ(lines[4], "   3:   3       3        6");
    EXPECT_EQ(lines[17], "  16:  16   18021       96");
    EXPECT_EQ(lines[52], "  51:  51  460508      918");
    EXPECT_EQ(lines[71], "  70:  70  462408     1680");
}

} // namespace
} // namespace tumbla::test
