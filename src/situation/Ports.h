#pragma once
// How the plain code talks to the player without knowing of windows. The
// window implements these; tests fake them and answer on the player's behalf.

#include <optional>
#include <string>
#include <string_view>

namespace tumbla {

enum class Answer { Ok, Yes, No, Cancel };

// The four kinds of message box (and the plain one). Texts are UTF-8, exact.
class Messages {
  public:
    virtual ~Messages() = default;
    virtual void showPlain(std::string_view text) = 0;
    virtual void showError(std::string_view text) = 0;
    virtual void showWarning(std::string_view text) = 0;
    virtual void showInformation(std::string_view text) = 0;
    // A confirmation with Yes and No, and Cancel when `withCancel`.
    virtual Answer askConfirmation(std::string_view text, bool withCancel = false) = 0;
    // An error box with OK and Cancel: Ok or Cancel. One that cannot ask
    // shows the error and takes it as Cancel, so nothing goes on regardless.
    virtual Answer askError(std::string_view text) {
        showError(text);
        return Answer::Cancel;
    }
};

// Messages that no one reads: for replays, the command-line tool and the
// fuzzers. Every question is answered No.
class SilentMessages : public Messages {
  public:
    void showPlain(std::string_view) override {}
    void showError(std::string_view) override {}
    void showWarning(std::string_view) override {}
    void showInformation(std::string_view) override {}
    Answer askConfirmation(std::string_view, bool) override { return Answer::No; }
};

struct FileDialogRequest {
    std::string title;
    std::string filter;           // e.g. "Uložené hry (*.hra)|*.hra"
    std::string defaultExtension; // without the dot
    std::string proposedName;
    std::string initialDirectory;
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the player cancelled.
    virtual std::optional<std::string> chooseOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> chooseSave(const FileDialogRequest& request) = 0;
};

} // namespace tumbla
