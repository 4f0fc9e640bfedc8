#include "ui/mainwindow/ResultsFlow.h"

#include "situation/Blanks.h"
#include "ui/board/BoardWidget.h"
#include "ui/board/DemoMode.h"
#include "ui/mainwindow/SecondaryWindows.h"
#include "ui/platform/DesktopDocumentOpener.h"
#include "ui/platform/WindowPlacement.h"
#include "ui/windows/CopyWindow.h"
#include "ui/windows/EndGameWindow.h"
#include "ui/windows/HallOfFameWindow.h"
#include "ui/windows/HeadStrip.h"

#include <QDir>

namespace tumbla {

ResultsFlow::ResultsFlow(const WindowParts& parts, const BoardWidget& board, HeadStrip& headStrip,
                         const DemoMode& demo, std::function<SoundPlayer*()> sound,
                         std::function<void()> analyse)
    : parts_(parts), board_(board), headStrip_(headStrip), demo_(demo) {
    SecondaryWindows& windows = parts_.windows;
    windows.add<EndGameWindow>(
        IniSection::EndGameWindow, [this, sound = std::move(sound), analyse = std::move(analyse)] {
            auto* window = new EndGameWindow(parts_.messages, parts_.files, &parts_.owner);
            window->setProgramDirectory(parts_.folders.data);
            window->setGame(&parts_.game);
            window->setAbbreviation(koruAbbreviation());
            window->setSoundPlayer(sound());
            // The final position stays in view: the stones left, on the screen.
            window->setKeepInView([this] {
                std::vector<QRect> stones;
                const Board& board = parts_.game.Current().board;
                const BoardLayout& layout = board_.layout();
                for (int row = 1; row <= layout.rows(); ++row)
                    for (int col = 1; col <= layout.cols(); ++col)
                        if (board.at(row, col) != 0) {
                            const QRect cell = layout.cellRect(row, col);
                            stones.emplace_back(board_.mapToGlobal(cell.topLeft()), cell.size());
                        }
                return stones;
            });
            // Once the modal window has gone, the analysis opens beside the game.
            QObject::connect(window, &EndGameWindow::analysisRequested, &parts_.owner, analyse,
                             Qt::QueuedConnection);
            return window;
        });
    windows.add<HallOfFameWindow>(IniSection::HallOfFameWindow, [this] {
        auto* window = new HallOfFameWindow(parts_.messages, &parts_.owner);
        window->setProgramDirectory(parts_.folders.data);
        window->setIniWritable(parts_.folders.iniWritable);
        return window;
    });
    // The copy window begins in the directory that was current at the start.
    windows.add<CopyWindow>(IniSection::CopyWindow, [this, start = QDir::currentPath()] {
        // Made when it opens: only then does it read the file system.
        auto* window = new CopyWindow(parts_.messages, &parts_.owner);
        window->setStartDirectory(start);
        return window;
    });
}

QString ResultsFlow::koruAbbreviation() const {
    const std::string_view name = TrimBlanks(parts_.settingsState.koruName);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void ResultsFlow::refreshGameOverNote() {
    headStrip_.setNote(parts_.game.GameOver() ? QStringLiteral("konec hry") : QString());
}

void ResultsFlow::showEndOfGame() {
    refreshGameOverNote();
    // The demo's own game ends quietly.
    if (demo_.isRunning()) return;
    EndGameWindow* window = parts_.windows.get<EndGameWindow>();
    window->setAbbreviation(koruAbbreviation());
    window->execEndMode();
}

void ResultsFlow::showRanking() {
    EndGameWindow* window = parts_.windows.get<EndGameWindow>();
    window->setAbbreviation(koruAbbreviation());
    window->execRankingMode();
}

void ResultsFlow::saveForKoru() {
    // The name may have changed in the settings since the last save.
    EndGameWindow* window = parts_.windows.get<EndGameWindow>();
    window->setAbbreviation(koruAbbreviation());
    window->saveWithCompetitionName();
}

void ResultsFlow::openHallOfFame() {
    const std::optional<GameSettings> taken = parts_.windows.get<HallOfFameWindow>()->execList();
    if (!taken) return;
    // The settings carry their situation number, so this is that game again.
    parts_.game.PutSettingsInForce(*taken);
    parts_.game.NewSituation();
    parts_.game.ShowScoreFields(parts_.game.Current());
}

void ResultsFlow::copyKoruFiles() {
    parts_.windows.get<CopyWindow>()->execCopy();
}

void ResultsFlow::openKoruMail() {
    OpenCompetitionForm(parts_.folders.resources, parts_.messages);
}

} // namespace tumbla
