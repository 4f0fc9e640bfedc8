// Writes the game's icon for the desktop's icon theme, drawn by the game's own
// stone art:
//   tumbla-icons FOLDER NAME
// makes FOLDER/scalable/apps/NAME.svg and FOLDER/NxN/apps/NAME.png.

#include "ui/art/AppIcon.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

using namespace tumbla;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tumbla-icons FOLDER NAME\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    const auto folder = [&](const QString& sub) {
        const QString path = out.filePath(sub + QStringLiteral("/apps"));
        if (!QDir().mkpath(path)) {
            std::fprintf(stderr, "tumbla-icons: cannot make %s\n", qPrintable(path));
            std::exit(1);
        }
        return QDir(path);
    };
    QFile svg(folder(QStringLiteral("scalable")).filePath(name + QStringLiteral(".svg")));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        svg.write(AppIconSvg().toUtf8()) < 0 || !svg.flush()) {
        std::fprintf(stderr, "tumbla-icons: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int size : AppIconSizes()) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            PaintAppIcon(p, QRectF(0, 0, size, size));
        }
        const QString file = folder(QStringLiteral("%1x%1").arg(size)).filePath(name + ".png");
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "tumbla-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
