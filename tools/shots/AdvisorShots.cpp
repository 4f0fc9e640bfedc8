// The advisor as the docs show it: the game window with the advised move
// under its marker and the total of its line beside the bar, and the analysis
// of a game of a few moves. Budgets of playouts keep the pictures the same
// on every run.

#include "ui/mainwindow/AdviceFlow.h"
#include "ui/mainwindow/GameWindow.h"
#include "ui/mainwindow/SecondaryWindows.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/windows/AnalysisWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <optional>

using namespace tumbla;

namespace {

void Keep(QWidget& window, const QString& path) {
    if (!window.grab().save(path)) QTextStream(stderr) << "cannot write " << path << "\n";
}

// Runs the event loop until `done` holds or half a minute has gone.
bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 30000) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// The largest group of the position: the moves of a player who takes much at once.
std::optional<Move> LargestGroup(const Game& game) {
    std::optional<Move> best;
    int most = 0;
    for (int r = 1; r <= game.Settings().Rows; ++r)
        for (int c = 1; c <= game.Settings().Cols; ++c) {
            const Move move{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)};
            const int stones = game.PreviewClick(move).stones;
            if (stones > most) {
                most = stones;
                best = move;
            }
        }
    return best;
}

} // namespace

void SaveAdvisorShots(const QDir& out) {
    MessageBoxes::setAutoAnswer(true);
    QTemporaryDir dir;
    StartupOptions options;
    options.folders = GameFolders::InOne(dir.path().toStdString(), true);
    GameWindow w(std::move(options));
    w.show();
    if (!WaitFor([&] { return !w.firstActivationPending(); })) return;
    w.runCommand(Command::Level3);
    Game& game = w.game();
    game.SetSituationNumber(611);
    game.NewSituation();
    // Wide enough for the advisor's whole sentence beside its bar.
    w.resize(w.width() + 330, w.height());
    WaitFor([&] { return w.width() > 0; });
    for (int i = 0; i < 6 && !game.GameOver(); ++i)
        if (const auto move = LargestGroup(game)) game.Click(*move);

    AdviceFlow* advice = w.adviceFlow();
    advice->setPlayoutBudget(20000);
    w.runCommand(Command::Advice);
    if (!WaitFor([&] { return !advice->running(); })) return;
    Keep(w, out.filePath(QStringLiteral("GameWindow-advice.png")));

    advice->setPlayoutBudget(3000);
    for (int i = 0; i < 10 && !game.GameOver(); ++i)
        if (const auto move = LargestGroup(game)) game.Click(*move);
    w.runCommand(Command::Analysis);
    AnalysisWindow* analysis = w.windows().made<AnalysisWindow>();
    if (!analysis || !WaitFor([&] { return !analysis->running(); })) return;
    Keep(*analysis, out.filePath(QStringLiteral("AnalysisWindow.png")));
    analysis->close();
}
