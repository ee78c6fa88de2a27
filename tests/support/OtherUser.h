#pragma once
#include <QProcess>
#include <QString>
#include <sys/types.h>

namespace vok {

// An account besides the tests' own, for what another user of the machine can do. Made with
// useradd when missing, which needs root; kept for later runs.
class OtherUser {
public:
    OtherUser();
    // Why there is no such account; empty when there is.
    QString failure() const { return failure_; }
    // Makes the path (never a link's target) this user's.
    bool give(const QString& path) const;
    // The process runs as this user, with no groups of the caller's.
    void runAs(QProcess& process) const;

private:
    uid_t uid_ = 0;
    gid_t gid_ = 0;
    QString failure_;
};

} // namespace vok
