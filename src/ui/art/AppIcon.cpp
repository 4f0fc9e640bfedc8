#include "ui/art/AppIcon.h"

#include "ui/art/StonePalette.h"
#include "ui/art/StoneSets.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace tumbla {

namespace {

// The picture is laid out on a 256-unit square.
constexpr qreal Units = 256;
constexpr qreal TileMargin = 8;
constexpr qreal TileRadius = 40;
constexpr qreal StonesMargin = 22; // from the picture's edge to the stones
const QColor TileTop(0x3A, 0x41, 0x50);
const QColor TileBottom(0x1A, 0x1D, 0x24);
const QColor TileEdge(0x0E, 0x10, 0x14);
// Top left, top right, bottom left, bottom right: a red group of three and a blue stone.
constexpr std::array<int, 4> Colours{2, 1, 1, 1};

qreal Cell() {
    return (Units - 2 * StonesMargin) / 2;
}

QRectF CellRect(int i) {
    return {StonesMargin + (i % 2) * Cell(), StonesMargin + (i / 2) * Cell(), Cell(), Cell()};
}

class AppIconEngine : public QIconEngine {
  public:
    void paint(QPainter* p, const QRect& rect, QIcon::Mode, QIcon::State) override {
        PaintAppIcon(*p, rect);
    }
    QIconEngine* clone() const override { return new AppIconEngine; }
    // What a window hands the window manager for its title bar and task
    // switcher. The large pictures of menus and docks come from the icon
    // files installed beside the desktop entry; drawing them here as well
    // would hold back the first showing of the window.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }
};

QString Hex(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString Number(qreal v) {
    return QString::number(v, 'g', 6);
}

} // namespace

QList<int> AppIconSizes() {
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

void PaintAppIcon(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(r.topLeft());
    p.scale(r.width() / Units, r.height() / Units);
    const QRectF tile(TileMargin, TileMargin, Units - 2 * TileMargin, Units - 2 * TileMargin);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, TileTop);
    fill.setColorAt(1, TileBottom);
    p.setPen(QPen(TileEdge, 4));
    p.setBrush(fill);
    p.drawRoundedRect(tile, TileRadius, TileRadius);
    p.restore();
    // The stones are drawn in device pixels, as on the board, so that their
    // hair lines keep the width the stone art gives them at that size.
    const qreal scale = r.width() / Units;
    for (int i = 0; i < 4; ++i) {
        const QRectF c = CellRect(i);
        PaintStone(p,
                   QRectF(r.left() + c.left() * scale, r.top() + c.top() * scale, c.width() * scale,
                          c.height() * scale),
                   0, Colours[static_cast<std::size_t>(i)]);
    }
}

QIcon AppIcon() {
    return QIcon(new AppIconEngine);
}

QString AppIconSvg() {
    // The stones follow the first stone set: a ball lit from the top left
    // with a gloss on its upper half (StoneSets.cpp, Balls).
    QString defs;
    QString body;
    const QRectF tile(TileMargin, TileMargin, Units - 2 * TileMargin, Units - 2 * TileMargin);
    defs += QStringLiteral("    <linearGradient id=\"tile\" x1=\"0\" y1=\"%1\" x2=\"0\" y2=\"%2\" "
                           "gradientUnits=\"userSpaceOnUse\">\n"
                           "      <stop offset=\"0\" stop-color=\"%3\"/>\n"
                           "      <stop offset=\"1\" stop-color=\"%4\"/>\n"
                           "    </linearGradient>\n")
                .arg(Number(tile.top()), Number(tile.bottom()), Hex(TileTop), Hex(TileBottom));
    body += QStringLiteral("  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" "
                           "fill=\"url(#tile)\" stroke=\"%4\" stroke-width=\"4\"/>\n")
                .arg(Number(TileMargin), Number(tile.width()), Number(TileRadius), Hex(TileEdge));
    for (int i = 0; i < 4; ++i) {
        const Hue h = HueOf(Colours[static_cast<std::size_t>(i)]);
        const QRectF cell = CellRect(i);
        const qreal inset = cell.width() * 0.05;
        const QRectF b = cell.adjusted(inset, inset, -inset, -inset);
        const QPointF focal(b.left() + 0.36 * b.width(), b.top() + 0.3 * b.height());
        const QRectF gloss(b.left() + 0.2 * b.width(), b.top() + 0.07 * b.height(), b.width() * 0.5,
                           b.height() * 0.34);
        defs += QStringLiteral("    <radialGradient id=\"ball%1\" cx=\"%2\" cy=\"%3\" r=\"%4\" "
                               "fx=\"%5\" fy=\"%6\" gradientUnits=\"userSpaceOnUse\">\n"
                               "      <stop offset=\"0\" stop-color=\"%7\"/>\n"
                               "      <stop offset=\"0.5\" stop-color=\"%8\"/>\n"
                               "      <stop offset=\"0.92\" stop-color=\"%9\"/>\n"
                               "      <stop offset=\"1\" stop-color=\"%10\"/>\n"
                               "    </radialGradient>\n")
                    .arg(QString::number(i), Number(b.center().x()), Number(b.center().y()),
                         Number(b.width() / 2), Number(focal.x()), Number(focal.y()), Hex(h.light),
                         Hex(h.base), Hex(h.dark))
                    .arg(Hex(Mix(h.dark, Qt::black, 0.3)));
        defs += QStringLiteral("    <linearGradient id=\"gloss%1\" x1=\"0\" y1=\"%2\" x2=\"0\" "
                               "y2=\"%3\" gradientUnits=\"userSpaceOnUse\">\n"
                               "      <stop offset=\"0\" stop-color=\"#ffffff\" "
                               "stop-opacity=\"%4\"/>\n"
                               "      <stop offset=\"1\" stop-color=\"#ffffff\" "
                               "stop-opacity=\"0\"/>\n"
                               "    </linearGradient>\n")
                    .arg(QString::number(i), Number(gloss.top()), Number(gloss.bottom()),
                         Number(210.0 / 255.0));
        body += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#ball%4)\"/>\n"
                               "  <ellipse cx=\"%5\" cy=\"%6\" rx=\"%7\" ry=\"%8\" "
                               "fill=\"url(#gloss%4)\"/>\n")
                    .arg(Number(b.center().x()), Number(b.center().y()), Number(b.width() / 2),
                         QString::number(i), Number(gloss.center().x()), Number(gloss.center().y()),
                         Number(gloss.width() / 2), Number(gloss.height() / 2));
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" "
                          "height=\"256\" viewBox=\"0 0 256 256\">\n"
                          "  <defs>\n") +
           defs + QStringLiteral("  </defs>\n") + body + QStringLiteral("</svg>\n");
}

} // namespace tumbla
