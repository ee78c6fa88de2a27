#pragma once
#include "support/OtherUser.h"
#include <QList>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

namespace vok {

// A headless sway of the test's own, run as the tests' other user (sway refuses root), with a
// runtime folder of that user's alone. Its clients run as that user too. It ends with the
// session, and with the test process if that dies first.
class SwaySession {
public:
    // A toplevel as sway itself has it.
    struct View {
        QString name;
        QString appId;
        bool focused = false;
    };

    explicit SwaySession(const QByteArray& extraConfig = {});
    ~SwaySession();
    SwaySession(const SwaySession&) = delete;
    SwaySession& operator=(const SwaySession&) = delete;

    // Why the compositor could not start; empty when it runs.
    QString failure() const { return failure_; }
    QProcessEnvironment environment() const;
    std::unique_ptr<QProcess> start(const QString& program, const QStringList& arguments,
                                    QProcessEnvironment env = {}) const;
    // sway's views, in its tree's order.
    QList<View> views() const;
    // A terminal window with the given title, once sway shows it; null when none came.
    std::unique_ptr<QProcess> terminal(const QString& title) const;
    QString runtimeFolder() const { return runtime_.path(); }

private:
    OtherUser user_;
    QTemporaryDir runtime_;
    std::unique_ptr<QProcess> sway_;
    QString socket_;
    QString display_;
    QString failure_;
};

} // namespace vok
