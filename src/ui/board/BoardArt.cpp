#include "ui/board/BoardArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace tumbla {

namespace {

// The arrow points down in a 26 x 40 box; other directions turn it.
QTransform ArrowTransform(const QRectF& box, int direction) {
    const bool vertical = direction == 0 || direction == 1;
    const QSizeF natural = vertical ? QSizeF(26, 40) : QSizeF(40, 26);
    const qreal scale = std::min(box.width() / natural.width(), box.height() / natural.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    static const qreal turn[4] = {0, 180, 90, -90};
    t.rotate(turn[std::clamp(direction, 0, 3)]);
    t.translate(-13, -20);
    return t;
}

QPainterPath ArrowShape() {
    QPainterPath path;
    path.addPolygon(QPolygonF({QPointF(8, 1), QPointF(18, 1), QPointF(18, 22), QPointF(25, 22),
                               QPointF(13, 39), QPointF(1, 22), QPointF(8, 22)}));
    path.closeSubpath();
    return path;
}

} // namespace

void PaintGravityArrow(QPainter& p, const QRectF& box, int direction, int phase) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(ArrowTransform(box, direction), true);
    const QPainterPath arrow = ArrowShape();
    QLinearGradient body(QPointF(0, 0), QPointF(26, 0));
    body.setColorAt(0, QColor(0xFF, 0x9A, 0x3C));
    body.setColorAt(1, QColor(0xD8, 0x3A, 0x1E));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(arrow);
    // A band of light flows toward the tip.
    p.setClipPath(arrow);
    const qreal y = -10 + 50.0 * (phase % ArrowFrames) / ArrowFrames;
    QLinearGradient band(QPointF(0, y - 8), QPointF(0, y + 8));
    band.setColorAt(0, QColor(255, 255, 255, 0));
    band.setColorAt(0.5, QColor(255, 255, 230, 200));
    band.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, y - 8, 26, 16), band);
    p.setClipping(false);
    p.setPen(QPen(QColor(0x5A, 0x12, 0x06), 1.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    p.restore();
}

void PaintButtonGlyph(QPainter& p, const QRectF& box, int direction, const QColor& colour) {
    const QPointF c = box.center();
    const qreal s = std::min(box.width(), box.height()) * 0.27;
    QPolygonF tri({QPointF(-s, -s * 0.55), QPointF(s, -s * 0.55), QPointF(0, s * 0.65)});
    QTransform t;
    static const qreal turn[4] = {0, 180, 90, -90};
    t.rotate(turn[std::clamp(direction, 0, 3)]);
    tri = t.map(tri).translated(c);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPolygon(tri);
    p.restore();
}

void PaintBusyPanel(QPainter& p, const QRectF& area, int phase) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    const QString text = QStringLiteral("pracuji...");
    const qreal textWidth = p.fontMetrics().horizontalAdvance(text);
    const QSizeF size(textWidth + 64, 46);
    const QRectF panel(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
    QLinearGradient bg(panel.topLeft(), panel.bottomLeft());
    bg.setColorAt(0, QColor(0xFB, 0xFC, 0xFE));
    bg.setColorAt(1, QColor(0xDD, 0xE3, 0xEC));
    p.setPen(QPen(QColor(0x55, 0x60, 0x70), 1));
    p.setBrush(bg);
    p.drawRoundedRect(panel.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);

    const QPointF hub(panel.left() + 24, panel.center().y());
    for (int i = 0; i < SpinnerFrames; ++i) {
        const qreal a = i * 2 * M_PI / SpinnerFrames;
        const int age = (phase - i + SpinnerFrames * 64) % SpinnerFrames;
        QColor dot(0x2F, 0x6F, 0xE6);
        dot.setAlphaF(static_cast<float>(1.0 - age * 0.11));
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(hub + QPointF(std::cos(a), std::sin(a)) * 9, 2.4, 2.4);
    }
    p.setPen(QColor(0x1E, 0x26, 0x33));
    p.drawText(panel.adjusted(44, 0, -10, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    p.restore();
}

} // namespace tumbla
