#include "ui/app/TumblaApp.h"

#include "ui/app/StartupWarmUp.h"
#include "ui/art/AppIcon.h"
#include "ui/mainwindow/GameWindow.h"
#include "ui/platform/GameFolders.h"
#include "ui/platform/GameStyle.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/QtTranslations.h"
#include "ui/platform/SingleInstance.h"

#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace tumbla {

const char* const ReadOnlyWarningText =
    "Program je spuštěn na zařízení, na kterém není možno zapisovat, nebo \n"
    "nelze pracovat s INI souborem. Nelze proto ukládat vámi vybrané \n"
    "aktuální nastavení a aktualizovat tabulku nejlepších výsledků!";

TumblaApplication::TumblaApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: the window system would append it to every caption.
    setApplicationName(QStringLiteral("Tumbla"));
    setStyle(new GameStyle);
}

bool TumblaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        MessageBoxes(activeWindow()).showError(e.what());
    } catch (...) {
        MessageBoxes(activeWindow()).showError("Neočekávaná chyba programu.");
    }
    std::exit(EXIT_FAILURE);
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    std::vector<std::string> arguments;
    // The system's own bytes: decoding them as text (QFile::decodeName) and
    // back loses every byte that is no UTF-8, and with it the file.
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return arguments;
}

int RunTumbla(int argc, char** argv) {
    StartupWarmUp warmUp;
    TumblaApplication app(argc, argv);
    InstallCzechQtTranslations(app);
    QGuiApplication::setDesktopFileName(QStringLiteral(TUMBLA_APP_ID));

    // The folders come first: everything after them, the single instance
    // included, depends on where the player's files are.
    StartupOptions options;
    options.folders = FindGameFolders();

    // One game per data folder: two would overwrite each other's results.
    SingleInstance instance(QFile::decodeName(options.folders.data.c_str()));
    if (instance.claim() == SingleInstance::Claim::Signalled) return 0;

    options.arguments = ProgramArguments(argc, argv);

    warmUp.wait();
    if (!options.folders.iniWritable) MessageBoxes().showWarning(ReadOnlyWarningText);

    GameWindow window(std::move(options));
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     &GameWindow::bringForward);
    window.show();
    // The icon is drawn once the window is on its way to the screen.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(AppIcon()); });
    if (qEnvironmentVariableIsSet("TUMBLA_QUIT_WHEN_SHOWN")) {
        // A check of an installed copy: the window opens, sets up its first
        // game and the program ends.
        auto* poll = new QTimer(&app);
        QObject::connect(poll, &QTimer::timeout, &app, [&window] {
            if (window.isVisible() && !window.firstActivationPending()) {
                std::printf("Tumbla: the game window is open\n");
                std::fflush(stdout);
                QCoreApplication::quit();
            }
        });
        poll->start(50);
    }
    return app.exec();
}

} // namespace tumbla
