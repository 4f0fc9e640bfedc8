#include "ui/dialogs/AboutBox.h"

#include "support/EventLoop.h"
#include "support/FakeMessages.h"
#include "ui/dialogs/AboutAnimation.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace tumbla;
using namespace tumbla::test;

class AboutBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void textsHintsAndLinks() {
        AboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("  o programu:"));
        QStringList texts;
        for (const QLabel* label : box.findChildren<QLabel*>()) texts << label->text();
        for (const char* text : {"TUMBLA", "verze 1.19", "hra - solitér"})
            QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
        const auto* logo = box.findChild<QLabel*>(QStringLiteral("logo"));
        QVERIFY(logo);
        QCOMPARE(logo->toolTip(), QStringLiteral("vytvořeno ve\nspolupráci s\n  Koru CD"));
        QStringList hints;
        QStringList buttons;
        for (const QPushButton* button : box.findChildren<QPushButton*>()) {
            buttons << button->text();
            if (!button->toolTip().isEmpty()) hints << button->toolTip();
        }
        QCOMPARE(hints, (QStringList{QStringLiteral("domovská stránka autora"),
                                     QStringLiteral("WWW stránky časopisu Koru ")}));
        QVERIFY(buttons.contains(QStringLiteral("OK")));
    }

    void animationsRunOnlyWhileShown() {
        AboutBox box;
        const auto animations = box.findChildren<AboutAnimation*>();
        QCOMPARE(animations.size(), 2);
        QVERIFY(animations[0]->kind() != animations[1]->kind());
        for (const AboutAnimation* a : animations) QVERIFY(!a->isRunning());

        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        for (const AboutAnimation* a : animations) {
            QVERIFY(a->isRunning());
            QTRY_VERIFY(a->frame() >= 3);
        }
        KeepScreenshot(box, QStringLiteral("AboutBox"));

        box.accept();
        QVERIFY(!box.isVisible());
        std::vector<int> stopped;
        for (const AboutAnimation* a : animations) {
            QVERIFY(!a->isRunning());
            stopped.push_back(a->frame());
        }
        RunUntilIdle();
        for (std::size_t i = 0; i < stopped.size(); ++i)
            QCOMPARE(animations[qsizetype(i)]->frame(), stopped[i]);
    }

    void everyFrameDrawsSomething() {
        // Both pictures keep something on screen at every point of their cycles.
        for (auto kind : {AboutAnimation::RollingStone, AboutAnimation::FallingStones}) {
            AboutAnimation a(kind);
            a.show();
            const QImage empty = [&] {
                QImage i(a.size(), QImage::Format_ARGB32);
                i.fill(QColor(0xf4, 0xf1, 0xe8));
                return i;
            }();
            QImage previous;
            int changes = 0;
            // More frames than a whole cycle of either picture.
            for (int frame = 0; frame < 80; ++frame) {
                const QImage look = a.grab().toImage().convertToFormat(QImage::Format_ARGB32);
                QVERIFY(look != empty);
                if (!previous.isNull() && look != previous) ++changes;
                previous = look;
                a.step();
            }
            QVERIFY(changes > 40);
        }
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
