#pragma once
// Where a window stood, kept in its own section of the player's INI file. The
// main window calls these only when the file may be written.

#include "situation/IniStore.h"

#include <string_view>

class QWidget;

namespace tumbla {

// Writes "Left" and "Top" of the window's frame; false when a value cannot be kept.
bool SaveWindowPlacement(const QWidget& window, IniStore& ini, std::string_view section);
// Moves the window to the stored place, if any and if it is on some screen.
void RestoreWindowPlacement(QWidget& window, const IniStore& ini, std::string_view section);

} // namespace tumbla
