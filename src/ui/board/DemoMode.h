#pragma once
// The demonstration: on a 1500 ms timer the program picks a move, points at
// it and makes it, on a game of its own settings, until that game ends or the
// player asks for it to stop. The player's settings come back afterwards.

#include "engine/GameSettings.h"
#include "record/DemoChoice.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>

class QTimer;

namespace tumbla {

class BoardWidget;
class Game;

class DemoMode : public QObject {
    Q_OBJECT
  public:
    static constexpr int TickMilliseconds = 1500;
    static inline const QString CaptionSuffix =
        QStringLiteral(" --- Demonstrace --- (stiskněte znovu \"Demo\")");

    // `board` may be null (no pointer to move).
    DemoMode(Game& game, BoardWidget* board, QObject* parent = nullptr);

    bool isRunning() const;
    // The demonstration draws its situation (0, as every level does); a
    // fixed number replays the same demonstration.
    void setSituationNumber(std::int32_t number) { situationNumber_ = number; }
    // "&Demo": starts when off, stops when on. `caption` is the main window's
    // caption as it stands.
    void toggle(const QString& caption);
    void start(const QString& caption);
    void stop();

    // One timer tick: the choose or the execute phase.
    void tick();
    bool choosePhase() const { return choosePhase_; }
    std::optional<DemoPick> lastPick() const { return pick_; }

  signals:
    // The caption to show: the demo's while it runs, the saved one after.
    void captionChanged(const QString& caption);
    // The demo put settings in force and made a new game of them (at the
    // start and when the player's settings are back): refresh the indicators.
    void settingsChanged();
    void finished();

  private:
    // The end of a demo game, or no cell left to click: everything back.
    void endDemo();
    void restorePlayer();
    void movePointerTo(Move move);

    Game& game_;
    BoardWidget* board_;
    QTimer* timer_;
    bool choosePhase_ = true;
    std::optional<DemoPick> pick_;
    QString savedCaption_;
    GameSettings savedSettings_;
    std::int32_t situationNumber_ = 0;
};

} // namespace tumbla
