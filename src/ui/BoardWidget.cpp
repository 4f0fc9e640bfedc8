#include "ui/BoardWidget.h"

#include "ui/BoardArt.h"
#include "ui/ColourValue.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QToolTip>

namespace tumbla {

namespace {
constexpr int HoverResetMs = 1000;
constexpr int AnimationMs = 70;
constexpr int PointerSize = 20;
constexpr QColor MarkerRed{0xFF, 0x00, 0x00};
constexpr QColor MarkerBlack{0x00, 0x00, 0x00};
} // namespace

BoardWidget::BoardWidget(QWidget* parent)
    : QWidget(parent), layout_(CellGeometry::Normal(), settings_.Rows, settings_.Cols) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    hoverTimer_ = new QTimer(this);
    hoverTimer_->setInterval(HoverResetMs);
    connect(hoverTimer_, &QTimer::timeout, this, &BoardWidget::resetHover);
}

QSize BoardWidget::PreferredSize(CellGeometry geometry, int rows, int cols) {
    return BoardLayout(geometry, rows, cols).areaSize();
}

QSize BoardWidget::sizeHint() const {
    return layout_.areaSize();
}

QSize BoardWidget::minimumSizeHint() const {
    return layout_.areaSize();
}

void BoardWidget::setCellGeometry(CellGeometry geometry) {
    if (geometry == layout_.geometry()) return;
    layout_ = BoardLayout(geometry, layout_.rows(), layout_.cols());
    updateGeometry();
    redrawAll();
}

void BoardWidget::relayout() {
    const BoardLayout next(layout_.geometry(), settings_.Rows, settings_.Cols);
    const bool resized = next.rows() != layout_.rows() || next.cols() != layout_.cols();
    layout_ = next;
    if (resized) {
        cursor_ = cursorCell_ = Move{1, 1};
        mouseTag_ = hoverTag_ = pressedTag_ = 0;
        updateGeometry();
    }
}

void BoardWidget::setSettings(const GameSettings& settings) {
    settings_ = settings;
    relayout();
    lockedTag_ = lockedTransformerTag();
    redrawAll();
}

void BoardWidget::setBoard(const Board& board) {
    QRegion dirty;
    for (int row = 1; row <= layout_.rows(); ++row) {
        for (int col = 1; col <= layout_.cols(); ++col) {
            if (board.at(row, col) != board_.at(row, col)) dirty += layout_.cellRect(row, col);
        }
    }
    board_ = board;
    const int locked = lockedTransformerTag();
    if (locked != lockedTag_) {
        for (int tag : {lockedTag_, locked}) {
            if (tag != 0) dirty += layout_.cellRect(tag / 100, tag % 100);
        }
        lockedTag_ = locked;
    }
    if (!dirty.isEmpty()) update(dirty);
}

void BoardWidget::setCell(int row, int col, StoneCode code) {
    if (row < 1 || row > MaxRows || col < 1 || col > MaxCols) return;
    const StoneCode old = board_.at(row, col);
    if (old == code) return;
    board_.at(row, col) = code;
    if (inForce(row, col)) update(layout_.cellRect(row, col));
    if (IsTransformer(old) || IsTransformer(code)) {
        const int locked = lockedTransformerTag();
        if (locked != lockedTag_) {
            updateCell(lockedTag_);
            updateCell(locked);
            lockedTag_ = locked;
        }
    }
}

void BoardWidget::redrawAll() {
    update();
    // As after every full redraw, the highlight goes at the next idle moment.
    QTimer::singleShot(0, this, &BoardWidget::resetHover);
}

void BoardWidget::setGravity(int direction) {
    if (direction == gravity_) return;
    for (int d : {gravity_, direction}) update(layout_.gravityFrame(d));
    gravity_ = direction;
}

void BoardWidget::setLocked(bool locked) {
    locked_ = locked;
    for (int d = GravityDown; d <= GravityRight; ++d) update(layout_.gravityFrame(d));
    const int tag = lockedTransformerTag();
    for (int t : {lockedTag_, tag}) {
        if (t != 0) updateCell(t);
    }
    lockedTag_ = tag;
}

int BoardWidget::lockedTransformerTag() const {
    if (!locked_ || settings_.Transformator == 0) return 0;
    int found = 0;
    for (int row = 1; row <= layout_.rows(); ++row) {
        for (int col = 1; col <= layout_.cols(); ++col) {
            if (IsTransformer(board_.at(row, col))) found = row * 100 + col;
        }
    }
    return found;
}

void BoardWidget::showMove(Move move) {
    updateMoveRect(shownMove_);
    shownMove_ = move;
    updateMoveRect(shownMove_);
    updateAnimation();
}

