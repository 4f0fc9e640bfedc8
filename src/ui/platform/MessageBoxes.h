#pragma once
// Every message box and file dialog of the window goes through here. Tests
// queue the player's answers beforehand ("next answer"), so that nothing
// modal ever waits for a hand on the offscreen platform.

#include "situation/Ports.h"

#include <QString>

#include <deque>
#include <optional>
#include <string>

class QWidget;

namespace tumbla {

class MessageBoxes final : public Messages {
  public:
    explicit MessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showPlain(std::string_view text) override;
    void showError(std::string_view text) override;
    void showWarning(std::string_view text) override;
    void showInformation(std::string_view text) override;
    Answer askConfirmation(std::string_view text, bool withCancel = false) override;
    Answer askError(std::string_view text) override;

    // The answer the next box gets without being shown; queued in order.
    static void setNextAnswer(Answer answer);
    // While set, every box without a queued answer is answered at once (Ok, or
    // Yes for a question) and only recorded.
    static void setAutoAnswer(bool on);
    // The texts of the boxes answered that way, oldest first; cleared by reading.
    static std::deque<std::string> takeShownTexts();

  private:
    Answer show(int kind, std::string_view text, bool question, bool withCancel);

    QWidget* parent_;
};

class FileDialogs final : public FileChooser {
  public:
    explicit FileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> chooseOpen(const FileDialogRequest& request) override;
    std::optional<std::string> chooseSave(const FileDialogRequest& request) override;

    // The path the next dialog returns without being shown; nothing means Cancel.
    static void setNextPath(std::optional<std::string> path);

  private:
    std::optional<std::string> choose(const FileDialogRequest& request, bool save);

    QWidget* parent_;
};

// "*.hr?" or "Uložené hry|*.hra|..." as a file dialog filter.
QString DialogFilter(const std::string& filter);

} // namespace tumbla
