#include "ui/windows/MarksWindow.h"

#include "ui/windows/HeadStrip.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tumbla {
namespace {

QToolButton* BarButton(QWidget* parent, QStyle::StandardPixmap icon, const char* hint) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(QString::fromUtf8(hint));
    button->setAutoRaise(true);
    return button;
}

} // namespace

MarksWindow::MarksWindow(QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)),
      go_(BarButton(this, QStyle::SP_ArrowRight, "přejdi k pozici")),
      delete_(BarButton(this, QStyle::SP_DialogDiscardButton, "zruš aktuální")),
      deleteAll_(BarButton(this, QStyle::SP_TrashIcon, "zruš všechny")) {
    setWindowTitle(QStringLiteral("značky:"));
    HeadStrip::AttachTo(this);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(go_);
    bar->addWidget(delete_);
    bar->addWidget(deleteAll_);
    bar->addStretch(1);
    layout->addLayout(bar);
    layout->addWidget(list_);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setBold(true);
    list_->setFont(font);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(go_, &QToolButton::clicked, this, &MarksWindow::goToPosition);
    connect(list_, &QListWidget::itemDoubleClicked, this, &MarksWindow::goToPosition);
    connect(delete_, &QToolButton::clicked, this, &MarksWindow::deleteSelected);
    connect(deleteAll_, &QToolButton::clicked, this, &MarksWindow::deleteEverything);
    resize(200, 260);
}

void MarksWindow::setMarks(MarksDialog& marks) {
    marks_ = &marks;
    chosen_.reset();
    refill();
}

std::optional<int> MarksWindow::ask(MarksDialog& marks) {
    setMarks(marks);
    exec();
    return chosen_;
}

void MarksWindow::changeEvent(QEvent* event) {
    // Losing focus hands the list back to the game, as closing does.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && marks_)
        emit marksChanged();
    QDialog::changeEvent(event);
}

std::vector<int> MarksWindow::selectedRows() const {
    std::vector<int> rows;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->isSelected()) rows.push_back(i);
    return rows;
}

void MarksWindow::refill() {
    list_->clear();
    if (!marks_) return;
    for (const std::string& line : marks_->lines()) list_->addItem(QString::fromStdString(line));
}

void MarksWindow::goToPosition() {
    if (!marks_) return;
    chosen_ = marks_->chosenPosition(selectedRows());
    if (chosen_) accept();
}

void MarksWindow::deleteSelected() {
    if (!marks_) return;
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    const bool empty = marks_->deleteSelected(rows);
    refill();
    emit marksChanged();
    if (empty) reject();
}

void MarksWindow::deleteEverything() {
    if (!marks_) return;
    marks_->deleteAll();
    refill();
    emit marksChanged();
    reject();
}

} // namespace tumbla
