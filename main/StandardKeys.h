#pragma once
#include <QObject>
#include <functional>

class QMainWindow;

namespace vok {

class DialogService;

// F1 opens the help on the window in front, Ctrl+Q closes Vok as closing its main window does,
// Ctrl+W closes the screen in front (never the main window): in every window of Vok, whatever
// has the focus. Made by the main window, which it belongs to.
class StandardKeys : public QObject {
public:
    StandardKeys(QMainWindow& main, DialogService& dialogs, std::function<void()> mainHelp);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& main_;
    DialogService& dialogs_;
    std::function<void()> mainHelp_; // the main window's own help command
};

} // namespace vok
