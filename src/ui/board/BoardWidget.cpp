#include "ui/board/BoardWidget.h"

#include "ui/art/ColourValue.h"
#include "ui/board/FallAnimation.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>

namespace tumbla {

namespace {
constexpr int HoverResetMs = 1000;
constexpr int AnimationMs = 70;
constexpr int FallFrameMs = 15;
constexpr int PointerSize = 20;
constexpr QColor MarkerRed{0xFF, 0x00, 0x00};
constexpr QColor MarkerBlack{0x00, 0x00, 0x00};
} // namespace

BoardWidget::BoardWidget(QWidget* parent)
    // settings_ is made after layout_: its default is read from a fresh record.
    : QWidget(parent), layout_(CellGeometry::Normal(), GameSettings{}.Rows, GameSettings{}.Cols) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    hoverTimer_ = new QTimer(this);
    hoverTimer_->setInterval(HoverResetMs);
    connect(hoverTimer_, &QTimer::timeout, this, &BoardWidget::resetHover);
    fallTimer_ = new QTimer(this);
    fallTimer_->setInterval(FallFrameMs);
    connect(fallTimer_, &QTimer::timeout, this, &BoardWidget::advanceFall);
}

BoardWidget::~BoardWidget() = default;

QSize BoardWidget::PreferredSize(CellGeometry geometry, int rows, int cols) {
    return BoardLayout(geometry, rows, cols).areaSize();
}

QSize BoardWidget::sizeHint() const {
    return PreferredSize(base_.grownTo(preferredCell_), layout().rows(), layout().cols());
}

QSize BoardWidget::minimumSizeHint() const {
    return PreferredSize(base_, layout().rows(), layout().cols());
}

void BoardWidget::setCellGeometry(CellGeometry geometry) {
    if (geometry == base_) return;
    base_ = geometry;
    preferredCell_ = geometry.cellWidth;
    relayout();
    updateGeometry();
    redrawAll();
}

void BoardWidget::setPreferredCell(int cell) {
    cell = std::clamp(cell, base_.cellWidth, CellGeometry::MaxCell);
    if (cell == preferredCell_) return;
    preferredCell_ = cell;
    updateGeometry();
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

const BoardLayout& BoardWidget::layout() const {
    if (layoutSize_ != size()) fitLayout();
    return layout_;
}

void BoardWidget::fitLayout() const {
    layout_ = BoardLayout::Fitting(base_, settings_.Rows, settings_.Cols, size());
    layoutSize_ = size();
}

void BoardWidget::relayout() {
    const int rows = layout_.rows();
    const int cols = layout_.cols();
    fitLayout();
    if (layout_.rows() != rows || layout_.cols() != cols) {
        const Move before = cursor_;
        cursor_ = cursorCell_ = Move{1, 1};
        mouseTag_ = hoverTag_ = pressedTag_ = 0;
        updateGeometry();
        if (cursor_ != before) emit cursorMoved(cursor_);
    }
    update();
}

void BoardWidget::setSettings(const GameSettings& settings) {
    finishAnimation();
    settings_ = settings;
    relayout();
    lockedTag_ = lockedTransformerTag();
    clearPreview();
    redrawAll();
}

void BoardWidget::setBoard(const Board& board) {
    finishAnimation();
    QRegion dirty;
    for (int row = 1; row <= layout().rows(); ++row) {
        for (int col = 1; col <= layout().cols(); ++col) {
            if (board.at(row, col) != board_.at(row, col)) dirty += layout().cellRect(row, col);
        }
    }
    board_ = board;
    const int locked = lockedTransformerTag();
    if (locked != lockedTag_) {
        for (int tag : {lockedTag_, locked}) {
            if (tag != 0) dirty += layout().cellRect(Move::FromCode(tag));
        }
        lockedTag_ = locked;
    }
    if (!dirty.isEmpty()) {
        clearPreview();
        update(dirty);
    }
}

void BoardWidget::setCell(int row, int col, StoneCode code) {
    if (row < 1 || row > MaxRows || col < 1 || col > MaxCols) return;
    finishAnimation();
    const StoneCode old = board_.at(row, col);
    if (old == code) return;
    clearPreview();
    board_.at(row, col) = code;
    if (inForce(row, col)) update(layout().cellRect(row, col));
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
    for (int d : {gravity_, direction}) update(layout().gravityFrame(d));
    gravity_ = direction;
}

void BoardWidget::setLocked(bool locked) {
    locked_ = locked;
    for (int d = GravityDown; d <= GravityRight; ++d) update(layout().gravityFrame(d));
    const int tag = lockedTransformerTag();
    for (int t : {lockedTag_, tag}) {
        if (t != 0) updateCell(t);
    }
    lockedTag_ = tag;
}

int BoardWidget::lockedTransformerTag() const {
    if (!locked_ || settings_.Transformator == 0) return 0;
    int found = 0;
    for (int row = 1; row <= layout().rows(); ++row) {
        for (int col = 1; col <= layout().cols(); ++col) {
            if (IsTransformer(board_.at(row, col))) found = CellTag(row, col);
        }
    }
    return found;
}

void BoardWidget::showMove(Move move, const MovePreview& group) {
    hideShownMove();
    shownMove_ = move;
    shownGroup_ = group;
    updateMoveRect(shownMove_);
    update(groupRect(shownGroup_));
    updateAnimation();
}

void BoardWidget::hideShownMove() {
    updateMoveRect(shownMove_);
    update(groupRect(shownGroup_));
    shownMove_.reset();
    shownGroup_ = {};
    updateAnimation();
}

// ---- the preview and the move in motion ----

void BoardWidget::setPreview(Move at, const MovePreview& preview) {
    if (previewAt_ == at && preview_ == preview) return;
    clearPreview();
    if (!preview.valid) return;
    previewAt_ = at;
    preview_ = preview;
    update(previewRect());
}

void BoardWidget::clearPreview() {
    if (!previewAt_) return;
    update(previewRect());
    previewAt_.reset();
    preview_ = {};
}

void BoardWidget::animate(const FallPlan& plan) {
    finishAnimation();
    auto animation = std::make_unique<FallAnimation>(plan);
    if (animation->duration() <= 0) return;
    clearPreview();
    fall_ = std::move(animation);
    fallFrozenAt_ = -1;
    fallClock_.start();
    fallTimer_->start();
    update(layout().fieldRect());
}

int BoardWidget::fallTime() const {
    return fallFrozenAt_ >= 0 ? fallFrozenAt_ : static_cast<int>(fallClock_.elapsed());
}

void BoardWidget::advanceFall() {
    if (!fall_) return;
    if (fallTime() >= fall_->duration()) {
        finishAnimation();
        return;
    }
    update(layout().fieldRect());
}

void BoardWidget::finishAnimation() {
    if (!fall_) return;
    fall_.reset();
    fallTimer_->stop();
    update(layout().fieldRect());
    emit animationFinished();
}

void BoardWidget::freezeAnimationAt(int milliseconds) {
    fallFrozenAt_ = milliseconds;
    update(layout().fieldRect());
}

// ----

void BoardWidget::setBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    pressedTag_ = 0;
    pressedButton_ = -1;
    update();
    updateAnimation();
}

