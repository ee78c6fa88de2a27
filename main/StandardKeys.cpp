// The keys every desktop program has, for all of Vok's windows.
#include "main/StandardKeys.h"
#include "controls/HelpViewer.h"
#include "platform/ErrorHandler.h"
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTimer>

namespace vok {

namespace {

// The help page on a window of Vok, by its name; the main window's for any other.
QUrl helpPageOf(const QWidget* window) {
    static const QHash<QString, QString> pages{
        {"FmDir", "directory-space"},     {"fmFiles", "file-search"},
        {"fmTree", "directory-tree"},     {"fmAlldisk", "all-disks"},
        {"fmMem", "running-windows"},     {"FmMemTree", "process-tree"},
        {"FileInfo", "file-information"},
    };
    const QString page = window ? pages.value(window->objectName(), "main") : QString("main");
    return QUrl("qrc:/help/" + page + ".html");
}

} // namespace

StandardKeys::StandardKeys(QMainWindow& main, DialogService& dialogs,
                           std::function<void()> mainHelp)
    : QObject(&main), main_(main), dialogs_(dialogs), mainHelp_(std::move(mainHelp)) {
    // Seen before any window: the screens run modal, and a shortcut of the main window would
    // be blocked by them.
    qApp->installEventFilter(this);
}

bool StandardKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    QWidget* front = static_cast<QWidget*>(watched)->window();
    if (key->matches(QKeySequence::HelpContents)) {
        runGuarded(dialogs_, [&] {
            if (front == &main_)
                mainHelp_();
            else
                showHelp(dialogs_, &main_, helpPageOf(front));
        });
        return true;
    }
    if (key->matches(QKeySequence::Close) && front != &main_) {
        front->close();
        return true;
    }
    // Ctrl+Q also where the platform's key scheme gives Quit no key (the Windows one, which
    // Qt's offscreen and minimal platforms use).
    if (key->matches(QKeySequence::Quit) ||
        key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Q)) {
        // The screen in front ends first, then the main window closes as when its user closes it.
        if (front != &main_)
            front->close();
        QTimer::singleShot(0, &main_, [this] { main_.close(); });
        return true;
    }
    return false;
}

} // namespace vok
