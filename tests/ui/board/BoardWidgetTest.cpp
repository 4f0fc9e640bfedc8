// The playing area behaves like the grid of cell buttons it stands for.

#include "ui/board/BoardWidget.h"

#include "engine/PlayMove.h"
#include "ui/board/FallAnimation.h"

#include <QTest>

using namespace tumbla;

namespace {

GameSettings Settings(int rows, int cols, int directions = 0) {
    GameSettings s;
    s.Rows = static_cast<std::uint8_t>(rows);
    s.Cols = static_cast<std::uint8_t>(cols);
    s.Directions = static_cast<std::uint8_t>(directions);
    return s;
}

Board Stripes() {
    Board b;
    for (int row = 1; row <= MaxRows; ++row) {
        for (int col = 1; col <= MaxCols; ++col) {
            b.at(row, col) = static_cast<StoneCode>((row + col) % 8 + 1);
        }
    }
    return b;
}

// The cells a signal of the board names, as (row, col) pairs in the order sent.
class CellSpy : public QList<QVariantList> {
  public:
    CellSpy(BoardWidget* w, void (BoardWidget::*signal)(Move)) {
        QObject::connect(w, signal, &context_, [this](Move m) {
            append(QVariantList{int{m.row}, int{m.col}});
        });
    }

  private:
    QObject context_;
};

void MouseTo(BoardWidget& w, QPoint at) {
    QMouseEvent e(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

QImage Look(BoardWidget& w) {
    return w.grab().toImage();
}

QImage Part(const QImage& image, const QRect& r) {
    return image.copy(r);
}

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

} // namespace

class BoardWidgetTest : public QObject {
    Q_OBJECT
  private slots:
    void cellsLieWhereTheGeometrySays() {
        const BoardLayout normal(CellGeometry::Normal(), 15, 25);
        QCOMPARE(normal.cellRect(1, 1), QRect(39, 39, 22, 22));
        QCOMPARE(normal.cellRect(15, 25), QRect(25 * 24 + 15, 15 * 24 + 15, 22, 22));
        const BoardLayout large(CellGeometry::Large(), 15, 25);
        QCOMPARE(large.cellRect(1, 1), QRect(43, 43, 32, 32));
        QCOMPARE(large.cellRect(3, 7), QRect(7 * 33 + 10, 3 * 33 + 10, 32, 32));
    }

    void gravityButtonsSitAroundTheField() {
        const BoardLayout l(CellGeometry::Normal(), 10, 20);
        const QRect field = l.fieldRect();
        QCOMPARE(l.gravityButton(GravityUp).top(), 12);
        QCOMPARE(l.gravityButton(GravityLeft).left(), 11);
        QCOMPARE(l.gravityButton(GravityRight).left(), field.right() + 1 + 5);
        QCOMPARE(l.gravityButton(GravityDown).top(), field.bottom() + 1 + 5);
        QVERIFY(qAbs(l.gravityButton(GravityUp).center().x() - field.center().x()) <= 1);
        QVERIFY(qAbs(l.gravityButton(GravityLeft).center().y() - field.center().y()) <= 1);
        for (int d = 0; d < 4; ++d) {
            QCOMPARE(l.gravityFrame(d), l.gravityButton(d).adjusted(-3, -3, 3, 3));
            QVERIFY(!l.gravityFrame(d).intersects(field));
            QVERIFY(QRect(QPoint(0, 0), l.areaSize()).contains(l.gravityFrame(d)));
        }
        // Neither the buttons nor their arrows reach into the field, even with large cells.
        const BoardLayout big(CellGeometry::Large(), 5, 10);
        for (int d = 0; d < 4; ++d) {
            QVERIFY(!big.gravityFrame(d).intersects(big.fieldRect()));
            QVERIFY(!big.arrowBox(d).intersects(big.fieldRect()));
            QVERIFY(l.arrowBox(d).contains(l.gravityButton(d)));
            QVERIFY(QRect(QPoint(0, 0), l.areaSize()).contains(l.arrowBox(d)));
        }
    }

    void preferredSizeFollowsTheField() {
        const QSize small = BoardWidget::PreferredSize(CellGeometry::Normal(), 5, 10);
        const QSize big = BoardWidget::PreferredSize(CellGeometry::Normal(), 15, 25);
        QCOMPARE(big.width() - small.width(), 15 * 24);
        QCOMPARE(big.height() - small.height(), 10 * 24);
        QVERIFY(BoardWidget::PreferredSize(CellGeometry::Large(), 15, 25).width() > big.width());
        BoardWidget w;
        w.setSettings(Settings(7, 12));
        QCOMPARE(w.sizeHint(), BoardWidget::PreferredSize(CellGeometry::Normal(), 7, 12));
    }

    void clickOnEveryCellReportsItsRowAndColumn_data() {
        QTest::addColumn<bool>("large");
        QTest::newRow("22/22/2/15/15") << false;
        QTest::newRow("32/32/1/10/10") << true;
    }
    void clickOnEveryCellReportsItsRowAndColumn() {
        QFETCH(bool, large);
        BoardWidget w;
        w.setCellGeometry(large ? CellGeometry::Large() : CellGeometry::Normal());
        w.setSettings(Settings(15, 25));
        w.resize(w.sizeHint());
        CellSpy clicks(&w, &BoardWidget::cellClicked);
        const auto& g = w.cellGeometry();
        for (int row = 1; row <= 15; ++row) {
            for (int col = 1; col <= 25; ++col) {
                // The corners of the cell belong to it as much as its middle.
                const QPoint at(
                    col * (g.cellWidth + g.gap) + g.leftOffset + (row + col) % g.cellWidth,
                    row * (g.cellHeight + g.gap) + g.topOffset + (row * 7) % g.cellHeight);
                QTest::mouseClick(&w, Qt::LeftButton, {}, at);
                QCOMPARE(clicks.size(), 1);
                QCOMPARE(clicks.takeFirst(), (QVariantList{row, col}));
            }
        }
        // The gap between cells belongs to no cell.
        const QRect first = w.layout().cellRect(1, 1);
        QTest::mouseClick(&w, Qt::LeftButton, {}, first.topRight() + QPoint(1, 0));
        QCOMPARE(clicks.size(), 0);
    }

    void cellsOutsideTheFieldInForceTakeNoClick() {
        BoardWidget w;
        w.setSettings(Settings(5, 10));
        w.resize(BoardWidget::PreferredSize(CellGeometry::Normal(), 15, 25));
        CellSpy clicks(&w, &BoardWidget::cellClicked);
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.layout().cellRect(6, 3).center());
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.layout().cellRect(2, 11).center());
        QCOMPARE(clicks.size(), 0);
        QCOMPARE(w.pictureAt(6, 3).kind, PictureRef::None);
    }

