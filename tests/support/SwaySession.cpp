#include "support/SwaySession.h"
#include "support/StopProcess.h"
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>

namespace vok {

namespace {

void collect(const QJsonObject& node, QList<SwaySession::View>& views) {
    if (node.contains("pid") && node.value("type").toString() != "workspace")
        views << SwaySession::View{node.value("name").toString(), node.value("app_id").toString(),
                                   node.value("focused").toBool()};
    for (const char* children : {"nodes", "floating_nodes"})
        for (const QJsonValue& child : node.value(children).toArray())
            collect(child.toObject(), views);
}

} // namespace

SwaySession::SwaySession(const QByteArray& extraConfig) {
    if (!user_.failure.isEmpty()) {
        failure_ = user_.failure;
        return;
    }
    for (const char* tool : {"sway", "swaymsg", "foot"})
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            failure_ = QString("%1 is not installed; make test installs it").arg(tool);
            return;
        }
    const QString config = runtime_.filePath("config");
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly) || f.write("xwayland disable\n" + extraConfig) < 0) {
        failure_ = "cannot write sway's configuration";
        return;
    }
    f.close();
    // sway and Qt take a runtime folder only when it is the user's and nobody else's.
    if (!user_.give(runtime_.path()) || !user_.give(config) ||
        !QFile::setPermissions(runtime_.path(),
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        failure_ = "cannot give the runtime folder to " + QString::number(user_.uid);
        return;
    }
    QProcessEnvironment env = environment();
    env.insert("WLR_BACKENDS", "headless");
    env.insert("WLR_LIBINPUT_NO_DEVICES", "1");
    env.insert("WLR_RENDERER", "pixman");
    sway_ = start("sway", {"-c", config}, env);
    const QDir dir(runtime_.path());
    const bool up = QTest::qWaitFor(
        [&] {
            const QStringList ipc = dir.entryList({"sway-ipc.*.sock"}, QDir::System);
            const QStringList wayland = dir.entryList({"wayland-?"}, QDir::System);
            if (!ipc.isEmpty() && !wayland.isEmpty()) {
                socket_ = dir.filePath(ipc.first());
                display_ = wayland.first();
            }
            return !socket_.isEmpty() || sway_->state() == QProcess::NotRunning;
        },
        15000);
    if (!up || socket_.isEmpty()) {
        failure_ = "sway did not start: " + QString::fromLocal8Bit(sway_->readAllStandardError());
        stopProcess(sway_);
    }
}

SwaySession::~SwaySession() {
    stopProcess(sway_);
}

QProcessEnvironment SwaySession::environment() const {
    QProcessEnvironment env;
    env.insert("PATH", qEnvironmentVariable("PATH"));
    // The sanitizers' settings of the test go to the programs it starts.
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"})
        if (qEnvironmentVariableIsSet(name))
            env.insert(name, qEnvironmentVariable(name));
    env.insert("HOME", runtime_.path());
    env.insert("LANG", "C.UTF-8");
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    env.insert("XDG_CONFIG_HOME", runtime_.path());
    if (!socket_.isEmpty()) {
        env.insert("WAYLAND_DISPLAY", display_);
        env.insert("SWAYSOCK", socket_);
    }
    return env;
}

std::unique_ptr<QProcess> SwaySession::start(const QString& program, const QStringList& arguments,
                                             QProcessEnvironment env) const {
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(env.isEmpty() ? environment() : env);
    p->setWorkingDirectory(runtime_.path());
    user_.runAs(*p, true);
    p->start(program, arguments);
    p->waitForStarted();
    return p;
}

QList<SwaySession::View> SwaySession::views() const {
    auto p = start("swaymsg", {"-r", "-t", "get_tree"});
    p->waitForFinished(10000);
    QList<View> views;
    collect(QJsonDocument::fromJson(p->readAllStandardOutput()).object(), views);
    return views;
}

std::unique_ptr<QProcess> SwaySession::terminal(const QString& title) const {
    auto p = start("foot", {"--title", title, "sleep", "600"});
    const bool shown = QTest::qWaitFor(
        [&] {
            const QList<View> all = views();
            return std::any_of(all.begin(), all.end(),
                               [&](const View& v) { return v.appId == "foot" && v.name == title; });
        },
        15000);
    if (!shown)
        stopProcess(p);
    return p;
}

} // namespace vok
