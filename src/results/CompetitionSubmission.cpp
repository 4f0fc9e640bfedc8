#include "results/CompetitionSubmission.h"

#include <system_error>

namespace tumbla {

std::filesystem::path CompetitionFormPath(const std::filesystem::path& programDirectory) {
    return programDirectory / "html" / "vysledky.htm";
}

std::string FormNotOpenedText() {
    return "Nemohu zpracovat formulář vysledky.htm. Je možné, že nemáte nainstalován prohlížeč "
           "HTML\n"
           "V tom případě byste museli výsledek zaslat na disketě. O způsobu zaslání disketou se \n"
           "informujte na CD Koruu.";
}

std::string FormMissingText(const std::filesystem::path& formPath) {
    return "Soubor vysledky.htm není k dispozici. Buď si doplňte tento soubor \n"
           "(adresář " +
           formPath.string() +
           ")\n"
           " nebo musíte výsledek zaslat na disketě. O způsobu zaslání disketou se \n"
           "informujte na CD Koruu.";
}

void SubmitCompetitionForm(const std::filesystem::path& programDirectory, DocumentOpener& opener,
                           Messages& messages) {
    const std::filesystem::path form = CompetitionFormPath(programDirectory);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(form, ec)) {
        messages.showInformation(FormMissingText(form));
        return;
    }
    if (!opener.open(form)) messages.showInformation(FormNotOpenedText());
}

} // namespace tumbla
