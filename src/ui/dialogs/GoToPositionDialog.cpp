#include "ui/dialogs/GoToPositionDialog.h"

#include "record/PositionEntry.h"
#include "ui/windows/HeadStrip.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace tumbla {
namespace {

// The field takes any three digits, so that a number out of range can be typed
// and answered with a message; only its arrows keep to 1..L.
class PositionSpin : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;
    int last = 2;
    void stepBy(int steps) override {
        const int target = std::clamp(value() + steps, 1, last);
        setValue(target);
    }

  protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (value() > 1) enabled |= StepDownEnabled;
        if (value() < last) enabled |= StepUpEnabled;
        return enabled;
    }
};

} // namespace

GoToPositionDialog::GoToPositionDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), slider_(new QSlider(Qt::Horizontal, this)),
      field_(new PositionSpin(this)), leftLabel_(new QLabel(QStringLiteral("1"), this)),
      rightLabel_(new QLabel(this)), ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("přechod k pozici:"));
    HeadStrip::AttachTo(this);
    setModal(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 12, 16, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(14);
    grid->addWidget(leftLabel_, 0, 0);
    grid->addWidget(slider_, 0, 1);
    grid->addWidget(rightLabel_, 0, 2);
    grid->addWidget(field_, 1, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(ok_, 1, 2);
    slider_->setSingleStep(1);
    slider_->setPageStep(1);
    slider_->setMinimumWidth(280);
    ok_->setMinimumWidth(90);
    field_->setRange(0, 999);
    QFont bold = field_->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    field_->setFont(bold);
    // Three digits at most: the field is as wide as "999" needs, no wider.
    field_->setFixedWidth(field_->sizeHint().width());
    // Moving the slider fills the field; typing does not move the slider.
    connect(slider_, &QSlider::valueChanged, field_, &QSpinBox::setValue);
    // Enter in the field reaches the dialog, which presses the default button.
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &GoToPositionDialog::confirm);
    setLastPosition(2);
}

void GoToPositionDialog::setLastPosition(int last) {
    last_ = std::max(last, 1);
    chosen_.reset();
    static_cast<PositionSpin*>(field_)->last = last_;
    rightLabel_->setText(QString::number(last_));
    slider_->setRange(1, last_);
    slider_->setValue(last_ / 2);
    field_->setValue(std::max(last_ / 2, 1));
}

std::optional<int> GoToPositionDialog::ask(int last) {
    setLastPosition(last);
    field_->setFocus();
    field_->selectAll();
    exec();
    return chosen_;
}

void GoToPositionDialog::confirm() {
    const std::optional<int> q =
        CheckPosition(ReadPositionText(field_->text().toStdString()), last_);
    if (!q) {
        messages_.showError("Číslo tahu je mimo správný rozsah!");
        return;
    }
    chosen_ = q;
    accept();
}

} // namespace tumbla