int BoardWidget::pointerSize() const {
    return layout().geometry().scaled(PointerSize);
}

QRect BoardWidget::pointerRect() const {
    return QRect(pointerPosition(), QSize(pointerSize(), pointerSize()));
}

void BoardWidget::setPointerVisible(bool visible) {
    if (visible == pointerVisible_) return;
    pointerVisible_ = visible;
    update(pointerRect());
}

void BoardWidget::setPointerPosition(QPoint topLeft) {
    const double scale = layout().geometry().scale;
    const QPointF base = QPointF(topLeft - layout().origin()) / scale;
    if (base == pointer_) return;
    if (pointerVisible_) update(pointerRect());
    pointer_ = base;
    if (pointerVisible_) update(pointerRect());
}

QPoint BoardWidget::pointerPosition() const {
    return layout().origin() + (pointer_ * layout().geometry().scale).toPoint();
}

QRect BoardWidget::moveRect(Move move) const {
    if (move.row == 0) return layout().gravityButton(move.col);
    return layout().cellRect(move.row, move.col);
}

void BoardWidget::resetHover() {
    if (hoverTag_ != 0) updateCell(hoverTag_);
    hoverTag_ = 0;
}

bool BoardWidget::inForce(int row, int col) const {
    return row >= 1 && row <= layout().rows() && col >= 1 && col <= layout().cols();
}

PictureRef BoardWidget::pictureAt(int row, int col) const {
    if (!inForce(row, col)) return {};
    if (CellTag(row, col) == lockedTag_) return {PictureRef::Special, LockedTransformerPicture};
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
    if (tag > 0) update(layout().cellRect(Move::FromCode(tag)));
}

void BoardWidget::updateMoveRect(std::optional<Move> move) {
    if (!move) return;
    if (move->row == 0)
        update(layout().arrowBox(move->col));
    else
        update(layout().cellRect(move->row, move->col));
}

void BoardWidget::updateCursor() {
    if (cursorVisible_) update(cursorRect(cursor_));
}

