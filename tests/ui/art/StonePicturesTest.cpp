// Which picture every stone code gets, and that the pictures themselves are
// there at both cell sizes and can be told apart.

#include "ui/art/StonePictures.h"
#include "ui/art/StoneSets.h"

#include <QImage>
#include <QTest>

using namespace tumbla;

namespace {

GameSettings Settings(int set) {
    GameSettings s;
    s.ImageSet = static_cast<std::uint8_t>(set);
    return s;
}

QImage Image(const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Average colour of the covered pixels, and how many there are.
struct Coverage {
    double r = 0, g = 0, b = 0;
    int count = 0;
};

Coverage Cover(const QImage& image) {
    Coverage c;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor px = image.pixelColor(x, y);
            if (px.alpha() < 128) continue;
            c.r += px.red();
            c.g += px.green();
            c.b += px.blue();
            ++c.count;
        }
    }
    if (c.count > 0) {
        c.r /= c.count;
        c.g /= c.count;
        c.b /= c.count;
    }
    return c;
}

int MaskDifference(const QImage& a, const QImage& b) {
    int differ = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differ += (qAlpha(a.pixel(x, y)) >= 128) != (qAlpha(b.pixel(x, y)) >= 128);
        }
    }
    return differ;
}

} // namespace

class StonePicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void colourStonesTakeThePictureOfTheSetInForce() {
        QCOMPARE(PictureOfCode(5, Settings(2)), (PictureRef{PictureRef::Stone, 20}));
        QCOMPARE(PictureOfCode(1, Settings(0)), (PictureRef{PictureRef::Stone, 0}));
        QCOMPARE(PictureOfCode(8, Settings(14)), (PictureRef{PictureRef::Stone, 119}));
        // A damaged record's set number falls back to the first set.
        QCOMPARE(PictureOfCode(3, Settings(200)), (PictureRef{PictureRef::Stone, 2}));
    }

    void otherJokerAndGlassPicturesReplaceTheirColour() {
        GameSettings s = Settings(4);
        s.Joly = 3;
        s.Sklo = 6;
        QCOMPARE(PictureOfCode(3, s), (PictureRef{PictureRef::Stone, StonePictureIndex(4, 3)}));
        QCOMPARE(JokerIndicator(s), (PictureRef{PictureRef::Stone, StonePictureIndex(4, 3)}));
        s.JinyZolik = 24;
        s.JineSklo = 22;
        QCOMPARE(PictureOfCode(3, s), (PictureRef{PictureRef::Special, OtherJokerPicture}));
        QCOMPARE(PictureOfCode(6, s), (PictureRef{PictureRef::Special, OtherGlassPicture}));
        QCOMPARE(JokerIndicator(s), (PictureRef{PictureRef::Special, OtherJokerPicture}));
        QCOMPARE(GlassIndicator(s), (PictureRef{PictureRef::Special, OtherGlassPicture}));
        QCOMPARE(PictureOfCode(4, s), (PictureRef{PictureRef::Stone, StonePictureIndex(4, 4)}));
        // Glass is asked first when one colour is both.
        s.Sklo = 3;
        QCOMPARE(PictureOfCode(3, s), (PictureRef{PictureRef::Special, OtherGlassPicture}));
    }

    void specialStonesAndEmptyCells() {
        const GameSettings s;
        QCOMPARE(PictureOfCode(TransformerPlus, s), (PictureRef{PictureRef::Special, 29}));
        QCOMPARE(PictureOfCode(TransformerMinus, s), (PictureRef{PictureRef::Special, 30}));
        QCOMPARE(PictureOfCode(StoneRock, s), (PictureRef{PictureRef::Special, 26}));
        QCOMPARE(PictureOfCode(StoneWell, s), (PictureRef{PictureRef::Special, 28}));
        QCOMPARE(PictureOfCode(StoneEmpty, s).kind, PictureRef::None);
        for (StoneCode unknown : {StoneCode{9}, StoneCode{99}, StoneCode{150}, StoneCode{255}}) {
            QCOMPARE(PictureOfCode(unknown, s).kind, PictureRef::None);
        }
    }

    void indicators() {
        GameSettings s;
        QCOMPARE(JokerIndicator(s).kind, PictureRef::None);
        QCOMPARE(GlassIndicator(s).kind, PictureRef::None);
        s.Doraz = 1;
        QCOMPARE(JoinIndicator(s).index, int{JoinLeftPicture});
        s.Doraz = 2;
        QCOMPARE(JoinIndicator(s).index, int{JoinRightPicture});
        s.Doraz = 0;
        QCOMPARE(JoinIndicator(s).index, int{NoJoinPicture});
        s.Doraz = 1;
        s.Skala = 4; // rocks keep lines open
        QCOMPARE(JoinIndicator(s).index, int{NoJoinPicture});
    }

    void everyPictureIsDrawnAtBothCellSizesAndOnDenseScreens() {
        for (int size : {22, 32}) {
            for (qreal dpr : {1.0, 2.0}) {
                const int device = qRound(size * dpr);
                for (int index = 0; index < StonePictureCount; ++index) {
                    const QPixmap p = StonePictures::stone(index, size, dpr);
                    QVERIFY(!p.isNull());
                    QCOMPARE(p.width(), device);
                    QCOMPARE(p.devicePixelRatio(), dpr);
                    // Each stone covers a good part of its cell.
                    QVERIFY2(Cover(Image(p)).count > device * device / 5,
                             qPrintable(QString::number(index)));
                }
                for (int index = 0; index < SpecialPictureCount; ++index) {
                    const QPixmap p = StonePictures::special(index, size, dpr);
                    QCOMPARE(p.isNull(), !IsSpecialPicture(index));
                    if (!p.isNull()) QVERIFY(Cover(Image(p)).count > device * device / 10);
                }
            }
        }
        QVERIFY(StonePictures::stone(-1, 22).isNull());
        QVERIFY(StonePictures::stone(StonePictureCount, 22).isNull());
        QVERIFY(StonePictures::stone(0, 0).isNull());
    }

    void picturesAreKeptOncePerSizeAndDensity() {
        const QPixmap a = StonePictures::stone(7, 22, 1.0);
        QCOMPARE(StonePictures::stone(7, 22, 1.0).cacheKey(), a.cacheKey());
        QVERIFY(StonePictures::stone(7, 32, 1.0).cacheKey() != a.cacheKey());
        QVERIFY(StonePictures::stone(7, 22, 1.5).cacheKey() != a.cacheKey());
    }

    void coloursOfASetAreEasyToTellApart() {
        for (int set = 0; set < StoneSetCount; ++set) {
            QList<Coverage> colours;
            for (int colour = 1; colour <= 8; ++colour) {
                colours << Cover(Image(StonePictures::stone(StonePictureIndex(set, colour), 22)));
            }
            for (int a = 0; a < 8; ++a) {
                for (int b = a + 1; b < 8; ++b) {
                    const double d = std::hypot(
                        colours[a].r - colours[b].r,
                        std::hypot(colours[a].g - colours[b].g, colours[a].b - colours[b].b));
                    QVERIFY2(d > 40, qPrintable(QStringLiteral("set %1: colours %2 and %3 (%4)")
                                                    .arg(set + 1)
                                                    .arg(a + 1)
                                                    .arg(b + 1)
                                                    .arg(d)));
                }
            }
        }
    }

    void shapeSetsGiveEveryColourItsOwnOutline() {
        // Sets 4 and 15 can be played without telling colours at all.
        for (int set : {3, 14}) {
            for (int size : {22, 32}) {
                QList<QImage> masks;
                for (int colour = 1; colour <= 8; ++colour) {
                    masks << Image(StonePictures::stone(StonePictureIndex(set, colour), size));
                }
                for (int a = 0; a < 8; ++a) {
                    for (int b = a + 1; b < 8; ++b) {
                        QVERIFY2(MaskDifference(masks[a], masks[b]) > size * size / 12,
                                 qPrintable(QStringLiteral("set %1 size %2: %3 vs %4")
                                                .arg(set + 1)
                                                .arg(size)
                                                .arg(a + 1)
                                                .arg(b + 1)));
                    }
                }
            }
        }
    }

    void specialPicturesDifferFromEachOther() {
        const QList<int> board{OtherGlassPicture,
                               OtherJokerPicture,
                               RockPicture,
                               WellPicture,
                               TransformerPlusPicture,
                               TransformerMinusPicture,
                               LockedTransformerPicture};
        for (int a = 0; a < board.size(); ++a) {
            for (int b = a + 1; b < board.size(); ++b) {
                QVERIFY(Image(StonePictures::special(board[a], 22)) !=
                        Image(StonePictures::special(board[b], 22)));
            }
        }
    }
};

QTEST_MAIN(StonePicturesTest)
#include "StonePicturesTest.moc"
