#include "controls/Dice.h"
#include "controls/DirectoryListBox.h"
#include "controls/DriveComboBox.h"
#include "controls/HelpViewer.h"
#include "controls/Panel.h"
#include "controls/PieGraf.h"
#include "controls/StringGrid.h"
#include "diskscreens/Unit2.h"
#include "diskscreens/Unit3.h"
#include "diskscreens/Unit4.h"
#include "diskscreens/unfiletest.h"
#include "main/Unit1.h"
#include "memscreens/Unit5.h"
#include "memscreens/UtMem.h"
#include "platform/ErrorHandler.h"
#include "platform/VokError.h"
#include "support/FailingAllocation.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QAction>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

using namespace vok;

namespace {

// One command as the user starts it: the window it lives in, made over the fakes, and the
// signal its control emits (or the key event it gets).
struct Fixture {
    TestServices t;
    TestScreenContext context;
    std::vector<std::unique_ptr<QObject>> keep;
    bool escaped = false;
    bool refused = false;

    template <typename W, typename... A> W& make(A&&... args) {
        keep.push_back(std::make_unique<W>(std::forward<A>(args)...));
        return static_cast<W&>(*keep.back());
    }
    // Starts the command with its first allocation (of at least leastSize bytes) refused.
    void strike(const std::function<void()>& start, unsigned long leastSize = 0) {
        try {
            NextAllocationFails fail(leastSize);
            start();
            refused = fail.failed();
        } catch (...) {
            escaped = true;
        }
    }
};

using Command = std::function<void(Fixture&)>;

// The menus' own slot runs before the command's and allocates in toolkit code that cannot fail
// cleanly; the command alone is what is tried here.
void commandOnly(QAction* a) {
    for (QObject* menu : a->associatedObjects())
        QObject::disconnect(a, SIGNAL(triggered()), menu, SLOT(_q_actionTriggered()));
}

// A command of the main window; prepare runs before the failure is armed.
Command onMain(std::function<void(TfmVok&)> start, std::function<void(TfmVok&)> prepare = {}) {
    return [=](Fixture& f) {
        auto& fm = f.make<TfmVok>(f.t.services, QSize(640, 480));
        if (prepare)
            prepare(fm);
        f.strike([&] { start(fm); });
    };
}

// A command of a screen made over the fakes.
template <typename Screen>
Command onScreen(std::function<void(Screen&)> start, std::function<void(Screen&)> prepare = {}) {
    return [=](Fixture& f) {
        auto& s = f.make<Screen>(f.t.services, f.context);
        if (prepare)
            prepare(s);
        f.strike([&] { start(s); });
    };
}

constexpr unsigned long kRowsWorth = 4096; // a sort's keys, past the toolkit's bookkeeping

// A search or tree screen that has listed 1000 files.
template <typename Screen> Screen& listed(Fixture& f) {
    for (int i = 0; i < 1000; ++i)
        f.t.directories.addFile(QString("/s/f%1.txt").arg(i), i);
    auto& s = f.make<Screen>(f.t.services, f.context);
    s.DirectoryListBox1->setDirectory("/s");
    s.Button1Click();
    return s;
}

TFmMemTree& processTree(Fixture& f) {
    for (int pid = 1; pid <= 100; ++pid)
        f.t.processes.snapshot.processes.push_back(
            ProcessRecord{pid, "/bin/sh", 1, {{"/bin/sh", 1, 1}}});
    return f.make<TFmMemTree>(f.t.services, f.context);
}

const QList<std::pair<const char*, Command>>& commands() {
    static const QList<std::pair<const char*, Command>> table{
        {"click on the disk pie", onMain([](TfmVok& fm) { emit fm.PieGraf1->clicked(); })},
        {"click on the memory pie", onMain([](TfmVok& fm) { emit fm.PieGraf2->clicked(); })},
        {"main menu item", onMain([](TfmVok& fm) { emit fm.Virtual1->triggered(); },
                                  [](TfmVok& fm) { commandOnly(fm.Virtual1); })},
        {"main drive picker", onMain([](TfmVok& fm) { emit fm.DriveComboBox1->changed(); })},
        {"click on a die", onMain([](TfmVok& fm) { emit fm.Dice1->clicked(); })},
        {"all disks menu item",
         onScreen<TfmAlldisk>([](TfmAlldisk& s) { emit s.TextFont1->triggered(); },
                              [](TfmAlldisk& s) { commandOnly(s.TextFont1); })},
        {"search button", onScreen<TfmFiles>([](TfmFiles& s) { emit s.Button1->clicked(); })},
        {"search sort menu item",
         [](Fixture& f) {
             auto& s = listed<TfmFiles>(f);
             commandOnly(s.FileSize1);
             f.strike([&] { emit s.FileSize1->triggered(); }, kRowsWorth);
         }},
        {"search grid click",
         [](Fixture& f) {
             auto& s = listed<TfmFiles>(f);
             f.strike([&] { emit s.StringGrid1->clicked(); });
         }},
        {"directory space list box",
         onScreen<TFmDir>([](TFmDir& s) { emit s.DirectoryListBox1->changed(); })},
        {"directory space panel click",
         onScreen<TFmDir>([](TFmDir& s) { emit s.Panel1->clicked(); })},
        {"directory tree button",
         [](Fixture& f) {
             for (int i = 0; i < 1000; ++i)
                 f.t.directories.addFile(QString("/t/d%1/f.txt").arg(i), i);
             auto& s = f.make<TfmTree>(f.t.services, f.context);
             s.DirectoryListBox1->setDirectory("/t");
             f.strike([&] { emit s.Button1->clicked(); }, kRowsWorth);
         }},
        {"directory tree selection",
         [](Fixture& f) {
             auto& s = listed<TfmTree>(f);
             QTreeWidgetItem* node = s.TreeView1->topLevelItem(0);
             f.strike([&] { emit s.TreeView1->currentItemChanged(node, nullptr); }, kRowsWorth);
         }},
        {"process tree button",
         [](Fixture& f) {
             auto& s = processTree(f);
             f.strike([&] { emit s.Button1->clicked(); }, kRowsWorth);
         }},
        {"process tree click",
         [](Fixture& f) {
             auto& s = processTree(f);
             s.Button1Click();
             QTreeWidgetItem* line = s.TreeView1->topLevelItem(1);
             f.strike([&] { emit s.TreeView1->itemClicked(line, 0); });
         }},
        {"running windows list box",
         onScreen<TfmMem>([](TfmMem& s) { emit s.ListBox1->itemClicked(nullptr); })},
        {"directory list Enter key",
         [](Fixture& f) {
             f.t.directories.addDirectory("/d/sub");
             auto& box = f.make<TDirectoryListBox>(f.t.drives, f.t.directories, f.t.dialogs);
             box.setDirectory("/d");
             box.setCurrentRow(box.count() - 1);
             QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
             f.strike([&] { QCoreApplication::sendEvent(&box, &enter); }, 64);
         }},
        {"help topic",
         [](Fixture& f) {
             auto& help = f.make<HelpViewer>(f.t.dialogs);
             auto* topics = help.findChild<QListWidget*>();
             f.strike([&] { emit topics->currentRowChanged(2); });
         }},
    };
    return table;
}

} // namespace

