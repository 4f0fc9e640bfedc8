#pragma once
// The game's icon: four stones of the first set on a dark tile, three of
// them one group. The window, the desktop menu and the package all show it.

#include <QIcon>
#include <QList>
#include <QString>

class QPainter;
class QRectF;

namespace tumbla {

// The square sizes the desktop is given as pictures.
QList<int> AppIconSizes();

void PaintAppIcon(QPainter& p, const QRectF& r);
// Drawn at the size asked for, when it is asked for.
QIcon AppIcon();
// The same picture as a scalable drawing, for the desktop's icon theme.
QString AppIconSvg();

} // namespace tumbla
