#pragma once
// The settings a game may be played with: those the settings dialog's OK can
// bring into force. Every reader of settings from a file (saved game,
// settings file, hall-of-fame record, Tumbla.ini) refuses the others, so a
// damaged or forged file can neither index outside the field nor start a
// game that no player could have set up.

#include "engine/GameSettings.h"

namespace tumbla {

// 0 when a game allows the settings. Otherwise the first field at fault, in
// the settings code's order and with its result numbers: 1 rows, 2 columns,
// 3 colours, 4 joker, 5 gravity directions or transformer, 6 rating, 7 rocks,
// 8 glass, 11 joker and glass the same colour, 9 join mode or wells; 12 for a
// field the code does not carry (colour map, sound, pictures, grid).
int CheckSettings(const GameSettings& s);

inline bool SettingsAllowed(const GameSettings& s) {
    return CheckSettings(s) == 0;
}

} // namespace tumbla
