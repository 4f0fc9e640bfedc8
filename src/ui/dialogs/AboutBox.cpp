#include "ui/dialogs/AboutBox.h"

#include "ui/art/BlankPixmap.h"
#include "ui/art/StonePictures.h"
#include "ui/dialogs/AboutAnimation.h"
#include "ui/windows/HeadStrip.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tumbla {

namespace {

QPushButton* LinkButton(const QString& url, const QString& hint, QWidget* parent) {
    auto* button = new QPushButton(url, parent);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("color: #1d4fa8; text-decoration: underline;"));
    button->setToolTip(hint);
    QObject::connect(button, &QPushButton::clicked,
                     [url] { QDesktopServices::openUrl(QUrl(url)); });
    return button;
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("  o programu:"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(new HeadStrip(QStringLiteral("  o programu:"), this));
    // Everything under the strip keeps clear of the window's edges.
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(14, 8, 14, 14);
    layout->setSpacing(8);
    outer->addLayout(layout);

    // The texts between the two animations.
    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 6);
    middle->addWidget(new AboutAnimation(AboutAnimation::RollingStone, this), 0, Qt::AlignBottom);
    auto* texts = new QVBoxLayout;
    middle->addLayout(texts, 1);
    middle->addWidget(new AboutAnimation(AboutAnimation::FallingStones, this), 0, Qt::AlignBottom);
    layout->addLayout(middle);

    auto* name = new QLabel(QStringLiteral("TUMBLA"), this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    texts->addWidget(name);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    QPixmap row = BlankPixmap(QSize(8 * 26, 24), devicePixelRatioF());
    {
        QPainter p(&row);
        for (int colour = 1; colour <= 8; ++colour)
            p.drawPixmap(
                (colour - 1) * 26, 0,
                StonePictures::stone(StonePictureIndex(0, colour), 24, devicePixelRatioF()));
    }
    logo->setPixmap(row);
    logo->setAlignment(Qt::AlignCenter);
    logo->setToolTip(QStringLiteral("vytvořeno ve\nspolupráci s\n  Koru CD"));
    texts->addWidget(logo);

    for (const QString& text : {QStringLiteral("verze 1.19"), QStringLiteral("hra - solitér")}) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignCenter);
        texts->addWidget(label);
    }
    layout->addWidget(LinkButton(QStringLiteral("https://tumbla.example.org/"),
                                 QStringLiteral("domovská stránka autora"), this));
    layout->addWidget(LinkButton(QStringLiteral("https://koru.example.org/"),
                                 QStringLiteral("WWW stránky časopisu Koru "), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(300);
}

} // namespace tumbla
