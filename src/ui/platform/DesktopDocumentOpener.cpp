#include "ui/platform/DesktopDocumentOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tumbla {

bool DesktopDocumentOpener::open(const std::filesystem::path& document) {
    const std::string path = document.string();
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()))));
}

void OpenCompetitionForm(const std::filesystem::path& programDirectory, Messages& messages) {
    DesktopDocumentOpener opener;
    SubmitCompetitionForm(programDirectory, opener, messages);
}

} // namespace tumbla
