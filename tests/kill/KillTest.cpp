// Kills a writing game at random moments. A child process saves a game over
// and over, appends to Tumbla.Fam and deletes from it; the parent kills it
// outright at a random moment, then checks that every file is whole (the old
// or the new one, never a mixture; Tumbla.Fam's records whole, at most the cut
// start of one behind them), and that the next save, delete and append leave
// no temporary file and no cut record behind.
//
//   tumbla-kill-test KILLS [DIRECTORY]
//
// Exit 0 when every kill left whole files; the figures go to the output.

#include "engine/Groups.h"
#include "record/Game.h"
#include "record/SavedGame.h"
#include "results/HallOfFame.h"
#include "situation/FileRead.h"
#include "situation/ReplaceFile.h"
#include "situation/SettingsCode.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace tumbla;

// Two saved games of one situation, the second some moves further.
std::vector<std::vector<std::uint8_t>> TwoSavedGames() {
    SilentGameView view;
    SilentMessages messages;
    Game game(view, messages);
    GameSettings settings = SettingsFromCode("HO617BA2B", GameSettings{}).settings;
    settings.BeginNumber = 21;
    game.PutSettingsInForce(settings);
    game.NewSituation();
    std::vector<std::vector<std::uint8_t>> saved{PackSavedGame(SavedGameOf(game))};
    for (int moves = 0; moves < 5; ++moves) {
        CandidateList groups;
        ListGroups(game.Current(), game.CurrentRules(), groups);
        if (groups.count == 0) break;
        const Move move = Move::FromCode(groups.items[0]);
        game.MakeMove(move.row, move.col);
    }
    saved.push_back(PackSavedGame(SavedGameOf(game)));
    return saved;
}

FameRecord Entry(long i) {
    return MakeFameRecord(GameSettings{}, "k" + std::to_string(i), static_cast<std::int32_t>(i),
                          40000.5);
}

std::vector<std::uint8_t> FileOf(const fs::path& path) {
    return ReadFileStart(path, 1 << 24).value_or(std::vector<std::uint8_t>{});
}

// The child: save, append, delete, for ever (until killed).
[[noreturn]] void Write(const fs::path& dir, long first,
                        const std::vector<std::vector<std::uint8_t>>& games) {
    const HallOfFame hall(dir);
    for (long i = first;; ++i) {
        // The new game first: the file holds the old one between the kills.
        ReplaceFileWith(dir / "game.hra", games[static_cast<std::size_t>((i - first + 1) % 2)]);
        hall.append(Entry(i));
        if (const auto oldest = hall.readPacked(0)) hall.remove(FameSelection{0, *oldest});
    }
}

std::vector<std::string> Temporaries(const fs::path& dir) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name != "game.hra" && name != "Tumbla.Fam") found.push_back(name);
    }
    return found;
}

// Every record is one the child or the start wrote, whole. A kill in the
// middle of an append that crosses a page of the file can leave the start of
// a record behind it: no reader takes that tail for a record, and the next
// append writes over it, so it is allowed where `cutTail` says so.
bool HallIsWhole(const HallOfFame& hall, bool cutTail) {
    const auto bytes = FileOf(hall.filePath());
    if (!cutTail && bytes.size() % FameRecord::PackedSize != 0) return false;
    bool whole = true;
    hall.forEach([&](std::size_t, const PackedFameRecord& r) {
        const FameRecord record = UnpackFameRecord(r);
        whole = whole && PackFameRecord(Entry(record.points)) == r;
    });
    return whole;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tumbla-kill-test KILLS [DIRECTORY]\n");
        return 2;
    }
    const int kills = std::atoi(argv[1]);
    const fs::path dir =
        argc > 2 ? fs::path(argv[2])
                 : fs::temp_directory_path() / ("tumbla-kill-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);

    const auto games = TwoSavedGames();
    if (games[0] == games[1]) return 2;
    const HallOfFame hall(dir);
    if (!ReplaceFileWith(dir / "game.hra", games[0])) return 2;
    for (long i = 0; i < 20; ++i)
        if (!hall.append(Entry(-1 - i))) return 2;

    std::mt19937 random(static_cast<unsigned>(std::random_device{}()));
    std::uniform_int_distribution<int> delay(0, 40000); // microseconds
    int oldGame = 0, newGame = 0, leftTemporaries = 0, failures = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < kills; ++k) {
        const pid_t child = ::fork();
        if (child < 0) return 2;
        if (child == 0) Write(dir, 1000000L * (k + 1), games);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const auto game = FileOf(dir / "game.hra");
        if (game == games[0]) {
            ++oldGame;
        } else if (game == games[1]) {
            ++newGame;
        } else {
            ++failures;
            std::printf("kill %d: the saved game is neither the old nor the new one (%zu bytes)\n",
                        k, game.size());
        }
        if (!HallIsWhole(hall, true)) {
            ++failures;
            std::printf("kill %d: Tumbla.Fam holds a broken record\n", k);
        }
        leftTemporaries += Temporaries(dir).empty() ? 0 : 1;

        // The next save and delete clear what the kill left.
        const bool saved = ReplaceFileWith(dir / "game.hra", games[0]);
        const auto oldest = hall.readPacked(0);
        const bool deleted =
            oldest && hall.remove(FameSelection{0, *oldest}) == HallOfFame::Removal::Removed;
        const auto left = Temporaries(dir);
        if (!saved || !deleted || !left.empty()) {
            ++failures;
            std::printf("kill %d: after the next save and delete: %s%s%zu files left over%s\n", k,
                        saved ? "" : "save failed, ", deleted ? "" : "delete failed, ", left.size(),
                        left.empty() ? "" : (" (" + left.front() + ")").c_str());
        }
        // Keeps the file from running dry, and covers what a cut append left.
        if (!hall.append(Entry(-1 - k)) || !HallIsWhole(hall, false)) {
            ++failures;
            std::printf("kill %d: the next append left Tumbla.Fam broken\n", k);
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("kill test: %d kills in %.1f s; the saved game was the old one %d times and the "
                "new one %d times; %d kills left a temporary, none stayed after the next save and "
                "delete; %d faults\n",
                kills, seconds, oldGame, newGame, leftTemporaries, failures);
    fs::remove_all(dir);
    return failures == 0 ? 0 : 1;
}
