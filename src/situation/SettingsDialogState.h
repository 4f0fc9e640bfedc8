#pragma once
// What the controls of the settings dialog hold, hidden ones
// included, and the rules between them. The window only mirrors this state;
// settings files and Tumbla.ini are read and written through it even while
// the dialog is hidden.

#include "engine/GameSettings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tumbla {

struct SettingsDialogState {
    // "&základní"
    int joinChoice = 1; // "prázdné sloupce:": 0 ponechávat, 1 vlevo, 2 vpravo
    int rows = 10;      // up-down 5..15
    int cols = 20;      // up-down 10..25
    bool upBox = false;
    bool leftBox = false;
    bool rightBox = false;
    std::string numberText = "0"; // "číslo pozice:", any text the player typed
    // Rocks, wells and the transformer are never shown: OK turns them off.
    int rockField = 0; // 0..rockMaximum
    int rockMaximum = 12;
    int wellField = 0; // 0..3
    bool transformerBox = false;

    // "&sady"
    int colourCount = 8; // "barvy:" 4..8
    int imageSet = 0;    // "sada 1".."sada 15" as 0..14
    int jokerChoice = 0; // 0..8, 0 = none
    int glassChoice = 0;
    int jokerDisabled = 0; // the joker choice greyed out by the glass choice, 0 = none
    int glassDisabled = 0; // the glass choice greyed out by the joker choice

    // "&hodnocení"
    int ratingChoice = 1; // 0 přímé, 1 zvýhodněné, 2 blokové
    bool premiumBox = false;

    // "&prostředí"
    std::int32_t backColour = 0;
    std::int32_t headColour = 0xFFFFFF;
    bool glassPictureBox = false; // "sklo" under "takto zobrazovat:"
    bool jokerPictureBox = false; // "žolík"
    int gridChoice = 0;           // "žádná", "bílá", "černá", "šedá"
    bool soundBox = false;
    // How the window shows the game; no part of the settings record.
    bool dashingBox = false; // "sesypávat": a move is shown in motion
    bool previewBox = true;  // the group and points a click would take
    int adviceTenths = 20;   // the advisor's thinking time, tenths of a second 5..600

    // "&kód nastavení"
    std::string currentCode; // "aktuální nastavení:"
    std::string codeEntry;   // "zadání:", at most 9 characters
    std::string codeMessage;
    bool codeTyped = false; // the entry changed since it was last judged
    int lastCodeResult = 0; // remembered until a close is refused once

    // "KORU"
    std::string koruName; // at most 4 characters when typed

    int tab = 0;              // 0 = "&základní"
    GameSettings openingCopy; // the settings in force when the dialog opened
    std::string openingKoruName;
    bool openingDashing = false;
    bool openingPreview = true;
    int openingAdviceTenths = 20;
};

// Texts of the "&základní" tab: "10x20" and "skála (0-12):".
std::string SizeLabel(const SettingsDialogState& d);
std::string RockLabel(const SettingsDialogState& d);

// A click on an up-down; the value stays in its range and the rock limit follows.
void SetRows(SettingsDialogState& d, int rows);
void SetCols(SettingsDialogState& d, int cols);
// The rock limit: the field never holds more rocks than fit the field shown,
// and rocks forbid closing up.
void ApplyRockLimit(SettingsDialogState& d);

// Choosing a colour in one row greys out the same colour in the other row.
void ChooseJoker(SettingsDialogState& d, int colour);
void ChooseGlass(SettingsDialogState& d, int colour);
bool JokerChoiceEnabled(const SettingsDialogState& d, int colour);
bool GlassChoiceEnabled(const SettingsDialogState& d, int colour);
// Colours 5..8 are offered only when that many colours are in play.
bool ColourChoiceShown(const SettingsDialogState& d, int colour);
// The chosen colour, or 0 when it lies above the number of colours.
int ReadJokerChoice(const SettingsDialogState& d);
int ReadGlassChoice(const SettingsDialogState& d);

// Sets every control from a record; values a control cannot hold are brought
// into its range.
void NastavFormular(SettingsDialogState& d, const GameSettings& s);

// The number in "číslo pozice:", blanks at both ends ignored; 0 for any text
// that is not a 32-bit integer.
std::int32_t NumberFromText(std::string_view text);

// The game fields and display fields as the controls hold them; the bytes no
// control holds come from `base`.
GameSettings SettingsFromDialog(const SettingsDialogState& d, const GameSettings& base);

// Opening the dialog over the settings in force.
void OpenSettingsDialog(SettingsDialogState& d, const GameSettings& inForce);

// Code entry: typing clears the message; Enter or leaving the field evaluates.
void CodeEntryKeyReleased(SettingsDialogState& d);
void TypeCodeEntry(SettingsDialogState& d, std::string text);
void EvaluateCodeEntry(SettingsDialogState& d, const GameSettings& inForce);
// OK judges a code typed without Enter before anything is written, so that
// it never comes into force later, unasked.
void JudgeTypedCode(SettingsDialogState& d, const GameSettings& inForce);

// Whether the dialog may close now. After a wrong code the first attempt is
// refused, so that its message stays in view.
bool RequestClose(SettingsDialogState& d);

// Leaving without OK: the settings to keep in force (those of the opening).
// The controls return to them too, so that a later OK of the hidden dialog
// cannot bring in changes the player abandoned.
const GameSettings& LeaveWithoutOk(SettingsDialogState& d);

} // namespace tumbla
