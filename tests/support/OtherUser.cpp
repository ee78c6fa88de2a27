#include "support/OtherUser.h"
#include <QFile>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace vok {

namespace {
const char kName[] = "vok-test-other";
}

OtherUser::OtherUser() {
    if (!::getpwnam(kName)) {
        if (::geteuid() != 0) {
            failure_ = QStringLiteral("making a second user needs root");
            return;
        }
        // Another test may make it at the same moment: only the lookup after counts.
        QProcess::execute(QStringLiteral("useradd"),
                          {"--system", "--no-create-home", "--home-dir", "/nonexistent", "--shell",
                           "/usr/sbin/nologin", kName});
    }
    const passwd* pw = ::getpwnam(kName);
    if (!pw || pw->pw_uid == ::geteuid()) {
        failure_ = QStringLiteral("useradd could not make the user %1").arg(kName);
        return;
    }
    uid_ = pw->pw_uid;
    gid_ = pw->pw_gid;
}

bool OtherUser::give(const QString& path) const {
    return ::lchown(QFile::encodeName(path).constData(), uid_, gid_) == 0;
}

void OtherUser::runAs(QProcess& process) const {
    process.setChildProcessModifier([uid = uid_, gid = gid_] {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(gid, gid, gid) != 0 ||
            ::setresuid(uid, uid, uid) != 0)
            ::_exit(127);
    });
}

} // namespace vok
