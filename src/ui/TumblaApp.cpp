#include "ui/TumblaApp.h"

#include "situation/IniWritable.h"
#include "ui/GameWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/QuickStartStyle.h"
#include "ui/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProxyStyle>

#include <cstdlib>
#include <exception>

namespace tumbla {

const char* const ReadOnlyWarningText =
    "Program je spuštěn na zařízení, na kterém není možno zapisovat, nebo \n"
    "nelze pracovat s INI souborem. Nelze proto ukládat vámi vybrané \n"
    "aktuální nastavení a aktualizovat tabulku nejlepších výsledků!";

namespace {

// Hints come up at once, as the game's controls ask for them.
class ImmediateHintStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 5;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

TumblaApplication::TumblaApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: the window system would append it to every caption.
    setApplicationName(QStringLiteral("Tumbla"));
    setStyle(new ImmediateHintStyle);
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
    TumblaApplication app(argc, argv);
    QApplication::setStyle(new QuickStartStyle(QApplication::style()->name()));

    StartupOptions options;
    options.programDirectory =
        QDir(QApplication::applicationDirPath()).absolutePath().toStdString();

    // One game per data folder: two would overwrite each other's results.
    SingleInstance instance(QFile::decodeName(options.programDirectory.c_str()));
    if (instance.claim() == SingleInstance::Claim::Signalled) return 0;

    options.iniWritable = IniWritable(options.programDirectory);
    options.arguments = ProgramArguments(argc, argv);

    if (!options.iniWritable) MessageBoxes().showWarning(ReadOnlyWarningText);

    GameWindow window(std::move(options));
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     &GameWindow::bringForward);
    window.show();
    return app.exec();
}

} // namespace tumbla
