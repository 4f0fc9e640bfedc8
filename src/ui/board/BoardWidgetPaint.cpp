// How the playing area is drawn: cells, grid, gravity buttons and their arrow,
// the keyboard cursor, the preview of a click and the move in motion.

#include "ui/board/BoardArt.h"
#include "ui/board/BoardWidget.h"
#include "ui/board/FallAnimation.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace tumbla {

namespace {

// The bright marks (cursor, outline) on a dark background, dark ones on a light one.
bool DarkBackground(const QColor& back) {
    return back.lightnessF() < 0.5;
}

QFont BadgeFont(const QFont& base, int cell) {
    QFont font = base;
    font.setBold(true);
    font.setPixelSize(std::max(11, cell * 11 / 20));
    return font;
}

QString PointsText(int points) {
    return points > 0 ? QStringLiteral("+%1").arg(points) : QString::number(points);
}

// The badge with the points sits on the top right corner of the cell under
// the pointer, inside the widget.
QRect BadgeRect(const BoardLayout& layout, Move at, const QFontMetrics& metrics, int points,
                const QRect& bounds) {
    const QRect cell = layout.cellRect(at.row, at.col);
    const int pad = std::max(3, metrics.height() / 4);
    const QSize size(metrics.horizontalAdvance(PointsText(points)) + 2 * pad,
                     metrics.height() + pad / 2);
    QRect badge(
        QPoint(cell.right() - cell.width() / 4, cell.top() + cell.height() / 4 - size.height()),
        size);
    if (badge.right() > bounds.right()) badge.moveRight(cell.left() + cell.width() / 4);
    if (badge.top() < bounds.top()) badge.moveTop(cell.bottom() - cell.height() / 4);
    return badge;
}

} // namespace

QRect BoardWidget::cursorRect(Move move) const {
    const int reach = layout().geometry().scaled(3);
    return moveRect(move).adjusted(-reach, -reach, reach, reach);
}

QRect BoardWidget::groupRect(const MovePreview& group) const {
    QRect dirty;
    if (!group.valid) return dirty;
    const int reach = layout().geometry().gap + 1;
    for (int row = 1; row <= layout().rows(); ++row)
        for (int col = 1; col <= layout().cols(); ++col)
            if (group.contains(row, col))
                dirty |= layout().cellRect(row, col).adjusted(-reach, -reach, reach, reach);
    return dirty;
}

QRect BoardWidget::previewRect() const {
    if (!previewAt_) return {};
    const QFontMetrics metrics(BadgeFont(font(), layout().geometry().cellWidth));
    return groupRect(preview_) | BadgeRect(layout(), *previewAt_, metrics, preview_.points, rect());
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect clip = event->rect();
    p.fillRect(clip, backgroundColour());

    if (const QColor grid = gridColour(); grid.isValid()) {
        for (int i = 1; i <= layout().rows() + 1; ++i) p.fillRect(layout().horizontalLine(i), grid);
        for (int i = 1; i <= layout().cols() + 1; ++i) p.fillRect(layout().verticalLine(i), grid);
    }
    if (fall_) {
        fall_->paint(p, layout(), settings_, fallTime(), devicePixelRatioF());
    } else {
        paintCells(p, clip);
        if (shownMove_ && !busy_) paintGroup(p, shownGroup_);
        if (previewAt_ && !busy_) paintPreview(p);
    }
    paintGravityButtons(p, clip);
    if (cursorVisible_ && hasFocus()) paintCursor(p);
    if (pointerVisible_) {
        p.drawPixmap(pointerPosition(), StonePictures::pointer(pointerSize(), devicePixelRatioF()));
    }
    if (busy_) PaintBusyPanel(p, layout().fieldRect(), animationPhase_);
}

void BoardWidget::paintCells(QPainter& p, const QRect& clip) {
    const qreal dpr = devicePixelRatioF();
    const QRect area = clip.intersected(layout().fieldRect());
    if (area.isEmpty()) return;
    const auto& g = layout().geometry();
    const QPoint first = area.topLeft() - layout().origin();
    const QPoint last = area.bottomRight() - layout().origin();
    const int firstRow = std::max(1, (first.y() - g.topOffset) / g.rowPitch());
    const int lastRow = std::min(layout().rows(), (last.y() - g.topOffset) / g.rowPitch());
    const int firstCol = std::max(1, (first.x() - g.leftOffset) / g.colPitch());
    const int lastCol = std::min(layout().cols(), (last.x() - g.leftOffset) / g.colPitch());
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) paintCell(p, row, col, dpr);
    }
}

