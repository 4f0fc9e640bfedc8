#include "ui/TumblaApp.h"

#include "situation/IniWritable.h"
#include "ui/GameWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/QuickStartStyle.h"
#include "ui/SingleInstance.h"

#include <QDir>
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

int RunTumbla(int argc, char** argv) {
    TumblaApplication app(argc, argv);
    QApplication::setStyle(new QuickStartStyle(QApplication::style()->name()));

    SingleInstance instance;
    if (instance.notifyRunning()) return 0;
    instance.listen();

    StartupOptions options;
    options.programDirectory =
        QDir(QApplication::applicationDirPath()).absolutePath().toStdString();
    options.iniWritable = IniWritable(options.programDirectory);
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        options.arguments.push_back(arguments[i].toStdString());

    if (!options.iniWritable) MessageBoxes().showWarning(ReadOnlyWarningText);

    GameWindow window(std::move(options));
    QObject::connect(&instance, &SingleInstance::activationRequested, &window,
                     &GameWindow::bringForward);
    window.show();
    return app.exec();
}

} // namespace tumbla
