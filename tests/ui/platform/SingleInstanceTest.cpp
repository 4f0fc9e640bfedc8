// A second start of the game finds the first, asks it to come forward and
// ends; whoever starts first, however many start at once, and whatever their
// environment says.

#include "ui/platform/SingleInstance.h"
#include "support/MainWindowFixture.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTimer>

#include <csignal>
#include <cstdio>

using namespace tumbla;
using namespace tumbla::test;

namespace {

constexpr const char* ChildMode = "TUMBLA_CLAIM_CHILD";

// A start of the game as far as the guard goes: it claims, says what it got,
// and a holder stays a while, counting the starts that ask it to come forward.
int RunClaimingChild(int argc, char** argv, const QString& folders) {
    QCoreApplication app(argc, argv);
    const QStringList parts = folders.split(QLatin1Char('|'));
    SingleInstance instance(parts.value(0), parts.value(1));
    int woken = 0;
    QObject::connect(&instance, &SingleInstance::activationRequested, [&] { ++woken; });
    const SingleInstance::Claim claim = instance.claim();
    const char* said = claim == SingleInstance::Claim::Holder      ? "holder"
                       : claim == SingleInstance::Claim::Signalled ? "signalled"
                                                                   : "unguarded";
    std::printf("%s\n", said);
    std::fflush(stdout);
    if (claim != SingleInstance::Claim::Holder) return 0;
    QTimer::singleShot(parts.value(2).toInt(), &app, &QCoreApplication::quit);
    app.exec();
    std::printf("woken %d\n", woken);
    return 0;
}

QProcess* StartChild(const QString& dataFolder, const QString& runtimeFolder, int stayMs,
                     const QString& user, QObject* parent) {
    auto* child = new QProcess(parent);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(ChildMode), dataFolder + QLatin1Char('|') + runtimeFolder +
                                                   QLatin1Char('|') + QString::number(stayMs));
    env.insert(QStringLiteral("USER"), user);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child->setProcessEnvironment(env);
    child->start(QCoreApplication::applicationFilePath(), {});
    return child;
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
  private slots:
    void secondStartWakesTheFirst() {
        QTemporaryDir data, runtime;
        SingleInstance first(data.path(), runtime.filePath(QStringLiteral("rt")));
        QSignalSpy woken(&first, &SingleInstance::activationRequested);
        QCOMPARE(first.claim(), SingleInstance::Claim::Holder);
        SingleInstance second(data.path(), runtime.filePath(QStringLiteral("rt")));
        QCOMPARE(second.claim(), SingleInstance::Claim::Signalled);
        QVERIFY(woken.wait(2000));
        // Only the player may enter the folder of the lock and the socket.
        QCOMPARE(QFileInfo(runtime.filePath(QStringLiteral("rt"))).permissions() &
                     (QFile::ReadGroup | QFile::ReadOther | QFile::ExeGroup | QFile::ExeOther),
                 QFileDevice::Permissions());
    }

    void oneGamePerDataFolderHoweverItIsNamed() {
        QTemporaryDir data, other, runtime;
        const QString rt = runtime.filePath(QStringLiteral("rt"));
        QVERIFY(QFile::link(data.path(), other.filePath(QStringLiteral("link"))));
        SingleInstance first(data.path(), rt);
        QCOMPARE(first.claim(), SingleInstance::Claim::Holder);
        QCOMPARE(SingleInstance(other.filePath(QStringLiteral("link")), rt).claim(),
                 SingleInstance::Claim::Signalled);
        QCOMPARE(SingleInstance(data.path() + QStringLiteral("/."), rt).claim(),
                 SingleInstance::Claim::Signalled);
        QCOMPARE(SingleInstance(other.path(), rt).claim(), SingleInstance::Claim::Holder);
    }

    void theFirstWindowComesForward() {
        QTemporaryDir dir, runtime;
        auto w = OpenWindow(dir);
        w->showMinimized();
        SingleInstance first(dir.path(), runtime.path());
        QCOMPARE(first.claim(), SingleInstance::Claim::Holder);
        connect(&first, &SingleInstance::activationRequested, w.get(), &GameWindow::bringForward);
        QSignalSpy woken(&first, &SingleInstance::activationRequested);
        QCOMPARE(SingleInstance(dir.path(), runtime.path()).claim(),
                 SingleInstance::Claim::Signalled);
        QVERIFY(woken.wait(2000));
        QVERIFY(!w->isMinimized());
        QVERIFY(w->isVisible());
    }

