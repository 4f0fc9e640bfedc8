#pragma once
// "počty a ceny kamenů:": how many stones of each colour are left, with the
// price of each colour in the premium rating modes. Stays on top, not modal,
// and lives for the whole run.

#include <QPixmap>
#include <QWidget>

#include <array>

class QLabel;

namespace tumbla {

class StoneCountsWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int CellSize = 32;
    static constexpr int LabelWidth = 41;
    // The frame around the cells, as the window's outer height counts it.
    static constexpr int FrameHeight = 26;

    explicit StoneCountsWindow(QWidget* parent = nullptr);

    // The colours in force (1..8), the rating mode, and the picture of each
    // colour 1..8 as a cell of that colour is drawn.
    void setUp(int colours, int ratingMode, const std::array<QPixmap, 8>& pictures);
    // Counts of the codes 0..8 on the position in force; ignored while hidden.
    void refreshCounts(const std::array<int, 9>& counts);

    static bool IsPremiumMode(int ratingMode) { return ratingMode >= 5 && ratingMode <= 7; }
    // The window's outer size for the given colours and mode.
    static QSize OuterSize(int colours, int ratingMode);

    QLabel* countLabel(int colour) const { return counts_[std::size_t(colour - 1)]; }
    QLabel* priceLabel(int colour) const { return prices_[std::size_t(colour - 1)]; }
    QLabel* pictureLabel(int colour) const { return pictures_[std::size_t(colour - 1)]; }
    QLabel* pricesCaption() const { return pricesCaption_; }

  private:
    void placeControls();

    int colours_ = 4;
    int rating_ = 1;
    QLabel* countsCaption_;
    QLabel* pricesCaption_;
    std::array<QLabel*, 8> counts_{};
    std::array<QLabel*, 8> pictures_{};
    std::array<QLabel*, 8> prices_{};
};

} // namespace tumbla
