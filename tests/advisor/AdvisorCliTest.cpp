#include "AdvisorGames.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tumbla::test {
namespace {

struct ToolRun {
    std::vector<std::string> lines; // of the standard output
    int code = -1;

    // The words after `key` on the first line that starts with it.
    std::vector<std::string> after(const std::string& key) const {
        for (const std::string& line : lines) {
            std::istringstream words(line);
            std::string first;
            if (!(words >> first) || first != key) continue;
            std::vector<std::string> rest;
            for (std::string w; words >> w;) rest.push_back(w);
            return rest;
        }
        return {};
    }
};

// The tool's standard error goes to the test's log; `timeout` turns a hang into 124.
ToolRun Tool(const std::string& args) {
    ToolRun run;
    const std::string command = "timeout 60 " + std::string(TUMBLA_CLI) + " " + args;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) run.lines.push_back(line);
    return run;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string s;
    for (const std::string& w : words) s += " " + w;
    return s;
}

TEST(AdviseCommand, ItsLineReplaysInPlayToItsScoreAndASeedRepeats) {
    for (const std::string code : {"HO611BA0B", "OY817GA2B"}) {
        const std::string start = code + " 3 5/5 N";
        const ToolRun advice = Tool("advise " + start + " --playouts 40 --seed 4");
        ASSERT_EQ(advice.code, 0);
        const std::vector<std::string> line = advice.after("line");
        const std::vector<std::string> score = advice.after("score");
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(score.size(), 1u);
        // "line" and "score" are the last two lines, in that order.
        ASSERT_GE(advice.lines.size(), 2u);
        EXPECT_EQ(advice.lines[advice.lines.size() - 2].rfind("line ", 0), 0u);
        EXPECT_EQ(advice.lines.back(), "score " + score[0]);

        const ToolRun replay = Tool("play " + start + Joined(line));
        ASSERT_EQ(replay.code, 0);
        std::string lastPosition;
        for (const std::string& l : replay.lines) {
            EXPECT_EQ(l.rfind("refused", 0), std::string::npos) << l;
            if (l.rfind("position ", 0) == 0) lastPosition = l;
        }
        EXPECT_NE(lastPosition.find(" total " + score[0] + " "), std::string::npos) << lastPosition;
        EXPECT_NE(lastPosition.find(" over 1"), std::string::npos) << lastPosition;

        for (const std::string threads : {"1", "2"}) {
            const std::string args = "advise " + start + " --playouts 50 --threads " + threads;
            EXPECT_EQ(Tool(args).lines, Tool(args).lines) << args;
        }
    }
}

TEST(AdviseCommand, MalformedInputExitsWith2) {
    for (const char* args :
         {"advise", "advise HO611BA0B", "advise HO611BA0X 1", "advise HO611BA0B 0",
          "advise HO611BA0B 1 5-5", "advise HO611BA0B 1 --seconds",
          "advise HO611BA0B 1 --seconds x", "advise HO611BA0B 1 --seconds 0",
          "advise HO611BA0B 1 --playouts 0", "advise HO611BA0B 1 --playouts -3",
          "advise HO611BA0B 1 --threads 0", "advise HO611BA0B 1 --seed x",
          "advise HO611BA0B 1 --fast 1", "advise HO611BA0B 1 --seconds 1 --playouts 5", "analyse",
          "analyse /nonexistent.hre", "analyse a.hre b.hre", "analyse x.hre --playouts"})
        EXPECT_EQ(Tool(std::string(args) + " 2>/dev/null").code, 2) << args;
}

TEST(AnalyseCommand, PrintsOneLinePerMoveOfASavedGame) {
    AdvisorGame g;
    g.start(FromCode("HO611BA0B"), 8);
    for (int i = 0; i < 5; ++i) {
        g.game.ComputeHintList();
        ASSERT_GT(g.game.HintCount(), 0);
        g.play({g.game.HintList().items[static_cast<std::size_t>(g.game.HintCount() - 1)]});
    }
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("tumbla-analyse-" + std::to_string(::getpid()) + ".hra");
    {
        const std::vector<std::uint8_t> bytes = PackSavedGame(g.saved());
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    const ToolRun run = Tool("analyse " + file.string() + " --playouts 30");
    std::filesystem::remove(file);
    ASSERT_EQ(run.code, 0);
    ASSERT_EQ(run.lines.size(), 5u);
    for (int k = 1; k <= 5; ++k) {
        const MoveRecord& from = g.game.Position(k);
        const std::string move =
            from.MoveRow == 0 ? std::string(1, "DNLP"[from.MoveCol])
                              : std::to_string(from.MoveRow) + "/" + std::to_string(from.MoveCol);
        std::istringstream words(run.lines[static_cast<std::size_t>(k - 1)]);
        std::string w[9];
        for (std::string& word : w) words >> word;
        EXPECT_EQ(w[0] + " " + w[1] + " " + w[2] + " " + w[3] + " " + w[5] + " " + w[7],
                  "move " + std::to_string(k) + " " + move + " best after loss");
        EXPECT_EQ(std::stol(w[4]) - std::stol(w[6]), std::stol(w[8]));
        EXPECT_GE(std::stol(w[8]), 0);
    }
}

} // namespace
} // namespace tumbla::test
