#pragma once
#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace vok {

class DialogService;

// One page of Vok's help, in the order of the topic list.
struct HelpTopic {
    QString title; // in English, as the page's heading; shownTitle() is the user's language
    QString page;  // a resource URL, qrc:/help/...
};
const QList<HelpTopic>& helpTopics();
// The topic's title as the list shows it.
QString shownTitle(const HelpTopic& topic);

// Vok's help window: the topic list beside the page of the chosen topic.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(DialogService& dialogs, QWidget* parent = nullptr);
    void showTopic(int index);
    // The topic whose page is shown; -1 when a link led elsewhere.
    int currentTopic() const;
    QTextBrowser* browser() const { return browser_; }
    QListWidget* topicList() const { return list_; }

private:
    void followPage(const QUrl& page);

    QListWidget* list_;
    QTextBrowser* browser_;
};

// Shows the help window of `parent` (made on first use) at the topic of firstPage, or at the
// list's first topic when it names none.
HelpViewer* showHelp(DialogService& dialogs, QWidget* parent, const QUrl& firstPage = {});

} // namespace vok
