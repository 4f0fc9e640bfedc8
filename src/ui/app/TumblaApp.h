#pragma once
// The start of the game: Qt's Czech texts and the icon, the folders of the
// player's files and whether they can be written, one instance, the main
// window, and the last resort for unhandled errors.

#include <QApplication>

#include <string>
#include <vector>

namespace tumbla {

class TumblaApplication : public QApplication {
    Q_OBJECT
  public:
    TumblaApplication(int& argc, char** argv);
    // An error no command handled: its message, then the end of the program.
    bool notify(QObject* receiver, QEvent* event) override;
};

extern const char* const ReadOnlyWarningText;

// The command line after the program's name, as the game takes it: file
// names exactly as the system gives them.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Runs the game; returns the exit code.
int RunTumbla(int argc, char** argv);

} // namespace tumbla
