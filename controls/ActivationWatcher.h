#pragma once
#include <QObject>

class QWidget;
class QWindow;

namespace vok {

// Tells when a window becomes the active one in a way its screen reacts to: when it has just
// been shown (activated by the desktop or not), or when the user moves to it from another open
// window of Vok. Closing a dialog
// or message box over it is no activation. Coming back from another program counts only where
// the screen asks for it.
class ActivationWatcher : public QObject {
    Q_OBJECT
public:
    enum class OtherPrograms { Ignore, Count };
    ActivationWatcher(QWidget* window, OtherPrograms otherPrograms);

signals:
    void activated();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // What held the focus, recorded when it did: dialogs may be gone by the time we ask.
    struct Holder {
        bool nothing = true;    // no window of Vok: another program
        bool self = false;      // the watched window
        bool ownScreen = false; // another window of Vok that stays open beside it
    };
    Holder describe(QWindow* w) const;
    void focusMoved(QWindow* w);

    QWidget* window_;
    OtherPrograms otherPrograms_;
    Holder current_;
    Holder previous_;
    bool justShown_ = false; // shown, and its activation is still to come
};

} // namespace vok
