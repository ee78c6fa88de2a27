#include "controls/HelpViewer.h"
#include "platform/fake/FakeDialogService.h"
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

using namespace vok;

namespace {

QString pageText(const QString& url) {
    QFile f(QString(url).replace("qrc:", ":"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
    FakeDialogService dialogs;
private slots:
    void initTestCase() {
        HelpViewer makesTheResourceAvailable(dialogs);
        QVERIFY(!helpTopics().isEmpty());
    }

    // Every topic has its page, its links lead to pages, and the pages cover the commands and
    // screens.
    void everyTopicHasItsPageAndItsLinksLeadToPages() {
        static const QRegularExpression href("href=\"([^\"#]+)");
        int links = 0;
        QString all;
        for (const HelpTopic& t : helpTopics()) {
            const QString text = pageText(t.page);
            all += text;
            QVERIFY2(text.contains("<h1>" + t.title + "</h1>"), qPrintable(t.page));
            for (const auto& m : href.globalMatch(text)) {
                ++links;
                QVERIFY2(QFile::exists(":/help/" + m.captured(1)), qPrintable(m.captured(1)));
            }
        }
        QVERIFY(links > helpTopics().size());
        const QStringList words =
            QString("Whats running . Window Names.|Memory Tree. Processes and Modules.|Page File|"
                    "GDI|System|User|All Disks|Kilobytes|Directory Search|Directory Tree|"
                    "File Search|Pie Graph Colors|Set to Default|Small Vok|Large Vok|Craps Game|"
                    "Reset Settings|3D Pie Not Fully Functional|~/.config/Vok95.conf|"
                    "XDG_CONFIG_HOME")
                .split('|');
        for (const QString& w : words)
            QVERIFY2(all.contains(w), qPrintable(w));
        // The 3D pies are kept drawn by the window; the help must not say otherwise.
        QVERIFY(!pageText(":/help/options-menu.html").contains("erase"));
    }

    void opensAtTheFirstTopic() {
        QWidget main;
        HelpViewer* viewer = showHelp(dialogs, &main);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->currentTopic(), 0);
        QCOMPARE(viewer->topicList()->currentRow(), 0);
        QCOMPARE(viewer->topicList()->count(), helpTopics().size());
        QCOMPARE(viewer->browser()->documentTitle(), helpTopics()[0].title);
        QVERIFY(viewer->browser()->toPlainText().contains("pie graphs"));

        viewer->topicList()->setCurrentRow(13);
        QCOMPARE(viewer->browser()->documentTitle(), "Settings and where they live");
        // Asking again brings back the same window, at the first topic again.
        QCOMPARE(showHelp(dialogs, &main), viewer);
        QCOMPARE(viewer->currentTopic(), 0);
        // The window that asks may name its own first page.
        QCOMPARE(showHelp(dialogs, &main, QUrl(helpTopics()[4].page))->currentTopic(), 4);
        QCOMPARE(main.findChildren<HelpViewer*>().size(), 1);
        // Following a link (what a click on it does) moves the topic list.
        const auto follow = [&](const char* link) {
            viewer->browser()->setSource(viewer->browser()->source().resolved(QUrl(link)));
        };
        follow("drive-letters.html");
        QCOMPARE(viewer->browser()->documentTitle(), "How drives get letters");
        QCOMPARE(viewer->topicList()->currentRow(), helpTopics().size() - 2);
        // The About topic: the build's version, and the licence in full one link further.
        follow("about.html");
        QCOMPARE(viewer->topicList()->currentRow(), helpTopics().size() - 1);
        QVERIFY(viewer->browser()->toPlainText().contains(
            QRegularExpression("^Vok 97 v\\d+\\.\\d+ shows", QRegularExpression::MultilineOption)));
        follow("licence.html");
        QVERIFY(viewer->browser()->toPlainText().contains(
            "GNU GENERAL PUBLIC LICENSE\n                       Version 3, 29 June 2007"));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
