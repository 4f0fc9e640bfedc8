// Draws the playing area and the small dialogs offscreen into PNG files, to
// look at the stone sets, the board's states and the dialogs without a display:
//   QT_QPA_PLATFORM=offscreen tumbla-shots docs
// QT_SCALE_FACTOR=2 draws them as a high-density screen would.

#include "engine/Groups.h"
#include "engine/MovePreview.h"
#include "engine/PlayMove.h"
#include "record/FallPlan.h"
#include "situation/Generator.h"
#include "ui/art/StonePictures.h"
#include "ui/art/StoneSets.h"
#include "ui/board/BoardWidget.h"
#include "ui/board/FallAnimation.h"
#include "ui/windows/HeadStrip.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTextStream>

#include <cmath>

using namespace tumbla;

void SaveWindowShots(const QDir& out);  // WindowShots.cpp
void SaveAdvisorShots(const QDir& out); // AdvisorShots.cpp

namespace {

GameSettings Sample(int set, int rows, int cols) {
    GameSettings s;
    s.ImageSet = static_cast<std::uint8_t>(set);
    s.Rows = static_cast<std::uint8_t>(rows);
    s.Cols = static_cast<std::uint8_t>(cols);
    s.Count = 8;
    s.Directions = 15;
    s.BeginNumber = 1234 + set;
    return s;
}

// A board some moves into a game: the tops of the columns are gone.
Board PlayedBoard(const GameSettings& s) {
    Random rng;
    Board b = GenerateBoard(s, rng).position.board;
    for (int col = 1; col <= s.Cols; ++col) {
        const int gone = static_cast<int>(std::lround(1.5 + 1.5 * std::sin(col * 0.9)));
        for (int row = 1; row <= gone && row <= s.Rows; ++row) b.at(row, col) = StoneEmpty;
    }
    return b;
}

QPixmap Shot(BoardWidget& w) {
    w.resize(w.sizeHint());
    return w.grab();
}

void Save(const QPixmap& pixmap, const QString& path) {
    if (!pixmap.save(path)) QTextStream(stderr) << "cannot write " << path << "\n";
}

void Hover(BoardWidget& w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
}

QPixmap StoneSheet(qreal dpr) {
    const int cell = 36;
    const int left = 70;
    QPixmap sheet(QSize(left + 16 * cell + 30, 30 + StoneSetCount * cell) * dpr);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(QColor(0x1E, 0x21, 0x26));
    QPainter p(&sheet);
    p.setPen(QColor(0xD0, 0xD4, 0xDA));
    p.drawText(QRect(left, 4, 8 * cell, 20), Qt::AlignCenter, QStringLiteral("22 px"));
    p.drawText(QRect(left + 8 * cell + 30, 4, 8 * cell, 20), Qt::AlignCenter,
               QStringLiteral("32 px"));
    for (int set = 0; set < StoneSetCount; ++set) {
        const int y = 30 + set * cell;
        p.drawText(QRect(4, y, left - 8, cell), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("sada %1").arg(set + 1));
        for (int colour = 1; colour <= 8; ++colour) {
            const int index = StonePictureIndex(set, colour);
            p.drawPixmap(left + (colour - 1) * cell + 7, y + 7,
                         StonePictures::stone(index, 22, dpr));
            p.drawPixmap(left + 8 * cell + 30 + (colour - 1) * cell + 2, y + 2,
                         StonePictures::stone(index, 32, dpr));
        }
    }
    return sheet;
}

QPixmap SpecialSheet(qreal dpr) {
    const QList<int> specials{OtherGlassPicture,
                              OtherJokerPicture,
                              RockPicture,
                              WellPicture,
                              TransformerPlusPicture,
                              TransformerMinusPicture,
                              LockedTransformerPicture,
                              JoinLeftPicture,
                              JoinRightPicture,
                              NoJoinPicture};
    const int cell = 44;
    QPixmap sheet(QSize(specials.size() * cell + 20, 3 * cell + 20) * dpr);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(Qt::transparent);
    QPainter p(&sheet);
    p.fillRect(QRect(0, 0, sheet.width(), 2 * cell + 10), QColor(0, 0, 0));
    p.fillRect(QRect(0, 2 * cell + 10, sheet.width(), cell + 10), QColor(0xEF, 0xEF, 0xEF));
    for (int i = 0; i < specials.size(); ++i) {
        const int x = 10 + i * cell;
        p.drawPixmap(x + 11, 16, StonePictures::special(specials[i], 22, dpr));
        p.drawPixmap(x + 6, cell + 6, StonePictures::special(specials[i], 32, dpr));
        p.drawPixmap(x + 14, 2 * cell + 24, StonePictures::special(specials[i], 16, dpr));
    }
    p.drawPixmap(specials.size() * cell - 10, 2 * cell + 22, StonePictures::pointer(20, dpr));
    return sheet;
}

// The largest group of a position: the move whose preview and fall are shown.
Move LargestGroup(const MoveRecord& rec, const Rules& rules) {
    CandidateList groups;
    ListGroups(rec, rules, groups);
    Move best;
    int most = 0;
    for (int i = 0; i < groups.count; ++i) {
        const Move m = Move::FromCode(groups.items[static_cast<std::size_t>(i)]);
        const MovePreview p = PreviewMove(rec, rules, EngineState{}, m);
        if (p.stones > most) {
            most = p.stones;
            best = m;
        }
    }
    return best;
}

// Pictures side by side on the board's background, each with a caption above.
QPixmap Strip(const QList<QPixmap>& pictures, const QStringList& captions) {
    const QSize one = pictures.first().deviceIndependentSize().toSize();
    const qreal dpr = pictures.first().devicePixelRatio();
    const int label = 24;
    QPixmap strip(QSize(pictures.size() * one.width(), one.height() + label) * dpr);
    strip.setDevicePixelRatio(dpr);
    strip.fill(QColor(0x26, 0x29, 0x2F));
    QPainter p(&strip);
    p.setPen(QColor(0xE0, 0xE3, 0xE8));
    for (int i = 0; i < pictures.size(); ++i) {
        p.drawText(QRect(i * one.width(), 0, one.width(), label), Qt::AlignCenter, captions[i]);
        p.drawPixmap(i * one.width(), label, pictures[i]);
    }
    return strip;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTextStream log(stdout);

    // All fifteen sets on one sheet, each on a small board.
    {
        QList<QPixmap> boards;
        for (int set = 0; set < StoneSetCount; ++set) {
            BoardWidget w;
            GameSettings s = Sample(set, 6, 12);
            s.Directions = 0;
            w.setSettings(s);
            w.setBoard(PlayedBoard(s));
            boards << Shot(w);
        }
        const QSize one = boards.first().deviceIndependentSize().toSize();
        const int columns = 3;
        const int label = 22;
        const qreal dpr = boards.first().devicePixelRatio();
        QPixmap sheet(QSize(columns * one.width(), 5 * (one.height() + label)) * dpr);
        sheet.setDevicePixelRatio(dpr);
        sheet.fill(QColor(0x26, 0x29, 0x2F));
        QPainter p(&sheet);
        for (int i = 0; i < boards.size(); ++i) {
            const QPoint at((i % columns) * one.width(), (i / columns) * (one.height() + label));
            p.setPen(QColor(0xE0, 0xE3, 0xE8));
            p.drawText(QRect(at, QSize(one.width(), label)), Qt::AlignCenter,
                       QStringLiteral("sada %1").arg(i + 1));
            p.drawPixmap(at + QPoint(0, label), boards[i]);
        }
        p.end();
        Save(sheet, out.filePath(QStringLiteral("stone-sets.png")));
    }
    Save(StoneSheet(app.devicePixelRatio()), out.filePath(QStringLiteral("stone-pictures.png")));
    Save(SpecialSheet(app.devicePixelRatio()),
         out.filePath(QStringLiteral("special-pictures.png")));

    // A game in progress: grey grid, all four directions, a shown move, a hovered cell.
    {
        BoardWidget w;
        GameSettings s = Sample(0, 10, 20);
        s.Mrizka = 3;
        s.Skala = 3;
        s.Transformator = 1;
        s.Joly = 5;
        s.JinyZolik = 24;
        w.setSettings(s);
        w.setBoard(PlayedBoard(s));
        w.show();
        w.resize(w.sizeHint());
        w.showMove(Move{6, 7});
        Hover(w, w.layout().cellRect(8, 12).center());
        Save(Shot(w), out.filePath(QStringLiteral("board.png")));

        // The full redraw of a 15 x 25 board, once with new pictures and once from the cache.
        GameSettings big = Sample(1, 15, 25);
        big.Mrizka = 1;
        w.setSettings(big);
        w.setBoard(PlayedBoard(big));
        w.resize(w.sizeHint());
        QImage canvas(w.size() * w.devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
        canvas.setDevicePixelRatio(w.devicePixelRatio());
        QElapsedTimer timer;
        StonePictures::clearCache();
        timer.start();
        w.render(&canvas);
        const qint64 cold = timer.nsecsElapsed();
        qint64 warm = 0;
        for (int i = 0; i < 20; ++i) {
            timer.start();
            w.render(&canvas);
            warm += timer.nsecsElapsed();
        }
        log << "full redraw 15 x 25: first " << cold / 1000 << " us, then " << warm / 20 / 1000
            << " us\n";
    }

    // Large cells on a light background: locked, a gravity move shown, the keyboard cursor.
    {
        BoardWidget w;
        w.setCellGeometry(CellGeometry::Large());
        GameSettings s = Sample(3, 8, 14);
        s.Back = 0xE8E2DA;
        s.Mrizka = 1;
        s.Transformator = 1;
        s.Studna = 0;
        s.Sklo = 2;
        s.JineSklo = 22;
        w.setSettings(s);
        w.setBoard(PlayedBoard(s));
        w.setGravity(GravityLeft);
        w.setLocked(true);
        w.show();
        w.resize(w.sizeHint());
        w.activateWindow();
        w.setFocus();
        QApplication::processEvents();
        w.showMove(Move{0, GravityUp});
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        for (int i = 0; i < 4; ++i) QApplication::sendEvent(&w, &right);
        Save(Shot(w), out.filePath(QStringLiteral("board-large.png")));
        w.hideShownMove();
        w.setBusy(true);
        Save(Shot(w), out.filePath(QStringLiteral("board-busy.png")));
    }

    // The same field with cells of 22, 32 and 64 pixels.
    for (const int cell : {22, 32, 64}) {
        BoardWidget w;
        GameSettings s = Sample(4, 6, 10);
        s.Mrizka = 3;
        w.setSettings(s);
        w.setBoard(PlayedBoard(s));
        w.setPreferredCell(cell);
        Save(Shot(w), out.filePath(QStringLiteral("board-%1px.png").arg(cell)));
    }

    // The preview: the group under the pointer and what it scores, in a premium mode.
    {
        BoardWidget w;
        GameSettings s = Sample(0, 8, 14);
        s.Joly = 3;
        s.JinyZolik = 24;
        s.Rating = 6;
        w.setSettings(s);
        MoveRecord rec;
        rec.board = PlayedBoard(s);
        w.setBoard(rec.board);
        w.setPreferredCell(32);
        w.resize(w.sizeHint());
        const Rules rules = RulesFromSettings(s);
        const Move at = LargestGroup(rec, rules);
        Hover(w, w.layout().cellRect(at.row, at.col).center());
        w.setPreview(at, PreviewMove(rec, rules, EngineState{}, at));
        Save(Shot(w), out.filePath(QStringLiteral("board-preview.png")));
    }

    // Three moments of a move in motion: the group fades, the stones fall
    // (the glass above it breaks), the columns close up.
    {
        GameSettings s = Sample(6, 6, 10);
        s.Count = 5;
        s.Sklo = 4;
        s.JineSklo = 22;
        s.Directions = 0;
        s.Doraz = 1;
        const Rules rules = RulesFromSettings(s);
        MoveRecord from;
        std::optional<FallPlan> plan;
        MoveRecord to;
        for (std::int32_t number = 1; number < 400; ++number) {
            s.BeginNumber = number;
            Random rng;
            from = GenerateBoard(s, rng).position;
            const Move move = LargestGroup(from, rules);
            from.MoveRow = move.row;
            from.MoveCol = move.col;
            to = from;
            EngineState state;
            PlayMove(to, rules, state, move);
            plan = PlanFall(from, rules, to.board);
            if (plan && plan->closesUp && to.GlassBroken > 0) break;
        }
        BoardWidget w;
        w.setSettings(s);
        w.setBoard(to.board);
        w.setPreferredCell(32);
        w.resize(w.sizeHint());
        const int moments[] = {
            FallAnimation::FadeMs / 2, FallAnimation::FadeMs + FallAnimation::FallMs / 3,
            FallAnimation::FadeMs + FallAnimation::FallMs + FallAnimation::CloseUpMs / 2};
        QList<QPixmap> frames;
        QStringList captions;
        for (const int ms : moments) {
            w.animate(*plan);
            w.freezeAnimationAt(ms);
            frames << Shot(w);
            captions << QStringLiteral("%1 ms").arg(ms);
        }
        Save(Strip(frames, captions), out.filePath(QStringLiteral("board-fall.png")));
    }

    // A shown gravity move points from its own button.
    {
        BoardWidget w;
        GameSettings s = Sample(2, 6, 10);
        s.Mrizka = 3;
        w.setSettings(s);
        w.setBoard(PlayedBoard(s));
        w.setPreferredCell(32);
        w.resize(w.sizeHint());
        w.showMove(Move{0, GravityLeft});
        Save(Shot(w), out.filePath(QStringLiteral("board-gravity-arrow.png")));
    }

    {
        QPixmap strips(QSize(420, 3 * 30) * app.devicePixelRatio());
        strips.setDevicePixelRatio(app.devicePixelRatio());
        QPainter p(&strips);
        const int values[] = {0xFFFFFF, 0x40A0F0, 0x402000};
        for (int i = 0; i < 3; ++i) {
            HeadStrip head(QStringLiteral("Tumbla 1.19  (verze pro Koru CD)"));
            head.setColourValue(values[i]);
            head.resize(420, 30);
            p.drawPixmap(0, i * 30, head.grab());
        }
        p.end();
        Save(strips, out.filePath(QStringLiteral("head-strips.png")));
    }
    SaveWindowShots(out);
    SaveAdvisorShots(out);
    return 0;
}
