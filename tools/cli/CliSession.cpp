#include "CliSession.h"

#include "situation/SettingsCode.h"

#include <cctype>
#include <charconv>
#include <ostream>

namespace tumbla::cli {
namespace {

std::optional<long> ParseWhole(std::string_view text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<TypedMove> ParseMove(const std::string& text) {
    static constexpr std::string_view Letters = "DNLP";
    if (text.size() == 1) {
        const auto at =
            Letters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))));
        if (at == std::string_view::npos) return std::nullopt;
        return TypedMove{0, static_cast<long>(at), true, std::string(1, Letters[at])};
    }
    const auto slash = text.find('/');
    if (slash == std::string::npos) return std::nullopt;
    const std::string_view whole(text);
    const auto row = ParseWhole(whole.substr(0, slash));
    const auto col = ParseWhole(whole.substr(slash + 1));
    if (!row || !col || *row < 0 || *col < 0) return std::nullopt;
    return TypedMove{*row, *col, false, std::to_string(*row) + "/" + std::to_string(*col)};
}

std::optional<std::int32_t> ParseSituationNumber(const std::string& text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0) return std::nullopt;
    return value;
}

std::unique_ptr<Session> OpenSession(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() < 2) {
        err << "expected a settings code and a situation number\n";
        return nullptr;
    }
    std::string code;
    for (char c : args[0])
        if (c != ' ' && c != '\t')
            code.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    const auto number = ParseSituationNumber(args[1]);
    if (!number) {
        err << "the situation number must be a whole number from -2147483648 to 2147483647 other "
               "than 0: "
            << args[1] << "\n";
        return nullptr;
    }
    auto session = std::make_unique<Session>();
    for (std::size_t i = 2; i < args.size(); ++i) {
        const auto move = ParseMove(args[i]);
        if (!move) {
            err << "a move is r/c (row/column) or one of D N L P: " << args[i] << "\n";
            return nullptr;
        }
        session->moves.push_back(*move);
    }
    const DecodedSettings decoded = SettingsFromCode(code, GameSettings{});
    if (decoded.result != 0) {
        err << SettingsCodeMessage(decoded.result) << "\n";
        return nullptr;
    }
    session->game.PutSettingsInForce(decoded.settings);
    session->game.SetSituationNumber(*number);
    session->game.NewSituation();
    return session;
}

bool PlayTyped(Game& game, const TypedMove& move) {
    if (move.gravity)
        return game.Click(Move{0, static_cast<std::uint8_t>(move.col)}) != MoveOutcome::Refused;
    const Rules& rules = game.CurrentRules();
    if (move.row < 1 || move.row > rules.rows || move.col < 1 || move.col > rules.cols)
        return false;
    return game.Click(Move{static_cast<std::uint8_t>(move.row),
                           static_cast<std::uint8_t>(move.col)}) != MoveOutcome::Refused;
}

} // namespace tumbla::cli
