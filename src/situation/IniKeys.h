#pragma once
// Every key of Tumbla.ini that holds a setting, defined once: reading and
// writing both go through this table.

#include "situation/IniStore.h"

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
};

namespace ini {
using enum IniKind;
using enum OutOfRange;
inline constexpr IniKey Joly{"Colors", "Joly", Integer, 0, "", 0, 8, Default};
inline constexpr IniKey Sklo{"Colors", "Sklo", Integer, 0, "", 0, 8, Default};
inline constexpr IniKey Count{"Colors", "Count", Integer, 8, "", 4, 8, Clamp};
inline constexpr IniKey Back{"Colors", "Back", Integer, 0, "", INT_MIN, INT_MAX, Clamp};
inline constexpr IniKey Head{"Colors", "Head", Integer, 0xFFFFFF, "", INT_MIN, INT_MAX, Clamp};
inline constexpr IniKey Rows{"Dimensions", "Rows", Integer, 10, "", 5, 15, Default};
inline constexpr IniKey Cols{"Dimensions", "Cols", Integer, 20, "", 10, 25, Default};
inline constexpr IniKey Doraz{"Others", "Doraz", Integer, 1, "", 0, 2, Clamp};
inline constexpr IniKey Directions{"Others", "Directions", Text, 0, "", 0, 0, Clamp};
inline constexpr IniKey Rating{"Others", "Rating", Integer, 1, "", 0, 2, Default};
inline constexpr IniKey Premie{"Others", "Premie", YesNo, 0, "", 0, 1, Clamp};
inline constexpr IniKey Dashing{"Others", "Dashing", YesNo, 0, "", 0, 1, Clamp};
// Older files lack it: the preview of a click is on until turned off.
inline constexpr IniKey Preview{"Others", "Preview", YesNo, 1, "", 0, 1, Clamp};
inline constexpr IniKey ImageSet{"Others", "ImageSet", Integer, 0, "", 0, 14, Clamp};
inline constexpr IniKey BeginNumber{"Others", "BeginNumber", Text, 0, "0", 0, 0, Clamp};
inline constexpr IniKey JineSklo{"Others", "JineSklo", YesNo, 0, "", 0, 1, Clamp};
inline constexpr IniKey JinyZolik{"Others", "JinyZolik", YesNo, 0, "", 0, 1, Clamp};
// The dialog limits rocks further to what fits the field.
inline constexpr IniKey Skala{"Others", "Skala", Integer, 0, "", 0, 20, Clamp};
inline constexpr IniKey Studna{"Others", "Studna", Integer, 0, "", 0, 3, Clamp};
inline constexpr IniKey Transformator{"Others", "Transformator", YesNo, 0, "", 0, 1, Clamp};
inline constexpr IniKey Mrizka{"Others", "Mrizka", Integer, 0, "", 0, 3, Clamp};
inline constexpr IniKey Zvuk{"Others", "Zvuk", YesNo, 0, "", 0, 1, Clamp};
inline constexpr IniKey KoruName{"KORU", "Name", Text, 0, "", 0, 0, Clamp};
} // namespace ini

// An integer key within its range (yes/no keys give 0 or 1).
int ReadIniKey(const IniStore& store, const IniKey& key);
// A text key as stored, or its default text.
std::string ReadIniText(const IniStore& store, const IniKey& key);

bool WriteIniKey(IniStore& store, const IniKey& key, int value);
bool WriteIniText(IniStore& store, const IniKey& key, std::string_view text);

} // namespace tumbla
