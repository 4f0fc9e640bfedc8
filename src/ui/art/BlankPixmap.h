#pragma once
// A transparent canvas of a size in device-independent pixels, sharp on
// screens of any density.

#include <QPixmap>
#include <QSize>

namespace tumbla {

inline QPixmap BlankPixmap(QSize size, qreal dpr) {
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace tumbla
