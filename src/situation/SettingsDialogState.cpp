#include "situation/SettingsDialogState.h"

#include "situation/Blanks.h"
#include "situation/IniStore.h"
#include "situation/SettingsCode.h"

#include <algorithm>
#include <utility>

namespace tumbla {
namespace {

int InRangeOr(int value, int lo, int hi, int otherwise) {
    return value >= lo && value <= hi ? value : otherwise;
}

} // namespace

std::string SizeLabel(const SettingsDialogState& d) {
    return std::to_string(d.rows) + "x" + std::to_string(d.cols);
}

std::string RockLabel(const SettingsDialogState& d) {
    return "skála (0-" + std::to_string(d.rockMaximum) + "):";
}

void SetRows(SettingsDialogState& d, int rows) {
    d.rows = std::clamp(rows, 5, 15);
    ApplyRockLimit(d);
}

void SetCols(SettingsDialogState& d, int cols) {
    d.cols = std::clamp(cols, 10, 25);
    ApplyRockLimit(d);
}

void ApplyRockLimit(SettingsDialogState& d) {
    d.rockMaximum = RocksMaximum(d.rows, d.cols);
    d.rockField = std::clamp(d.rockField, 0, d.rockMaximum);
    if (d.rockField > 0) d.joinChoice = 0;
}

void ChooseJoker(SettingsDialogState& d, int colour) {
    d.jokerChoice = InRangeOr(colour, 0, 8, 0);
    d.glassDisabled = d.jokerChoice;
}

void ChooseGlass(SettingsDialogState& d, int colour) {
    d.glassChoice = InRangeOr(colour, 0, 8, 0);
    d.jokerDisabled = d.glassChoice;
}

bool JokerChoiceEnabled(const SettingsDialogState& d, int colour) {
    return colour == 0 || colour != d.jokerDisabled;
}

bool GlassChoiceEnabled(const SettingsDialogState& d, int colour) {
    return colour == 0 || colour != d.glassDisabled;
}

bool ColourChoiceShown(const SettingsDialogState& d, int colour) {
    return colour <= d.colourCount;
}

int ReadJokerChoice(const SettingsDialogState& d) {
    return d.jokerChoice > d.colourCount ? 0 : d.jokerChoice;
}

int ReadGlassChoice(const SettingsDialogState& d) {
    return d.glassChoice > d.colourCount ? 0 : d.glassChoice;
}

void NastavFormular(SettingsDialogState& d, const GameSettings& s) {
    const int count = InRangeOr(s.Count, 4, 8, 6);
    ChooseJoker(d, s.Joly);
    d.colourCount = count;
    // A file may name one colour for both; the joker keeps it.
    ChooseGlass(d, s.Sklo == d.jokerChoice ? 0 : s.Sklo);
    d.soundBox = s.Zvuk != 0;
    d.joinChoice = std::min<int>(s.Doraz, 2);

    d.ratingChoice = s.Rating <= 2 ? s.Rating : InRangeOr(s.Rating - 5, 0, 2, 1);
    d.premiumBox = s.Rating > 2;

    d.leftBox = (s.Directions & DirLeft) != 0;
    d.rightBox = (s.Directions & DirRight) != 0;
    d.upBox = (s.Directions & DirUp) != 0;

    d.rockField = s.Skala;
    d.rows = std::clamp<int>(s.Rows, 5, 15);
    d.cols = std::clamp<int>(s.Cols, 10, 25);
    ApplyRockLimit(d);

    d.numberText = std::to_string(s.BeginNumber);
    d.imageSet = std::min<int>(s.ImageSet, 14);
    d.jokerPictureBox = s.JinyZolik != 0;
    d.glassPictureBox = s.JineSklo != 0;
    d.gridChoice = std::min<int>(s.Mrizka, 3);

    d.rockField = std::min<int>(s.Skala, d.rockMaximum);
    d.wellField = std::min<int>(s.Studna, 3);
    d.transformerBox = s.Transformator != 0;
}

std::int32_t NumberFromText(std::string_view text) {
    return ParseIniInteger(text).value_or(0);
}

GameSettings SettingsFromDialog(const SettingsDialogState& d, const GameSettings& base) {
    auto u8 = [](int v) { return static_cast<std::uint8_t>(v); };
    GameSettings s = base;
    s.Count = u8(d.colourCount);
    int directions =
        (d.upBox ? DirUp : 0) | (d.leftBox ? DirLeft : 0) | (d.rightBox ? DirRight : 0);
    if (directions != 0) directions |= DirDown;
    s.Directions = u8(directions);
    s.Joly = u8(ReadJokerChoice(d));
    s.Rating = u8(d.ratingChoice + (d.premiumBox ? 5 : 0));
    s.Zvuk = d.soundBox ? 1 : 0;
    s.Rows = u8(d.rows);
    s.Cols = u8(d.cols);
    s.Sklo = u8(ReadGlassChoice(d));
    s.Doraz = u8(d.joinChoice);
    s.BeginNumber = NumberFromText(d.numberText);
    s.ImageSet = u8(d.imageSet);
    s.Back = d.backColour;
    s.Head = d.headColour;
    s.JinyZolik = d.jokerPictureBox ? 24 : 0;
    s.JineSklo = d.glassPictureBox ? 22 : 0;
    s.Mrizka = u8(d.gridChoice);
    s.Skala = u8(d.rockField);
    s.Studna = u8(d.wellField);
    s.Transformator = d.transformerBox ? 1 : 0;
    return s;
}

void OpenSettingsDialog(SettingsDialogState& d, const GameSettings& inForce) {
    d.openingCopy = inForce;
    d.openingKoruName = d.koruName;
    d.openingDashing = d.dashingBox;
    d.openingPreview = d.previewBox;
    d.openingAdviceTenths = d.adviceTenths;
    d.lastCodeResult = 0;
    // Each opening starts with an empty entry: a code from an earlier
    // opening is never judged again.
    d.codeEntry.clear();
    d.codeMessage.clear();
    d.codeTyped = false;
    NastavFormular(d, inForce);
    d.tab = 0;
    d.currentCode = SettingsCodeFromSettings(inForce);
}

void CodeEntryKeyReleased(SettingsDialogState& d) {
    d.codeMessage.clear();
}

void TypeCodeEntry(SettingsDialogState& d, std::string text) {
    d.codeEntry = std::move(text);
    d.codeTyped = true;
    CodeEntryKeyReleased(d);
}

void EvaluateCodeEntry(SettingsDialogState& d, const GameSettings& inForce) {
    d.codeTyped = false;
    std::string code(TrimBlanks(d.codeEntry));
    if (code.empty()) return;
    for (char& c : code)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    const DecodedSettings decoded = SettingsFromCode(code, inForce);
    d.codeMessage = SettingsCodeMessage(decoded.result);
    d.lastCodeResult = decoded.result;
    if (decoded.result == 0) NastavFormular(d, decoded.settings);
}

void JudgeTypedCode(SettingsDialogState& d, const GameSettings& inForce) {
    if (d.codeTyped) EvaluateCodeEntry(d, inForce);
}

bool RequestClose(SettingsDialogState& d) {
    if (d.lastCodeResult == 0) return true;
    d.lastCodeResult = 0;
    return false;
}

const GameSettings& LeaveWithoutOk(SettingsDialogState& d) {
    NastavFormular(d, d.openingCopy);
    d.backColour = d.openingCopy.Back;
    d.headColour = d.openingCopy.Head;
    d.koruName = d.openingKoruName;
    d.dashingBox = d.openingDashing;
    d.previewBox = d.openingPreview;
    d.adviceTenths = d.openingAdviceTenths;
    d.lastCodeResult = 0;
    d.codeTyped = false;
    return d.openingCopy;
}

} // namespace tumbla
