#include "ui/platform/GameFolders.h"

#include "results/CompetitionSubmission.h"
#include "situation/IniWritable.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include <system_error>

namespace tumbla {

namespace fs = std::filesystem;

#ifndef TUMBLA_RESOURCES_FROM_BINARY
#define TUMBLA_RESOURCES_FROM_BINARY "../share/tumbla"
#endif

GameFolders GameFolders::InOne(const fs::path& folder, bool writable) {
    return GameFolders{folder, folder, folder, writable};
}

GameFolders ChooseGameFolders(const FolderFacts& f) {
    const bool portable = !f.installed();
    if (portable && f.programDirectoryWritable)
        return {f.programDirectory, f.programDirectory, f.resourceDirectory, !f.programIniReadOnly};
    const bool havePlayerFolders = !f.configLocation.empty() && !f.dataLocation.empty();
    if (havePlayerFolders && (f.playerFoldersWritable || !portable))
        return {f.configLocation, f.dataLocation, f.resourceDirectory,
                f.playerFoldersWritable && !f.playerIniReadOnly};
    // Nowhere to write (a copy on a read-only medium): read what lies beside it.
    return {f.programDirectory, f.programDirectory, f.resourceDirectory, false};
}

fs::path InstalledResourcesFromBinary() {
    return TUMBLA_RESOURCES_FROM_BINARY;
}

fs::path ResourceFolder(const fs::path& programDirectory) {
    std::error_code ec;
    if (fs::exists(CompetitionFormPath(programDirectory), ec)) return programDirectory;
    const fs::path installed =
        (programDirectory / InstalledResourcesFromBinary()).lexically_normal();
    if (fs::exists(CompetitionFormPath(installed), ec)) return installed;
    return programDirectory;
}

FolderFacts GatherFolderFacts(const fs::path& programDirectory, const fs::path& configLocation,
                              const fs::path& dataLocation) {
    FolderFacts f;
    f.programDirectory = programDirectory;
    f.resourceDirectory = ResourceFolder(programDirectory);
    f.programDirectoryWritable = AcceptsNewFiles(programDirectory);
    f.programIniReadOnly = f.programDirectoryWritable && !IniWritable(programDirectory);
    f.configLocation = configLocation;
    f.dataLocation = dataLocation;
    if ((f.programDirectoryWritable && !f.installed()) || configLocation.empty() ||
        dataLocation.empty())
        return f;
    // The player's folders are made on the first start that needs them.
    std::error_code ec;
    fs::create_directories(configLocation, ec);
    fs::create_directories(dataLocation, ec);
    const bool configWritable = AcceptsNewFiles(configLocation);
    f.playerFoldersWritable = configWritable && AcceptsNewFiles(dataLocation);
    f.playerIniReadOnly = configWritable && !IniWritable(configLocation);
    return f;
}

GameFolders FindGameFolders() {
    const auto path = [](const QString& text) { return fs::path(text.toStdString()); };
    return ChooseGameFolders(
        GatherFolderFacts(path(QDir(QCoreApplication::applicationDirPath()).absolutePath()),
                          path(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)),
                          path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))));
}

} // namespace tumbla
