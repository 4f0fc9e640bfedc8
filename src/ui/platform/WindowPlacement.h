#pragma once
// Where a window stood, kept in its own section of the player's INI file. The
// main window calls these only when the file may be written.

#include "situation/IniStore.h"

#include <QPoint>

#include <string_view>
#include <vector>

class QRect;
class QSize;
class QWidget;

namespace tumbla {

// The sections of Tumbla.ini in which the windows keep their places. They are
// the file's own names, held by the players' existing files, so they stay as
// they are whatever the window classes are called.
namespace IniSection {
inline constexpr const char* GameWindow = "FormMain";
inline constexpr const char* SettingsDialog = "FormNastav";
inline constexpr const char* SituationNumberDialog = "FormCiSit";
inline constexpr const char* GoToPositionDialog = "FormNaPoz";
inline constexpr const char* MarksWindow = "FormZnac";
inline constexpr const char* SearchWindow = "FormHle";
inline constexpr const char* EndGameWindow = "FormEndG";
inline constexpr const char* HallOfFameWindow = "FormNFam";
inline constexpr const char* ScoreTableWindow = "FormBody";
inline constexpr const char* ScoreChartWindow = "FormBodyGr";
inline constexpr const char* StoneCountsWindow = "FormInfo";
inline constexpr const char* CopyWindow = "FormCopy";
} // namespace IniSection

// Writes "Left" and "Top" of the window's frame; false when a value cannot be kept.
bool SaveWindowPlacement(const QWidget& window, IniStore& ini, std::string_view section);
// The same for a frame whose top left corner is `at`.
bool SaveWindowPlacement(QPoint at, IniStore& ini, std::string_view section);
// Moves the window to the stored place, if any and if it is on some screen;
// false when it stays where it was.
bool RestoreWindowPlacement(QWidget& window, const IniStore& ini, std::string_view section);

// The size of `window` with its frame: its own once shown, before that its
// size with the frame the window manager gave `like`.
QSize FramedSize(const QWidget& window, const QWidget& like);

// The top left corner for a window of `size` beside the frame `main` within
// `screen`: to its right where there is room, else to its left, else at the
// screen's right edge, level with the top of `main`.
QPoint PlaceBeside(const QRect& main, const QSize& size, const QRect& screen);

// The top left corner for a window of `size` that hides as little of `keep`
// (what must stay in view, in screen coordinates) as it can: beside `main`
// where `screen` has room on either side, else the place within `screen` that
// covers the least of `keep`, the nearest to that beside `main` among equals.
QPoint PlaceClearOf(const QRect& main, const QSize& size, const QRect& screen,
                    const std::vector<QRect>& keep);

} // namespace tumbla
