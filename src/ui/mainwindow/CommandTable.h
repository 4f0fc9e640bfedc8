#pragma once
// Every command of the game window in one place: where it stands in the menus
// and on the toolbar, its words, its key and its picture. The menus and the
// toolbar are built from these tables, so a new command is a row here and an
// entry in GameWindow::addCommands.

#include "ui/art/ToolIcons.h"

#include <functional>
#include <map>
#include <optional>
#include <span>

class QAction;
class QMainWindow;

namespace tumbla {

// Every command of the menu and the toolbar.
enum class Command {
    NewGame,
    ByNumber,
    Load,
    Save,
    Quit,
    First,
    Back,
    GoTo,
    Forward,
    Last,
    ShowMove,
    AddMark,
    Marks,
    HallOfFame,
    Ranking,
    KoruMail,
    KoruDisk,
    SaveForKoru,
    Settings,
    SavedSettings,
    Level1,
    Level2,
    Level3,
    Level4,
    Level5,
    KoruTasks,
    Rules,
    About,
    Demo,
    ScoreTable,
    ScoreGraph,
    StoneCounts,
    Advice,
    Analysis,
};

// One row of the menu bar, in the order the menus show them.
struct MenuRow {
    enum Kind { Item, Separator, HintItem };
    // The menu, "/" between a menu and its submenu; empty: the command is on
    // the toolbar only.
    const char* menu;
    Kind kind;
    std::optional<Command> command; // an Item's
    const char* caption = "";
    const char* hint = ""; // the tooltip; empty for none
    int key = 0;           // the shortcut, a combined QKeyCombination; 0 for none
};

std::span<const MenuRow> MenuRows();

// The toolbar from left to right; an empty row is a separator.
struct ToolRow {
    std::optional<Command> command;
    ToolIcon icon = ToolIcon::Hint;
};

std::span<const ToolRow> ToolRows();

// The window's menu bar and toolbar from the tables, and the search's key
// (Alt+Shift+Backspace): each command's action runs `run`, the hint's
// `hint`. The actions by command.
std::map<Command, QAction*> BuildMenusAndToolBar(QMainWindow& window,
                                                 const std::function<void(Command)>& run,
                                                 const std::function<void()>& hint,
                                                 const std::function<void()>& search);

} // namespace tumbla
