#include "ui/windows/HelpWindow.h"

#include "ui/windows/HeadStrip.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

// The rules live in the library, which must announce its resources itself.
static void LoadHelpResources() {
    Q_INIT_RESOURCE(Tumbla);
}

namespace tumbla {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    LoadHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Tumbla – pravidla"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(new HeadStrip(QStringLiteral("Pravidla hry"), this));
    QFile file(QStringLiteral(":/help/pravidla.html"));
    if (file.open(QIODevice::ReadOnly)) browser_->setHtml(QString::fromUtf8(file.readAll()));
    browser_->setOpenExternalLinks(true);
    layout->addWidget(browser_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(520, 600);
}

QString HelpWindow::plainText() const {
    return browser_->toPlainText();
}

} // namespace tumbla
