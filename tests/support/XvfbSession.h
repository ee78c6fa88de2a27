#pragma once
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <memory>

namespace vok {

// An X server of the test's own (Xvfb on a display number it finds free), optionally with a
// window manager. Both end with the session, and with the test process if that dies first.
class XvfbSession {
public:
    XvfbSession();
    ~XvfbSession();
    XvfbSession(const XvfbSession&) = delete;
    XvfbSession& operator=(const XvfbSession&) = delete;

    // Why the server could not start; empty when it runs.
    QString failure() const { return failure_; }
    QByteArray display() const { return display_; }

    // Starts a window manager and waits until it has taken the display; false if it did not.
    bool startWindowManager(const QString& program, const QStringList& arguments = {});

    // Runs an X client of the display and gives its output (UTF-8 locale).
    QByteArray run(const QString& program, const QStringList& arguments) const;

    static bool installed(const QString& program);

private:
    // A quiet program's output is thrown away, so that nobody has to read it.
    std::unique_ptr<QProcess> start(const QString& program, const QStringList& arguments,
                                    bool quiet = false) const;

    std::unique_ptr<QProcess> server_;
    std::unique_ptr<QProcess> windowManager_;
    QByteArray display_;
    QString failure_;
};

} // namespace vok
