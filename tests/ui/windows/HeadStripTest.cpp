// Colours as the settings keep them, and the caption strip that starts at `Head`.

#include "ui/windows/HeadStrip.h"
#include "ui/art/ColourValue.h"

#include <QTest>

using namespace tumbla;

class HeadStripTest : public QObject {
    Q_OBJECT
  private slots:
    void plainColoursAreBlueGreenRed() {
        QCOMPARE(ColourFromValue(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(ColourFromValue(0x00FF00), QColor(0, 255, 0));
        QCOMPARE(ColourFromValue(0xFF0000), QColor(0, 0, 255));
        QCOMPARE(ColourFromValue(0xFFFFFF), QColor(255, 255, 255));
        QCOMPARE(ColourFromValue(0), QColor(0, 0, 0));
        for (std::int32_t v : {0x123456, 0x00A0B0C0, 0x7F7F7F}) {
            QCOMPARE(ValueFromColour(ColourFromValue(v)), v);
        }
    }

    void systemColoursFollowThePalette() {
        // clBtnFace and clHighlight of files written on another desktop.
        const auto face = static_cast<std::int32_t>(0x8000000Fu);
        const auto highlight = static_cast<std::int32_t>(0x8000000Du);
        QCOMPARE(ColourFromValue(face), QGuiApplication::palette().color(QPalette::Button));
        QCOMPARE(ColourFromValue(highlight), QGuiApplication::palette().color(QPalette::Highlight));
        // Any other high byte is read as a plain colour, never out of range.
        QVERIFY(ColourFromValue(static_cast<std::int32_t>(0xFF123456u)).isValid());
    }

    void theGradientStartsAtHeadAndTheTitleStaysReadable() {
        for (std::int32_t head : {0xFFFFFF, 0x0000FF, 0x000000, 0x40A0F0}) {
            HeadStrip strip(QStringLiteral("Tumbla"));
            strip.setColourValue(head);
            strip.resize(300, strip.sizeHint().height());
            const QImage look = strip.grab().toImage();
            const QColor left = look.pixelColor(0, look.height() - 1);
            const QColor start = ColourFromValue(head);
            QVERIFY(qAbs(left.red() - start.red()) <= 3 &&
                    qAbs(left.green() - start.green()) <= 3 &&
                    qAbs(left.blue() - start.blue()) <= 3);
            QVERIFY(strip.endColour() != start); // a gradient, not a flat bar
            // The title's pixels stand out from the start colour.
            int contrast = 0;
            for (int x = 8; x < 60; ++x) {
                for (int y = 0; y < look.height(); ++y) {
                    contrast =
                        std::max(contrast, qAbs(qGray(look.pixel(x, y)) - qGray(start.rgb())));
                }
            }
            QVERIFY2(contrast > 120, qPrintable(QString::number(head, 16)));
        }
    }
};

QTEST_MAIN(HeadStripTest)
#include "HeadStripTest.moc"
