#include "platform/linux/LocalSocketCopy.h"
#include "platform/linux/FileDescriptor.h"
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>

namespace vok {

namespace {

constexpr int kWaitMs = 2000;
const QByteArray kRequest = "forward\n";

// Serialises the check and the take-over between copies started at the same moment. The lock
// goes with its descriptor, so a copy killed while holding it holds nothing.
class ClaimLock {
public:
    explicit ClaimLock(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_.isOpen())
            while (::flock(fd_.get(), LOCK_EX) != 0 && errno == EINTR) {
            }
    }

private:
    linuxfs::FileDescriptor fd_;
};

} // namespace

std::unique_ptr<RunningCopy> thisPlatformsRunningCopy() {
    return std::make_unique<LocalSocketCopy>();
}

LocalSocketCopy::LocalSocketCopy(QString dir) : dir_(std::move(dir)) {
    if (dir_.isEmpty())
        dir_ = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { serve(); });
}

LocalSocketCopy::~LocalSocketCopy() {
    server_.close();
}

bool LocalSocketCopy::claim(const QString& name) {
    QString file = name;
    file.replace(QLatin1Char('/'), QLatin1Char('_'));
    path_ = QDir(dir_).filePath(file);
    const ClaimLock lock(path_ + ".lock");

    QLocalSocket holder;
    holder.connectToServer(path_);
    if (holder.waitForConnected(kWaitMs)) {
        holder.write(kRequest);
        holder.waitForBytesWritten(kWaitMs);
        holder.disconnectFromServer();
        return false;
    }
    // Only a missing socket or one nobody listens on is free; a holder too busy to accept in
    // time is still alive.
    if (holder.error() != QLocalSocket::ServerNotFoundError &&
        holder.error() != QLocalSocket::ConnectionRefusedError)
        return false;
    QLocalServer::removeServer(path_);
    // Without a socket this copy still runs; it just cannot be found by later ones.
    server_.listen(path_);
    return true;
}

void LocalSocketCopy::serve() {
    while (QLocalSocket* peer = server_.nextPendingConnection()) {
        QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        auto read = [this, peer] {
            if (!peer->canReadLine())
                return;
            if (peer->readLine() == kRequest)
                askedToComeForward();
            peer->disconnectFromServer();
        };
        QObject::connect(peer, &QLocalSocket::readyRead, peer, read);
        read();
    }
}

} // namespace vok
