#pragma once
// A game window in a directory of its own, with every message box answered
// on the player's behalf and recorded.

#include "ui/board/BoardWidget.h"
#include "ui/mainwindow/GameWindow.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/PluginLoading.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

namespace tumbla::test {

inline std::unique_ptr<GameWindow> OpenWindow(const QTemporaryDir& dir,
                                              std::vector<std::string> arguments = {}) {
    MessageBoxes::setAutoAnswer(true);
    // The plugins are built beside the game, not beside the tests.
    SetPluginDirectory(QStringLiteral(TUMBLA_UI_BINARY_DIR));
    StartupOptions options;
    options.folders = GameFolders::InOne(dir.path().toStdString(), true);
    options.arguments = std::move(arguments);
    auto window = std::make_unique<GameWindow>(std::move(options));
    window->show();
    // The first activation does its work once the window is on screen.
    if (!QTest::qWaitFor([&] { return !window->firstActivationPending(); }))
        qFatal("the first activation never came");
    return window;
}

// The first cell that has a neighbour of its own colour: a group to remove.
inline std::optional<Move> FindPair(const Board& board, int rows, int cols) {
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) {
            const StoneCode code = board.at(r, c);
            if (code < 1 || code > 8) continue;
            if ((c < cols && board.at(r, c + 1) == code) ||
                (r < rows && board.at(r + 1, c) == code))
                return Move{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)};
        }
    return std::nullopt;
}

// A real mouse click in the middle of a cell or a gravity button.
inline void ClickOn(BoardWidget* board, Move move) {
    QTest::mouseClick(board, Qt::LeftButton, {}, board->moveRect(move).center());
}

} // namespace tumbla::test
