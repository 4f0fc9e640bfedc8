#pragma once
// One running game per user: the first start listens on a local socket; a
// second start finds it there, asks it to come forward and ends.

#include <QObject>
#include <QString>

class QLocalServer;

namespace tumbla {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // `key` names the socket; tests pass their own so they never meet a real game.
    explicit SingleInstance(QString key = DefaultKey(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another instance answered: it has been asked to come forward.
    bool notifyRunning(int timeoutMs = 500);
    // Starts listening; false when the name cannot be taken.
    bool listen();

    static QString DefaultKey();

  signals:
    // Another start asked this one to come forward.
    void activationRequested();

  private:
    QString key_;
    QLocalServer* server_ = nullptr;
};

} // namespace tumbla
