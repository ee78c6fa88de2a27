// Real copies of the program on an X server of the test's own, with a window manager.
#include "AtSpiSession.h"
#include "support/ScopedEnv.h"
#include "support/XvfbSession.h"
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <memory>

using namespace vok;

namespace {

using Copy = std::unique_ptr<QProcess>;

class Desktop {
public:
    explicit Desktop(const XvfbSession& x) : x_(x) {
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // One start of the program as the desktop's user would make it.
    Copy start() const {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", QString::fromLatin1(x_.display()));
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        env.insert("XDG_CONFIG_HOME", config_.path());
        env.remove("QT_ACCESSIBILITY");
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(VOK_BINARY, QStringList{});
        p->waitForStarted();
        return p;
    }

    // The copy's visible top-level window, once it has one; 0 if none comes.
    QByteArray windowOf(const QProcess& p, int timeoutMs = 20000) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs && p.state() == QProcess::Running) {
            const QByteArray ids =
                x_.run("xdotool", {"search", "--onlyvisible", "--pid",
                                   QString::number(p.processId()), "--name", "Vok 97"})
                    .trimmed();
            if (!ids.isEmpty())
                return ids.split('\n').first();
            QThread::msleep(100);
        }
        return {};
    }

    bool iconic(const QByteArray& window) const {
        return x_.run("xprop", {"-id", QString::fromLatin1(window), "WM_STATE"}).contains("Iconic");
    }
    QByteArray activeWindow() const { return x_.run("xdotool", {"getactivewindow"}).trimmed(); }

private:
    const XvfbSession& x_;
    QTemporaryDir runtime_;
    QTemporaryDir config_;
};

bool endsAtOnceWithZero(QProcess& p) {
    if (p.state() != QProcess::NotRunning)
        p.waitForFinished(10000);
    return p.state() == QProcess::NotRunning && p.exitStatus() == QProcess::NormalExit &&
           p.exitCode() == 0;
}

void stop(Copy& p) {
    p->kill();
    p->waitForFinished(5000);
}

} // namespace

class SingleCopyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        for (const char* tool : {"openbox", "xdotool", "xprop"})
            if (!XvfbSession::installed(tool))
                QSKIP(qPrintable(QString("%1 is not installed; make test installs it").arg(tool)));
        if (!x_.failure().isEmpty())
            QSKIP(qPrintable(x_.failure()));
        QVERIFY2(x_.startWindowManager("openbox", {"--sm-disable"}), "openbox did not start");
    }

    void aSecondStartBringsTheFirstForwardAndEnds() {
        Desktop d(x_);
        Copy first = d.start();
        const QByteArray window = d.windowOf(*first);
        QVERIFY2(!window.isEmpty(), "the first copy showed no window");
        x_.run("xdotool", {"windowminimize", window});
        QTRY_VERIFY_WITH_TIMEOUT(d.iconic(window), 10000);

        Copy second = d.start();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(endsAtOnceWithZero(*second));
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY_WITH_TIMEOUT(!d.iconic(window), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(d.activeWindow(), window, 10000);
        QCOMPARE(first->state(), QProcess::Running);

        // Killed without a chance to clean up: the next start still runs, and holds the name.
        stop(first);
        Copy third = d.start();
        QVERIFY2(!d.windowOf(*third).isEmpty(), "the copy after the killed one showed no window");
        Copy fourth = d.start();
        QVERIFY(endsAtOnceWithZero(*fourth));
        QCOMPARE(third->state(), QProcess::Running);
        stop(third);
    }

    void twoStartedTogetherLeaveOne() {
        Desktop d(x_);
        Copy a = d.start();
        Copy b = d.start();
        QTRY_VERIFY_WITH_TIMEOUT(a->state() != QProcess::Running || b->state() != QProcess::Running,
                                 15000);
        QProcess& ended = a->state() == QProcess::Running ? *b : *a;
        QProcess& running = a->state() == QProcess::Running ? *a : *b;
        QVERIFY(endsAtOnceWithZero(ended));
        QVERIFY2(!d.windowOf(running).isEmpty(), "the copy left showed no window");
        QCOMPARE(running.state(), QProcess::Running);
        stop(a);
        stop(b);
    }

    // What a screen reader reads of a running copy over the desktop's accessibility bus.
    void aScreenReaderReadsWindowsAndGauges() {
        AtSpiSession a11y;
        if (!a11y.failure().isEmpty())
            QSKIP(qPrintable(a11y.failure()));
        const ScopedEnv bus("DBUS_SESSION_BUS_ADDRESS", a11y.sessionAddress());
        Desktop d(x_);
        Copy vok = d.start();
        QVERIFY2(!d.windowOf(*vok).isEmpty(), "the copy showed no window");
        const AtSpiNode app = a11y.application(vok->processId(), 20000);
        QVERIFY2(app.valid(), "the copy is not on the accessibility bus");
        const auto named = [&](const AtSpiNode& under, const QString& name, QString role = {}) {
            return a11y.findAll(under, [&](const AtSpiNode& n) {
                return a11y.property(n, "Name").toString().startsWith(name) &&
                       (role.isEmpty() || a11y.roleName(n) == role);
            });
        };
        const AtSpiNode main = named(app, "Vok 97").value(0);
        QCOMPARE(a11y.roleName(main), QString("frame"));
        QVERIFY(a11y.doAction(named(main, "Whats running").value(0), "Press"));
        QTRY_COMPARE_WITH_TIMEOUT(a11y.roleName(named(app, "Memory Screen").value(0)),
                                  QString("frame"), 10000);

        // The memory pie's value is the percentage its description names.
        const AtSpiNode pie = named(main, "Memory", "progress bar").value(0);
        const auto value = [&](const AtSpiNode& n) {
            return a11y.property(n, "CurrentValue", "org.a11y.atspi.Value");
        };
        QVERIFY2(value(pie).isValid(), "the pie has no value");
        QVERIFY(a11y.property(pie, "Description")
                    .toString()
                    .endsWith(QString(" %1 %").arg(value(pie).toInt())));

        // Each roll that changes a die's pips is announced, and only that.
        a11y.listenForValues();
        const AtSpiNode game = named(main, "Craps Game").value(0);
        QVERIFY(a11y.doAction(game, "Toggle") || a11y.doAction(game, "Press"));
        const QList<AtSpiNode> dice = named(main, "Die");
        QCOMPARE(dice.size(), 2);
        const auto pips = [&] {
            return QList<int>{value(dice[0]).toInt(), value(dice[1]).toInt()};
        };
        const QList<int> before = pips();
        QList<int> after = before;
        for (int roll = 0; roll < 20 && after == before; ++roll) {
            a11y.valueChanged.clear();
            QVERIFY(a11y.doAction(dice[0], "Press"));
            after = pips();
        }
        QVERIFY(after != before);
        // The replies above came after any announcement the roll made.
        QCoreApplication::processEvents();
        QStringList expected;
        for (int i : {0, 1})
            if (after[i] != before[i])
                expected << dice[i].path;
        QCOMPARE(a11y.valueChanged, expected);
        stop(vok);
    }

private:
    XvfbSession x_;
};

QTEST_MAIN(SingleCopyTest)
#include "single_copy_test.moc"
