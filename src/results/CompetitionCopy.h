#pragma once
// The copy window ("kopie souboru:"): copies chosen competition results to
// another directory, a diskette in its day.

#include "situation/Ports.h"

#include <string>
#include <string_view>
#include <vector>

namespace tumbla {

inline constexpr char PathSeparator = '/';

// Every doubled separator reduced to one, so that a root directory ("/") and
// a name give "/name".
std::string ReduceDoubledSeparators(std::string_view path, char separator = PathSeparator);

struct CopyPaths {
    std::string source;
    std::string destination;
};

// Directory + separator + name on both sides, doubled separators reduced.
CopyPaths CompetitionCopyPaths(std::string_view sourceDirectory,
                               std::string_view destinationDirectory, std::string_view fileName);

// Copies one file, replacing one of the same name.
class FileCopier {
  public:
    virtual ~FileCopier() = default;
    virtual bool copy(const std::string& source, const std::string& destination) = 0;
};

// Copies into a temporary file beside the destination and renames it over, so
// a failed copy leaves a file of the same name whole.
class PlainFileCopier : public FileCopier {
  public:
    bool copy(const std::string& source, const std::string& destination) override;
};

inline constexpr std::string_view NoFileSelectedText = "Není vybrán soubor.";
inline constexpr std::string_view NoDestinationText = "Není vybrán cílový adresář.";

std::string CopyFailedText(std::string_view source, std::string_view destination);
// A destination drive that cannot be read.
std::string DriveNotReadyText(std::string_view drive);

// The copy button: every selected file in list order; a failure is reported
// and the next file is copied. An empty destination means none is selected.
// Returns how many files were copied.
int CopyCompetitionFiles(const std::vector<std::string>& selectedFiles,
                         std::string_view sourceDirectory, std::string_view destinationDirectory,
                         FileCopier& copier, Messages& messages);

} // namespace tumbla
