#include "ui/windows/StoneCountsWindow.h"

#include "support/FakeMessages.h"
#include "ui/art/ColourPictures.h"

#include <QLabel>
#include <QPainter>
#include <QTest>

using namespace tumbla;
using namespace tumbla::test;

namespace {

std::array<QPixmap, 8> Swatches() {
    const QColor colours[] = {Qt::red,  Qt::blue,    Qt::green,    Qt::yellow,
                              Qt::cyan, Qt::magenta, Qt::darkGray, Qt::darkGreen};
    std::array<QPixmap, 8> pictures;
    for (std::size_t i = 0; i < 8; ++i) {
        pictures[i] = QPixmap(StoneCountsWindow::CellSize, StoneCountsWindow::CellSize);
        pictures[i].fill(Qt::transparent);
        QPainter painter(&pictures[i]);
        painter.setBrush(colours[i]);
        painter.drawEllipse(2, 2, 28, 28);
    }
    return pictures;
}

} // namespace

class StoneCountsWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void sizeAndCellsFollowTheColours() {
        StoneCountsWindow form;
        QCOMPARE(form.windowTitle(), QStringLiteral("počty a ceny kamenů:"));
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        form.setUp(4, 1, Swatches());
        form.show();
        QCOMPARE(StoneCountsWindow::OuterSize(4, 1), QSize(169, 77));
        QCOMPARE(form.width(), 169);
        for (int c = 1; c <= 8; ++c) {
            QCOMPARE(form.pictureLabel(c)->isVisible(), c <= 4);
            QCOMPARE(form.countLabel(c)->isVisible(), c <= 4);
            QVERIFY(!form.priceLabel(c)->isVisible());
        }
        QVERIFY(!form.pricesCaption()->isVisible());
    }

    void premiumModesShowThePrices() {
        StoneCountsWindow form;
        form.setUp(8, 6, Swatches());
        form.show();
        QCOMPARE(StoneCountsWindow::OuterSize(8, 6), QSize(8 * 32 + 41, 103));
        QVERIFY(form.pricesCaption()->isVisible());
        const int prices[] = {1, 5, 3, 1, 2, 4, 2, 5};
        for (int c = 1; c <= 8; ++c) {
            QVERIFY(form.priceLabel(c)->isVisible());
            QCOMPARE(form.priceLabel(c)->text(), QString::number(prices[c - 1]));
        }
        // Back to a plain mode: the row goes and the window shrinks.
        const int premiumHeight = form.height();
        form.setUp(8, 2, Swatches());
        QVERIFY(!form.pricesCaption()->isVisible());
        QCOMPARE(premiumHeight - form.height(), 103 - 77);
    }

    void countsFollowOnlyWhileShown() {
        StoneCountsWindow form;
        GameSettings settings;
        settings.Count = 5;
        form.setUp(5, 5, ColourPictures(settings, StoneCountsWindow::CellSize));
        std::array<int, 9> counts{3, 10, 12, 9, 11, 8, 99, 99, 99};
        form.refreshCounts(counts);
        QCOMPARE(form.countLabel(2)->text(), QString());
        form.show();
        form.refreshCounts(counts);
        QCOMPARE(form.countLabel(2)->text(), QStringLiteral("12"));
        counts[2] -= 7; // a move took seven stones of colour 2
        form.refreshCounts(counts);
        QCOMPARE(form.countLabel(2)->text(), QStringLiteral("5"));
        QCOMPARE(form.countLabel(1)->text(), QStringLiteral("10"));
        KeepScreenshot(form, QStringLiteral("StoneCountsWindow"));
        form.hide();
        counts[1] = 0;
        form.refreshCounts(counts);
        QCOMPARE(form.countLabel(1)->text(), QStringLiteral("10"));
    }
};

QTEST_MAIN(StoneCountsWindowTest)
#include "StoneCountsWindowTest.moc"
