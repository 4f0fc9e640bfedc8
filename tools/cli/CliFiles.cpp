#include "Cli.h"

#include "record/Game.h"
#include "record/SavedGame.h"
#include "record/SavedGameReplay.h"
#include "record/TextCase.h"
#include "situation/FileRead.h"
#include "situation/SettingsCode.h"
#include "situation/SettingsFile.h"

#include <ostream>

namespace tumbla::cli {
namespace {

constexpr std::string_view BadGameText = "Soubor neobsahuje data k této hře nebo je chybný!";

} // namespace

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

int Verify(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "expected one saved game file\n";
        return 2;
    }
    const auto saved = ReadSavedGame(args[0], err);
    if (!saved) return 2;

    const ReplayedGame replayed = ReplaySavedGame(*saved);
    if (!replayed.agrees()) {
        out << "mismatch at position " << replayed.mismatchAt << ": " << replayed.difference
            << "\n";
        return 1;
    }
    out << "ok " << replayed.positions.back().TotalScore << "\n";
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