void BoardWidget::paintCell(QPainter& p, int row, int col, qreal dpr) {
    const QRect r = layout().cellRect(row, col);
    const int tag = CellTag(row, col);
    const bool raised = shownMove_ && shownMove_->row == row && shownMove_->col == col;
    const bool pressed = pressedTag_ == tag && mouseTag_ == tag;
    const bool hover = hoverTag_ == tag && !raised && !busy_;
    const PictureRef picture = pictureAt(row, col);
    const int size = r.width();
    const int line = layout().geometry().scaled(1);
    const QColor light(255, 255, 255, 200);
    const QColor shadow(0, 0, 0, 170);

    const auto bevel = [&p, line](const QRect& b, const QColor& topLeft,
                                  const QColor& bottomRight) {
        p.fillRect(QRect(b.left(), b.top(), b.width(), line), topLeft);
        p.fillRect(QRect(b.left(), b.top(), line, b.height()), topLeft);
        p.fillRect(QRect(b.left(), b.bottom() + 1 - line, b.width(), line), bottomRight);
        p.fillRect(QRect(b.right() + 1 - line, b.top(), line, b.height()), bottomRight);
    };

    if (raised) {
        // The button face of a cell that stands out: the move about to be made.
        QLinearGradient face(r.topLeft(), r.bottomLeft());
        face.setColorAt(0, QColor(0xF6, 0xF7, 0xF9));
        face.setColorAt(1, QColor(0xB9, 0xBE, 0xC7));
        p.fillRect(r, face);
        bevel(r, Qt::white, QColor(0x30, 0x33, 0x3A));
        bevel(r.adjusted(line, line, -line, -line), QColor(255, 255, 255, 150),
              QColor(0x70, 0x76, 0x80));
        const int inset = 2 * line;
        p.drawPixmap(r.topLeft() + QPoint(inset, inset),
                     StonePictures::pixmap(picture, size - 2 * inset, dpr));
        return;
    }
    if (hover) p.fillRect(r, QColor(255, 255, 255, 45));
    const QPoint shift = pressed ? QPoint(line, line) : QPoint(0, 0);
    if (picture.kind != PictureRef::None) {
        p.drawPixmap(r.topLeft() + shift, StonePictures::pixmap(picture, size, dpr));
    }
    if (pressed)
        bevel(r, shadow, light);
    else if (hover)
        bevel(r, light, shadow);
}

void BoardWidget::paintGravityButtons(QPainter& p, const QRect& clip) {
    for (int d = GravityDown; d <= GravityRight; ++d) {
        if (!isGravityButtonVisible(d)) continue;
        const QRect frame = layout().gravityFrame(d);
        if (!clip.intersects(frame)) continue;
        p.fillRect(frame, markerColour(d));
        const bool enabled = isGravityButtonEnabled(d);
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = layout().gravityButton(d);
        option.state = QStyle::State_Raised;
        if (enabled) option.state |= QStyle::State_Enabled;
        if (enabled && hoverButton_ == d) option.state |= QStyle::State_MouseOver;
        if (pressedButton_ == d) option.state |= QStyle::State_Sunken;
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);
        const QColor glyph = enabled ? QColor(0x1C, 0x22, 0x2C) : QColor(0xA0, 0xA4, 0xAA);
        PaintButtonGlyph(p, option.rect, d, glyph);
    }
    // A shown gravity move points from its own button.
    if (shownMove_ && shownMove_->row == 0) {
        const QRect box = layout().arrowBox(shownMove_->col);
        if (!clip.intersects(box)) return;
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0xF4, 0xC8, 215));
        const qreal round = box.width() < box.height() ? box.width() / 3.0 : box.height() / 3.0;
        p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), round, round);
        p.restore();
        const int inset = layout().geometry().scaled(2);
        PaintGravityArrow(p, box.adjusted(inset, inset, -inset, -inset), shownMove_->col,
                          animationPhase_);
    }
}

