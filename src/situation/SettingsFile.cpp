#include "situation/SettingsFile.h"

#include "engine/Bytes.h"
#include "situation/ReplaceFile.h"

#include <fstream>

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
    return Carried(UnpackSettings(bytes.first(GameSettings::PackedSize)));
}

bool KonvertFromSetings(const std::filesystem::path& file, const SettingsDialogState& d) {
    const PackedSettings bytes = PackSettingsFile(SettingsFromDialog(d, GameSettings{}));
    return ReplaceFileWith(file, bytes);
}

SettingsFileRead KonvertToSetings(const std::filesystem::path& file, SettingsDialogState& d) {
    PackedSettings bytes{};
    std::ifstream in(file, std::ios::binary);
    if (!in) return SettingsFileRead::Refused;
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    const std::optional<GameSettings> s = UnpackSettingsFile(std::span(bytes).first(got));
    if (!s) return SettingsFileRead::Refused;
    NastavFormular(d, *s);
    return SettingsFileRead::Accepted;
}

} // namespace tumbla
