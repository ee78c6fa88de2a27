#include "controls/ActivationWatcher.h"
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace vok {

ActivationWatcher::ActivationWatcher(QWidget* window, OtherPrograms otherPrograms)
    : QObject(window), window_(window), otherPrograms_(otherPrograms) {
    window->installEventFilter(this);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ActivationWatcher::focusMoved);
    current_ = describe(QGuiApplication::focusWindow());
}

ActivationWatcher::Holder ActivationWatcher::describe(QWindow* w) const {
    Holder h;
    h.nothing = w == nullptr;
    h.self = w && w == window_->windowHandle();
    h.ownScreen = w && !h.self && w->modality() == Qt::NonModal && w->type() == Qt::Window;
    return h;
}

void ActivationWatcher::focusMoved(QWindow* w) {
    previous_ = current_;
    current_ = describe(w);
}

bool ActivationWatcher::eventFilter(QObject* watched, QEvent* e) {
    if (watched != window_)
        return false;
    if (e->type() == QEvent::Show) {
        justShown_ = true;
    } else if (e->type() == QEvent::ActivationChange && window_->isActiveWindow()) {
        // The focus may already have been recorded as ours; then the holder before it counts.
        const Holder& from = current_.self ? previous_ : current_;
        const bool counts = justShown_ || from.ownScreen ||
                            (from.nothing && otherPrograms_ == OtherPrograms::Count);
        justShown_ = false;
        if (counts)
            emit activated();
    }
    return false;
}

} // namespace vok
