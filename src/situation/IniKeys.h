#pragma once
// Every key of Tumbla.ini that holds a setting, defined once: section, name,
// default, range and what the settings dialog's OK writes. Reading and writing
// both go through this table, and the file is written in its order.

#include "situation/IniStore.h"
#include "situation/SettingsDialogState.h"

#include <array>
#include <climits>
#include <string>
#include <string_view>

namespace tumbla {

enum class IniKind { Integer, Text, YesNo };
// What a number outside the key's range becomes.
enum class OutOfRange { Clamp, Default };

struct IniKey {
    std::string_view section;
    std::string_view key;
    IniKind kind;
    int defaultValue;             // integers and yes/no
    std::string_view defaultText; // texts
    int minimum;
    int maximum;
    OutOfRange outOfRange;
    // The value the dialog's OK writes, from the dialog's controls.
    std::string (*written)(const SettingsDialogState&);
};

namespace ini {
using enum IniKind;
using enum OutOfRange;
using D = const SettingsDialogState&;
inline std::string Number(int v) {
    return std::to_string(v);
}
inline std::string Flag(bool v) {
    return v ? "1" : "0";
}
std::string DirectionsWritten(D d);
std::string NumberWritten(D d);
std::string KoruNameWritten(D d);

// clang-format off
inline constexpr IniKey Count{"Colors", "Count", Integer, 8, "", 4, 8, Clamp,
    [](D d) { return Number(d.colourCount); }};
inline constexpr IniKey Joly{"Colors", "Joly", Integer, 0, "", 0, 8, Default,
    [](D d) { return Number(ReadJokerChoice(d)); }};
inline constexpr IniKey Sklo{"Colors", "Sklo", Integer, 0, "", 0, 8, Default,
    [](D d) { return Number(ReadGlassChoice(d)); }};
inline constexpr IniKey Back{"Colors", "Back", Integer, 0, "", INT_MIN, INT_MAX, Clamp,
    [](D d) { return Number(d.backColour); }};
inline constexpr IniKey Head{"Colors", "Head", Integer, 0xFFFFFF, "", INT_MIN, INT_MAX, Clamp,
    [](D d) { return Number(d.headColour); }};
inline constexpr IniKey Rows{"Dimensions", "Rows", Integer, 10, "", 5, 15, Default,
    [](D d) { return Number(d.rows); }};
inline constexpr IniKey Cols{"Dimensions", "Cols", Integer, 20, "", 10, 25, Default,
    [](D d) { return Number(d.cols); }};
inline constexpr IniKey Directions{"Others", "Directions", Text, 0, "", 0, 0, Clamp,
    DirectionsWritten};
inline constexpr IniKey Doraz{"Others", "Doraz", Integer, 1, "", 0, 2, Clamp,
    [](D d) { return Number(d.joinChoice); }};
inline constexpr IniKey Rating{"Others", "Rating", Integer, 1, "", 0, 2, Default,
    [](D d) { return Number(d.ratingChoice); }};
inline constexpr IniKey Premie{"Others", "Premie", YesNo, 0, "", 0, 1, Clamp,
    [](D d) { return Flag(d.premiumBox); }};
inline constexpr IniKey Dashing{"Others", "Dashing", YesNo, 0, "", 0, 1, Clamp,
    [](D d) { return Flag(d.dashingBox); }};
// Older files lack it: the preview of a click is on until turned off.
inline constexpr IniKey Preview{"Others", "Preview", YesNo, 1, "", 0, 1, Clamp,
    [](D d) { return Flag(d.previewBox); }};
// How long the advisor thinks, in tenths of a second (0.5 to 60 s); older
// files lack it and think for 2 s.
inline constexpr IniKey CasRady{"Others", "CasRady", Integer, 20, "", 5, 600, Clamp,
    [](D d) { return Number(d.adviceTenths); }};
inline constexpr IniKey ImageSet{"Others", "ImageSet", Integer, 0, "", 0, 14, Clamp,
    [](D d) { return Number(d.imageSet); }};
inline constexpr IniKey BeginNumber{"Others", "BeginNumber", Text, 0, "0", 0, 0, Clamp,
    NumberWritten};
inline constexpr IniKey JineSklo{"Others", "JineSklo", YesNo, 0, "", 0, 1, Clamp,
    [](D d) { return Flag(d.glassPictureBox); }};
inline constexpr IniKey JinyZolik{"Others", "JinyZolik", YesNo, 0, "", 0, 1, Clamp,
    [](D d) { return Flag(d.jokerPictureBox); }};
// The dialog limits rocks further to what fits the field.
inline constexpr IniKey Skala{"Others", "Skala", Integer, 0, "", 0, 20, Clamp,
    [](D d) { return Number(d.rockField); }};
inline constexpr IniKey Studna{"Others", "Studna", Integer, 0, "", 0, 3, Clamp,
    [](D d) { return Number(d.wellField); }};
inline constexpr IniKey Transformator{"Others", "Transformator", YesNo, 0, "", 0, 1, Clamp,
    [](D d) { return Flag(d.transformerBox); }};
inline constexpr IniKey Mrizka{"Others", "Mrizka", Integer, 0, "", 0, 3, Clamp,
    [](D d) { return Number(d.gridChoice); }};
inline constexpr IniKey Zvuk{"Others", "Zvuk", YesNo, 0, "", 0, 1, Clamp,
    [](D d) { return Flag(d.soundBox); }};
inline constexpr IniKey KoruName{"KORU", "Name", Text, 0, "", 0, 0, Clamp,
    KoruNameWritten};
// clang-format on
} // namespace ini

// The keys the dialog's OK writes, in the order they stand in the file. A new
// key of the settings is added here and to the reading of the settings.
// clang-format off
inline constexpr std::array<const IniKey*, 24> SettingsIniKeys{
    &ini::Count, &ini::Joly, &ini::Sklo, &ini::Back, &ini::Head,
    &ini::Rows, &ini::Cols,
    &ini::Directions, &ini::Doraz, &ini::Rating, &ini::Premie, &ini::Dashing, &ini::Preview,
    &ini::CasRady, &ini::ImageSet,
    &ini::BeginNumber, &ini::JineSklo, &ini::JinyZolik, &ini::Skala, &ini::Studna,
    &ini::Transformator, &ini::Mrizka, &ini::Zvuk,
    &ini::KoruName};
// clang-format on

// An integer key within its range (yes/no keys give 0 or 1).
int ReadIniKey(const IniStore& store, const IniKey& key);
// A text key as stored, or its default text.
std::string ReadIniText(const IniStore& store, const IniKey& key);

// Every key of SettingsIniKeys from the dialog, in order; false at the first
// value that cannot be kept.
bool WriteIniKeys(IniStore& store, const SettingsDialogState& d);

} // namespace tumbla
