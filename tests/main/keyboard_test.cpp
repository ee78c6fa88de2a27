#include "controls/HelpViewer.h"
#include "main/Unit1.h"
#include "support/TestServices.h"
#include <QAccessible>
#include <QMenuBar>
#include <QScopeGuard>
#include <QtTest>

using namespace vok;

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    // Alt and a title's first letter open it; the titles' words and accessible names are the
    // same as before, and no item caption gets a mnemonic.
    void theFourTitlesOpenWithAlt() {
        TestServices t;
        TfmVok fm(t.services, QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowActive(&fm));
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(fm.menuBar());
        QVERIFY(bar);
        QStringList names, keys;
        for (int i = 0; i < bar->childCount(); ++i) {
            names << bar->child(i)->text(QAccessible::Name);
            keys << bar->child(i)->text(QAccessible::Accelerator);
        }
        QCOMPARE(names, (QStringList{"Memory", "Disk", "Options", "Help"}));
        QCOMPARE(keys, (QStringList{"Alt+M", "Alt+D", "Alt+O", "Alt+H"}));
        for (QAction* title : fm.menuBar()->actions()) {
            QMenu* menu = title->menu();
            if (!menu)
                continue; // Help is a command of its own
            const QList<QMenu*> menus = menu->findChildren<QMenu*>() << menu;
            for (const QMenu* inner : menus)
                for (const QAction* item : inner->actions())
                    QVERIFY2(!item->text().contains('&'), qPrintable(item->text()));
            QTest::keyClick(&fm, title->text().at(1).toLatin1(), Qt::AltModifier);
            QTRY_VERIFY2(menu->isVisible(), qPrintable(title->text()));
            menu->close();
        }
    }

    // Tab goes round each screen's controls in the order they are laid out, top to bottom.
    void tabGoesRoundEachScreenInOrder() {
        TestServices t;
        t.directories.addDirectory("/data");
        TfmVok fm(t.services, QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowActive(&fm));
        const struct {
            QAction* command;
            QStringList order;
        } screens[] = {
            {fm.DirectorySearch1, {"TDriveComboBox", "TDirectoryListBox"}},
            {fm.DirectoryTree1,
             {"TDriveComboBox", "TDirectoryListBox", "QPushButton", "QPushButton", "QPushButton",
              "QTreeWidget"}},
            {fm.FileSearch1,
             {"TDriveComboBox", "TDirectoryListBox", "QLineEdit", "QPushButton", "StringGrid"}},
            {fm.MemoryMap1, {"QPushButton", "QPushButton", "QTreeWidget"}},
        };
        for (const auto& s : screens) {
            QStringList order;
            QTimer::singleShot(0, [&] {
                QWidget* screen = QApplication::activeModalWidget();
                const auto closer = qScopeGuard([screen] { screen->close(); }); // also on a failure
                QVERIFY(QTest::qWaitForWindowActive(screen));
                QWidget* first = QApplication::focusWidget();
                for (QWidget* at = first; at && order.size() < 10;) {
                    order << QString(at->metaObject()->className()).remove("vok::");
                    QTest::keyClick(at, Qt::Key_Tab);
                    at = QApplication::focusWidget();
                    if (at == first)
                        break;
                }
            });
            s.command->trigger();
            QCOMPARE(order, s.order);
        }
    }

    // F1 opens the help on the screen in front (the screens run modal), Ctrl+W closes that
    // screen and never the main window, Ctrl+Q closes Vok as closing its main window does.
    void helpCloseAndQuitKeys() {
        TestServices t;
        TfmVok fm(t.services, QSize(640, 480));
        fm.show();
        QVERIFY(QTest::qWaitForWindowActive(&fm));
        QWidget* screen = nullptr;
        QString topic;
        QTimer::singleShot(0, [&] {
            screen = QApplication::activeModalWidget();
            QTest::keyClick(screen, Qt::Key_F1);
            if (auto* help = fm.findChild<HelpViewer*>()) {
                topic = helpTopics().value(help->currentTopic()).title;
                help->close();
            }
            QTest::keyClick(screen, Qt::Key_W, Qt::ControlModifier);
        });
        QTimer::singleShot(5000, [&] { // a failure, not a hang
            if (QApplication::activeModalWidget())
                QApplication::activeModalWidget()->close();
        });
        fm.AllDisks1->trigger();
        QVERIFY(screen && !screen->isVisible());
        QCOMPARE(topic, QString("All disks screen"));
        QTest::keyClick(&fm, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(fm.isVisible());
        QTest::keyClick(&fm, Qt::Key_F1);
        auto* help = fm.findChild<HelpViewer*>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(helpTopics()[help->currentTopic()].title, QString("The Vok main window"));
        help->close();
        const int saves = t.settings.saves;
        QTest::keyClick(&fm, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!fm.isVisible());
        QCOMPARE(t.settings.saves, saves + 1);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
