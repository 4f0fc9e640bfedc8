// Any text as Tumbla.ini: it reads back byte for byte when nothing is
// written; the settings read are a valid game; the dialog's OK over them
// reaches a state that a second OK no longer changes; and values written into
// the text read back as written while every line the game does not own stays.

#include "situation/IniDocument.h"
#include "situation/MemoryIniStore.h"
#include "situation/SettingsCheck.h"
#include "situation/SettingsDialogState.h"
#include "situation/SettingsIni.h"
#include "situation/Windows1250.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

using namespace tumbla;

namespace {

void Require(bool condition, int line = __builtin_LINE()) {
    if (condition) return;
    std::fprintf(stderr, "IniTextFuzz.cpp:%d: requirement not met\n", line);
    __builtin_trap();
}

void CheckValid(const GameSettings& s) {
    Require(SettingsAllowed(s) && s.Skala <= RocksMaximum(s.Rows, s.Cols));
    Require(s.Skala == 0 || s.Doraz == 0);
    Require(s.Studna == 0 || s.Doraz == 0);
}

// The lines of a text, each with its end.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t n = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, n));
        text.remove_prefix(n);
    }
    return lines;
}

// The lines of the text after one write against those before: one line
// changed in its place, or a few lines put in (a key, or a new section with
// its key), everything else as it was; the last line may have gained its end.
bool OneChange(std::string_view before, std::string_view after) {
    const std::vector<std::string_view> was = Lines(before), is = Lines(after);
    auto same = [](std::string_view old, std::string_view line) {
        return line == old || (!old.empty() && old.back() != '\n' &&
                               line.substr(0, old.size()) == old && line.size() <= old.size() + 2);
    };
    std::size_t i = 0;
    while (i < was.size() && i < is.size() && same(was[i], is[i])) ++i;
    if (is.size() == was.size()) {
        for (std::size_t k = i + 1; k < was.size(); ++k)
            if (!same(was[k], is[k])) return false;
        return true;
    }
    if (is.size() < was.size() || is.size() > was.size() + 3) return false;
    const std::size_t added = is.size() - was.size();
    for (std::size_t k = i; k < was.size(); ++k)
        if (!same(was[k], is[k + added])) return false;
    return true;
}

// Writes a few (section, key, value) triples taken from the input's last
// bytes into the text's document and checks what reads back.
void RoundTrip(std::string_view text, std::string_view choices) {
    IniDocument doc = IniDocument::Parse(text);
    std::vector<std::string_view> parts;
    for (std::size_t at = 0; at <= choices.size();) {
        const std::size_t bar = choices.find('|', at);
        parts.push_back(
            choices.substr(at, bar == std::string_view::npos ? choices.npos : bar - at));
        if (bar == std::string_view::npos) break;
        at = bar + 1;
    }
    for (std::size_t i = 0; i + 2 < parts.size(); i += 3) {
        const std::string section(parts[i]), key(parts[i + 1]), value(parts[i + 2]);
        // Values are UTF-8 inside the game.
        if (!IsUtf8(value)) continue;
        const std::string before = doc.text();
        if (!doc.set(section, key, value)) {
            Require(doc.text() == before);
            continue;
        }
        const std::string after = doc.text();
        Require(IniDocument::Parse(after).value(section, key) == value);
        Require(OneChange(before, after));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The text, then after a NUL the writes to try: section|key|value|...
    const std::size_t split = input.find('\0');
    const std::string_view text = input.substr(0, split);
    const std::string_view choices =
        split == std::string_view::npos ? std::string_view{} : input.substr(split + 1);

    Require(IniDocument::Parse(text).text() == text);
    RoundTrip(text, choices);

    MemoryIniStore ini = MemoryIniStore::FromIniText(text);
    SettingsDialogState dialog;
    const GameSettings read = LoadSettingsFromIni(ini, dialog, GameSettings{});
    CheckValid(read);

    SilentMessages messages;
    const IniSaveResult first = SaveSettingsToIni(ini, true, dialog, read, messages);
    const IniSaveResult second = SaveSettingsToIni(ini, true, dialog, first.settings, messages);
    Require(first.written && second.written);
    CheckValid(first.settings);
    Require(second.settings == first.settings);
    // A second OK finds every value in place and changes no byte.
    const std::string once = ini.toIniText();
    Require(SaveSettingsToIni(ini, true, dialog, second.settings, messages).written);
    Require(ini.toIniText() == once);
    return 0;
}
