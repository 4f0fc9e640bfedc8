#pragma once
// The 9-character summary of the game fields (R S B Z G H J K P) that players
// exchange together with a situation number.

#include "engine/GameSettings.h"

#include <string>
#include <string_view>

namespace tumbla {

std::string SettingsCodeFromSettings(const GameSettings& s);

struct DecodedSettings {
    int result = 0;        // 0 = accepted, 1..11 = the first fault found
    GameSettings settings; // the base with the code's fields; meaningful only for result 0
};

// Decodes `code` (already upper case and trimmed) over `base`, the settings in
// force. Only the fields the code carries are replaced.
DecodedSettings SettingsFromCode(std::string_view code, const GameSettings& base);

// The message shown under the code entry for a result 0..11 (UTF-8).
std::string_view SettingsCodeMessage(int result);

} // namespace tumbla
