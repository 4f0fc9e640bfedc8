#pragma once
// Sending a competition result through the HTML form beside the program.

#include "situation/Ports.h"

#include <filesystem>
#include <string>

namespace tumbla {

// Opens a document with the program the system associates with it.
class DocumentOpener {
  public:
    virtual ~DocumentOpener() = default;
    virtual bool open(const std::filesystem::path& document) = 0;
};

// program directory + "html" + "vysledky.htm".
std::filesystem::path CompetitionFormPath(const std::filesystem::path& programDirectory);

// The form exists but nothing could open it (three lines).
std::string FormNotOpenedText();
// The form is missing (four lines, with its path).
std::string FormMissingText(const std::filesystem::path& formPath);

// "&E-mail": opens the form, or says why not.
void SubmitCompetitionForm(const std::filesystem::path& programDirectory, DocumentOpener& opener,
                           Messages& messages);

} // namespace tumbla