    void aPressReleasedElsewhereIsNoClick() {
        BoardWidget w;
        w.setSettings(Settings(10, 20));
        w.resize(w.sizeHint());
        CellSpy clicks(&w, &BoardWidget::cellClicked);
        QTest::mousePress(&w, Qt::LeftButton, {}, w.layout().cellRect(2, 2).center());
        QTest::mouseRelease(&w, Qt::LeftButton, {}, w.layout().cellRect(2, 3).center());
        QCOMPARE(clicks.size(), 0);
        QTest::mouseClick(&w, Qt::RightButton, {}, w.layout().cellRect(2, 2).center());
        QCOMPARE(clicks.size(), 0);
    }

    void aDoubleClickIsOneClick() {
        BoardWidget w;
        w.setSettings(Settings(10, 20, DirUp));
        w.resize(w.sizeHint());
        CellSpy clicks(&w, &BoardWidget::cellClicked);
        // However the second press of a double-click arrives, it makes no second move.
        for (const bool pressBeforeDoubleClick : {true, false}) {
            for (const QPoint at : {w.layout().cellRect(2, 2).center(),
                                    w.layout().gravityButton(GravityUp).center()}) {
                QTest::mousePress(&w, Qt::LeftButton, {}, at);
                QTest::mouseRelease(&w, Qt::LeftButton, {}, at);
                if (pressBeforeDoubleClick) QTest::mousePress(&w, Qt::LeftButton, {}, at);
                QTest::mouseDClick(&w, Qt::LeftButton, {}, at);
                QTest::mouseRelease(&w, Qt::LeftButton, {}, at);
                QCOMPARE(clicks.size(), 1);
                clicks.clear();
            }
        }
    }

