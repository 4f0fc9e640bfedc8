#pragma once
// What the game window lends the objects that run its secondary windows: the
// one game, the ports to the player, the INI file and the folders.

#include "record/Game.h"
#include "situation/IniFileStore.h"
#include "situation/SettingsDialogState.h"
#include "ui/platform/GameFolders.h"
#include "ui/platform/MessageBoxes.h"

class QWidget;

namespace tumbla {

class SecondaryWindows;

struct WindowParts {
    QWidget& owner; // the game window, parent of every secondary window
    Game& game;
    MessageBoxes& messages;
    FileDialogs& files;
    IniFileStore& ini;
    const GameFolders& folders;
    SettingsDialogState& settingsState;
    SecondaryWindows& windows;
};

} // namespace tumbla
