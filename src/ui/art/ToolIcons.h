#pragma once
// The toolbar's pictures, drawn by the program so they stay sharp at any size.

#include <QIcon>

namespace tumbla {

enum class ToolIcon {
    NewGame,
    ByNumber,
    Load,
    Save,
    First,
    Back,
    GoTo,
    Forward,
    Last,
    ShowMove,
    Settings,
    AddMark,
    Marks,
    StoneCounts,
    HallOfFame,
    Ranking,
    Submit,
    Hint,
    Advice,
    MoreRight, // a bar's overflow arrows
    MoreDown,
};

QIcon MakeToolIcon(ToolIcon icon);

} // namespace tumbla
