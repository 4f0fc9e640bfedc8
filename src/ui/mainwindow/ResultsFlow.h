#pragma once
// The results of the game window: the end of a game (the end window, the
// "konec hry" note), the ranking, the hall of fame, and the competition's
// save, copy and mail.

#include "ui/mainwindow/WindowParts.h"

#include <QString>

#include <functional>

namespace tumbla {

class BoardWidget;
class DemoMode;
class HeadStrip;
class SoundPlayer;

class ResultsFlow {
  public:
    // Adds the factory entries of the end window, the hall of fame and the copy
    // window. `analyse` opens the analysis the end window offers.
    ResultsFlow(const WindowParts& parts, const BoardWidget& board, HeadStrip& headStrip,
                const DemoMode& demo, std::function<SoundPlayer*()> sound,
                std::function<void()> analyse);

    // The game was just finished: the end window, unless the demo played it.
    void showEndOfGame();
    void showRanking();
    void saveForKoru();
    // The chosen record's game is started again.
    void openHallOfFame();
    void copyKoruFiles();
    void openKoruMail();
    // An ended game says so until the player moves on from its last position.
    void refreshGameOverNote();

  private:
    // The KORU "Name" of the settings, as the competition name abbreviates it.
    QString koruAbbreviation() const;

    WindowParts parts_;
    const BoardWidget& board_;
    HeadStrip& headStrip_;
    const DemoMode& demo_;
};

} // namespace tumbla