void BoardWidget::paintCursor(QPainter& p) {
    // A ring in the gaps around the cell, with a thin edge that keeps it
    // visible on stones of its own colour; all of it within cursorRect().
    const QRect bounds = cursorRect(cursor_);
    const int edge = layout().geometry().scaled(1);
    const int ring = layout().geometry().scaled(2);
    const bool dark = DarkBackground(backgroundColour());
    const auto frame = [&p](const QRect& r, int width, const QColor& colour) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
        p.fillRect(QRect(r.left(), r.bottom() + 1 - width, r.width(), width), colour);
        p.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
        p.fillRect(QRect(r.right() + 1 - width, r.top(), width, r.height()), colour);
    };
    frame(bounds, edge, dark ? QColor(0, 0, 0, 160) : QColor(255, 255, 255, 200));
    frame(bounds.adjusted(edge, edge, -edge, -edge), ring,
          dark ? QColor(0xFF, 0xE0, 0x3A) : QColor(0x10, 0x50, 0xC8));
}

void BoardWidget::paintGroup(QPainter& p, const MovePreview& group) {
    if (!group.valid) return;
    const auto& g = layout().geometry();
    const bool dark = DarkBackground(backgroundColour());
    const QColor tint = dark ? QColor(255, 255, 255, 56) : QColor(0x10, 0x30, 0x80, 40);
    const QColor outline = dark ? QColor(0xFF, 0xFF, 0xFF) : QColor(0x10, 0x30, 0x80);
    const auto in = [this, &group](int row, int col) { return inForce(row, col) && group.contains(row, col); };
    const int width = std::max(1, std::min(g.gap, g.scaled(2)));
    for (int row = 1; row <= layout().rows(); ++row)
        for (int col = 1; col <= layout().cols(); ++col) {
            if (!in(row, col)) continue;
            // The group reads as one shape: its cells and the gaps between them lighten.
            const QRect cell = layout().cellRect(row, col);
            const bool right = in(row, col + 1);
            const bool down = in(row + 1, col);
            p.fillRect(cell.adjusted(0, 0, right ? g.gap : 0, 0), tint);
            if (down) p.fillRect(QRect(cell.left(), cell.bottom() + 1, cell.width(), g.gap), tint);
            if (right && down && in(row + 1, col + 1))
                p.fillRect(QRect(cell.right() + 1, cell.bottom() + 1, g.gap, g.gap), tint);
            // Its edge runs in the gaps around it.
            const QRect ring = cell.adjusted(-width, -width, width, width);
            if (!in(row - 1, col))
                p.fillRect(QRect(ring.left(), ring.top(), ring.width(), width), outline);
            if (!in(row + 1, col))
                p.fillRect(QRect(ring.left(), cell.bottom() + 1, ring.width(), width), outline);
            if (!in(row, col - 1))
                p.fillRect(QRect(ring.left(), ring.top(), width, ring.height()), outline);
            if (!in(row, col + 1))
                p.fillRect(QRect(cell.right() + 1, ring.top(), width, ring.height()), outline);
        }
}

void BoardWidget::paintPreview(QPainter& p) {
    paintGroup(p, preview_);
    const auto& g = layout().geometry();
    const QFont badgeFont = BadgeFont(font(), g.cellWidth);
    const QFontMetrics metrics(badgeFont);
    const QRect badge = BadgeRect(layout(), *previewAt_, metrics, preview_.points, rect());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 180), 1));
    p.setBrush(QColor(0x14, 0x18, 0x22, 225));
    const qreal round = badge.height() / 2.0;
    p.drawRoundedRect(QRectF(badge).adjusted(0.5, 0.5, -0.5, -0.5), round, round);
    p.setFont(badgeFont);
    p.setPen(preview_.points < 0 ? QColor(0xFF, 0x8A, 0x80) : QColor(0xFF, 0xF2, 0xA8));
    p.drawText(badge, Qt::AlignCenter, PointsText(preview_.points));
    p.restore();
}

} // namespace tumbla