void BoardWidget::hideShownMove() {
    updateMoveRect(shownMove_);
    shownMove_.reset();
    updateAnimation();
}

void BoardWidget::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    pressedTag_ = 0;
    pressedButton_ = -1;
    update();
    updateAnimation();
}

void BoardWidget::setPointerVisible(bool visible) {
    if (visible == pointerVisible_) return;
    pointerVisible_ = visible;
    update(QRect(pointer_, QSize(PointerSize, PointerSize)));
}

void BoardWidget::setPointerPosition(QPoint topLeft) {
    if (topLeft == pointer_) return;
    if (pointerVisible_) update(QRect(pointer_, QSize(PointerSize, PointerSize)));
    pointer_ = topLeft;
    if (pointerVisible_) update(QRect(pointer_, QSize(PointerSize, PointerSize)));
}

QRect BoardWidget::moveRect(Move move) const {
    if (move.row == 0) return layout_.gravityButton(move.col);
    return layout_.cellRect(move.row, move.col);
}

void BoardWidget::resetHover() {
    if (hoverTag_ != 0) updateCell(hoverTag_);
    hoverTag_ = 0;
}

bool BoardWidget::inForce(int row, int col) const {
    return row >= 1 && row <= layout_.rows() && col >= 1 && col <= layout_.cols();
}

PictureRef BoardWidget::pictureAt(int row, int col) const {
    if (!inForce(row, col)) return {};
    if (row * 100 + col == lockedTag_) return {PictureRef::Special, LockedTransformerPicture};
    return PictureOfCode(board_.at(row, col), settings_);
}

bool BoardWidget::isGravityButtonVisible(int direction) const {
    return direction >= GravityDown && direction <= GravityRight &&
           (settings_.Directions & (1 << direction)) != 0;
}

bool BoardWidget::isGravityButtonEnabled(int direction) const {
    return isGravityButtonVisible(direction) && !locked_ && direction != gravity_ && isEnabled() &&
           !busy_;
}

QColor BoardWidget::markerColour(int direction) const {
    return direction == gravity_ ? MarkerRed : MarkerBlack;
}

QColor BoardWidget::backgroundColour() const {
    return ColourFromValue(settings_.Back);
}

QColor BoardWidget::gridColour() const {
    switch (settings_.Mrizka) {
    case 1:
        return Qt::white;
    case 2:
        return Qt::black;
    case 3:
        return QColor(128, 128, 128);
    default:
        return {};
    }
}

void BoardWidget::updateCell(int tag) {
    if (tag > 0) update(layout_.cellRect(tag / 100, tag % 100));
}

void BoardWidget::updateMoveRect(std::optional<Move> move) {
    if (!move) return;
    if (move->row == 0)
        update(layout_.arrowCorner());
    else
        update(layout_.cellRect(move->row, move->col));
}

void BoardWidget::updateAnimation() {
    const bool running = busy_ || (shownMove_ && shownMove_->row == 0);
    if (running && animationTimer_ == nullptr) {
        animationTimer_ = new QTimer(this);
        animationTimer_->setInterval(AnimationMs);
        connect(animationTimer_, &QTimer::timeout, this, [this] {
            ++animationPhase_;
            if (busy_) update(layout_.fieldRect());
            if (shownMove_ && shownMove_->row == 0) update(layout_.arrowCorner());
        });
    }
    if (animationTimer_ == nullptr) return;
    if (running && !animationTimer_->isActive()) animationTimer_->start();
    if (!running) animationTimer_->stop();
}

int BoardWidget::gravityButtonAt(QPoint p) const {
    const int d = layout_.gravityButtonAt(p);
    return isGravityButtonVisible(d) ? d : -1;
}

// ---- mouse and keyboard ----

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!hoverTimer_->isActive()) hoverTimer_->start();
    const QPoint at = event->position().toPoint();
    const int tag = layout_.cellAt(at);
    if (tag != mouseTag_) {
        // Like a button the mouse enters: the old cell loses its highlight, the new one gets it.
        updateCell(hoverTag_);
        updateCell(mouseTag_);
        mouseTag_ = tag;
        hoverTag_ = tag;
        updateCell(tag);
        emit cellHovered(tag / 100, tag % 100);
    }
    const int button = gravityButtonAt(at);
    if (button != hoverButton_) {
        if (hoverButton_ >= 0) update(layout_.gravityFrame(hoverButton_));
        hoverButton_ = button;
        if (button >= 0) update(layout_.gravityFrame(button));
    }
}

