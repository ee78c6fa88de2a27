#include "controls/HelpViewer.h"
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

QString allPages() {
    QString all;
    for (const HelpTopic& t : helpTopics())
        all += pageText(t.page);
    return all;
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        HelpViewer makesTheResourceAvailable;
        QVERIFY(!helpTopics().isEmpty());
    }

    void everyTopicHasItsPageAndItsLinksLeadToPages() {
        static const QRegularExpression href("href=\"([^\"#]+)");
        int links = 0;
        for (const HelpTopic& t : helpTopics()) {
            const QString text = pageText(t.page);
            QVERIFY2(text.contains("<h1>" + t.title + "</h1>"), qPrintable(t.page));
            for (const auto& m : href.globalMatch(text)) {
                ++links;
                QVERIFY2(QFile::exists(":/help/" + m.captured(1)), qPrintable(m.captured(1)));
            }
        }
        QVERIFY(links > helpTopics().size());
    }

    void pagesCoverTheCommandsAndScreens() {
        const QString all = allPages();
        const QStringList words =
            QString("Whats running . Window Names.|Memory Tree. Processes and Modules.|Page File|"
                    "GDI|System|User|All Disks|Kilobytes|Directory Search|Directory Tree|"
                    "File Search|Pie Graph Colors|Set to Default|Small Vok|Large Vok|Craps Game|"
                    "Reset Settings|3D Pie Not Fully Functional|~/.config/Vok95.conf|"
                    "XDG_CONFIG_HOME")
                .split('|');
        QCOMPARE(words.size(), 20);
        for (const QString& w : words)
            QVERIFY2(all.contains(w), qPrintable(w));
    }

    void opensAtTheFirstTopic() {
        QWidget main;
        HelpViewer* viewer = showHelp(&main);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->currentTopic(), 0);
        QCOMPARE(viewer->topicList()->currentRow(), 0);
        QCOMPARE(viewer->topicList()->count(), helpTopics().size());
        QCOMPARE(viewer->browser()->documentTitle(), helpTopics()[0].title);
        QVERIFY(viewer->browser()->toPlainText().contains("pie graphs"));

        viewer->topicList()->setCurrentRow(13);
        QCOMPARE(viewer->browser()->documentTitle(), "Settings and where they live");
        // Asking again brings back the same window, at the first topic again.
        QCOMPARE(showHelp(&main), viewer);
        QCOMPARE(viewer->currentTopic(), 0);
        QCOMPARE(main.findChildren<HelpViewer*>().size(), 1);
    }

    void followingALinkMovesTheTopicList() {
        HelpViewer viewer;
        viewer.showTopic(0);
        // What a click on a link in the text does.
        viewer.browser()->setSource(
            viewer.browser()->source().resolved(QUrl("drive-letters.html")));
        QCOMPARE(viewer.browser()->documentTitle(), "How drives get letters");
        QCOMPARE(viewer.topicList()->currentRow(), helpTopics().size() - 1);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
