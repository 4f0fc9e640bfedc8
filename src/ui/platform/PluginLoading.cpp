#include "ui/platform/PluginLoading.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include <map>
#include <memory>

namespace tumbla {

namespace {

QString& ChosenDirectory() {
    static QString directory;
    return directory;
}

QStringList PluginDirectories() {
    if (!ChosenDirectory().isEmpty()) return {ChosenDirectory()};
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + QStringLiteral("/" TUMBLA_PLUGIN_RELATIVE_DIR)),
            QStringLiteral(TUMBLA_PLUGIN_INSTALL_DIR)};
}

} // namespace

QString FindPlugin(const char* name) {
    const QString file = QLatin1String(name) + QStringLiteral(".so");
    for (const QString& directory : PluginDirectories()) {
        const QFileInfo info(QDir(directory).filePath(file));
        if (info.isFile()) return info.absoluteFilePath();
    }
    return {};
}

QObject* LoadPlugin(const char* name) {
    // Loaded once and never unloaded: what the plugin made may live to the end.
    static std::map<QString, std::unique_ptr<QPluginLoader>> loaders;
    const QString path = FindPlugin(name);
    if (path.isEmpty()) return nullptr;
    std::unique_ptr<QPluginLoader>& loader = loaders[path];
    if (!loader) loader = std::make_unique<QPluginLoader>(path);
    return loader->instance();
}

void SetPluginDirectory(const QString& directory) {
    ChosenDirectory() = directory;
}

} // namespace tumbla
