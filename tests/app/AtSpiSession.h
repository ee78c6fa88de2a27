#pragma once
#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace vok {

// One accessible object on the accessibility bus.
struct AtSpiNode {
    QString service, path;
    bool valid() const { return !service.isEmpty(); }
};

// A session bus of the test's own with assistive technology switched on, as a screen reader
// switches it on, and a client of the accessibility bus that the session starts on demand.
class AtSpiSession : public QObject {
    Q_OBJECT
public:
    AtSpiSession();
    ~AtSpiSession() override;

    // Why the buses could not be had; empty when they run.
    QString failure() const { return failure_; }
    QByteArray sessionAddress() const { return sessionAddress_; }

    // The application of process `pid` once it has registered; invalid if it does not.
    AtSpiNode application(qint64 pid, int timeoutMs) const;
    QList<AtSpiNode> children(const AtSpiNode& n) const;
    QString roleName(const AtSpiNode& n) const;
    QVariant property(const AtSpiNode& n, const QString& name,
                      const QString& interface = "org.a11y.atspi.Accessible") const;
    bool doAction(const AtSpiNode& n, const QString& action) const;
    // The objects at or below `from`, depth first, that `match` takes.
    QList<AtSpiNode> findAll(const AtSpiNode& from,
                             const std::function<bool(const AtSpiNode&)>& match) const;

    // Asks applications for value changes, as a screen reader does; the objects whose value
    // they announce are noted from then on.
    void listenForValues();
    QStringList valueChanged;

private slots:
    void propertyChanged(const QDBusMessage& m);

private:
    QDBusMessage call(const AtSpiNode& n, const QString& interface, const QString& method,
                      const QVariantList& arguments = {}) const;

    QTemporaryDir runtime_;
    QProcess daemon_;
    QByteArray sessionAddress_;
    QString failure_;
};

} // namespace vok
