#pragma once
// Answers message boxes on the player's behalf and remembers what was shown.

#include "situation/Ports.h"

#include <QDir>
#include <QWidget>

#include <string>
#include <vector>

namespace tumbla {

class FakeMessages : public Messages {
  public:
    std::vector<std::string> shown;
    Answer answer = Answer::Yes;

    void showPlain(std::string_view text) override { shown.emplace_back(text); }
    void showError(std::string_view text) override { shown.emplace_back(text); }
    void showWarning(std::string_view text) override { shown.emplace_back(text); }
    void showInformation(std::string_view text) override { shown.emplace_back(text); }
    Answer askConfirmation(std::string_view text, bool) override {
        shown.emplace_back(text);
        return answer;
    }
};

// With TUMBLA_SHOTS set, keeps a picture of the window in that directory.
inline void KeepScreenshot(QWidget& window, const QString& name) {
    const QString dir = qEnvironmentVariable("TUMBLA_SHOTS");
    if (dir.isEmpty()) return;
    window.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace tumbla
