#pragma once
// Documents open with the program the desktop associates with them, and the
// "&E-mail" command that opens the competition's HTML form that way.

#include "results/CompetitionSubmission.h"

#include <filesystem>

namespace tumbla {

class DesktopDocumentOpener : public DocumentOpener {
  public:
    bool open(const std::filesystem::path& document) override;
};

// "&E-mail" and its toolbar button: html/vysledky.htm of the program directory
// in the browser, or the message why not.
void OpenCompetitionForm(const std::filesystem::path& programDirectory, Messages& messages);

} // namespace tumbla
