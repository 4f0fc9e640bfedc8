#pragma once
// The preview of a click on the game window's board: the group that a click
// on the stone under the mouse, or else under the keyboard cursor, would
// take, and the "pozice:" field for that cell.

#include "engine/MoveRecord.h"

#include <QObject>

namespace tumbla {

class BoardWidget;
class Game;
class GamePanels;

class ClickPreview : public QObject {
    Q_OBJECT
  public:
    // Follows the mouse and the keyboard cursor over `board`.
    ClickPreview(Game& game, BoardWidget& board, GamePanels& panels, QObject* parent = nullptr);

    // Until the first activation there is no game to preview.
    void setReady() { ready_ = true; }
    // The preview option of the settings dialog.
    void setOn(bool on) { on_ = on; }
    void refresh();
    // Once per change of the position, however many requests it makes.
    void refreshSoon();

  private:
    void hovered(Move cell);
    void showPositionOf(Move cell);

    Game& game_;
    BoardWidget& board_;
    GamePanels& panels_;
    bool ready_ = false;
    bool on_ = true;
    Move hoveredCell_;         // row 0: the mouse is over no cell
    Move cursorCell_;          // row 0: the keyboard cursor is on no cell
    bool cursorNewer_ = false; // the cursor moved since the mouse did
    bool refreshPending_ = false;
};

} // namespace tumbla
