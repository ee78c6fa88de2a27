#pragma once
// OnlyOne: the single running copy of the main window (TOnlyOne).
#include <QString>

namespace vok {

class RunningCopy;

// Keeps a second copy of the program from running: made before any window, it finds out
// whether another copy runs, which is then brought forward while this one should end at once.
// In the copy that runs, a later start brings the window the user works in forward.
class TOnlyOne {
public:
    TOnlyOne(RunningCopy& copy, const QString& applicationTitle);

    bool anotherCopyRuns() const { return anotherCopyRuns_; }

    // "OnlyOne" and the first 20 characters of the title.
    static QString markerName(const QString& applicationTitle);

private:
    bool anotherCopyRuns_ = false;
};

// Restores the window the user works in when minimised, raises and activates it: the modal
// screen when one is open, otherwise the main window. On Wayland the compositor gives the
// focus only with the activation token of the copy that asked: Qt's Wayland shell takes it
// from $XDG_ACTIVATION_TOKEN when the window asks to be activated.
void bringApplicationForward(const QByteArray& activationToken);

} // namespace vok
