#include "ui/windows/ScoreTableWindow.h"

#include "record/ScoreTableText.h"
#include "ui/windows/HeadStrip.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QVBoxLayout>

namespace tumbla {

ScoreTableWindow::ScoreTableWindow(QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("bodování:"));
    HeadStrip::AttachTo(this);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    // The columns line up only in a fixed-pitch font.
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const std::string& line : ScoreTableText()) list_->addItem(QString::fromStdString(line));
    const QFontMetrics metrics(list_->font());
    resize(metrics.horizontalAdvance(QString(26, QLatin1Char('0'))) + 60, metrics.height() * 24);
}

} // namespace tumbla