void BoardWidget::leaveEvent(QEvent*) {
    updateCell(hoverTag_);
    updateCell(mouseTag_);
    if (hoverButton_ >= 0) update(layout_.gravityFrame(hoverButton_));
    const bool wasOverCell = mouseTag_ != 0;
    mouseTag_ = hoverTag_ = 0;
    hoverButton_ = -1;
    if (wasOverCell) emit cellHovered(0, 0);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (busy_ || event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    if (const int tag = layout_.cellAt(at); tag != 0) {
        pressedTag_ = tag;
        mouseTag_ = tag;
        updateCell(tag);
        return;
    }
    const int button = gravityButtonAt(at);
    if (button >= 0 && isGravityButtonEnabled(button)) {
        pressedButton_ = button;
        update(layout_.gravityFrame(button));
    }
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    const int tag = pressedTag_;
    const int button = pressedButton_;
    pressedTag_ = 0;
    pressedButton_ = -1;
    if (tag != 0) {
        updateCell(tag);
        if (layout_.cellAt(at) == tag && !busy_) {
            if (cursorVisible_) update(moveRect(cursor_).adjusted(-3, -3, 3, 3));
            cursor_ = cursorCell_ = Move::FromCode(tag);
            emit cellClicked(tag / 100, tag % 100);
        }
    } else if (button >= 0) {
        update(layout_.gravityFrame(button));
        if (gravityButtonAt(at) == button && isGravityButtonEnabled(button)) {
            emit cellClicked(0, button);
        }
    }
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    const bool activate = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if ((!arrow && !activate) || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (busy_) return;
    const QRect before = moveRect(cursor_).adjusted(-3, -3, 3, 3);
    if (!cursorVisible_) {
        // The first key only shows where the cursor is.
        cursorVisible_ = true;
        update(before);
        return;
    }
    if (arrow) {
        moveCursor(key);
        update(before);
        update(moveRect(cursor_).adjusted(-3, -3, 3, 3));
        return;
    }
    if (cursor_.row == 0) {
        if (isGravityButtonEnabled(cursor_.col)) emit cellClicked(0, cursor_.col);
    } else if (inForce(cursor_.row, cursor_.col)) {
        emit cellClicked(cursor_.row, cursor_.col);
    }
}

void BoardWidget::moveCursor(int key) {
    if (cursor_.row == 0) {
        // From a gravity button only the way back to the field leads anywhere.
        const int d = cursor_.col;
        const bool back = (d == GravityUp && key == Qt::Key_Down) ||
                          (d == GravityDown && key == Qt::Key_Up) ||
                          (d == GravityLeft && key == Qt::Key_Right) ||
                          (d == GravityRight && key == Qt::Key_Left);
        if (back) cursor_ = cursorCell_;
        return;
    }
    int row = cursor_.row;
    int col = cursor_.col;
    int beyond = -1;
    switch (key) {
    case Qt::Key_Up:
        row > 1 ? --row : beyond = GravityUp;
        break;
    case Qt::Key_Down:
        row < layout_.rows() ? ++row : beyond = GravityDown;
        break;
    case Qt::Key_Left:
        col > 1 ? --col : beyond = GravityLeft;
        break;
    default:
        col < layout_.cols() ? ++col : beyond = GravityRight;
        break;
    }
    if (beyond >= 0) {
        if (isGravityButtonVisible(beyond)) {
            cursorCell_ = cursor_;
            cursor_ = Move{0, static_cast<std::uint8_t>(beyond)};
        }
        return;
    }
    cursor_ = cursorCell_ = Move{static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(col)};
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (cursorVisible_) update(moveRect(cursor_).adjusted(-3, -3, 3, 3));
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (cursorVisible_) update(moveRect(cursor_).adjusted(-3, -3, 3, 3));
}

void BoardWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) update();
}

// ---- painting ----

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect clip = event->rect();
    p.fillRect(clip, backgroundColour());

    if (const QColor grid = gridColour(); grid.isValid()) {
        for (int i = 1; i <= layout_.rows() + 1; ++i) p.fillRect(layout_.horizontalLine(i), grid);
        for (int i = 1; i <= layout_.cols() + 1; ++i) p.fillRect(layout_.verticalLine(i), grid);
    }
    paintCells(p, clip);
    paintGravityButtons(p, clip);
    if (shownMove_ && shownMove_->row == 0 && clip.intersects(layout_.arrowCorner())) {
        PaintGravityArrow(p, layout_.arrowCorner(), shownMove_->col, animationPhase_);
    }
    if (cursorVisible_ && hasFocus()) paintCursor(p);
    if (pointerVisible_) {
        p.drawPixmap(pointer_, StonePictures::pointer(PointerSize, devicePixelRatioF()));
    }
    if (busy_) PaintBusyPanel(p, layout_.fieldRect(), animationPhase_);
}

