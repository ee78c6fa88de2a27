#include "platform/linux/ToplevelBook.h"
#include "platform/linux/WindowCaption.h"
#include <utility>

namespace vok {

ToplevelBook::Entry* ToplevelBook::find(Key key) {
    for (Entry& e : entries_)
        if (e.key == key)
            return &e;
    return nullptr;
}

void ToplevelBook::announced(Key key) {
    if (!find(key))
        entries_ << Entry{key, nextId_++, {}, false, false};
}

void ToplevelBook::titled(Key key, const QByteArray& utf8) {
    if (Entry* e = find(key))
        e->caption = captionFrom(utf8, CaptionEncoding::Utf8);
}

void ToplevelBook::activated(Key key, bool active) {
    if (Entry* e = find(key))
        e->active = active;
}

void ToplevelBook::described(Key key) {
    if (Entry* e = find(key)) {
        e->complete = true;
        changed_ = true;
    }
}

void ToplevelBook::closed(Key key) {
    const qsizetype before = entries_.size();
    entries_.removeIf([key](const Entry& e) { return e.key == key; });
    changed_ = changed_ || entries_.size() != before;
}

QList<TopLevelWindow> ToplevelBook::windows() const {
    QList<TopLevelWindow> shown;
    for (int activeFirst = 1; activeFirst >= 0; --activeFirst)
        for (const Entry& e : entries_)
            if (e.complete && e.active == bool(activeFirst))
                shown << TopLevelWindow{e.id, e.caption};
    return shown;
}

QList<ToplevelBook::Key> ToplevelBook::keys() const {
    QList<Key> all;
    for (const Entry& e : entries_)
        all << e.key;
    return all;
}

bool ToplevelBook::takeChanged() {
    return std::exchange(changed_, false);
}

} // namespace vok
