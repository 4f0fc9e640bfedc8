#include "ui/windows/StoneCountsWindow.h"

#include "engine/Scoring.h"
#include "ui/windows/HeadStrip.h"

#include <QLabel>

namespace tumbla {
namespace {

constexpr int RowHeight = 18;

QLabel* CellLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

StoneCountsWindow::StoneCountsWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      countsCaption_(new QLabel(QStringLiteral("počty:"), this)),
      pricesCaption_(new QLabel(QStringLiteral("ceny:"), this)) {
    setWindowTitle(QStringLiteral("počty a ceny kamenů:"));
    HeadStrip::AttachTo(this);
    for (std::size_t i = 0; i < 8; ++i) {
        counts_[i] = CellLabel(this);
        pictures_[i] = CellLabel(this);
        prices_[i] = CellLabel(this);
        prices_[i]->setText(QString::number(PriceTable[i + 1]));
    }
    placeControls();
}

QSize StoneCountsWindow::OuterSize(int colours, int ratingMode) {
    return {colours * CellSize + LabelWidth, IsPremiumMode(ratingMode) ? 103 : 77};
}

void StoneCountsWindow::setUp(int colours, int ratingMode, const std::array<QPixmap, 8>& pictures) {
    colours_ = std::clamp(colours, 1, 8);
    rating_ = ratingMode;
    for (std::size_t i = 0; i < 8; ++i) pictures_[i]->setPixmap(pictures[i]);
    placeControls();
}

void StoneCountsWindow::placeControls() {
    const bool premium = IsPremiumMode(rating_);
    const QSize outer = OuterSize(colours_, rating_);
    // The cells sit below the caption strip.
    const int top = contentsRect().top() + 2;
    setFixedSize(outer.width(), outer.height() - FrameHeight + top - 2);
    countsCaption_->setGeometry(2, top, LabelWidth - 2, RowHeight);
    pricesCaption_->setGeometry(2, top + RowHeight + CellSize, LabelWidth - 2, RowHeight);
    pricesCaption_->setVisible(premium);
    for (std::size_t i = 0; i < 8; ++i) {
        const int x = LabelWidth + static_cast<int>(i) * CellSize - 4;
        const bool shown = static_cast<int>(i) < colours_;
        counts_[i]->setGeometry(x, top, CellSize, RowHeight);
        pictures_[i]->setGeometry(x, top + RowHeight, CellSize, CellSize);
        prices_[i]->setGeometry(x, top + RowHeight + CellSize, CellSize, RowHeight);
        counts_[i]->setVisible(shown);
        pictures_[i]->setVisible(shown);
        prices_[i]->setVisible(shown && premium);
    }
}

void StoneCountsWindow::refreshCounts(const std::array<int, 9>& counts) {
    if (!isVisible()) return;
    for (std::size_t i = 0; i < 8; ++i) counts_[i]->setText(QString::number(counts[i + 1]));
}

} // namespace tumbla
