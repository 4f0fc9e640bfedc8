#pragma once
// The score panel on the right of the playing area and the indicator panel
// below it: what they show of the game, field by field, and the advisor's
// bar and text at the end of the indicator panel.

#include "engine/MoveRecord.h"

#include <QString>

#include <array>
#include <functional>
#include <map>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace tumbla {

class AdviceFlow;
class Game;
struct GameSettings;
struct ScoreFields;

class GamePanels {
  public:
    // `onHint`: the hint button beside the marks counter was pressed. The
    // advisor thinks about `game`.
    GamePanels(QWidget* parent, Game& game, std::function<void()> onHint);

    QWidget* scorePanel() const { return scorePanel_; }
    QWidget* indicatorPanel() const { return indicatorPanel_; }
    AdviceFlow& advice() const { return *advice_; }
    // The pictures and fonts the first paint does not need.
    void finish(qreal devicePixelRatio);
    // The score values turn bold once the window is on its way to the screen.
    void boldenScores();

    // The visible text of the field of that name; a hidden field of a shown
    // window has none.
    QString fieldText(const QString& name, bool windowShown) const;

    void showIndicators(const GameSettings& settings, qreal devicePixelRatio);
    void showSituation(std::int32_t number, const QString& settingsCode);
    void showNumber(std::int32_t number);
    void showScoreFields(const ScoreFields& fields);
    void showMoveCounter(int moves);
    void showMarks(int count, bool visible);
    void showHintCounter(const QString& text);
    void hideHintCounter();
    // "pozice:" for the cell with the stone `code`, and its price under a premium rating.
    void showPosition(Move cell, int rating, StoneCode code);

  private:
    QWidget* buildScorePanel(QWidget* parent);
    QWidget* buildIndicatorPanel(QWidget* parent, Game& game, std::function<void()> onHint);

    QWidget* scorePanel_ = nullptr;
    QWidget* indicatorPanel_ = nullptr;
    std::map<QString, QLabel*> labels_; // value fields by name
    std::vector<QLabel*> scoreValues_;  // in bold once the window is shown
    std::map<QString, QLineEdit*> edits_;
    QLabel* joker_ = nullptr;
    QLabel* jokerLabel_ = nullptr;
    QLabel* glass_ = nullptr;
    QLabel* glassLabel_ = nullptr;
    QLabel* join_ = nullptr;
    QLabel* marks_ = nullptr;
    QLabel* hintCounter_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* pile_ = nullptr;
    AdviceFlow* advice_ = nullptr; // a child of the indicator panel
};

} // namespace tumbla
