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

// A desktop session bus of the test's own with assistive technology switched on, as a screen
// reader switches it on, and a client of the accessibility bus that it starts on demand.
class AtSpiSession : public QObject {
    Q_OBJECT
public:
    AtSpiSession();
    ~AtSpiSession();
    AtSpiSession(const AtSpiSession&) = delete;
    AtSpiSession& operator=(const AtSpiSession&) = delete;

    // Why the buses could not be had; empty when they run.
    QString failure() const { return failure_; }
    QByteArray sessionAddress() const { return sessionAddress_; }

    // The application of process `pid` once it has registered; invalid if it does not.
    AtSpiNode application(qint64 pid, int timeoutMs) const;
    QList<AtSpiNode> children(const AtSpiNode& n) const;
    QString roleName(const AtSpiNode& n) const;
    QVariant property(const AtSpiNode& n, const QString& interface, const QString& name) const;
    QString name(const AtSpiNode& n) const;
    QStringList actions(const AtSpiNode& n) const;
    bool doAction(const AtSpiNode& n, const QString& action) const;
    // The objects at or below `from`, depth first, that `match` takes.
    QList<AtSpiNode> findAll(const AtSpiNode& from,
                             const std::function<bool(const AtSpiNode&)>& match,
                             int depth = 12) const;
    AtSpiNode find(const AtSpiNode& from,
                   const std::function<bool(const AtSpiNode&)>& match) const {
        return findAll(from, match).value(0);
    }

    // Asks applications for value changes, as a screen reader does, and notes the objects whose
    // value they announce from now on.
    void listenForValues();
    QStringList valueChanged() const { return valueChanged_; }
    void forgetValueChanges() { valueChanged_.clear(); }

private slots:
    void propertyChanged(const QDBusMessage& m);

private:
    QDBusMessage call(const AtSpiNode& n, const QString& interface, const QString& method,
                      const QVariantList& arguments = {}) const;

    QTemporaryDir runtime_;
    std::unique_ptr<QProcess> daemon_;
    QByteArray sessionAddress_;
    QString failure_;
    QString connection_;
    QStringList valueChanged_;
};

} // namespace vok
