#include "controls/HelpViewer.h"
#include "controls/WindowAccessible.h"
#include "platform/ErrorHandler.h"
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextBrowser>

// The resource lives in a static library; without a reference the linker drops it.
static void initHelpResource() {
    Q_INIT_RESOURCE(vokhelp);
    Q_INIT_RESOURCE(vokabout);
}

namespace vok {

const QList<HelpTopic>& helpTopics() {
    static const QList<HelpTopic> topics{
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "The Vok main window"), "qrc:/help/main.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "The Memory menu"), "qrc:/help/memory-menu.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "The Disk menu"), "qrc:/help/disk-menu.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "The Options menu"), "qrc:/help/options-menu.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "The craps game"), "qrc:/help/craps.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "The Help command"), "qrc:/help/help-command.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "Directory space screen"),
         "qrc:/help/directory-space.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "File search screen"), "qrc:/help/file-search.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "Directory tree screen"),
         "qrc:/help/directory-tree.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "All disks screen"), "qrc:/help/all-disks.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "Running windows screen"),
         "qrc:/help/running-windows.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "Process and module tree"),
         "qrc:/help/process-tree.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "File information screen"),
         "qrc:/help/file-information.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "Settings and where they live"),
         "qrc:/help/settings.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "How drives get letters"),
         "qrc:/help/drive-letters.html"},
        {QT_TRANSLATE_NOOP("vok::HelpViewer", "About Vok"), "qrc:/help/about.html"},
    };
    return topics;
}

QString shownTitle(const HelpTopic& topic) {
    return QCoreApplication::translate("vok::HelpViewer", topic.title.toUtf8().constData());
}

HelpViewer::HelpViewer(DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), list_(new QListWidget), browser_(new QTextBrowser) {
    initHelpResource();
    installWindowAccessibility();
    setWindowTitle(tr("Vok Help"));
    resize(720, 480);
    list_->setAccessibleName(tr("Help topics"));
    for (const HelpTopic& t : helpTopics())
        list_->addItem(shownTitle(t));
    list_->setMaximumWidth(220);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(browser_, 1);
    connect(list_, &QListWidget::currentRowChanged, this,
            guardedSlot(dialogs, this, &HelpViewer::showTopic));
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    // The browser tells its new page before source() returns it.
    connect(browser_, &QTextBrowser::sourceChanged, this,
            guardedSlot(dialogs, this, &HelpViewer::followPage));
}

void HelpViewer::showTopic(int index) {
    if (index < 0 || index >= helpTopics().size())
        return;
    const QUrl page(helpTopics()[index].page);
    if (browser_->source() != page)
        browser_->setSource(page);
    followPage(page);
}

namespace {
int topicOf(const QUrl& page) {
    const QString url = page.toString(QUrl::RemoveFragment);
    for (int i = 0; i < helpTopics().size(); ++i) {
        if (helpTopics()[i].page == url)
            return i;
    }
    return -1;
}
} // namespace

int HelpViewer::currentTopic() const {
    return topicOf(browser_->source());
}

// Keeps the list on the topic shown, also after a link in the text was followed.
void HelpViewer::followPage(const QUrl& page) {
    const QSignalBlocker block(list_);
    list_->setCurrentRow(topicOf(page));
}

HelpViewer* showHelp(DialogService& dialogs, QWidget* parent, const QUrl& firstPage) {
    HelpViewer* viewer = parent ? parent->findChild<HelpViewer*>() : nullptr;
    if (!viewer) {
        viewer = new HelpViewer(dialogs, parent);
        if (!parent)
            viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    viewer->showTopic(qMax(0, topicOf(firstPage)));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

} // namespace vok