class ErrorHandlerTest : public QObject {
    Q_OBJECT
private slots:
    void errorEndsHandlerAndShowsText() {
        TestServices t;
        bool ran = false;
        runGuarded(t.dialogs, [&] { ran = true; });
        QVERIFY(ran);
        QVERIFY(t.dialogs.errors.isEmpty()); // a quiet handler shows nothing
        int reached = 0;
        runGuarded(t.dialogs, [&] {
            ++reached;
            throw VokError("Not a valid drive ID 1");
            ++reached;
        });
        QCOMPARE(reached, 1);
        QCOMPARE(t.dialogs.errors, QStringList{"Not a valid drive ID 1"});
    }
    void outOfMemoryEndsHandlerNotProgram() {
        TestServices t;
        bool escaped = false;
        try {
            runGuarded(t.dialogs, [] { throw std::bad_alloc(); });
        } catch (...) {
            escaped = true;
        }
        QVERIFY(!escaped);
        QCOMPARE(t.dialogs.errors, QStringList{"Out of memory"});
        QVERIFY(t.dialogs.room().held()); // taken again for the next time
    }

    // Whatever control starts a command, running out of memory ends it with the message, and
    // the program goes on.
    void everyCommandRunsGuarded_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < commands().size(); ++i)
            QTest::newRow(commands()[i].first) << i;
    }
    void everyCommandRunsGuarded() {
#ifdef __SANITIZE_ADDRESS__
        // The sanitizer's allocator changes which allocation comes first, and Qt's own small
        // allocations do not survive a refusal; the plain build runs this table.
        QSKIP("the injected allocation failure is tuned to the plain build's allocations");
#endif
        QFETCH(int, row);
        Fixture f;
        commands()[row].second(f);
        QVERIFY2(!f.escaped, "the failure left the handler");
        QVERIFY(f.refused);
        QCOMPARE(f.t.dialogs.errors, QStringList{"Out of memory"});
    }
};

QTEST_MAIN(ErrorHandlerTest)
#include "error_handler_test.moc"
