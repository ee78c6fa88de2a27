#include "support/XvfbSession.h"
#include "support/StopProcess.h"
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <sys/prctl.h>

namespace vok {

bool XvfbSession::installed(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

std::unique_ptr<QProcess> XvfbSession::start(const QString& program, const QStringList& arguments,
                                             bool quiet) const {
    auto p = std::make_unique<QProcess>();
    if (quiet) {
        p->setStandardOutputFile(QProcess::nullDevice());
        p->setStandardErrorFile(QProcess::nullDevice());
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", QString::fromLatin1(display_));
    env.insert("LANG", "C.UTF-8");
    env.insert("LC_ALL", "C.UTF-8");
    p->setProcessEnvironment(env);
    // A test that crashes must not leave its X server behind.
    p->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    p->start(program, arguments);
    return p;
}

XvfbSession::XvfbSession() {
    if (!installed("Xvfb")) {
        failure_ = "Xvfb is not installed (Debian package xvfb)";
        return;
    }
    // Xvfb picks a free display itself and writes its number once it accepts clients.
    server_ = start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
    QElapsedTimer clock;
    clock.start();
    QByteArray number;
    while (!number.contains('\n') && clock.elapsed() < 15000 &&
           server_->state() != QProcess::NotRunning) {
        server_->waitForReadyRead(200);
        number += server_->readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        failure_ = "Xvfb did not start: " + QString::fromLocal8Bit(server_->readAllStandardError());
        stopProcess(server_);
        return;
    }
    display_ = ":" + number.trimmed();
}

XvfbSession::~XvfbSession() {
    stopProcess(windowManager_);
    stopProcess(server_);
}

bool XvfbSession::startWindowManager(const QString& program, const QStringList& arguments) {
    if (!server_)
        return false;
    windowManager_ = start(program, arguments, true);
    // A running EWMH window manager names its check window on the root window, and once it has
    // set itself up it publishes its list of clients.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000 && windowManager_->state() != QProcess::NotRunning) {
        const QByteArray root =
            run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK", "_NET_CLIENT_LIST_STACKING"});
        if (root.contains("_NET_SUPPORTING_WM_CHECK(WINDOW): window id # 0x") &&
            root.contains("_NET_CLIENT_LIST_STACKING(WINDOW)"))
            return true;
        QThread::msleep(100);
    }
    return false;
}

QByteArray XvfbSession::run(const QString& program, const QStringList& arguments) const {
    auto p = start(program, arguments);
    p->waitForFinished(10000);
    return p->readAllStandardOutput();
}

} // namespace vok
