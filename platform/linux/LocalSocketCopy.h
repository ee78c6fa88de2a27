#pragma once
#include "platform/RunningCopy.h"
#include "platform/linux/FileDescriptor.h"
#include <QLocalServer>

namespace vok {

// The holder listens on a local socket in a folder of the user's own that nobody else may
// enter; a later copy that can connect, to a listener of the same user, knows a live holder is
// there. A socket nobody listens on any more is a dead copy's, and is taken over; so is one of
// another user's. The holder answers only connections of its own user.
//
// The protocol: the later copy writes the one line "forward\n" and closes; the holder comes
// forward and closes too, answering nothing. A lock file beside the socket makes the check and
// the take-over one step; the holder removes both when it ends.
class LocalSocketCopy : public RunningCopy {
public:
    // folder: where the socket and its lock live; empty means the user's runtime folder,
    // $XDG_RUNTIME_DIR or else runtime-USER in the temporary folder. It is made when missing
    // and used only as a real folder of this user's with mode 0700: otherwise every claim
    // succeeds, and this copy runs unguarded.
    explicit LocalSocketCopy(QString folder = {});
    ~LocalSocketCopy() override;

    bool claim(const QString& name) override;
    // The socket of the last claim; empty when there is no folder to hold it.
    QString socketPath() const { return path_; }

private:
    void serve();
    QString folderPath_;
    linuxfs::FileDescriptor folder_;
    QString path_;
    QByteArray lockName_;
    bool holds_ = false;
    QLocalServer server_;
};

} // namespace vok