void BoardWidget::updateAnimation() {
    const bool running = busy_ || (shownMove_ && shownMove_->row == 0);
    if (running && animationTimer_ == nullptr) {
        animationTimer_ = new QTimer(this);
        animationTimer_->setInterval(AnimationMs);
        connect(animationTimer_, &QTimer::timeout, this, [this] {
            ++animationPhase_;
            if (busy_) update(layout().fieldRect());
            if (shownMove_ && shownMove_->row == 0) update(layout().arrowBox(shownMove_->col));
        });
    }
    if (animationTimer_ == nullptr) return;
    if (running && !animationTimer_->isActive()) animationTimer_->start();
    if (!running) animationTimer_->stop();
}

int BoardWidget::gravityButtonAt(QPoint p) const {
    const int d = layout().gravityButtonAt(p);
    return isGravityButtonVisible(d) ? d : -1;
}

// ---- mouse and keyboard ----

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!hoverTimer_->isActive()) hoverTimer_->start();
    const QPoint at = event->position().toPoint();
    const int tag = layout().cellAt(at);
    if (tag != mouseTag_) {
        // Like a button the mouse enters: the old cell loses its highlight, the new one gets it.
        updateCell(hoverTag_);
        updateCell(mouseTag_);
        mouseTag_ = tag;
        hoverTag_ = tag;
        updateCell(tag);
        emit cellHovered(Move::FromCode(tag));
    }
    const int button = gravityButtonAt(at);
    if (button != hoverButton_) {
        if (hoverButton_ >= 0) update(layout().gravityFrame(hoverButton_));
        hoverButton_ = button;
        if (button >= 0) update(layout().gravityFrame(button));
    }
}

void BoardWidget::leaveEvent(QEvent*) {
    updateCell(hoverTag_);
    updateCell(mouseTag_);
    if (hoverButton_ >= 0) update(layout().gravityFrame(hoverButton_));
    const bool wasOverCell = mouseTag_ != 0;
    mouseTag_ = hoverTag_ = 0;
    hoverButton_ = -1;
    if (wasOverCell) emit cellHovered(Move{});
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (busy_ || event->button() != Qt::LeftButton) return;
    // A click during a move in motion first shows where the move led.
    finishAnimation();
    const QPoint at = event->position().toPoint();
    if (const int tag = layout().cellAt(at); tag != 0) {
        pressedTag_ = tag;
        mouseTag_ = tag;
        updateCell(tag);
        return;
    }
    const int button = gravityButtonAt(at);
    if (button >= 0 && isGravityButtonEnabled(button)) {
        pressedButton_ = button;
        update(layout().gravityFrame(button));
    }
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // The first click of the pair has made its move; the second press makes none.
    if (pressedTag_ != 0) updateCell(pressedTag_);
    if (pressedButton_ >= 0) update(layout().gravityFrame(pressedButton_));
    pressedTag_ = 0;
    pressedButton_ = -1;
    event->accept();
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
        if (layout().cellAt(at) == tag && !busy_) {
            // The keyboard cursor follows the mouse, repainted where it was and
            // where it is; the window learns of it, so that what Enter plays
            // and what the outline shows stay one group.
            updateCursor();
            const Move before = cursor_;
            cursor_ = cursorCell_ = Move::FromCode(tag);
            updateCursor();
            if (cursor_ != before) emit cursorMoved(cursor_);
            emit cellClicked(Move::FromCode(tag));
        }
    } else if (button >= 0) {
        update(layout().gravityFrame(button));
        if (gravityButtonAt(at) == button && isGravityButtonEnabled(button)) {
            emit cellClicked(Move{0, static_cast<std::uint8_t>(button)});
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
    finishAnimation();
    if (!cursorVisible_) {
        // The first key only shows where the cursor is.
        cursorVisible_ = true;
        updateCursor();
        emit cursorMoved(cursor_);
        return;
    }
    if (arrow) {
        updateCursor();
        const Move before = cursor_;
        moveCursor(key);
        updateCursor();
        if (cursor_ != before) emit cursorMoved(cursor_);
        return;
    }
    if (cursor_.row == 0) {
        if (isGravityButtonEnabled(cursor_.col)) emit cellClicked(cursor_);
    } else if (inForce(cursor_.row, cursor_.col)) {
        emit cellClicked(cursor_);
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
        row < layout().rows() ? ++row : beyond = GravityDown;
        break;
    case Qt::Key_Left:
        col > 1 ? --col : beyond = GravityLeft;
        break;
    default:
        col < layout().cols() ? ++col : beyond = GravityRight;
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
    updateCursor();
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    updateCursor();
}

void BoardWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) update();
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
