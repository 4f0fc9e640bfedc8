#pragma once
// The commands that save and load settings files: the dialog's two buttons,
// the menu items "&Uložená" and "úlohy KORUu", and a ".hrs" file opened
// through "N&ačíst" or named on the command line. They work on the settings
// dialog's state and report what the game must do; the game acts on it.

#include "engine/GameSettings.h"
#include "situation/IniStore.h"
#include "situation/Ports.h"
#include "situation/SettingsDialogState.h"

#include <filesystem>
#include <string_view>

namespace tumbla {

struct SettingsFlowContext {
    IniStore& ini;
    bool iniWritable;
    SettingsDialogState& dialog;
    FileChooser& files;
    Messages& messages;
    std::filesystem::path programDirectory;
};

// What a flow leaves for the game to do.
struct SettingsFlowOutcome {
    GameSettings settings;     // to put in force
    bool newSituation = false; // generate a new situation from `settings`
};

enum class LoadByName { Cancelled, Refused, Loaded };

// The dialog's button "ulož nastavení pod názvem"; true when a file was written.
bool SaveSettingsByName(SettingsFlowContext& c);
// The dialog's button "načti nastavení pod názvem": fills the controls only.
LoadByName LoadSettingsByName(SettingsFlowContext& c);

// "&Uložená": load by name, then OK in every case; a new situation when the
// settings in force changed in any byte.
SettingsFlowOutcome LoadSavedSettings(SettingsFlowContext& c, const GameSettings& inForce);
// "úlohy KORUu": a task file, then OK and a new situation, also after a bad file.
SettingsFlowOutcome LoadKoruTask(SettingsFlowContext& c, const GameSettings& inForce);
// A ".hrs" file chosen through "N&ačíst" or named on the command line.
SettingsFlowOutcome OpenSettingsFile(SettingsFlowContext& c, const GameSettings& inForce,
                                     const std::filesystem::path& file);

// Whether a file is handed to the settings rather than read as a saved game.
bool IsSettingsFileName(const std::filesystem::path& file);

inline constexpr std::string_view OverwriteQuestionText =
    "Soubor s tímto jménem již existuje. Chcete ho přepsat?";

} // namespace tumbla
