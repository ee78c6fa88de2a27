#include "controls/Panel.h"
#include "memscreens/ProcessTreeLines.h"
#include "memscreens/Unit5.h"
#include "support/DesignFigures.h"
#include "support/TestScreenContext.h"
#include "support/TestServices.h"
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace vok;
using vok::test::wrongFigures;

namespace {

ProcessRecord process(qint64 pid, const QString& exe, int threads,
                      std::vector<ModuleRecord> modules) {
    return ProcessRecord{pid, exe, threads, std::move(modules)};
}

// A screen over the fake services; its context records what it asked to open.
struct Fixture {
    explicit Fixture(FontSetting font = {}) {
        context.settings.DirFont = font;
        screen = std::make_unique<TFmMemTree>(t.services, context);
    }
    QStringList texts(QTreeWidgetItem* parent = nullptr) const {
        QStringList out;
        const int n = parent ? parent->childCount() : screen->TreeView1->topLevelItemCount();
        for (int i = 0; i < n; ++i)
            out << (parent ? parent->child(i) : screen->TreeView1->topLevelItem(i))->text(0);
        return out;
    }
    QTreeWidgetItem* root(int i) const { return screen->TreeView1->topLevelItem(i); }
    TestServices t;
    TestScreenContext context;
    QStringList& opened = context.fileInfoOpened;
    std::unique_ptr<TFmMemTree> screen;
};

} // namespace

class ProcessTreeTest : public QObject {
    Q_OBJECT
private slots:
    void linesTotalsAndSummary() {
        Fixture f;
        f.t.processes.snapshot.processes = {
            process(1, "/sbin/init", 1, {{"/sbin/init", 600, 1}, {"/lib/libc.so.6", 600, 2}}),
            process(2, "[kthreadd]", 1, {}),
            process(
                5, "/usr/bin/big", 40,
                {{"/usr/bin/big", 3'000'000'000ull, 1}, {"/lib/libc.so.6", 2'000'000'000ull, 2}})};
        f.screen->Button1->click();
        QCOMPARE(
            f.texts(),
            (QStringList{"My Windows 95 Tree. Whats Running and where it was loaded from.",
                         "/sbin/init * has been used 1 times", "[kthreadd] * has been used 1 times",
                         "/usr/bin/big * has been used 40 times"}));
        QCOMPARE(f.texts(f.root(1)),
                 (QStringList{"*** Module list for process init ***",
                              "/sbin/init * size is 600 bytes has been used 1 times",
                              "/lib/libc.so.6 * size is 600 bytes has been used 2 times",
                              "***** End of Module List ****",
                              "2 Modules found for process 1 total size = 1Kb"}));
        QCOMPARE(f.texts(f.root(2)),
                 (QStringList{"Unable to retrieve Windows 95 Modules for this process",
                              "***** End of Module List ****",
                              "0 Modules found for process 2 total size = 0Kb"}));
        // Beyond 32 bits: 5,000,000,000 bytes div 1024 and div 1048576, truncated.
        QCOMPARE(f.texts(f.root(3)).last(),
                 QString("2 Modules found for process 3 total size = 4882812Kb"));
        QCOMPARE(f.screen->Panel1->text(), QString("Vok found 3 Processes 4 Modules using 4768Mb"));

        // Building again starts from an empty tree.
        f.t.processes.snapshot.processes.resize(1);
        f.screen->Button1Click();
        QCOMPARE(f.screen->TreeView1->topLevelItemCount(), 2);
        QCOMPARE(f.screen->Panel1->text(), QString("Vok found 1 Processes 2 Modules using 0Mb"));
    }

    void noProcessesLineIsAChildOfTheTitle() {
        Fixture f;
        f.t.processes.snapshot = ProcessSnapshot{false, {}};
        f.screen->Button1Click();
        QCOMPARE(f.screen->TreeView1->topLevelItemCount(), 1);
        QCOMPARE(f.texts(f.root(0)), QStringList{"Unable to retrieve Windows 95 Processes"});
        QCOMPARE(f.screen->Panel1->text(), QString("Vok found 0 Processes 0 Modules using 0Mb"));
    }

