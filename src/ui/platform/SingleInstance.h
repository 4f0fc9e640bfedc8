#pragma once
// One running game per player and data folder. The first start takes a lock
// that it holds for the whole run and listens on a local socket beside it; a
// later start finds the lock taken, asks the holder to come forward and ends.
// Lock and socket live in a folder that only the player may enter, in the
// player's runtime folder or else their cache folder; the socket's name comes
// from the data folder.

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace tumbla {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // `dataFolder`: the folder whose files this game changes; `runtimeFolder`:
    // where the lock and the socket live (tests pass their own).
    explicit SingleInstance(const QString& dataFolder,
                            const QString& runtimeFolder = DefaultRuntimeFolder(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Claim {
        Holder,    // this start is the game of the data folder
        Signalled, // another start is; it has been asked to come forward
        Unguarded, // the runtime folder cannot be made private: no guard
    };
    // Takes the lock, or signals its holder. A holder that has taken the lock
    // but not yet opened its socket is waited for up to `waitMs`.
    Claim claim(int waitMs = 2000);

    // "tumbla" in the player's runtime folder ($XDG_RUNTIME_DIR, when it is
    // the player's and closed to others), else in the player's cache folder:
    // places no other user can take first.
    static QString DefaultRuntimeFolder();
    // The name of the data folder's lock and socket: a digest of its canonical path.
    static QString KeyOf(const QString& dataFolder);

  signals:
    // Another start asked this one to come forward.
    void activationRequested();

  private:
    bool listen();
    bool signalHolder() const;
    void readSignals();

    QString runtimeFolder_;
    QString lockPath_;
    QString socketPath_;
    int lockFd_ = -1;
    int socketFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tumbla
