#pragma once
// Message boxes and file dialogs answered by the test, so nothing modal
// ever waits offscreen; a scratch directory for the program's files.

#include "engine/Groups.h"
#include "record/Game.h"
#include "situation/Ports.h"
#include "support/ScriptedPorts.h"

#include <QDir>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <deque>
#include <string>
#include <vector>

namespace tumbla::test {

struct FakeChooser : FileChooser {
    std::deque<std::optional<std::string>> answers; // nothing (cancel) when run out
    std::vector<FileDialogRequest> requests;

    std::optional<std::string> chooseOpen(const FileDialogRequest& r) override { return next(r); }
    std::optional<std::string> chooseSave(const FileDialogRequest& r) override { return next(r); }

  private:
    std::optional<std::string> next(const FileDialogRequest& r) {
        requests.push_back(r);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

// A small game that any first valid click moves towards its end.
inline GameSettings SmallGame(std::int32_t number = 4242) {
    GameSettings s;
    s.Count = 8;
    s.Rows = 5;
    s.Cols = 10;
    s.Directions = 0;
    s.Joly = 0;
    s.Sklo = 0;
    s.BeginNumber = number;
    return s;
}

// Clicks the first group that can be removed until the game is over.
inline void PlayToTheEnd(Game& game) {
    for (int guard = 0; guard < 200 && !game.GameOver(); ++guard) {
        bool moved = false;
        for (int r = 1; r <= game.CurrentRules().rows && !moved; ++r) {
            for (int c = 1; c <= game.CurrentRules().cols && !moved; ++c) {
                const Move m{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)};
                if (IsMoveValid(game.Current(), game.CurrentRules(), game.Engine(), m))
                    moved = game.MakeMove(r, c) == MoveOutcome::Performed;
            }
        }
        if (!moved) break;
    }
}

// With TUMBLA_SHOTS set, keeps a picture of the window in that directory.
inline void SaveScreenshot(QWidget& window, const QString& name) {
    const QString dir = qEnvironmentVariable("TUMBLA_SHOTS");
    if (dir.isEmpty()) return;
    window.adjustSize();
    window.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

inline std::string Utf8(const QString& s) {
    return s.toUtf8().toStdString();
}

} // namespace tumbla::test