    // The arrow keys browse every line and open nothing; Enter, Space or a click opens the
    // file of a process or module line, and nothing for a line that names none or a vanished one.
    void keysBrowseEnterSpaceAndClicksOpen() {
        Fixture f;
        const QString starred = "/opt/a * has been used 9 times * size is 1 bytes.so";
        f.t.directories.addFile("/usr/bin/app", 10);
        f.t.directories.addFile(starred, 10);
        f.t.processes.snapshot.processes = {
            process(10, "/usr/bin/app", 2,
                    {{"/usr/bin/app", 4096, 1}, {starred, 8192, 1}, {"/gone.so", 4096, 1}})};
        f.screen->show();
        QVERIFY(QTest::qWaitForWindowActive(f.screen.get()));
        f.screen->Button1Click();
        QTreeWidget* tree = f.screen->TreeView1;
        tree->expandAll();
        tree->setFocus();
        tree->setCurrentItem(f.root(0));
        for (int line = 0; line < 7; ++line)
            QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(tree->currentItem(), f.root(1)->child(5));
        QVERIFY2(f.opened.isEmpty(), qPrintable(f.opened.join('|')));

        QTreeWidgetItem* proc = f.root(1);
        const struct {
            QTreeWidgetItem* line;
            Qt::Key key; // none: a click
            QStringList opens;
        } cases[] = {
            {f.root(0), Qt::Key_Return, {}},
            {proc->child(0), Qt::Key_Space, {}},
            {proc->child(3), Qt::Key_Enter, {}},
            {proc->child(4), Qt::Key_unknown, {}},
            {proc->child(5), Qt::Key_Return, {}},
            {proc, Qt::Key_Return, {"/usr/bin/app"}},
            {proc->child(2), Qt::Key_Space, {starred}},
            {proc->child(1), Qt::Key_Enter, {"/usr/bin/app"}},
            {proc, Qt::Key_unknown, {"/usr/bin/app"}},
        };
        for (const auto& c : cases) {
            f.opened.clear();
            tree->setCurrentItem(c.line);
            if (c.key == Qt::Key_unknown)
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                                  tree->visualItemRect(c.line).center());
            else
                QTest::keyClick(tree, c.key);
            QCOMPARE(f.opened, c.opens);
        }
        QCOMPARE(lineFilePath("*** Module list for process x * has been used 1 times ***"),
                 QString());
    }

    void activationResetsTheFlagButNotTheCaption() {
        Fixture f;
        f.t.directories.addFile("/bin/sh", 1);
        f.t.processes.snapshot.processes = {process(1, "/bin/sh", 1, {{"/bin/sh", 1, 1}})};
        f.screen->Button1Click();
        f.screen->Button2->click();
        QCOMPARE(f.screen->Button2->text(), QString("Collapse"));
        QVERIFY(f.root(1)->isExpanded());
        // Back from the file information screen: activated again.
        f.screen->TreeView1->setCurrentItem(f.root(1));
        QTest::keyClick(f.screen->TreeView1, Qt::Key_Return);
        QCOMPARE(f.opened.size(), 1);
        QVERIFY(!f.screen->treeExpanded());
        QCOMPARE(f.screen->Button2->text(), QString("Collapse"));
        f.screen->TreeView1->collapseAll();
        f.screen->Button2->click(); // expands again
        QVERIFY(f.root(1)->isExpanded());
        QCOMPARE(f.screen->Button2->text(), QString("Collapse"));
        f.screen->Button2->click();
        QVERIFY(!f.root(1)->isExpanded());
        QCOMPARE(f.screen->Button2->text(), QString("Expand Tree"));
    }

    void directoryFontCappedAtTen() {
        Fixture big(FontSetting{0x0000FF, 14, "Arial"});
        QCOMPARE(big.screen->TreeView1->font().pointSize(), 10);
        QCOMPARE(big.screen->Panel1->font().pointSize(), 10);
        QCOMPARE(big.screen->Panel1->fontColor(), 0x0000FFu);
        QCOMPARE(big.screen->TreeView1->palette().color(QPalette::Text), QColor(Qt::red));
        Fixture small(FontSetting{0, 7, "Arial"});
        QCOMPARE(small.screen->TreeView1->font().pointSize(), 7);
        const TFmMemTree& s = *small.screen;
        const auto button = [](const QPushButton* b) {
            return QVariantList{b->geometry(), b->text()};
        };
        // clang-format off
        QCOMPARE(wrongFigures({
            {"window", QVariantList{s.windowTitle(), bool(s.windowState() & Qt::WindowMaximized)},
                       QVariantList{"Vok Windows 95 Memory Tree", true}},
            {"Button1", button(s.Button1), QVariantList{QRect(16, 0, 75, 25), "Build Tree"}},
            {"Button2", button(s.Button2), QVariantList{QRect(96, 0, 75, 25), "Expand Tree"}},
            {"Panel1", s.Panel1->pos(), QPoint(176, 16)},
            {"Label1", QVariantList{s.Label1->text(), s.Label1->wordWrap()},
                       QVariantList{"Fonts are set in the Directory  search screen for this "
                                    "memory tree using the directory font.", true}},
            {"TreeView1", QVariantList{s.TreeView1->indentation(),
                                       int(s.TreeView1->editTriggers())},
                          QVariantList{19, int(QAbstractItemView::NoEditTriggers)}},
        }), QString());
        // clang-format on
    }
};

QTEST_MAIN(ProcessTreeTest)
#include "process_tree_test.moc"
