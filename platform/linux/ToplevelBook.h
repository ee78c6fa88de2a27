#pragma once
#include "platform/TopLevelWindows.h"
#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace vok {

// What a Wayland compositor has told of its toplevels, whichever protocol it speaks: a toplevel
// counts once its first description is complete, and goes when the compositor says it closed.
// Wayland has no stacking order to give, so the active toplevel comes first and the others
// follow in the order the compositor announced them.
class ToplevelBook {
public:
    using Key = quintptr;

    void announced(Key key);
    void titled(Key key, const QByteArray& utf8);
    void activated(Key key, bool active);
    // The events before this one describe the toplevel as it is now.
    void described(Key key);
    void closed(Key key);

    QList<TopLevelWindow> windows() const;
    // Every toplevel announced and not closed, described or not.
    QList<Key> keys() const;
    // Changes since the last call: true once a change has been described or a toplevel closed.
    bool takeChanged();

private:
    struct Entry {
        Key key = 0;
        quint32 id = 0;
        QString caption;
        bool active = false;
        bool complete = false;
    };
    Entry* find(Key key);

    QList<Entry> entries_;
    quint32 nextId_ = 1;
    bool changed_ = false;
};

} // namespace vok
