#include "ui/platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace tumbla {
namespace {

// A folder of the player's own: made if missing; one that is a link, or
// belongs to someone else, is not used, for another user could then read the
// socket or take the lock first.
bool MakePrivate(const QByteArray& path) {
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return false;
    if ((st.st_mode & 077) != 0 && ::chmod(path.constData(), 0700) != 0) return false;
    return true;
}

bool SocketAddress(const QByteArray& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder, const QString& runtimeFolder,
                               QObject* parent)
    : QObject(parent), runtimeFolder_(runtimeFolder) {
    const QString key = KeyOf(dataFolder);
    lockPath_ = runtimeFolder_ + QStringLiteral("/") + key + QStringLiteral(".lock");
    socketPath_ = runtimeFolder_ + QStringLiteral("/") + key + QStringLiteral(".sock");
}

SingleInstance::~SingleInstance() {
    if (socketFd_ >= 0) {
        // Still the holder: nobody else may have bound the name meanwhile.
        ::unlink(QFile::encodeName(socketPath_).constData());
        ::close(socketFd_);
    }
    // The lock file stays: removing it would let a start that opened it just
    // before lock the removed file while a third one locks a new file.
    if (lockFd_ >= 0) ::close(lockFd_);
}

QString SingleInstance::DefaultRuntimeFolder() {
    // Only the player can make a folder inside their own runtime or cache
    // folder; a name under /tmp could be taken by any user first, and the
    // guard would then be off.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (runtime.startsWith('/') && ::stat(runtime.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
        st.st_uid == ::getuid() && (st.st_mode & 077) == 0)
        return QFile::decodeName(runtime) + QStringLiteral("/tumbla");
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/tumbla");
}

QString SingleInstance::KeyOf(const QString& dataFolder) {
    const QFileInfo info(dataFolder);
    QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty()) canonical = QDir::cleanPath(info.absoluteFilePath());
    return QString::fromLatin1(
        QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha256)
            .toHex()
            .left(24));
}

SingleInstance::Claim SingleInstance::claim(int waitMs) {
    QDir().mkpath(QFileInfo(runtimeFolder_).path()); // a new player's cache folder
    if (!MakePrivate(QFile::encodeName(runtimeFolder_))) return Claim::Unguarded;
    const QByteArray lock = QFile::encodeName(lockPath_);
    lockFd_ = ::open(lock.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFd_ < 0) return Claim::Unguarded;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        // The kernel drops the lock when its holder ends, however it ends, so
        // a lock is never stale and nobody has to guess whether it is.
        if (::flock(lockFd_, LOCK_EX | LOCK_NB) == 0)
            return listen() ? Claim::Holder : Claim::Unguarded;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(lockFd_);
            lockFd_ = -1;
            return Claim::Unguarded;
        }
        if (signalHolder() || std::chrono::steady_clock::now() > giveUp) {
            ::close(lockFd_);
            lockFd_ = -1;
            return Claim::Signalled;
        }
        // The holder took the lock a moment ago and is opening its socket.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

bool SingleInstance::listen() {
    const QByteArray path = QFile::encodeName(socketPath_);
    sockaddr_un address{};
    if (!SocketAddress(path, address)) return false;
    // A socket left by a holder that was killed: only the holder removes it.
    ::unlink(path.constData());
    socketFd_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socketFd_ < 0) return false;
    if (::bind(socketFd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(socketFd_);
        socketFd_ = -1;
        return false;
    }
    notifier_ = new QSocketNotifier(socketFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::readSignals);
    return true;
}

bool SingleInstance::signalHolder() const {
    sockaddr_un address{};
    if (!SocketAddress(QFile::encodeName(socketPath_), address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    static constexpr char Show[] = "show";
    const bool sent = ::sendto(fd, Show, sizeof Show - 1, MSG_DONTWAIT,
                               reinterpret_cast<const sockaddr*>(&address), sizeof address) >= 0;
    ::close(fd);
    return sent;
}

void SingleInstance::readSignals() {
    char buffer[16];
    bool asked = false;
    while (::recv(socketFd_, buffer, sizeof buffer, MSG_DONTWAIT) >= 0) asked = true;
    if (asked) emit activationRequested();
}

} // namespace tumbla
