// The window list and the running copy on Wayland: the toplevel book against recorded event
// sequences, and Vok itself in a headless sway of the test's own.
#include "controls/Panel.h"
#include "controls/PieGraf.h"
#include "controls/QtDialogService.h"
#include "main/Unit1.h"
#include "memscreens/UtMem.h"
#include "platform/PlatformServices.h"
#include "platform/linux/ToplevelBook.h"
#include "support/StopProcess.h"
#include "support/SwaySession.h"
#include <QApplication>
#include <QListWidget>
#include <QSocketNotifier>
#include <QtTest>
#include <cstdio>

using namespace vok;

namespace {

// One event of a recorded sequence, whichever protocol sent it.
struct Event {
    enum Kind { Announced, Titled, Active, Inactive, Described, Closed } kind;
    ToplevelBook::Key key;
    QByteArray title = {};
};

QStringList captions(const QList<TopLevelWindow>& windows) {
    QStringList out;
    for (const TopLevelWindow& w : windows)
        out << w.caption;
    return out;
}

QStringList replay(const QList<Event>& events) {
    ToplevelBook book;
    for (const Event& e : events) {
        switch (e.kind) {
        case Event::Announced:
            book.announced(e.key);
            break;
        case Event::Titled:
            book.titled(e.key, e.title);
            break;
        case Event::Active:
            book.activated(e.key, true);
            break;
        case Event::Inactive:
            book.activated(e.key, false);
            break;
        case Event::Described:
            book.described(e.key);
            break;
        case Event::Closed:
            book.closed(e.key);
            break;
        }
    }
    return captions(book.windows());
}

// What a copy of Vok in the session shows, as lines on its output: the main window's read-out
// and gauges, then the running windows screen's list and count each time it is asked for, on
// each line of its input.
int showScreens(int argc, char** argv) {
    QApplication app(argc, argv);
    QtDialogService dialogs;
    PlatformServices platform(dialogs);
    TfmVok fm(platform.all, QSize(1024, 768));
    fm.show();
    if (!QTest::qWaitForWindowExposed(&fm))
        return 2;
    std::printf("read-out\t%s\n", qPrintable(fm.Panel1->text()));
    std::printf("disk\t%d\nmemory\t%d\n", fm.PieGraf1->percent(), fm.PieGraf2->percent());
    std::printf("ready\n");
    std::fflush(stdout);
    // The screen stays open, and painted, until the next line, for the test to compare with
    // sway meanwhile.
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &fm, [&] {
        char line[16];
        if (!std::fgets(line, sizeof line, stdin)) {
            QApplication::quit();
            return;
        }
        // Asked for again while it is open, the screen comes forward with a fresh list.
        fm.PieGraf2Click();
        TfmMem* screen = fm.memScreen();
        // The compositor lists the screen once it has mapped and focused it; the screen hears
        // of that and lists again by itself.
        if (!QTest::qWaitFor(
                [&] {
                    return screen->ListBox1->count() > 0 &&
                           screen->ListBox1->item(0)->text().startsWith("Memory Screen");
                },
                10000))
            std::printf("the screen never listed itself first\n");
        for (int i = 0; i < screen->ListBox1->count(); ++i)
            std::printf("window\t%s\n", qPrintable(screen->ListBox1->item(i)->text()));
        std::printf("count\t%s\nend\n", qPrintable(screen->Panel2->text()));
        std::fflush(stdout);
    });
    return QApplication::exec();
}

QList<QByteArray> linesUntil(QProcess& p, const QByteArray& last) {
    QList<QByteArray> lines;
    while (lines.isEmpty() || lines.last() != last) {
        while (!p.canReadLine())
            if (!p.waitForReadyRead(30000))
                return lines;
        lines << p.readLine().chopped(1);
    }
    return lines;
}

QStringList field(const QList<QByteArray>& lines, const QByteArray& name) {
    QStringList out;
    for (const QByteArray& l : lines)
        if (l.startsWith(name + '\t'))
            out << QString::fromUtf8(l.mid(name.size() + 1));
    return out;
}

// sway's titled views, the focused one first and the rest sorted: the order Vok lists them in
// apart from the compositor's announcing order, which sway's tree does not show.
QStringList titled(const QList<SwaySession::View>& views) {
    QStringList focused, rest;
    for (const SwaySession::View& v : views)
        if (!v.name.isEmpty())
            (v.focused ? focused : rest) << v.name;
    rest.sort();
    return focused + rest;
}

QStringList focusedFirst(QStringList shown) {
    if (shown.isEmpty())
        return shown;
    const QString first = shown.takeFirst();
    shown.sort();
    return QStringList{first} + shown;
}

} // namespace

Q_DECLARE_METATYPE(QList<Event>)

class WaylandWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void recordedSequences_data() {
        QTest::addColumn<QList<Event>>("events");
        QTest::addColumn<QStringList>("shown");
        using E = Event;
        const QByteArray longTitle = QByteArray(300, 'x');
        QTest::newRow("active first, then as announced")
            << QList<Event>{{E::Announced, 1}, {E::Titled, 1, "one"},     {E::Described, 1},
                            {E::Announced, 2}, {E::Titled, 2, "Grüße ☃"}, {E::Active, 2},
                            {E::Described, 2}, {E::Announced, 3},         {E::Titled, 3, "three"},
                            {E::Described, 3}}
            << QStringList{"Grüße ☃", "one", "three"};
        QTest::newRow("not yet described is not shown") << QList<Event>{{E::Announced, 1},
                                                                        {E::Titled, 1, "half"},
                                                                        {E::Announced, 2},
                                                                        {E::Titled, 2, "whole"},
                                                                        {E::Described, 2}}
                                                        << QStringList{"whole"};
        QTest::newRow("closed goes, a new title replaces")
            << QList<Event>{{E::Announced, 1}, {E::Titled, 1, "gone"}, {E::Described, 1},
                            {E::Announced, 2}, {E::Titled, 2, "old"},  {E::Described, 2},
                            {E::Closed, 1},    {E::Titled, 2, "new"},  {E::Described, 2}}
            << QStringList{"new"};
        QTest::newRow("the focus moves")
            << QList<Event>{{E::Announced, 1}, {E::Titled, 1, "a"}, {E::Active, 1},
                            {E::Described, 1}, {E::Announced, 2},   {E::Titled, 2, "b"},
                            {E::Described, 2}, {E::Inactive, 1},    {E::Described, 1},
                            {E::Active, 2},    {E::Described, 2}}
            << QStringList{"b", "a"};
        QTest::newRow("empty, cut and unknown") << QList<Event>{{E::Titled, 9, "never announced"},
                                                                {E::Described, 9},
                                                                {E::Closed, 9},
                                                                {E::Announced, 1},
                                                                {E::Described, 1},
                                                                {E::Announced, 2},
                                                                {E::Titled, 2, longTitle},
                                                                {E::Described, 2}}
                                                << QStringList{QString(), QString(254, 'x')};
    }
    void recordedSequences() {
        QFETCH(QList<Event>, events);
        QFETCH(QStringList, shown);
        QCOMPARE(replay(events), shown);
    }

    void changesAreToldOnceDescribed() {
        ToplevelBook book;
        book.announced(1);
        book.titled(1, "t");
        QVERIFY(!book.takeChanged());
        book.described(1);
        QVERIFY(book.takeChanged());
        QVERIFY(!book.takeChanged());
        book.closed(1);
        QVERIFY(book.takeChanged());
        book.closed(1);
        QVERIFY(!book.takeChanged());
    }

    void theScreenListsWhatSwayShows() {
        SwaySession sway;
        if (!sway.failure().isEmpty())
            QSKIP(qPrintable(sway.failure()));
        std::unique_ptr<QProcess> one = sway.terminal("Grüße ☃ eins");
        std::unique_ptr<QProcess> two = sway.terminal("zwei");
        std::unique_ptr<QProcess> untitled = sway.terminal("");
        QVERIFY(one && two && untitled);

        QProcessEnvironment env = sway.environment();
        env.insert("QT_QPA_PLATFORM", "wayland");
        std::unique_ptr<QProcess> vok =
            sway.start(QCoreApplication::applicationFilePath(), {"--show-screens"}, env);
        const QList<QByteArray> head = linesUntil(*vok, "ready");
        QVERIFY2(head.contains("ready"), vok->readAllStandardError().constData());
        QVERIFY(!field(head, "read-out").value(0).trimmed().isEmpty());
        // Some memory is always in use; the disk gauge shows the drive of "/", however full.
        QVERIFY(field(head, "memory").value(0).toInt() > 0);
        QCOMPARE(field(head, "disk").size(), 1);

        const auto opened = [&] {
            vok->write("\n");
            return linesUntil(*vok, "end");
        };
        const QList<QByteArray> first = opened();
        const QStringList listed = field(first, "window");
        QCOMPARE(focusedFirst(listed), titled(sway.views()));
        QVERIFY2(listed.value(0).startsWith("Memory Screen"), qPrintable(listed.join(" | ")));
        QVERIFY(listed.contains("Grüße ☃ eins") && listed.contains("zwei"));
        QVERIFY(
            field(first, "count").value(0).endsWith(QString("/ %1 Windows").arg(listed.size())));

        stopProcess(two);
        QTRY_VERIFY_WITH_TIMEOUT(!titled(sway.views()).contains("zwei"), 10000);
        const QStringList again = field(opened(), "window");
        QCOMPARE(focusedFirst(again), titled(sway.views()));
        QCOMPARE(again.size(), listed.size() - 1);
        vok->closeWriteChannel();
        QVERIFY(vok->waitForFinished(10000));
        QCOMPARE(vok->exitCode(), 0);
        stopProcess(one);
        stopProcess(untitled);
    }

    // A later start hands its token to the running copy, which takes the focus with it, and
    // ends with 0.
    void aSecondStartFocusesTheFirst() {
        SwaySession sway("focus_on_window_activation focus\n");
        if (!sway.failure().isEmpty())
            QSKIP(qPrintable(sway.failure()));
        QProcessEnvironment env = sway.environment();
        env.insert("QT_QPA_PLATFORM", "wayland");
        // Vok's main window as sway has it: 0 none, 1 shown, 2 shown and focused.
        const auto vok = [&] {
            for (const SwaySession::View& v : sway.views())
                if (v.appId == VOK_APP_ID)
                    return v.focused ? 2 : 1;
            return 0;
        };
        const auto vokFocused = [&] { return vok() == 2; };
        std::unique_ptr<QProcess> first = sway.start(VOK_BINARY, {}, env);
        QTRY_VERIFY_WITH_TIMEOUT(vok() != 0, 20000);
        std::unique_ptr<QProcess> other = sway.terminal("in front");
        QVERIFY(other);
        QTRY_VERIFY_WITH_TIMEOUT(!vokFocused(), 10000);

        std::unique_ptr<QProcess> second = sway.start(VOK_BINARY, {}, env);
        QVERIFY(second->waitForFinished(15000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(vokFocused(), 10000);
        QCOMPARE(first->state(), QProcess::Running);
        stopProcess(first);
        stopProcess(other);
    }
};

int main(int argc, char** argv) {
    if (argc == 2 && qstrcmp(argv[1], "--show-screens") == 0)
        return showScreens(argc, argv);
    QCoreApplication app(argc, argv);
    WaylandWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "wayland_windows_test.moc"
