#include "record/SavedGameFile.h"

#include "record/Game.h"
#include "record/SavedGame.h"
#include "record/SavedGameReplay.h"
#include "record/TextCase.h"
#include "situation/FileRead.h"
#include "situation/ReplaceFile.h"
#include "situation/SettingsCode.h"

#include <filesystem>

namespace tumbla {
namespace {

constexpr std::string_view BadFileText = "Soubor neobsahuje data k této hře nebo je chybný!";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string ZeroPadded(std::string digits, std::size_t width) {
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error) && !std::filesystem::is_directory(path, error);
}

// A directory or a pipe named at start is there: it is refused when it is
// read, as a file that cannot be read, rather than reported missing.
bool NameExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::string FileNameOf(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

} // namespace

std::string ProposedGameName(std::string_view code, std::string_view number, int position) {
    return std::string(Trimmed(code)) + "_" + std::string(Trimmed(number)) + "_" +
           ZeroPadded(std::to_string(position), 3) + ".hra";
}

std::string ProposedFinishedName(std::string_view code, std::string_view number,
                                 std::int32_t total) {
    return std::string(Trimmed(code)) + "_" + std::string(Trimmed(number)) + "_" +
           ZeroPadded(std::to_string(total), 10) + ".hre";
}

std::string ProposedGameName(const Game& game) {
    return ProposedGameName(SettingsCodeFromSettings(game.Settings()),
                            std::to_string(game.Settings().BeginNumber), game.CurrentPosition());
}

std::string ProposedFinishedName(const Game& game) {
    return ProposedFinishedName(SettingsCodeFromSettings(game.Settings()),
                                std::to_string(game.Settings().BeginNumber),
                                game.Current().TotalScore);
}

std::optional<std::string_view> CheckCompetitionName(std::string_view competitionTemplate,
                                                     std::string_view chosen) {
    const std::u32string n = DecodeUtf8(UpperCase(FileNameOf(chosen)));
    const std::u32string t = DecodeUtf8(competitionTemplate);
    if (n.size() != 29) return "Chybná délka názvu souboru.";
    // The player replaces characters 5..8; the extension is not compared.
    auto kept = [](const std::u32string& s) {
        return s.size() < 25 ? std::u32string() : s.substr(0, 4) + s.substr(8, 17);
    };
    if (t.size() < 25 || kept(n) != kept(t)) return "Pozměněny jiné části než XXXX.";
    if (n.find(U"XX") != std::u32string::npos)
        return "V části XXXX je třeba nahradit nejméně 3 znaky.";
    return std::nullopt;
}

FileDialogRequest SaveGameInProgressRequest(const Game& game, const std::string& programDirectory) {
    return FileDialogRequest{
        "uložení situace:", "rozehrané hry(*.hra)|*.hra|všechny soubory(*.*)|*.*", "hra",
        ProposedGameName(game), programDirectory};
}

FileDialogRequest SaveFinishedGameRequest(const Game& game, const std::string& programDirectory,
                                          std::string_view competitionTemplate) {
    return FileDialogRequest{
        "uložení ukončené hry:", "ukončené hry(*.hre)|*.hre|všechny soubory(*.*)|*.*", "hre",
        competitionTemplate.empty() ? ProposedFinishedName(game) : std::string(competitionTemplate),
        programDirectory};
}

FileDialogRequest OpenSavedFileRequest(const std::string& programDirectory) {
    return FileDialogRequest{
        "načtení uložené situace:",
        "uložené hry a nastavení(*.hra,*.hre,*.hrs)|*.hra;*.hre;*.hrs|rozehraná hra(*.hra)|*.hra|"
        "ukončená hra(*.hre)|*.hre|nastavení(*.hrs)|*.hrs|všechny soubory|*.*",
        "hra", "*.hr?", programDirectory};
}

std::optional<std::string> WriteSavedGame(const Game& game, FileChooser& chooser,
                                          Messages& messages, const FileDialogRequest& request,
                                          std::string_view competitionTemplate) {
    std::optional<std::string> chosen;
    for (;;) {
        chosen = chooser.chooseSave(request);
        if (!chosen) return std::nullopt;
        if (competitionTemplate.empty()) break;
        const auto reason = CheckCompetitionName(competitionTemplate, *chosen);
        if (!reason) break;
        const std::string text =
            std::string(*reason) +
            "\r\nVe jméně souboru musíte nahradit sekvenci XXXX vaší\r\n"
            "čtyřpísmennou zkratkou, všechny ostatní pozice ponechte nezměněné!";
        if (messages.askError(text) != Answer::Ok) return std::nullopt;
    }
    if (FileExists(*chosen) &&
        messages.askConfirmation("Soubor s tímto jménem již existuje. Chcete ho přepsat?") !=
            Answer::Yes)
        return std::nullopt;
    if (!ReplaceFileWith(*chosen, PackSavedGame(SavedGameOf(game)))) {
        messages.showError("Situaci nelze zapsat! ");
        return std::nullopt;
    }
    return chosen;
}

LoadOutcome LoadSavedFile(Game& game, Messages& messages, const std::string& path,
                          SettingsFlowContext* settingsFlow) {
    if (IsSettingsFileName(path)) {
        if (settingsFlow != nullptr) {
            const SettingsFlowOutcome outcome =
                OpenSettingsFile(*settingsFlow, game.Settings(), path);
            game.PutSettingsInForce(outcome.settings);
            game.NewSituation();
            game.ShowScoreFields(game.Position(1));
        }
        return LoadOutcome::SettingsFile;
    }

    const std::size_t largest = SavedGame::HeaderSize + MoveRecord::PackedSize * Game::HistorySize;
    const auto bytes = ReadFileStart(path, largest);
    const std::optional<SavedGame> saved = bytes ? UnpackSavedGame(*bytes) : std::nullopt;
    // A file whose positions the recorded moves do not lead to is no game
    // that was played, whatever its totals claim.
    const std::optional<ReplayedGame> replayed =
        saved ? std::optional(ReplaySavedGame(*saved)) : std::nullopt;
    if (!replayed || !replayed->agrees()) {
        messages.showError(BadFileText);
        return LoadOutcome::Refused;
    }
    game.InstallSavedGame(saved->settings, replayed->positions);
    return LoadOutcome::Loaded;
}

std::optional<std::string> StartupFile(const std::vector<std::string>& arguments,
                                       Messages& messages) {
    for (const std::string& argument : arguments) {
        const std::string upper = UpperCase(argument);
        if (upper == "/B") continue;
        if (!NameExists(argument)) messages.showWarning("Soubor " + upper + " neexistuje!");
    }
    if (arguments.empty() || UpperCase(arguments.back()) == "/B" || !NameExists(arguments.back()))
        return std::nullopt;
    return arguments.back();
}

} // namespace tumbla
