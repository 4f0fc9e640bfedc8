#include "situation/SettingsFile.h"

#include "engine/Bytes.h"
#include "situation/FileRead.h"
#include "situation/ReplaceFile.h"
#include "situation/SettingsCheck.h"

namespace tumbla {
namespace {

// Leaves only what a settings file carries.
GameSettings Carried(const GameSettings& s) {
    GameSettings out = s;
    out.Pad1 = {};
    out.Pad2 = {};
    out.ColourMap = {1, 2, 3, 4, 5, 6, 7, 8};
    out.Skala = 0;
    out.Studna = 0;
    out.Transformator = 0;
    out.Reserved = {};
    return out;
}

} // namespace

PackedSettings PackSettingsFile(const GameSettings& s) {
    PackedSettings out = PackSettings(Carried(s));
    PutU8(out, GameSettings::PackedSize - 1, SettingsFileCheckByte);
    return out;
}

std::optional<GameSettings> UnpackSettingsFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < GameSettings::PackedSize) return std::nullopt;
    if (GetU8(bytes, GameSettings::PackedSize - 1) != SettingsFileCheckByte) return std::nullopt;
    const GameSettings s = Carried(UnpackSettings(bytes.first(GameSettings::PackedSize)));
    if (!SettingsAllowed(s)) return std::nullopt;
    return s;
}

bool KonvertFromSetings(const std::filesystem::path& file, const SettingsDialogState& d) {
    const PackedSettings bytes = PackSettingsFile(SettingsFromDialog(d, GameSettings{}));
    return ReplaceFileWith(file, bytes);
}

SettingsFileRead KonvertToSetings(const std::filesystem::path& file, SettingsDialogState& d) {
    const auto bytes = ReadFileStart(file, GameSettings::PackedSize);
    const std::optional<GameSettings> s = bytes ? UnpackSettingsFile(*bytes) : std::nullopt;
    if (!s) return SettingsFileRead::Refused;
    NastavFormular(d, *s);
    return SettingsFileRead::Accepted;
}

} // namespace tumbla
