#include "ui/art/ToolIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace tumbla {

namespace {

const QColor Ink(0x2b, 0x3a, 0x55);
const QColor Blue(0x2f, 0x6f, 0xd0);
const QColor Green(0x2e, 0x9e, 0x4f);
const QColor Red(0xd0, 0x3b, 0x3b);
const QColor Gold(0xe8, 0xb0, 0x20);

void Stone(QPainter& p, QPointF centre, qreal r, const QColor& c) {
    QRadialGradient g(centre - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, c.lighter(170));
    g.setColorAt(1, c);
    p.setPen(QPen(c.darker(150), 0.8));
    p.setBrush(g);
    p.drawEllipse(centre, r, r);
}

void Triangle(QPainter& p, qreal x, qreal y, qreal w, qreal h, bool right) {
    QPolygonF t;
    if (right)
        t << QPointF(x, y) << QPointF(x + w, y + h / 2) << QPointF(x, y + h);
    else
        t << QPointF(x + w, y) << QPointF(x, y + h / 2) << QPointF(x + w, y + h);
    p.drawPolygon(t);
}

void Flag(QPainter& p, qreal x, qreal y, const QColor& c) {
    p.setPen(QPen(Ink, 1.6));
    p.drawLine(QPointF(x, y), QPointF(x, y + 16));
    p.setPen(QPen(c.darker(140), 1));
    p.setBrush(c);
    QPolygonF f;
    f << QPointF(x + 1, y) << QPointF(x + 10, y + 3.5) << QPointF(x + 1, y + 7);
    p.drawPolygon(f);
}

void Draw(QPainter& p, ToolIcon icon) {
    p.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
    case ToolIcon::NewGame:
        Stone(p, {7, 8}, 4.5, Red);
        Stone(p, {16, 8}, 4.5, Blue);
        Stone(p, {7, 17}, 4.5, Green);
        Stone(p, {16, 17}, 4.5, Gold);
        break;
    case ToolIcon::ByNumber: {
        p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 3), QPointF(7, 21));
        p.drawLine(QPointF(16, 3), QPointF(14, 21));
        p.drawLine(QPointF(4, 9), QPointF(20, 9));
        p.drawLine(QPointF(3, 15), QPointF(19, 15));
        break;
    }
    case ToolIcon::Load: {
        p.setPen(QPen(QColor(0x9a, 0x70, 0x10), 1));
        p.setBrush(QColor(0xf0, 0xc8, 0x50));
        p.drawRect(QRectF(2, 6, 17, 13));
        p.setBrush(QColor(0xfa, 0xdc, 0x78));
        QPolygonF lid;
        lid << QPointF(5, 10) << QPointF(22, 10) << QPointF(19, 19) << QPointF(2, 19);
        p.drawPolygon(lid);
        p.drawRect(QRectF(2, 4, 7, 2));
        break;
    }
    case ToolIcon::Save:
        p.setPen(QPen(Ink, 1));
        p.setBrush(Blue);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 7));
        p.setBrush(QColor(0xdd, 0xe4, 0xf0));
        p.drawRect(QRectF(6, 13, 12, 8));
        break;
    case ToolIcon::First:
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawRect(QRectF(4, 5, 2.5, 14));
        Triangle(p, 7, 5, 7, 14, false);
        Triangle(p, 13, 5, 7, 14, false);
        break;
    case ToolIcon::Back:
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        Triangle(p, 7, 5, 9, 14, false);
        break;
    case ToolIcon::GoTo:
        p.setPen(QPen(Ink, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 12), QPointF(14, 12));
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        Triangle(p, 12, 7, 6, 10, true);
        p.setBrush(Red);
        p.drawRect(QRectF(19, 4, 2.5, 16));
        break;
    case ToolIcon::Forward:
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        Triangle(p, 8, 5, 9, 14, true);
        break;
    case ToolIcon::Last:
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        Triangle(p, 4, 5, 7, 14, true);
        Triangle(p, 10, 5, 7, 14, true);
        p.drawRect(QRectF(17.5, 5, 2.5, 14));
        break;
    case ToolIcon::ShowMove:
        Stone(p, {9, 14}, 6, Green);
        p.setPen(Qt::NoPen);
        p.setBrush(Red);
        {
            QPolygonF cursor;
            cursor << QPointF(13, 4) << QPointF(22, 12) << QPointF(17.5, 12.5) << QPointF(20, 18)
                   << QPointF(18, 19) << QPointF(15.5, 13.5) << QPointF(13, 16.5);
            p.drawPolygon(cursor);
        }
        break;
    case ToolIcon::Settings: {
        p.setPen(QPen(Ink, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) p.drawLine(QPointF(4, 6 + i * 6), QPointF(20, 6 + i * 6));
        const qreal knobs[3] = {8, 15, 11};
        p.setPen(QPen(Ink, 1));
        p.setBrush(Gold);
        for (int i = 0; i < 3; ++i)
            p.drawRoundedRect(QRectF(knobs[i] - 2.5, 3 + i * 6, 5, 6), 1, 1);
        break;
    }
    case ToolIcon::AddMark:
        Flag(p, 6, 4, Red);
        p.setPen(QPen(Green, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 12), QPointF(17, 20));
        p.drawLine(QPointF(13, 16), QPointF(21, 16));
        break;
    case ToolIcon::Marks:
        Flag(p, 5, 3, Red);
        Flag(p, 13, 5, Blue);
        break;
    case ToolIcon::StoneCounts: {
        const QColor colours[4] = {Red, Blue, Green, Gold};
        const qreal heights[4] = {12, 17, 8, 14};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(colours[i]);
            p.drawRect(QRectF(3 + i * 5, 21 - heights[i], 4, heights[i]));
        }
        p.setPen(QPen(Ink, 1.2));
        p.drawLine(QPointF(2, 21.5), QPointF(22, 21.5));
        break;
    }
    case ToolIcon::HallOfFame: {
        p.setPen(QPen(QColor(0x9a, 0x70, 0x10), 1));
        p.setBrush(Gold);
        QPainterPath cup;
        cup.moveTo(6, 3);
        cup.lineTo(18, 3);
        cup.cubicTo(18, 12, 15, 14, 12, 14);
        cup.cubicTo(9, 14, 6, 12, 6, 3);
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2, 4, 6, 6), 90 * 16, 180 * 16);
        p.drawArc(QRectF(16, 4, 6, 6), -90 * 16, 180 * 16);
        p.setBrush(Gold);
        p.drawRect(QRectF(11, 14, 2, 4));
        p.drawRect(QRectF(7, 18, 10, 3));
        break;
    }
    case ToolIcon::Ranking:
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(0xc0, 0xc0, 0xc8));
        p.drawRect(QRectF(2, 12, 6, 9));
        p.setBrush(Gold);
        p.drawRect(QRectF(8, 7, 8, 14));
        p.setBrush(QColor(0xcd, 0x7f, 0x32));
        p.drawRect(QRectF(16, 14, 6, 7));
        Stone(p, {12, 4}, 2.5, Red);
        break;
    case ToolIcon::Submit:
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 6.5, 19, 12));
        p.drawLine(QPointF(2.5, 6.5), QPointF(12, 13));
        p.drawLine(QPointF(21.5, 6.5), QPointF(12, 13));
        break;
    case ToolIcon::Hint: {
        p.setPen(QPen(QColor(0x9a, 0x70, 0x10), 1));
        QRadialGradient g(QPointF(10, 8), 9);
        g.setColorAt(0, QColor(0xff, 0xf6, 0xb0));
        g.setColorAt(1, Gold);
        p.setBrush(g);
        p.drawEllipse(QRectF(5, 2, 14, 14));
        p.setBrush(QColor(0x90, 0x90, 0x98));
        p.drawRect(QRectF(9, 16, 6, 5));
        break;
    }
    case ToolIcon::Advice: {
        // A stone and the spark of a good idea above it.
        Stone(p, {9.5, 15}, 6.5, Blue);
        QPainterPath spark;
        const QPointF c(17, 7);
        const qreal outer = 6;
        const qreal inner = 1.6;
        for (int i = 0; i < 8; ++i) {
            const qreal r = i % 2 == 0 ? outer : inner;
            const qreal angle = i * 3.14159265358979 / 4 - 3.14159265358979 / 2;
            const QPointF point = c + QPointF(r * std::cos(angle), r * std::sin(angle));
            if (i == 0)
                spark.moveTo(point);
            else
                spark.lineTo(point);
        }
        spark.closeSubpath();
        p.setPen(QPen(QColor(0x9a, 0x70, 0x10), 0.8));
        p.setBrush(Gold);
        p.drawPath(spark);
        break;
    }
    case ToolIcon::MoreRight:
    case ToolIcon::MoreDown: {
        if (icon == ToolIcon::MoreDown) p.translate(24, 0), p.rotate(90);
        QPen pen(Ink, 2.4);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        for (const qreal x : {6.0, 12.75}) {
            QPainterPath chevron;
            chevron.moveTo(x, 6.75);
            chevron.lineTo(x + 5.25, 12);
            chevron.lineTo(x, 17.25);
            p.drawPath(chevron);
        }
        break;
    }
    }
}

// Paints on demand, so the toolbar costs nothing until it is drawn.
class ToolIconEngine final : public QIconEngine {
  public:
    explicit ToolIconEngine(ToolIcon icon) : icon_(icon) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 24.0);
        if (mode == QIcon::Disabled) painter->setOpacity(0.35);
        Draw(*painter, icon_);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap result(size);
        result.fill(Qt::transparent);
        QPainter p(&result);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return result;
    }
    QIconEngine* clone() const override { return new ToolIconEngine(icon_); }

  private:
    ToolIcon icon_;
};

} // namespace

QIcon MakeToolIcon(ToolIcon icon) {
    return QIcon(new ToolIconEngine(icon));
}

} // namespace tumbla
