// Any text as Tumbla.ini: the settings read are a valid game, and the dialog's
// OK over them reaches a state that a second OK no longer changes.

#include "situation/MemoryIniStore.h"
#include "situation/SettingsDialogState.h"
#include "situation/SettingsIni.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tumbla;

namespace {

class SilentMessages : public Messages {
  public:
    void showPlain(std::string_view) override {}
    void showError(std::string_view) override {}
    void showWarning(std::string_view) override {}
    void showInformation(std::string_view) override {}
    Answer askConfirmation(std::string_view, bool) override { return Answer::No; }
};

void CheckValid(const GameSettings& s) {
    if (!SettingsInRange(s) || s.Skala > RocksMaximum(s.Rows, s.Cols)) __builtin_trap();
    if (s.Joly != 0 && s.Joly == s.Sklo) __builtin_trap();
    if ((s.Skala != 0 || s.Studna != 0) && s.Doraz != 0) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    MemoryIniStore ini = MemoryIniStore::FromIniText(text);
    SettingsDialogState dialog;
    const GameSettings read = LoadSettingsFromIni(ini, dialog, GameSettings{});
    CheckValid(read);

    SilentMessages messages;
    const IniSaveResult first = SaveSettingsToIni(ini, true, dialog, read, messages);
    const IniSaveResult second = SaveSettingsToIni(ini, true, dialog, first.settings, messages);
    if (!first.written || !second.written) __builtin_trap();
    CheckValid(first.settings);
    if (second.settings != first.settings) __builtin_trap();
    return 0;
}
