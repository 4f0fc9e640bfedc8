#include "results/CompetitionCopy.h"

#include "situation/FileRead.h"
#include "situation/ReplaceFile.h"

namespace tumbla {

std::string ReduceDoubledSeparators(std::string_view path, char separator) {
    std::string out;
    out.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        out += path[i];
        if (path[i] == separator && i + 1 < path.size() && path[i + 1] == separator) ++i;
    }
    return out;
}

CopyPaths CompetitionCopyPaths(std::string_view sourceDirectory,
                               std::string_view destinationDirectory, std::string_view fileName) {
    auto join = [&](std::string_view directory) {
        std::string path(directory);
        path += PathSeparator;
        path += fileName;
        return ReduceDoubledSeparators(path);
    };
    return {join(sourceDirectory), join(destinationDirectory)};
}

bool PlainFileCopier::copy(const std::string& source, const std::string& destination) {
    // A result file is small; it is read whole and written as every file of
    // the game is, so that a failed copy leaves the old file and no temporary.
    const ReadableFile from(source);
    if (!from.isOpen()) return false;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(from.size()));
    const auto n = from.readAt(0, bytes.data(), bytes.size());
    if (!n || *n != bytes.size()) return false;
    return ReplaceFileWith(destination, bytes);
}

std::string CopyFailedText(std::string_view source, std::string_view destination) {
    std::string text = "Nemohu zkopírovat soubor\n";
    text += source;
    text += "\nna\n";
    text += destination;
    return text;
}

std::string DriveNotReadyText(std::string_view drive) {
    return "Zařízení " + std::string(drive) + ": není připraveno!";
}

int CopyCompetitionFiles(const std::vector<std::string>& selectedFiles,
                         std::string_view sourceDirectory, std::string_view destinationDirectory,
                         FileCopier& copier, Messages& messages) {
    if (selectedFiles.empty()) {
        messages.showError(NoFileSelectedText);
        return 0;
    }
    if (destinationDirectory.empty()) {
        messages.showError(NoDestinationText);
        return 0;
    }
    int copied = 0;
    for (const std::string& name : selectedFiles) {
        const CopyPaths paths = CompetitionCopyPaths(sourceDirectory, destinationDirectory, name);
        if (copier.copy(paths.source, paths.destination))
            ++copied;
        else
            messages.showError(CopyFailedText(paths.source, paths.destination));
    }
    return copied;
}

} // namespace tumbla