    void aGrownBoardTakesEachClickOnTheSameCell_data() {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QSize>("space");
        const auto grown = [](CellGeometry g, int cell) {
            return BoardWidget::PreferredSize(g.grownTo(cell), 15, 25);
        };
        QTest::newRow("22 px, wide") << false << QSize(1500, 445);
        QTest::newRow("32 px") << false << grown(CellGeometry::Normal(), 32);
        QTest::newRow("64 px, tall") << false << grown(CellGeometry::Normal(), 64) + QSize(7, 300);
        QTest::newRow("/B, 45 px") << true << grown(CellGeometry::Large(), 45) + QSize(30, 0);
    }
    void aGrownBoardTakesEachClickOnTheSameCell() {
        QFETCH(bool, large);
        QFETCH(QSize, space);
        const CellGeometry base = large ? CellGeometry::Large() : CellGeometry::Normal();
        BoardWidget start;
        start.setCellGeometry(base);
        start.setSettings(Settings(15, 25));
        start.resize(start.sizeHint());
        QCOMPARE(start.cellGeometry(), base);
        BoardWidget w;
        w.setCellGeometry(base);
        w.setSettings(Settings(15, 25));
        w.resize(space);
        const BoardLayout& l = w.layout();
        const CellGeometry& g = l.geometry();
        // The largest square cells that fit, the whole area centred.
        QCOMPARE(g.cellHeight, g.cellWidth);
        const QRect area(l.origin(), l.areaSize());
        QVERIFY(w.rect().contains(area));
        QVERIFY(qAbs(area.left() - (w.width() - 1 - area.right())) <= 1);
        QVERIFY(qAbs(area.top() - (w.height() - 1 - area.bottom())) <= 1);
        const QSize larger = BoardWidget::PreferredSize(base.grownTo(g.cellWidth + 1), 15, 25);
        QVERIFY(larger.width() > space.width() || larger.height() > space.height());
        // A click where a cell of the starting board lies, grown in proportion,
        // reaches that cell.
        CellSpy clicks(&w, &BoardWidget::cellClicked);
        for (int row = 1; row <= 15; ++row) {
            for (int col = 1; col <= 25; ++col) {
                const QPoint at = start.layout().cellRect(row, col).center() +
                                  QPoint((row * 5) % 11 - 5, (col * 3) % 11 - 5);
                QTest::mouseClick(&w, Qt::LeftButton, {}, l.origin() + at * g.scale);
                QCOMPARE(clicks.size(), 1);
                QCOMPARE(clicks.takeFirst(), (QVariantList{row, col}));
            }
        }
    }

