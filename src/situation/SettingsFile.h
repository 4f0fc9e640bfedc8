#pragma once
// Settings files (".hrs") and KORU task files: one 72-byte settings record
// whose last byte, 222, marks it as such.

#include "engine/GameSettings.h"
#include "situation/SettingsDialogState.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace tumbla {

inline constexpr std::uint8_t SettingsFileCheckByte = 222;

// The 72 bytes of a settings file: the fields a player chooses, no rocks,
// wells or transformer, and the check byte.
PackedSettings PackSettingsFile(const GameSettings& s);
// The record of a settings file, or nothing when it is shorter than 72 bytes,
// lacks the check byte or holds settings that no game allows (CheckSettings).
// Bytes after the 72nd are ignored, and so are the
// fields a settings file does not carry: rocks, wells and the transformer are
// off, the colour map is the plain one.
std::optional<GameSettings> UnpackSettingsFile(std::span<const std::uint8_t> bytes);

// Writes the dialog's state as a settings file, replacing the file whole.
bool KonvertFromSetings(const std::filesystem::path& file, const SettingsDialogState& d);

enum class SettingsFileRead { Accepted, Refused };
// Reads a settings file into the dialog's controls; a bad file changes nothing.
SettingsFileRead KonvertToSetings(const std::filesystem::path& file, SettingsDialogState& d);

inline constexpr std::string_view SettingsFileBadText =
    "Vybraný soubor je vadný, nebo není souborem s nastavením hry!";
inline constexpr std::string_view SettingsFileWriteFailedText = "Nastaveni nelze uložit! ";

} // namespace tumbla