void BoardWidget::paintCells(QPainter& p, const QRect& clip) {
    const qreal dpr = devicePixelRatioF();
    const auto& g = layout_.geometry();
    const int firstRow = std::max(1, (clip.top() - g.topOffset) / g.rowPitch());
    const int lastRow = std::min(layout_.rows(), (clip.bottom() - g.topOffset) / g.rowPitch());
    const int firstCol = std::max(1, (clip.left() - g.leftOffset) / g.colPitch());
    const int lastCol = std::min(layout_.cols(), (clip.right() - g.leftOffset) / g.colPitch());
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) paintCell(p, row, col, dpr);
    }
}

void BoardWidget::paintCell(QPainter& p, int row, int col, qreal dpr) {
    const QRect r = layout_.cellRect(row, col);
    const int tag = row * 100 + col;
    const bool raised = shownMove_ && shownMove_->row == row && shownMove_->col == col;
    const bool pressed = pressedTag_ == tag && mouseTag_ == tag;
    const bool hover = hoverTag_ == tag && !raised && !busy_;
    const PictureRef picture = pictureAt(row, col);
    const int size = r.width();
    const QColor light(255, 255, 255, 200);
    const QColor shadow(0, 0, 0, 170);

    const auto bevel = [&p](const QRect& b, const QColor& topLeft, const QColor& bottomRight) {
        p.fillRect(QRect(b.left(), b.top(), b.width(), 1), topLeft);
        p.fillRect(QRect(b.left(), b.top(), 1, b.height()), topLeft);
        p.fillRect(QRect(b.left(), b.bottom(), b.width(), 1), bottomRight);
        p.fillRect(QRect(b.right(), b.top(), 1, b.height()), bottomRight);
    };

    if (raised) {
        // The button face of a cell that stands out: the move about to be made.
        QLinearGradient face(r.topLeft(), r.bottomLeft());
        face.setColorAt(0, QColor(0xF6, 0xF7, 0xF9));
        face.setColorAt(1, QColor(0xB9, 0xBE, 0xC7));
        p.fillRect(r, face);
        bevel(r, Qt::white, QColor(0x30, 0x33, 0x3A));
        bevel(r.adjusted(1, 1, -1, -1), QColor(255, 255, 255, 150), QColor(0x70, 0x76, 0x80));
        p.drawPixmap(r.topLeft() + QPoint(2, 2), StonePictures::pixmap(picture, size - 4, dpr));
        return;
    }
    if (hover) p.fillRect(r, QColor(255, 255, 255, 45));
    const QPoint shift = pressed ? QPoint(1, 1) : QPoint(0, 0);
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
        const QRect frame = layout_.gravityFrame(d);
        if (!clip.intersects(frame)) continue;
        p.fillRect(frame, markerColour(d));
        const bool enabled = isGravityButtonEnabled(d);
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = layout_.gravityButton(d);
        option.state = QStyle::State_Raised;
        if (enabled) option.state |= QStyle::State_Enabled;
        if (enabled && hoverButton_ == d) option.state |= QStyle::State_MouseOver;
        if (pressedButton_ == d) option.state |= QStyle::State_Sunken;
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);
        const QColor glyph = enabled ? QColor(0x1C, 0x22, 0x2C) : QColor(0xA0, 0xA4, 0xAA);
        PaintButtonGlyph(p, option.rect, d, glyph);
    }
}

void BoardWidget::paintCursor(QPainter& p) {
    const QRect r = moveRect(cursor_).adjusted(-2, -2, 1, 1);
    const bool darkBack = backgroundColour().lightnessF() < 0.5;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(darkBack ? QColor(0xFF, 0xE0, 0x3A) : QColor(0x10, 0x50, 0xC8), 2));
    p.drawRect(r.adjusted(1, 1, 0, 0));
    p.setPen(QPen(darkBack ? QColor(0, 0, 0, 160) : QColor(255, 255, 255, 200), 1));
    p.drawRect(r.adjusted(-1, -1, 1, 1));
    p.restore();
}

const char* const BoardWidget::GravityHint = "překlopení gtravitace do tohoto směru ";

bool BoardWidget::event(QEvent* event) {
    // The gravity buttons are drawn here, so their hint is given here too.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int button = gravityButtonAt(help->pos());
        if (button < 0) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), QString::fromUtf8(GravityHint), this,
                               moveRect(Move{0, static_cast<std::uint8_t>(button)}));
        }
        return true;
    }
    return QWidget::event(event);
}

} // namespace tumbla
