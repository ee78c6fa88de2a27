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
    // Another window took the focus before this one had it: the show's activation never came.
    if (w && !current_.self)
        justShown_ = false;
}

bool ActivationWatcher::eventFilter(QObject* watched, QEvent* e) {
    if (watched != window_)
        return false;
    if (e->type() == QEvent::Show) {
        // Not every desktop activates a new window (focus-stealing prevention, a compositor
        // without a seat): a shown window is filled once it is up, and the activation that may
        // follow is the same one.
        justShown_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (window_->isVisible())
                    emit activated();
            },
            Qt::QueuedConnection);
    } else if (e->type() == QEvent::ActivationChange && window_->isActiveWindow()) {
        // The focus may already have been recorded as ours; then the holder before it counts.
        const Holder& from = current_.self ? previous_ : current_;
        const bool counts =
            !justShown_ &&
            (from.ownScreen || (from.nothing && otherPrograms_ == OtherPrograms::Count));
        justShown_ = false;
        if (counts)
            emit activated();
    }
    return false;
}

} // namespace vok
