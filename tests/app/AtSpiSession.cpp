#include "AtSpiSession.h"
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QThread>
#include <csignal>
#include <sys/prctl.h>

namespace vok {

namespace {
const QString kBus = "vok-test-a11y";
const AtSpiNode kLauncher{"org.a11y.Bus", "/org/a11y/bus"};

// The (s, o) or (s, s, s) structures of an array reply, by their first two fields.
QList<std::pair<QString, QString>> pairs(const QDBusMessage& reply, bool path) {
    QList<std::pair<QString, QString>> result;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return result;
    const QDBusArgument list = reply.arguments().first().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString first, second, third;
        QDBusObjectPath object;
        list.beginStructure();
        if (path)
            list >> first >> object;
        else
            list >> first >> second >> third;
        list.endStructure();
        result.emplace_back(first, path ? object.path() : second);
    }
    list.endArray();
    return result;
}
} // namespace

AtSpiSession::AtSpiSession() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The accessibility bus puts its socket in the runtime folder.
    env.insert("XDG_RUNTIME_DIR", runtime_.path());
    daemon_.setProcessEnvironment(env);
    daemon_.setStandardErrorFile(QProcess::nullDevice());
    daemon_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    QElapsedTimer clock;
    clock.start();
    while (!sessionAddress_.contains('\n') && clock.elapsed() < 10000 && daemon_.waitForReadyRead())
        sessionAddress_ += daemon_.readAllStandardOutput();
    sessionAddress_ = sessionAddress_.trimmed();
    QDBusConnection session =
        QDBusConnection::connectToBus(QString::fromLatin1(sessionAddress_), kBus + "-session");
    const QDBusMessage address =
        session.call(QDBusMessage::createMethodCall(kLauncher.service, kLauncher.path,
                                                    "org.a11y.Bus", "GetAddress"),
                     QDBus::Block, 15000);
    if (address.type() != QDBusMessage::ReplyMessage) {
        failure_ = "no accessibility bus (Debian packages dbus-daemon, at-spi2-core): " +
                   address.errorMessage();
        return;
    }
    QDBusMessage on = QDBusMessage::createMethodCall(kLauncher.service, kLauncher.path,
                                                     "org.freedesktop.DBus.Properties", "Set");
    on.setArguments({"org.a11y.Status", "IsEnabled", QVariant::fromValue(QDBusVariant(true))});
    session.call(on);
    if (!QDBusConnection::connectToBus(address.arguments().value(0).toString(), kBus).isConnected())
        failure_ = "the accessibility bus took no connection";
}

AtSpiSession::~AtSpiSession() {
    QDBusConnection::disconnectFromBus(kBus + "-session");
    QDBusConnection::disconnectFromBus(kBus);
    // The accessibility bus and its registry end with the session bus.
    daemon_.terminate();
    daemon_.waitForFinished(3000);
}

QDBusMessage AtSpiSession::call(const AtSpiNode& n, const QString& interface, const QString& method,
                                const QVariantList& arguments) const {
    QDBusMessage m = QDBusMessage::createMethodCall(n.service, n.path, interface, method);
    m.setArguments(arguments);
    return QDBusConnection(kBus).call(m, QDBus::Block, 5000);
}

QList<AtSpiNode> AtSpiSession::children(const AtSpiNode& n) const {
    QList<AtSpiNode> result;
    for (const auto& [service, path] :
         pairs(call(n, "org.a11y.atspi.Accessible", "GetChildren"), true))
        result << AtSpiNode{service, path};
    return result;
}

AtSpiNode AtSpiSession::application(qint64 pid, int timeoutMs) const {
    QElapsedTimer clock;
    clock.start();
    do {
        for (const AtSpiNode& app :
             children({"org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root"}))
            if (QDBusConnection(kBus).interface()->servicePid(app.service).value() == pid)
                return app;
        QThread::msleep(100);
    } while (clock.elapsed() < timeoutMs);
    return {};
}

QString AtSpiSession::roleName(const AtSpiNode& n) const {
    return call(n, "org.a11y.atspi.Accessible", "GetRoleName").arguments().value(0).toString();
}

QVariant AtSpiSession::property(const AtSpiNode& n, const QString& name,
                                const QString& interface) const {
    const QDBusMessage reply = call(n, "org.freedesktop.DBus.Properties", "Get", {interface, name});
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

bool AtSpiSession::doAction(const AtSpiNode& n, const QString& action) const {
    const auto actions = pairs(call(n, "org.a11y.atspi.Action", "GetActions"), false);
    for (int i = 0; i < actions.size(); ++i)
        if (actions[i].first == action)
            return call(n, "org.a11y.atspi.Action", "DoAction", {i}).arguments().value(0).toBool();
    return false;
}

QList<AtSpiNode> AtSpiSession::findAll(const AtSpiNode& from,
                                       const std::function<bool(const AtSpiNode&)>& match) const {
    QList<AtSpiNode> found;
    if (match(from))
        found << from;
    for (const AtSpiNode& child : children(from))
        found << findAll(child, match);
    return found;
}

void AtSpiSession::listenForValues() {
    QDBusConnection(kBus).connect({}, {}, "org.a11y.atspi.Event.Object", "PropertyChange", this,
                                  SLOT(propertyChanged(QDBusMessage)));
    call({"org.a11y.atspi.Registry", "/org/a11y/atspi/registry"}, "org.a11y.atspi.Registry",
         "RegisterEvent", {"object:property-change:accessible-value", QStringList(), QString()});
}

void AtSpiSession::propertyChanged(const QDBusMessage& m) {
    if (m.arguments().value(0).toString() == "accessible-value")
        valueChanged << m.path();
}

} // namespace vok
