#include "Cli.h"
#include "CliSession.h"

#include "record/FileStart.h"
#include "record/SavedGame.h"
#include "record/TextCase.h"
#include "situation/SettingsCode.h"
#include "situation/SettingsFile.h"

#include <ostream>

namespace tumbla::cli {
namespace {

constexpr std::string_view BadGameText = "Soubor neobsahuje data k této hře nebo je chybný!";

std::optional<SavedGame> ReadSavedGame(const std::string& path, std::ostream& err) {
    const auto bytes =
        ReadFileStart(path, SavedGame::HeaderSize + MoveRecord::PackedSize * Game::HistorySize);
    if (!bytes) {
        err << path << ": cannot be read\n";
        return std::nullopt;
    }
    auto saved = UnpackSavedGame(*bytes);
    if (!saved) err << path << ": " << BadGameText << "\n";
    return saved;
}

// The first difference between a stored position and the replayed one.
std::optional<std::string> Difference(const MoveRecord& stored, const MoveRecord& replayed,
                                      const Rules& rules) {
    auto field = [](std::string_view name, long long s, long long r) {
        return std::string(name) + " " + std::to_string(s) + " replayed " + std::to_string(r);
    };
    for (int r = 1; r <= rules.rows; ++r)
        for (int c = 1; c <= rules.cols; ++c)
            if (stored.board.at(r, c) != replayed.board.at(r, c))
                return field("cell " + std::to_string(r) + "/" + std::to_string(c),
                             stored.board.at(r, c), replayed.board.at(r, c));
    if (stored.Gravity != replayed.Gravity)
        return field("gravity", stored.Gravity, replayed.Gravity);
    if (stored.TotalScore != replayed.TotalScore)
        return field("total", stored.TotalScore, replayed.TotalScore);
    if (stored.Removed != replayed.Removed)
        return field("removed", stored.Removed, replayed.Removed);
    if (stored.GlassBroken != replayed.GlassBroken)
        return field("glass", stored.GlassBroken, replayed.GlassBroken);
    if (stored.Points != replayed.Points) return field("points", stored.Points, replayed.Points);
    return std::nullopt;
}

std::string MoveText(Move move) {
    if (move.isGravityChange()) return move.col <= 3 ? std::string(1, "DNLP"[move.col]) : "?";
    return std::to_string(move.row) + "/" + std::to_string(move.col);
}

} // namespace

int Verify(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "expected one saved game file\n";
        return 2;
    }
    const auto saved = ReadSavedGame(args[0], err);
    if (!saved) return 2;

    Session session;
    Game& game = session.game;
    game.PutSettingsInForce(saved->settings);
    game.NewSituation();
    const int p = static_cast<int>(saved->positions.size());
    for (int k = 1; k <= p; ++k) {
        const MoveRecord& stored = saved->positions[static_cast<std::size_t>(k - 1)];
        if (k > 1) {
            const MoveRecord& before = saved->positions[static_cast<std::size_t>(k - 2)];
            const Move move{before.MoveRow, before.MoveCol};
            if (game.Click(move) == MoveOutcome::Refused) {
                out << "mismatch at position " << k << ": move " << MoveText(move) << " refused\n";
                return 1;
            }
        }
        if (const auto what = Difference(stored, game.Current(), game.CurrentRules())) {
            out << "mismatch at position " << k << ": " << *what << "\n";
            return 1;
        }
    }
    out << "ok " << game.Current().TotalScore << "\n";
    return 0;
}

int Info(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "expected one saved game or settings file\n";
        return 2;
    }
    const std::string upper = UpperCase(args[0]);
    if (upper.size() >= 4 && upper.substr(upper.size() - 4) == ".HRS") {
        const auto bytes = ReadFileStart(args[0], GameSettings::PackedSize);
        const auto settings = bytes ? UnpackSettingsFile(*bytes) : std::nullopt;
        if (!settings) {
            err << args[0] << ": " << SettingsFileBadText << "\n";
            return 2;
        }
        out << "code " << SettingsCodeFromSettings(*settings) << "\n";
        out << "number " << settings->BeginNumber << "\n";
        return 0;
    }
    const auto saved = ReadSavedGame(args[0], err);
    if (!saved) return 2;
    out << "code " << SettingsCodeFromSettings(saved->settings) << "\n";
    out << "number " << saved->settings.BeginNumber << "\n";
    out << "position " << saved->positions.size() << "\n";
    out << "total " << saved->positions.back().TotalScore << "\n";
    return 0;
}

} // namespace tumbla::cli
