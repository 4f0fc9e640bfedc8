#include "SearchCommand.h"

#include "engine/GameSettings.h"
#include "engine/Rules.h"
#include "record/Search.h"
#include "record/SearchFormat.h"
#include "situation/Generator.h"
#include "situation/Presets.h"
#include "situation/Random.h"
#include "situation/SettingsCode.h"

#include <charconv>
#include <cstdint>
#include <iostream>
#include <limits>
#include <optional>
#include <string_view>

namespace tumbla {
namespace {

constexpr std::string_view Usage =
    "Usage: tumbla-cli search CODE NUMBER [--leaves N]\n"
    "\n"
    "Tries every sequence of moves from the start of a situation, as a player\n"
    "could make them, and prints the best final score found.\n"
    "\n"
    "  CODE         the 9-character settings code (upper case, blanks ignored)\n"
    "  NUMBER       the situation number, a signed 32-bit number other than 0\n"
    "  --leaves N   stop after N end positions (N at least 1)\n"
    "\n"
    "Output:\n"
    "  best SCORE       the highest final score among the end positions reached\n"
    "  path M1 M2 ...   the moves to the first end position with that score,\n"
    "                   written r/c for a cell, D N L P for a gravity change\n"
    "  leaves COUNT     the end positions reached\n"
    "  complete yes|no  whether every sequence was tried\n"
    "\n"
    "Exit codes: 0 done, 2 bad arguments or settings code.\n";

int Fail(std::string_view message) {
    std::cerr << "tumbla-cli search: " << message << "\n"
              << "Try 'tumbla-cli search --help'.\n";
    return 2;
}

template <typename Int> std::optional<Int> ParseInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return std::nullopt;
    Int value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string NormaliseCode(std::string_view text) {
    std::string code;
    for (const char c : text) {
        if (c == ' ' || c == '\t') continue;
        code += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return code;
}

} // namespace

int RunSearchCommand(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage;
            return 0;
        }
    }

    std::vector<std::string_view> positional;
    std::uint64_t leafLimit = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::string_view leaves;
        if (arg == "--leaves") {
            if (i + 1 >= args.size()) return Fail("--leaves needs a number of end positions.");
            leaves = args[++i];
        } else if (arg.starts_with("--leaves=")) {
            leaves = arg.substr(9);
        } else if (arg.starts_with("--")) {
            return Fail("unknown option '" + std::string(arg) + "'.");
        } else {
            positional.push_back(arg);
            continue;
        }
        const auto n = ParseInteger<std::uint64_t>(leaves);
        if (!n || *n == 0) return Fail("--leaves wants a whole number of at least 1.");
        leafLimit = *n;
    }
    if (positional.size() != 2) return Fail("expected a settings code and a situation number.");

    const auto number = ParseInteger<std::int32_t>(positional[1]);
    if (!number || *number == 0)
        return Fail("the situation number must be a whole number from -2147483648 to "
                    "2147483647, other than 0.");

    const DecodedSettings decoded = SettingsFromCode(NormaliseCode(positional[0]), GameSettings{});
    if (decoded.result != 0) {
        std::cerr << SettingsCodeMessage(decoded.result) << "\n";
        return 2;
    }
    GameSettings settings = decoded.settings;
    NormaliseForForce(settings);
    settings.BeginNumber = *number;
    Random rng;
    const MoveRecord position1 = GenerateBoard(settings, rng).position;

    SearchMemory memory;
    Search search(RulesFromSettings(settings), memory);
    search.SetLeafLimit(leafLimit);
    search.StartSearch(position1);

    std::cout << "best " << search.HighestScore() << "\n";
    std::cout << "path";
    for (const int move : search.HighestPath()) std::cout << ' ' << SearchMoveText(move);
    std::cout << "\n";
    std::cout << "leaves " << search.LeafCount() << "\n";
    std::cout << "complete " << (search.Complete() ? "yes" : "no") << "\n";
    return 0;
}

} // namespace tumbla
