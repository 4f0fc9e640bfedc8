// Any bytes as a settings file: refused exactly when it is short, lacks the
// check byte or holds settings no game allows, or else read into the dialog
// so that what the dialog then holds is a valid game and survives a save and
// a settings code.

#include "situation/SettingsCheck.h"
#include "situation/SettingsCode.h"
#include "situation/SettingsDialogState.h"
#include "situation/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <span>

using namespace tumbla;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const std::optional<GameSettings> file = UnpackSettingsFile(bytes);
    if (!file) {
        if (size >= GameSettings::PackedSize && data[71] == SettingsFileCheckByte) {
            // Refused with the check byte: the fields it carries are at fault.
            GameSettings s = UnpackSettings(bytes.first(GameSettings::PackedSize));
            s.ColourMap = {1, 2, 3, 4, 5, 6, 7, 8};
            s.Skala = s.Studna = s.Transformator = 0;
            if (SettingsAllowed(s)) __builtin_trap();
        }
        return 0;
    }
    if (!SettingsAllowed(*file)) __builtin_trap();
    SettingsDialogState dialog;
    NastavFormular(dialog, *file);
    const GameSettings read = SettingsFromDialog(dialog, GameSettings{});
    if (!SettingsAllowed(read) || read.Skala != 0 || read.Studna != 0 || read.Transformator != 0)
        __builtin_trap();
    if (read.Joly != 0 && read.Joly == read.Sklo) __builtin_trap();

    const std::optional<GameSettings> again = UnpackSettingsFile(PackSettingsFile(read));
    if (!again) __builtin_trap();
    SettingsDialogState reloaded;
    NastavFormular(reloaded, *again);
    if (SettingsFromDialog(reloaded, GameSettings{}) != read) __builtin_trap();

    const DecodedSettings decoded = SettingsFromCode(SettingsCodeFromSettings(read), read);
    if (decoded.result != 0 || decoded.settings != read) __builtin_trap();
    return 0;
}
