#include "platform/linux/LocalSocketCopy.h"
#include "platform/linux/PathDescriptors.h"
#include "platform/linux/PeerUser.h"
#include "platform/linux/WaylandActivation.h"
#include <QDir>
#include <QLocalSocket>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>

namespace vok {

namespace {

constexpr int kWaitMs = 2000;
const QByteArray kRequest = "forward";
// A request is one short line: "forward", and on Wayland a blank and the activation token.
constexpr qint64 kLongestRequest = 300;

QByteArray requestLine(const QByteArray& token) {
    return (isActivationToken(token) ? kRequest + ' ' + token : kRequest) + '\n';
}

// The token of a request line, or null when the line is no request; an empty token when the
// request brings none or one that is not a token.
std::optional<QByteArray> requestToken(QByteArray line) {
    if (!line.endsWith('\n'))
        return std::nullopt;
    line.chop(1);
    if (line == kRequest)
        return QByteArray();
    if (!line.startsWith(kRequest + ' '))
        return std::nullopt;
    const QByteArray token = line.mid(kRequest.size() + 1);
    return isActivationToken(token) ? token : QByteArray();
}

// Serialises the check and the take-over between copies started at the same moment, and the
// holder's removal of both at its end. The lock goes with its descriptor, so a copy killed
// while holding it holds nothing.
class ClaimLock {
public:
    ClaimLock(int folder, const QByteArray& name) {
        // A copy that waited while the holder removed the file has locked a file nobody else
        // will open: it tries again on the file of that name now.
        for (int tries = 0; tries < 8; ++tries) {
            fd_.reset(::openat(folder, name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC,
                               0600));
            if (!fd_.isOpen())
                return;
            while (::flock(fd_.get(), LOCK_EX) != 0 && errno == EINTR) {
            }
            struct stat locked, named;
            if (::fstat(fd_.get(), &locked) == 0 &&
                ::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
                locked.st_dev == named.st_dev && locked.st_ino == named.st_ino)
                return;
        }
    }

private:
    linuxfs::FileDescriptor fd_;
};

// $XDG_RUNTIME_DIR when it is an absolute path, else where Qt falls back to.
QByteArray runtimeFolder() {
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (xdg.startsWith('/'))
        return xdg;
    const passwd* pw = ::getpwuid(::geteuid());
    const QByteArray user = pw && pw->pw_name && *pw->pw_name
                                ? QByteArray(pw->pw_name)
                                : QByteArray::number(quint64(::geteuid()));
    return QFile::encodeName(QDir::tempPath()) + "/runtime-" + user;
}

linuxfs::FileDescriptor privateFolder(const QByteArray& path) {
    QByteArray name;
    const linuxfs::FileDescriptor parent = linuxfs::openParent(path, &name);
    return parent.isOpen() ? linuxfs::userDirectory(parent.get(), name, true)
                           : linuxfs::FileDescriptor();
}

} // namespace

std::unique_ptr<RunningCopy> thisPlatformsRunningCopy() {
    return std::make_unique<LocalSocketCopy>();
}

LocalSocketCopy::LocalSocketCopy(QString folder) : folderPath_(std::move(folder)) {
    if (folderPath_.isEmpty())
        folderPath_ = QFile::decodeName(runtimeFolder());
    folder_ = privateFolder(QFile::encodeName(folderPath_));
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { serve(); });
}

LocalSocketCopy::~LocalSocketCopy() {
    if (!holds_)
        return;
    const ClaimLock lock(folder_.get(), lockName_);
    server_.close();
    ::unlinkat(folder_.get(), lockName_.constData(), 0);
}

bool LocalSocketCopy::claim(const QString& name) {
    if (!folder_.isOpen()) {
        // Shared places are never used: another user could keep this copy from starting.
        qWarning("vok: %s is not a folder of this user's alone; more than one copy may run",
                 qPrintable(folderPath_));
        return true;
    }
    QString file = name;
    file.replace(QLatin1Char('/'), QLatin1Char('_'));
    path_ = folderPath_ + QLatin1Char('/') + file;
    lockName_ = QFile::encodeName(file + ".lock");
    const ClaimLock lock(folder_.get(), lockName_);

    QLocalSocket holder;
    holder.connectToServer(path_);
    if (holder.waitForConnected(kWaitMs)) {
        if (peerIsThisUser(int(holder.socketDescriptor()))) {
            holder.write(requestLine(waylandActivationToken()));
            holder.waitForBytesWritten(kWaitMs);
            holder.disconnectFromServer();
            return false;
        }
        holder.abort(); // another user's listener is no copy of this user's
    } else if (holder.error() != QLocalSocket::ServerNotFoundError &&
               holder.error() != QLocalSocket::ConnectionRefusedError) {
        // Only a missing socket or one nobody listens on is free; a holder too busy to accept
        // in time is still alive.
        return false;
    }
    holds_ = true;
    QLocalServer::removeServer(path_);
    // Without a socket this copy still runs; it just cannot be found by later ones.
    server_.listen(path_);
    return true;
}

void LocalSocketCopy::serve() {
    while (QLocalSocket* peer = server_.nextPendingConnection()) {
        QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        if (!peerIsThisUser(int(peer->socketDescriptor()))) {
            peer->abort();
            peer->deleteLater();
            continue;
        }
        auto read = [this, peer] {
            if (!peer->canReadLine()) {
                if (peer->bytesAvailable() > kLongestRequest)
                    peer->abort();
                return;
            }
            if (const auto token = requestToken(peer->readLine(kLongestRequest + 1)))
                askedToComeForward(*token);
            peer->disconnectFromServer();
        };
        QObject::connect(peer, &QLocalSocket::readyRead, peer, read);
        read();
    }
}

} // namespace vok