    void aMoveInMotionStartsFromTheOldPictureAndEndsOnTheNew() {
        GameSettings s = Settings(5, 10);
        s.Count = 4;
        s.Doraz = 1;
        const Rules rules = RulesFromSettings(s);
        MoveRecord from;
        for (int row = 1; row <= 5; ++row)
            for (int col = 1; col <= 10; ++col)
                from.board.at(row, col) = static_cast<StoneCode>((row * 3 + col * col) % 4 + 1);
        // A column of one colour: taking it closes the field up.
        for (int row = 1; row <= 5; ++row) from.board.at(row, 4) = 2;
        from.MoveRow = 3;
        from.MoveCol = 4;
        MoveRecord to = from;
        EngineState state;
        PlayMove(to, rules, state, Move{3, 4});
        const std::optional<FallPlan> plan = PlanFall(from, rules, to.board);
        QVERIFY(plan && plan->taken && plan->closesUp);

        BoardWidget w;
        w.setSettings(s);
        w.resize(w.sizeHint());
        w.setBoard(from.board);
        const QImage before = Look(w);
        w.setBoard(to.board);
        const QImage after = Look(w);
        w.animate(*plan);
        QVERIFY(w.isAnimating());
        w.freezeAnimationAt(0);
        QCOMPARE(Look(w), before);
        w.freezeAnimationAt(FallAnimation::FadeMs + FallAnimation::FallMs / 2);
        const QImage between = Look(w);
        QVERIFY(between != before && between != after);
        w.freezeAnimationAt(FallAnimation::FadeMs + FallAnimation::CloseUpMs);
        QVERIFY(Look(w) != between);
        w.freezeAnimationAt(1000);
        QCOMPARE(Look(w), after);
        // A click ends the motion at once and is taken as usual.
        CellSpy clicks(&w, &BoardWidget::cellClicked);
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.layout().cellRect(5, 1).center());
        QVERIFY(!w.isAnimating());
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(Look(w), after);
    }

    void hoverHighlightsACellUntilTheHoverReset() {
        BoardWidget w;
        w.setSettings(Settings(10, 20));
        w.setBoard(Stripes());
        w.resize(w.sizeHint());
        CellSpy hovered(&w, &BoardWidget::cellHovered);
        const QRect cell = w.layout().cellRect(3, 12);
        const QImage before = Part(Look(w), cell);

        MouseTo(w, cell.center());
        QCOMPARE(w.highlightedCell(), 312);
        QCOMPARE(hovered.takeLast(), (QVariantList{3, 12}));
        QVERIFY(Part(Look(w), cell) != before);

        w.resetHover();
        QCOMPARE(w.highlightedCell(), 0);
        QCOMPARE(Part(Look(w), cell), before);
        // As with a button, only entering a cell lights it again.
        MouseTo(w, cell.center() + QPoint(2, 1));
        QCOMPARE(w.highlightedCell(), 0);
        MouseTo(w, w.layout().cellRect(3, 13).center());
        QCOMPARE(w.highlightedCell(), 313);
        MouseTo(w, QPoint(2, 2));
        QCOMPARE(w.highlightedCell(), 0);
        QCOMPARE(hovered.takeLast(), (QVariantList{0, 0}));
    }

    void aFullRedrawResetsTheHover() {
        BoardWidget w;
        w.setSettings(Settings(10, 20));
        w.resize(w.sizeHint());
        MouseTo(w, w.layout().cellRect(4, 4).center());
        QCOMPARE(w.highlightedCell(), 404);
        GameSettings s = w.settings();
        s.ImageSet = 5;
        w.setSettings(s);
        QTRY_COMPARE(w.highlightedCell(), 0);
    }

    void gravityButtonsClickWhenAllowedAndUnlocked() {
        BoardWidget w;
        w.setSettings(Settings(10, 20, DirDown | DirUp | DirLeft | DirRight));
        w.resize(w.sizeHint());
        CellSpy clicks(&w, &BoardWidget::cellClicked);
        const auto click = [&](int d) {
            QTest::mouseClick(&w, Qt::LeftButton, {}, w.layout().gravityButton(d).center());
        };
        click(GravityUp);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.takeFirst(), (QVariantList{0, int{GravityUp}}));
        click(GravityDown); // the direction in force
        QCOMPARE(clicks.size(), 0);
        w.setGravity(GravityLeft);
        click(GravityDown);
        QCOMPARE(clicks.takeFirst(), (QVariantList{0, int{GravityDown}}));
        click(GravityLeft);
        QCOMPARE(clicks.size(), 0);

        w.setLocked(true);
        for (int d = 0; d < 4; ++d) {
            click(d);
            QVERIFY(!w.isGravityButtonEnabled(d));
        }
        QCOMPARE(clicks.size(), 0);
        w.setLocked(false);
        click(GravityRight);
        QCOMPARE(clicks.size(), 1);
    }

    void onlyAllowedDirectionsShowAButtonAndTheRedMarkerFollowsGravity() {
        BoardWidget w;
        w.setSettings(Settings(10, 20, DirLeft | DirRight));
        w.resize(w.sizeHint());
        CellSpy clicks(&w, &BoardWidget::cellClicked);
        QVERIFY(!w.isGravityButtonVisible(GravityUp));
        QVERIFY(!w.isGravityButtonVisible(GravityDown));
        QVERIFY(w.isGravityButtonVisible(GravityLeft));
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.layout().gravityButton(GravityUp).center());
        QCOMPARE(clicks.size(), 0);
        // A hidden button leaves the background as it was.
        const QImage look = Look(w);
        const QRect up = w.layout().gravityFrame(GravityUp);
        QCOMPARE(look.pixelColor(up.center()), w.backgroundColour());

        QCOMPARE(w.markerColour(GravityDown), QColor(255, 0, 0));
        QCOMPARE(w.markerColour(GravityLeft), QColor(0, 0, 0));
        w.setGravity(GravityLeft);
        QCOMPARE(w.markerColour(GravityLeft), QColor(255, 0, 0));
        QCOMPARE(w.markerColour(GravityDown), QColor(0, 0, 0));
        // The frame shows the marker colour.
        const QRect frame = w.layout().gravityFrame(GravityLeft);
        QCOMPARE(Look(w).pixelColor(frame.topLeft() + QPoint(1, 1)), QColor(255, 0, 0));
    }

    void aShownMoveIsRaisedAndHidesAgain() {
        BoardWidget w;
        w.setSettings(Settings(10, 20, DirUp));
        w.setBoard(Stripes());
        w.resize(w.sizeHint());
        const QRect cell = w.layout().cellRect(6, 7);
        const QImage before = Look(w);

        w.showMove(tumbla::Move{6, 7});
        QCOMPARE(w.shownMove(), std::optional(tumbla::Move{6, 7}));
        const QImage raised = Look(w);
        QVERIFY(Part(raised, cell) != Part(before, cell));
        // Only that cell changes.
        QCOMPARE(Part(raised, w.layout().cellRect(6, 8)), Part(before, w.layout().cellRect(6, 8)));
        w.hideShownMove();
        QCOMPARE(Look(w), before);

        // A gravity change shows its arrow at its button.
        w.showMove(tumbla::Move{0, GravityUp});
        const QRect arrow = w.layout().arrowBox(GravityUp);
        QVERIFY(Part(Look(w), arrow) != Part(before, arrow));
        w.hideShownMove();
        QCOMPARE(Look(w), before);
    }

    void theLockedLookGoesToTheLastTransformer() {
        GameSettings s = Settings(10, 20);
        s.Transformator = 1;
        Board b = Stripes();
        b.at(2, 5) = TransformerPlus;
        b.at(7, 3) = TransformerMinus;
        BoardWidget w;
        w.setSettings(s);
        w.setBoard(b);
        w.setLocked(true);
        QCOMPARE(w.pictureAt(7, 3), (PictureRef{PictureRef::Special, LockedTransformerPicture}));
        QCOMPARE(w.pictureAt(2, 5), (PictureRef{PictureRef::Special, TransformerPlusPicture}));
        // The transformer falls: the lock look follows it.
        b.at(7, 3) = 1;
        b.at(8, 3) = TransformerMinus;
        w.setBoard(b);
        QCOMPARE(w.pictureAt(8, 3).index, int{LockedTransformerPicture});
        QCOMPARE(w.pictureAt(7, 3).kind, PictureRef::Stone);
        // The same, told cell by cell.
        w.setCell(8, 3, 1);
        w.setCell(9, 3, TransformerMinus);
        QCOMPARE(w.pictureAt(9, 3).index, int{LockedTransformerPicture});
        QCOMPARE(w.pictureAt(2, 5).index, int{TransformerPlusPicture});
        w.setCell(9, 3, TransformerPlus);
        QCOMPARE(w.pictureAt(9, 3).index, int{LockedTransformerPicture});
        w.setCell(9, 3, 1);
        QCOMPARE(w.pictureAt(2, 5).index, int{LockedTransformerPicture});
        w.setCell(9, 3, 0);
        w.setCell(8, 3, TransformerMinus);
        QCOMPARE(w.pictureAt(8, 3).index, int{LockedTransformerPicture});
        w.setLocked(false);
        QCOMPARE(w.pictureAt(8, 3).index, int{TransformerMinusPicture});
        // Without the transformer setting the lock changes no picture.
        s.Transformator = 0;
        w.setSettings(s);
        w.setLocked(true);
        QCOMPARE(w.pictureAt(8, 3).index, int{TransformerMinusPicture});
    }

    void gridAndBackgroundColours() {
        GameSettings s = Settings(5, 10);
        s.Mrizka = 3;
        s.Back = 0x00FF0000; // blue, as 0x00BBGGRR
        BoardWidget w;
        w.setSettings(s);
        w.resize(w.sizeHint());
        const QImage look = Look(w);
        QCOMPARE(look.pixelColor(2, 2), QColor(0, 0, 255));
        const BoardLayout& l = w.layout();
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(!l.horizontalLine(i).isEmpty());
            QCOMPARE(look.pixelColor(l.horizontalLine(i).topLeft() + QPoint(5, 0)),
                     QColor(128, 128, 128));
        }
        QVERIFY(l.horizontalLine(7).isEmpty());
        for (int i = 1; i <= 11; ++i) {
            QCOMPARE(look.pixelColor(l.verticalLine(i).topLeft() + QPoint(0, 5)),
                     QColor(128, 128, 128));
        }
        QVERIFY(l.verticalLine(12).isEmpty());
        // The second pixel of a gap carries no line.
        QCOMPARE(look.pixelColor(l.cellRect(1, 1).topLeft() - QPoint(1, -5)), QColor(0, 0, 255));
        s.Mrizka = 0;
        w.setSettings(s);
        QCOMPARE(Look(w).pixelColor(l.horizontalLine(1).topLeft() + QPoint(5, 0)),
                 QColor(0, 0, 255));
    }

    void arrowKeysMoveACursorThatEnterClicks() {
        BoardWidget w;
        w.setSettings(Settings(5, 10, DirUp));
        w.resize(w.sizeHint());
        CellSpy clicks(&w, &BoardWidget::cellClicked);
        QTest::keyClick(&w, Qt::Key_Right); // shows the cursor where it is
        QVERIFY(w.isCursorVisible());
        QCOMPARE(w.cursor(), (tumbla::Move{1, 1}));
        QTest::keyClick(&w, Qt::Key_Right);
        QTest::keyClick(&w, Qt::Key_Down);
        QTest::keyClick(&w, Qt::Key_Down);
        QTest::keyClick(&w, Qt::Key_Return);
        QCOMPARE(clicks.takeFirst(), (QVariantList{3, 2}));
        QTest::keyClick(&w, Qt::Key_Left);
        QTest::keyClick(&w, Qt::Key_Left); // stays at the edge: no left button
        QTest::keyClick(&w, Qt::Key_Space);
        QCOMPARE(clicks.takeFirst(), (QVariantList{3, 1}));
        // Past the top row lies the up button.
        for (int i = 0; i < 3; ++i) QTest::keyClick(&w, Qt::Key_Up);
        QCOMPARE(w.cursor(), (tumbla::Move{0, GravityUp}));
        QTest::keyClick(&w, Qt::Key_Enter);
        QCOMPARE(clicks.takeFirst(), (QVariantList{0, int{GravityUp}}));
        QTest::keyClick(&w, Qt::Key_Down);
        QCOMPARE(w.cursor(), (tumbla::Move{1, 1}));
        // A mouse click moves the cursor along but clicks as before.
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.layout().cellRect(4, 9).center());
        QCOMPARE(clicks.takeFirst(), (QVariantList{4, 9}));
        QCOMPARE(w.cursor(), (tumbla::Move{4, 9}));
        QCOMPARE(clicks.size(), 0);
    }

    void aWholeNewBoardIsPaintedInOneGo() {
        BoardWidget w;
        w.setSettings(Settings(15, 25));
        w.resize(w.sizeHint());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        PaintCounter counter;
        w.installEventFilter(&counter);
        const Board b = Stripes();
        for (int row = 1; row <= 15; ++row) {
            for (int col = 1; col <= 25; ++col) w.setCell(row, col, b.at(row, col));
        }
        QTRY_COMPARE(counter.paints, 1);
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 1);
        Board c = b;
        c.at(4, 4) = 0;
        c.at(9, 20) = 0;
        w.setBoard(c);
        QTRY_COMPARE(counter.paints, 2);
        QCOMPARE(w.board(), c);
    }

    void theBusyPanelHoldsClicksBack() {
        BoardWidget w;
        w.setSettings(Settings(10, 20, 15));
        w.resize(w.sizeHint());
        CellSpy clicks(&w, &BoardWidget::cellClicked);
        const QImage before = Look(w);
        w.setBusy(true);
        QVERIFY(Look(w) != before);
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.layout().cellRect(2, 2).center());
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.layout().gravityButton(GravityUp).center());
        QCOMPARE(clicks.size(), 0);
        w.setBusy(false);
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.layout().cellRect(2, 2).center());
        QCOMPARE(clicks.size(), 1);
    }

    void otherJokerPictureOnTheBoard() {
        GameSettings s = Settings(10, 20);
        s.Joly = 2;
        s.JinyZolik = 24;
        BoardWidget w;
        w.setSettings(s);
        Board b = Stripes();
        w.setBoard(b);
        for (int row = 1; row <= 10; ++row) {
            for (int col = 1; col <= 20; ++col) {
                const PictureRef want = b.at(row, col) == 2
                                            ? PictureRef{PictureRef::Special, OtherJokerPicture}
                                            : PictureRef{PictureRef::Stone, b.at(row, col) - 1};
                QCOMPARE(w.pictureAt(row, col), want);
            }
        }
    }
};

QTEST_MAIN(BoardWidgetTest)
#include "BoardWidgetTest.moc"
