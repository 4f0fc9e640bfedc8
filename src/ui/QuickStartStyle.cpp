#include "ui/QuickStartStyle.h"

#include "ui/BlankPixmap.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace tumbla {

namespace {

// A double chevron pointing right (or down), as the style's own arrow.
QIcon OverflowArrow(bool down, const QColor& colour) {
    QPixmap pixmap = BlankPixmap(QSize(16, 16), 2.0);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (down) p.translate(16, 0), p.rotate(90);
    QPen pen(colour, 1.6);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    for (const qreal x : {4.0, 8.5}) {
        QPainterPath chevron;
        chevron.moveTo(x, 4.5);
        chevron.lineTo(x + 3.5, 8);
        chevron.lineTo(x, 11.5);
        p.drawPath(chevron);
    }
    return QIcon(pixmap);
}

} // namespace

QIcon QuickStartStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                    const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return OverflowArrow(
            icon == SP_ToolBarVerticalExtensionButton,
            (widget ? widget->palette() : standardPalette()).color(QPalette::ButtonText));
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace tumbla