    // Eight starts at the same moment, each with another USER (or none): one
    // holds the folder, the seven others ask it to come forward.
    void startsAtTheSameMomentLeaveOneGame() {
        QTemporaryDir data, runtime;
        const QString rt = runtime.filePath(QStringLiteral("rt"));
        for (int round = 0; round < 3; ++round) {
            QList<QProcess*> children;
            for (int i = 0; i < 8; ++i)
                children << StartChild(data.path(), rt, 1500,
                                       i % 3 == 0 ? QString() : QStringLiteral("u%1").arg(i), this);
            int holders = 0, signalled = 0, woken = 0;
            for (QProcess* child : children) {
                QVERIFY(child->waitForFinished(20000));
                const QString out = QString::fromLatin1(child->readAllStandardOutput());
                holders += out.startsWith(QStringLiteral("holder"));
                signalled += out.startsWith(QStringLiteral("signalled"));
                if (out.contains(QStringLiteral("woken ")))
                    woken = out.section(QStringLiteral("woken "), 1).trimmed().toInt();
                delete child;
            }
            QCOMPARE(holders, 1);
            QCOMPARE(signalled, 7);
            QVERIFY2(woken >= 1, qPrintable(QString::number(woken)));
        }
    }

    // A game killed outright leaves its lock file and socket behind; the next
    // start takes them over without a word.
    void aKilledGameLeavesNothingInTheWay() {
        QTemporaryDir data, runtime;
        const QString rt = runtime.filePath(QStringLiteral("rt"));
        QProcess* child = StartChild(data.path(), rt, 60000, QStringLiteral("x"), this);
        QVERIFY(child->waitForReadyRead(20000));
        QCOMPARE(child->readLine().trimmed(), QByteArray("holder"));
        QCOMPARE(SingleInstance(data.path(), rt).claim(), SingleInstance::Claim::Signalled);
        ::kill(static_cast<pid_t>(child->processId()), SIGKILL);
        QVERIFY(child->waitForFinished(20000));
        delete child;
        SingleInstance next(data.path(), rt);
        QCOMPARE(next.claim(), SingleInstance::Claim::Holder);
    }

    // The guard's folder lies where no other user can make it first: the
    // player's own runtime folder, else (none, or one open to others) the
    // player's cache folder.
    void theGuardsFolderIsOneOnlyThePlayerCanMake() {
        QTemporaryDir runtime, cache;
        QVERIFY(QFile::setPermissions(runtime.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray oldCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const QString inRuntime = SingleInstance::DefaultRuntimeFolder();
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadOther |
                                                  QFile::WriteOther | QFile::ExeOther);
        const QString openToOthers = SingleInstance::DefaultRuntimeFolder();
        qunsetenv("XDG_RUNTIME_DIR");
        const QString withoutRuntime = SingleInstance::DefaultRuntimeFolder();
        for (const auto& [name, value] :
             {std::pair{"XDG_RUNTIME_DIR", oldRuntime}, std::pair{"XDG_CACHE_HOME", oldCache}})
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
        QCOMPARE(inRuntime, runtime.filePath(QStringLiteral("tumbla")));
        QCOMPARE(openToOthers, cache.filePath(QStringLiteral("tumbla")));
        QCOMPARE(withoutRuntime, cache.filePath(QStringLiteral("tumbla")));
        QTemporaryDir data;
        SingleInstance instance(data.path(), withoutRuntime);
        QCOMPARE(instance.claim(), SingleInstance::Claim::Holder);
    }

    // A runtime folder that another could have put there is not trusted.
    void aFolderThatIsALinkIsNotUsed() {
        QTemporaryDir data, runtime;
        QVERIFY(QFile::link(runtime.path(), runtime.filePath(QStringLiteral("rt"))));
        QCOMPARE(SingleInstance(data.path(), runtime.filePath(QStringLiteral("rt"))).claim(),
                 SingleInstance::Claim::Unguarded);
    }
};

int main(int argc, char** argv) {
    const QString folders = qEnvironmentVariable(ChildMode);
    if (!folders.isEmpty()) return RunClaimingChild(argc, argv, folders);
    QApplication app(argc, argv);
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SingleInstanceTest.moc"
