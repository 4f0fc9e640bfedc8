#pragma once
// Qt's own texts (the buttons of message boxes, the file dialogs) in Czech,
// like the rest of the game.

class QCoreApplication;

namespace tumbla {

// Loads qtbase_cs from Qt's translations folder; false when it is not
// installed, and the standard texts then stay English.
bool InstallCzechQtTranslations(QCoreApplication& app);

} // namespace tumbla
