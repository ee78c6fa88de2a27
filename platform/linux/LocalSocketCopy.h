#pragma once
#include "platform/RunningCopy.h"
#include <QLocalServer>

namespace vok {

// The holder listens on a local socket in the user's runtime directory; a later copy that can
// connect knows a live holder is there. A socket nobody listens on any more is a dead copy's,
// and is taken over.
class LocalSocketCopy : public RunningCopy {
public:
    // dir: where the socket lives; empty means the user's runtime directory.
    explicit LocalSocketCopy(QString dir = {});
    ~LocalSocketCopy() override;

    bool claim(const QString& name) override;
    // The socket of the last claim.
    QString socketPath() const { return path_; }

private:
    void serve();
    QString dir_;
    QString path_;
    QLocalServer server_;
};

} // namespace vok
