#pragma once
// Tumbla.ini as the channel through which settings come into force: the
// dialog's OK writes its controls there and the settings are read back.

#include "engine/GameSettings.h"
#include "situation/IniStore.h"
#include "situation/Ports.h"
#include "situation/SettingsDialogState.h"

#include <string>
#include <string_view>

namespace tumbla {

// "D", "U", "L", "R" in any order and case; down alone means fixed gravity.
std::uint8_t DirectionsFromText(std::string_view text);

// Reads the INI file into the dialog's controls and returns the settings to
// put in force. Bytes the file does not hold (padding, reserved) come from
// `inForce`.
GameSettings LoadSettingsFromIni(const IniStore& ini, SettingsDialogState& d,
                                 const GameSettings& inForce);
// Only the window's own options: how it shows the game ("sesypávat", the
// preview) and how long the advisor thinks.
void LoadDisplayOptionsFromIni(const IniStore& ini, SettingsDialogState& d);

struct IniSaveResult {
    GameSettings settings; // read back from the file, to put in force
    bool written = false;  // the dialog's state reached the file
};

// The dialog's OK: rocks, wells and the transformer off, the controls written
// when the directory is writable and they describe settings a game allows
// ("INI soubor nelze uložit! " otherwise, the old file left whole), then
// everything read back.
IniSaveResult SaveSettingsToIni(IniStore& ini, bool iniWritable, SettingsDialogState& d,
                                const GameSettings& inForce, Messages& messages);

inline constexpr std::string_view IniWriteFailedText = "INI soubor nelze uložit! ";

} // namespace tumbla
