#include "AdviseCommand.h"

#include "CliSession.h"
#include "advisor/Advisor.h"
#include "advisor/GameAnalysis.h"
#include "record/SavedGame.h"
#include "situation/FileRead.h"

#include <charconv>
#include <cmath>
#include <ostream>

namespace tumbla::cli {

const char* const AdviseHelp =
    "usage: tumbla-cli advise CODE NUMBER [MOVE ...] [--seconds S | --playouts N]\n"
    "                         [--threads N] [--seed K]\n"
    "Plays the moves (as in play), then asks the move advisor for the best line from\n"
    "there to the end. Prints 'line' and the line's moves in play's syntax, then\n"
    "'score' and the final total the line reaches. --seconds (default 2, 0.01..3600)\n"
    "thinks for a time; --playouts N for a number of playouts, which with the same\n"
    "seed (default 1) and threads (default 1) gives the same line on every machine.\n";

const char* const AnalyseHelp =
    "usage: tumbla-cli analyse FILE [--seconds S | --playouts N] [--threads N] [--seed K]\n"
    "For each move of a saved game (.hra or .hre) prints 'move K M best B after A\n"
    "loss L': the move M made from position K, the best final total the advisor finds\n"
    "from position K and from the position after the move. S (default 0.5) and N\n"
    "are for each position.\n";

namespace {

std::string MoveText(int code) {
    const Move move = Move::FromCode(code);
    if (move.isGravityChange()) return std::string(1, "DNLP"[move.col & 3]);
    return std::to_string(move.row) + "/" + std::to_string(move.col);
}

template <typename T> std::optional<T> Whole(const std::string& text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// Takes the options out of `args`, leaving the other words; complains and
// gives nothing on a malformed one.
std::optional<AdvisorLimits> TakeLimits(Arguments& args, double defaultSeconds, std::ostream& err) {
    AdvisorLimits limits;
    limits.time = std::chrono::milliseconds(std::lround(defaultSeconds * 1000));
    bool seconds = false;
    Arguments rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.rfind("--", 0) != 0) {
            rest.push_back(word);
            continue;
        }
        if (i + 1 >= args.size()) {
            err << word << " needs a value\n";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (word == "--seconds") {
            double s = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), s);
            if (error != std::errc() || end != value.data() + value.size() || !(s >= 0.01) ||
                s > 3600) {
                err << "--seconds takes a number from 0.01 to 3600: " << value << "\n";
                return std::nullopt;
            }
            limits.time = std::chrono::milliseconds(std::lround(s * 1000));
            seconds = true;
        } else if (word == "--playouts") {
            const auto n = Whole<std::uint64_t>(value);
            if (!n || *n == 0) {
                err << "--playouts takes a whole number above 0: " << value << "\n";
                return std::nullopt;
            }
            limits.playouts = *n;
        } else if (word == "--threads") {
            const auto n = Whole<int>(value);
            if (!n || *n < 1 || *n > 64) {
                err << "--threads takes a whole number from 1 to 64: " << value << "\n";
                return std::nullopt;
            }
            limits.threads = *n;
        } else if (word == "--seed") {
            const auto n = Whole<std::uint64_t>(value);
            if (!n) {
                err << "--seed takes a whole number from 0 up: " << value << "\n";
                return std::nullopt;
            }
            limits.seed = *n;
        } else {
            err << "unknown option: " << word << "\n";
            return std::nullopt;
        }
    }
    if (seconds && limits.playouts != 0) {
        err << "--seconds and --playouts exclude each other\n";
        return std::nullopt;
    }
    args = std::move(rest);
    return limits;
}

} // namespace

int Advise(const Arguments& given, std::ostream& out, std::ostream& err) {
    Arguments args = given;
    const auto limits = TakeLimits(args, 2.0, err);
    if (!limits) return 2;
    const auto session = OpenSession(args, err);
    if (!session) return 2;
    Game& game = session->game;
    for (const TypedMove& move : session->moves)
        if (!PlayTyped(game, move)) out << "refused " << move.text << "\n";
    out << "position " << game.CurrentPosition() << " total " << game.Current().TotalScore << "\n";
    Advisor advisor(SavedGameOf(game), *limits);
    const AdvisorResult result = advisor.Run();
    if (!result.honest) {
        err << "the advisor's line does not hold: " << result.error << "\n";
        return 1;
    }
    out << "playouts " << result.playouts << "\n";
    out << "line";
    for (int code : result.line) out << " " << MoveText(code);
    out << "\n";
    out << "score " << result.score << "\n";
    return 0;
}

int Analyse(const Arguments& given, std::ostream& out, std::ostream& err) {
    Arguments args = given;
    const auto limits = TakeLimits(args, 0.5, err);
    if (!limits) return 2;
    if (args.size() != 1) {
        err << "expected one saved game file\n";
        return 2;
    }
    const auto saved = ReadSavedGame(args[0], err);
    if (!saved) return 2;
    GameAnalysis analysis(*saved, *limits);
    const std::vector<AnalysisRow> rows = analysis.Run();
    bool honest = true;
    for (const AnalysisRow& row : rows) {
        out << "move " << row.position << " " << MoveText(row.move) << " best " << row.bestBefore
            << " after " << row.bestAfter << " loss " << row.Loss() << "\n";
        honest = honest && row.honest;
    }
    if (!honest) {
        err << "an advisor's line does not hold\n";
        return 1;
    }
    return 0;
}

} // namespace tumbla::cli
