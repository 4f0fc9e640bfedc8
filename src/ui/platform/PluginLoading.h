#pragma once
// Finds and loads the game's plugins: beside the executable (the build tree),
// then in the installed library folder, found relative to the executable.

#include <QObject>
#include <QString>

namespace tumbla {

// The plugin's file, or an empty text when none of the folders holds it.
QString FindPlugin(const char* name);
// The plugin's object, loaded once and kept for the run; null when the file
// is missing or does not load (a toolkit module it needs is not installed).
QObject* LoadPlugin(const char* name);

template <typename Interface> Interface* LoadPluginAs(const char* name) {
    return qobject_cast<Interface*>(LoadPlugin(name));
}

// Looks only in `directory` from now on; tests point it at the build tree.
void SetPluginDirectory(const QString& directory);

} // namespace tumbla
