#include "ui/dialogs/SituationNumberDialog.h"

#include "situation/SituationNumberEntry.h"
#include "ui/windows/HeadStrip.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace tumbla {

SituationNumberDialog::SituationNumberDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), field_(new QLineEdit(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("zadání čísla situace:"));
    HeadStrip::AttachTo(this);
    setModal(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 12, 16, 14);
    row->setSpacing(10);
    row->addWidget(field_, 1);
    row->addWidget(ok_);
    // Wide enough for any number, and for the caption in the title bar.
    field_->setMinimumWidth(200);
    ok_->setMinimumWidth(90);
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
