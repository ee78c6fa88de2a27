#include "AtSpiSession.h"
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <sys/prctl.h>

namespace vok {

namespace {
constexpr int kCallTimeoutMs = 5000;
const QString kAccessible = "org.a11y.atspi.Accessible";
} // namespace

AtSpiSession::AtSpiSession() {
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty()) {
        failure_ = "dbus-daemon is not installed (Debian package dbus-daemon)";
        return;
    }
    daemon_ = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The accessibility bus puts its socket in the runtime folder.
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    daemon_->setProcessEnvironment(env);
    daemon_->setStandardErrorFile(QProcess::nullDevice());
    daemon_->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    daemon_->start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    QElapsedTimer clock;
    clock.start();
    while (!sessionAddress_.contains('\n') && clock.elapsed() < 10000 &&
           daemon_->state() != QProcess::NotRunning) {
        daemon_->waitForReadyRead(200);
        sessionAddress_ += daemon_->readAllStandardOutput();
    }
    sessionAddress_ = sessionAddress_.trimmed();
    if (sessionAddress_.isEmpty()) {
        failure_ = "dbus-daemon gave no session bus";
        return;
    }
    QDBusConnection session =
        QDBusConnection::connectToBus(QString::fromLatin1(sessionAddress_), "vok-test-session");
    const AtSpiNode launcher{"org.a11y.Bus", "/org/a11y/bus"};
    QDBusMessage get = QDBusMessage::createMethodCall(launcher.service, launcher.path,
                                                      "org.a11y.Bus", "GetAddress");
    const QDBusMessage address = session.call(get, QDBus::Block, 15000);
    if (address.type() != QDBusMessage::ReplyMessage) {
        failure_ = "no accessibility bus (Debian package at-spi2-core): " + address.errorMessage();
        return;
    }
    QDBusMessage on = QDBusMessage::createMethodCall(launcher.service, launcher.path,
                                                     "org.freedesktop.DBus.Properties", "Set");
    on.setArguments({"org.a11y.Status", "IsEnabled", QVariant::fromValue(QDBusVariant(true))});
    session.call(on, QDBus::Block, kCallTimeoutMs);
    connection_ = "vok-test-a11y";
    if (!QDBusConnection::connectToBus(address.arguments().value(0).toString(), connection_)
             .isConnected())
        failure_ = "the accessibility bus took no connection";
}

AtSpiSession::~AtSpiSession() {
    QDBusConnection::disconnectFromBus("vok-test-session");
    if (!connection_.isEmpty())
        QDBusConnection::disconnectFromBus(connection_);
    if (daemon_ && daemon_->state() != QProcess::NotRunning) {
        // The accessibility bus and its registry end with the session bus.
        daemon_->terminate();
        daemon_->waitForFinished(3000);
    }
}

QDBusMessage AtSpiSession::call(const AtSpiNode& n, const QString& interface, const QString& method,
                                const QVariantList& arguments) const {
    QDBusMessage m = QDBusMessage::createMethodCall(n.service, n.path, interface, method);
    m.setArguments(arguments);
    return QDBusConnection(connection_).call(m, QDBus::Block, kCallTimeoutMs);
}

QList<AtSpiNode> AtSpiSession::children(const AtSpiNode& n) const {
    QList<AtSpiNode> result;
    const QDBusMessage reply = call(n, kAccessible, "GetChildren");
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return result;
    const QDBusArgument list = reply.arguments().first().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        AtSpiNode child;
        QDBusObjectPath path;
        list.beginStructure();
        list >> child.service >> path;
        list.endStructure();
        child.path = path.path();
        result << child;
    }
    list.endArray();
    return result;
}

AtSpiNode AtSpiSession::application(qint64 pid, int timeoutMs) const {
    const AtSpiNode registry{"org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root"};
    QElapsedTimer clock;
    clock.start();
    do {
        for (const AtSpiNode& app : children(registry))
            if (QDBusConnection(connection_).interface()->servicePid(app.service).value() == pid)
                return app;
        QThread::msleep(100);
    } while (clock.elapsed() < timeoutMs);
    return {};
}

QString AtSpiSession::roleName(const AtSpiNode& n) const {
    return call(n, kAccessible, "GetRoleName").arguments().value(0).toString();
}

QVariant AtSpiSession::property(const AtSpiNode& n, const QString& interface,
                                const QString& name) const {
    const QDBusMessage reply = call(n, "org.freedesktop.DBus.Properties", "Get", {interface, name});
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

QString AtSpiSession::name(const AtSpiNode& n) const {
    return property(n, kAccessible, "Name").toString();
}

QStringList AtSpiSession::actions(const AtSpiNode& n) const {
    QStringList names;
    const QDBusMessage reply = call(n, "org.a11y.atspi.Action", "GetActions");
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return names;
    const QDBusArgument list = reply.arguments().first().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString name, description, keys;
        list.beginStructure();
        list >> name >> description >> keys;
        list.endStructure();
        names << name;
    }
    list.endArray();
    return names;
}

bool AtSpiSession::doAction(const AtSpiNode& n, const QString& action) const {
    const qsizetype index = actions(n).indexOf(action);
    return index >= 0 &&
           call(n, "org.a11y.atspi.Action", "DoAction", {int(index)}).arguments().value(0).toBool();
}

QList<AtSpiNode> AtSpiSession::findAll(const AtSpiNode& from,
                                       const std::function<bool(const AtSpiNode&)>& match,
                                       int depth) const {
    QList<AtSpiNode> found;
    if (match(from))
        found << from;
    if (depth > 0)
        for (const AtSpiNode& child : children(from))
            found << findAll(child, match, depth - 1);
    return found;
}

void AtSpiSession::listenForValues() {
    const QString event = "object:property-change:accessible-value";
    QDBusConnection(connection_)
        .connect({}, {}, "org.a11y.atspi.Event.Object", "PropertyChange", this,
                 SLOT(propertyChanged(QDBusMessage)));
    call({"org.a11y.atspi.Registry", "/org/a11y/atspi/registry"}, "org.a11y.atspi.Registry",
         "RegisterEvent", {event, QStringList(), QString()});
}

void AtSpiSession::propertyChanged(const QDBusMessage& m) {
    if (m.arguments().value(0).toString() == "accessible-value")
        valueChanged_ << m.path();
}

} // namespace vok
