#include "situation/SettingsFileFlows.h"

#include "situation/SettingsFile.h"
#include "situation/SettingsIni.h"

#include <system_error>

namespace tumbla {
namespace {

FileDialogRequest Request(const SettingsFlowContext& c, std::string_view title,
                          std::string_view filter, std::string_view proposedName = {}) {
    FileDialogRequest r;
    r.title = title;
    r.filter = filter;
    r.defaultExtension = "hrs";
    r.proposedName = proposedName;
    r.initialDirectory = c.programDirectory.string();
    return r;
}

// Steps 2 and 3 of a task: the file into the controls, then the dialog's OK.
SettingsFlowOutcome ApplyFile(SettingsFlowContext& c, const GameSettings& inForce,
                              const std::filesystem::path& file) {
    if (KonvertToSetings(file, c.dialog) == SettingsFileRead::Refused)
        c.messages.showError(SettingsFileBadText);
    SettingsFlowOutcome out;
    out.settings = SaveSettingsToIni(c.ini, c.iniWritable, c.dialog, inForce, c.messages).settings;
    out.newSituation = true;
    return out;
}

} // namespace

bool SaveSettingsByName(SettingsFlowContext& c) {
    const std::optional<std::string> name = c.files.chooseSave(Request(
        c, "uložení nastavení:", "uložená nastavení(*.hrs)|*.hrs|všechny soubory(*.*)|*.*"));
    if (!name) return false;
    const std::filesystem::path file(*name);
    std::error_code ec;
    if (std::filesystem::exists(file, ec) &&
        c.messages.askConfirmation(OverwriteQuestionText) != Answer::Yes)
        return false;
    if (!KonvertFromSetings(file, c.dialog)) {
        c.messages.showError(SettingsFileWriteFailedText);
        return false;
    }
    return true;
}

LoadByName LoadSettingsByName(SettingsFlowContext& c) {
    const std::optional<std::string> name =
        c.files.chooseOpen(Request(c, "načtení uživatelského nastavení:",
                                   "uložená nastavení (*.hrs)|*.hrs|všechny soubory (*.*)|*.*"));
    if (!name) return LoadByName::Cancelled;
    if (KonvertToSetings(std::filesystem::path(*name), c.dialog) == SettingsFileRead::Refused) {
        c.messages.showError(SettingsFileBadText);
        return LoadByName::Refused;
    }
    return LoadByName::Loaded;
}

SettingsFlowOutcome LoadSavedSettings(SettingsFlowContext& c, const GameSettings& inForce) {
    LoadSettingsByName(c);
    SettingsFlowOutcome out;
    out.settings = SaveSettingsToIni(c.ini, c.iniWritable, c.dialog, inForce, c.messages).settings;
    out.newSituation = PackSettings(out.settings) != PackSettings(inForce);
    return out;
}

SettingsFlowOutcome LoadKoruTask(SettingsFlowContext& c, const GameSettings& inForce) {
    const std::optional<std::string> name = c.files.chooseOpen(Request(
        c, "načtení úlohy KORUu:", "nastavení KoruCD(KoruCD_*.hrs)|KoruCD_*.hrs", "KoruCD_*.hrs"));
    if (!name) return {inForce, false};
    return ApplyFile(c, inForce, std::filesystem::path(*name));
}

SettingsFlowOutcome OpenSettingsFile(SettingsFlowContext& c, const GameSettings& inForce,
                                     const std::filesystem::path& file) {
    return ApplyFile(c, inForce, file);
}

bool IsSettingsFileName(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    for (char& ch : ext)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
    return ext == ".HRS";
}

} // namespace tumbla
