#include "ui/SituationNumberDialog.h"

#include "situation/SituationNumberEntry.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace tumbla {

SituationNumberDialog::SituationNumberDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), field_(new QLineEdit(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("zadání čísla situace:"));
    setModal(true);
    auto* row = new QHBoxLayout(this);
    row->addWidget(field_, 1);
    row->addWidget(ok_);
    field_->setMinimumWidth(140);
    // Enter in the field reaches the dialog, which presses the default button.
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &SituationNumberDialog::confirm);
}

std::optional<std::int32_t> SituationNumberDialog::ask() {
    chosen_.reset();
    field_->setFocus();
    field_->selectAll();
    exec();
    return chosen_;
}

void SituationNumberDialog::confirm() {
    const std::optional<std::int32_t> number = ParseSituationNumber(field_->text().toStdString());
    if (!number) {
        messages_.showError("Číslo je chybné!");
        return;
    }
    chosen_ = number;
    emit numberChosen(*number);
    accept();
}

} // namespace tumbla
