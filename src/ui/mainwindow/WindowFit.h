#pragma once
// The game window's size and place. The window follows the field at the cell
// size the player last gave it by resizing the window; a size that differs
// from the one asked for is the player's. The size (the window's inside) and
// the place (its frame's) are kept in Tumbla.ini.

#include "situation/IniStore.h"

#include <QSize>

class QMainWindow;
class QWidget;

namespace tumbla {

class BoardWidget;

class WindowFit {
  public:
    WindowFit(QMainWindow& window, QWidget& playArea, BoardWidget& board, IniStore& ini,
              bool iniWritable, int cellWidth);

    // The stored size and place, before the window is first shown.
    void restore();
    void store();
    // A new field is in: the window takes its size, at the player's cells.
    void fitToField();
    // The window was resized, by the player unless it was the fitting.
    void resized();

  private:
    QMainWindow& window_;
    QWidget& playArea_;
    BoardWidget& board_;
    IniStore& ini_;
    bool iniWritable_;
    int preferredCell_;
    QSize fittedSize_;
    bool sizeRestored_ = false; // the stored size stands until the first field is in
    bool fitting_ = false;
};

} // namespace tumbla
