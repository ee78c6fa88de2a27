#pragma once
#include <QFile>
#include <QProcess>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace vok {

// An account besides the tests' own (root's), for what another user of the machine can do: made
// with useradd when missing and kept for later runs. failure says why there is none.
struct OtherUser {
    uid_t uid = 0;
    gid_t gid = 0;
    QString failure;

    OtherUser() {
        const char name[] = "vok-test-other";
        if (::geteuid() != 0) {
            failure = "acting as another user needs root";
            return;
        }
        // Another test may make it at the same moment: only the lookup after counts.
        if (!::getpwnam(name))
            QProcess::execute("useradd", {"--system", "--no-create-home", "--home-dir",
                                          "/nonexistent", "--shell", "/usr/sbin/nologin", name});
        const passwd* pw = ::getpwnam(name);
        if (!pw)
            failure = QString("useradd could not make the user %1").arg(name);
        else
            uid = pw->pw_uid, gid = pw->pw_gid;
    }
    // Makes the path (never a link's target) this user's.
    bool give(const QString& path) const {
        return ::lchown(QFile::encodeName(path).constData(), uid, gid) == 0;
    }
    // The process runs as this user, with no groups of the caller's; ending with the caller
    // when asked, for servers that a crashed test must not leave behind.
    void runAs(QProcess& process, bool endsWithCaller = false) const {
        process.setChildProcessModifier([uid = uid, gid = gid, endsWithCaller] {
            if (endsWithCaller)
                ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (::setgroups(0, nullptr) != 0 || ::setresgid(gid, gid, gid) != 0 ||
                ::setresuid(uid, uid, uid) != 0)
                ::_exit(127);
        });
    }
};

} // namespace vok
