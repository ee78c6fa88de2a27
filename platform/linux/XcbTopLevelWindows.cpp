#include "platform/linux/XcbTopLevelWindows.h"
#include "platform/linux/WindowCaption.h"
#include <QSocketNotifier>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace vok {

namespace {

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

template <typename Reply> std::unique_ptr<Reply, decltype(&std::free)> owned(Reply* reply) {
    return {reply, &std::free};
}

struct Atoms {
    xcb_atom_t stacking = XCB_ATOM_NONE;
    xcb_atom_t wmCheck = XCB_ATOM_NONE;
    xcb_atom_t netName = XCB_ATOM_NONE;
    xcb_atom_t utf8 = XCB_ATOM_NONE;
};

// Only atoms that exist already: a missing one means nobody uses it, and Vok creates none.
Atoms internAtoms(xcb_connection_t* c) {
    const char* names[] = {"_NET_CLIENT_LIST_STACKING", "_NET_SUPPORTING_WM_CHECK", "_NET_WM_NAME",
                           "UTF8_STRING"};
    xcb_intern_atom_cookie_t cookies[4];
    for (int i = 0; i < 4; ++i)
        cookies[i] = xcb_intern_atom(c, 1, uint16_t(strlen(names[i])), names[i]);
    xcb_atom_t found[4];
    for (int i = 0; i < 4; ++i) {
        auto reply = owned(xcb_intern_atom_reply(c, cookies[i], nullptr));
        found[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return {found[0], found[1], found[2], found[3]};
}

// Large enough for any caption of kCaptionLimit characters in UTF-8, in 32-bit units.
constexpr uint32_t kCaptionLongs = (kCaptionLimit * 4 + 3) / 4 + 1;
constexpr uint32_t kListLongs = 1u << 16;

// The 32-bit values of a window property of the given type; empty when it is missing or the
// window is gone.
QList<xcb_window_t> windowList(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property,
                               bool* present = nullptr) {
    if (present)
        *present = false;
    if (property == XCB_ATOM_NONE)
        return {};
    auto reply = owned(xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, property, XCB_ATOM_WINDOW, 0, kListLongs), nullptr));
    if (!reply || reply->type != XCB_ATOM_WINDOW || reply->format != 32)
        return {};
    if (present)
        *present = true;
    const auto* values = static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    return QList<xcb_window_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

// A window manager that has gone leaves its lists behind on the root window; one that runs
// names a check window that names itself.
bool windowManagerRuns(xcb_connection_t* c, xcb_window_t root, const Atoms& atoms) {
    const QList<xcb_window_t> check = windowList(c, root, atoms.wmCheck);
    if (check.size() != 1)
        return false;
    const QList<xcb_window_t> self = windowList(c, check[0], atoms.wmCheck);
    return self.size() == 1 && self[0] == check[0];
}

// Bottom first, as X stacks them.
QList<xcb_window_t> stackedBottomUp(xcb_connection_t* c, xcb_window_t root, const Atoms& atoms) {
    if (windowManagerRuns(c, root, atoms)) {
        bool published = false;
        QList<xcb_window_t> clients = windowList(c, root, atoms.stacking, &published);
        if (published)
            return clients;
    }
    auto tree = owned(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
    if (!tree)
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return QList<xcb_window_t>(children, children + xcb_query_tree_children_length(tree.get()));
}

QByteArray propertyBytes(xcb_get_property_reply_t* reply) {
    if (!reply || reply->format != 8)
        return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                      xcb_get_property_value_length(reply));
}

struct Display {
    Connection c{nullptr, &xcb_disconnect};
    xcb_window_t root = XCB_WINDOW_NONE;
};

// A connection to the display and its screen's root window; no connection when there is none.
Display connectTo(const QByteArray& display) {
    const QByteArray name = display.isEmpty() ? qgetenv("DISPLAY") : display;
    if (name.isEmpty())
        return {};
    int screenNumber = 0;
    Connection c(xcb_connect(name.constData(), &screenNumber), &xcb_disconnect);
    if (!c || xcb_connection_has_error(c.get()))
        return {};
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c.get()));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return {};
    return {std::move(c), screens.data->root};
}

// Tells of each batch of events that may have changed the list: the window manager's stacking
// list republished, or, where no window manager keeps one, a root child made, mapped,
// restacked or gone. Events are read whenever the connection's socket has some.
class XcbWatch : public TopLevelWindowsWatch {
public:
    XcbWatch(Display display, std::function<void()> changed)
        : d_(std::move(display)), changed_(std::move(changed)),
          notifier_(xcb_get_file_descriptor(d_.c.get()), QSocketNotifier::Read) {
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(d_.c.get(), d_.root, XCB_CW_EVENT_MASK, &mask);
        atoms_ = internAtoms(d_.c.get());
        managerListsStacking_ = listsStacking();
        QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { readEvents(); });
        // Events that came with the answers above are queued already; the socket will not
        // tell of them.
        QMetaObject::invokeMethod(
            &notifier_, [this] { readEvents(); }, Qt::QueuedConnection);
    }

private:
    bool listsStacking() {
        bool published = false;
        if (windowManagerRuns(d_.c.get(), d_.root, atoms_))
            windowList(d_.c.get(), d_.root, atoms_.stacking, &published);
        return published;
    }

    void readEvents() {
        bool changed = false;
        while (auto event = owned(xcb_poll_for_event(d_.c.get()))) {
            switch (event->response_type & 0x7f) {
            case XCB_PROPERTY_NOTIFY: {
                const auto* p = reinterpret_cast<xcb_property_notify_event_t*>(event.get());
                if (p->window == d_.root && p->atom == atoms_.wmCheck) {
                    managerListsStacking_ = listsStacking();
                    changed = true;
                } else if (p->window == d_.root && p->atom == atoms_.stacking) {
                    changed = true;
                }
                break;
            }
            case XCB_CREATE_NOTIFY:
            case XCB_DESTROY_NOTIFY:
            case XCB_MAP_NOTIFY:
            case XCB_UNMAP_NOTIFY:
            case XCB_REPARENT_NOTIFY:
            case XCB_CONFIGURE_NOTIFY:
            case XCB_CIRCULATE_NOTIFY:
                changed = changed || !managerListsStacking_;
                break;
            default:
                break;
            }
        }
        // A display that went away tells nothing more.
        if (xcb_connection_has_error(d_.c.get()))
            notifier_.setEnabled(false);
        if (changed)
            changed_();
    }

    Display d_;
    std::function<void()> changed_;
    QSocketNotifier notifier_;
    Atoms atoms_;
    bool managerListsStacking_ = false;
};

} // namespace

XcbTopLevelWindows::XcbTopLevelWindows(QByteArray display) : display_(std::move(display)) {}

std::unique_ptr<TopLevelWindowsWatch> XcbTopLevelWindows::watch(std::function<void()> changed) {
    Display d = connectTo(display_);
    if (!d.c)
        return nullptr;
    return std::make_unique<XcbWatch>(std::move(d), std::move(changed));
}

QList<TopLevelWindow> XcbTopLevelWindows::windows() {
    const Display d = connectTo(display_);
    if (!d.c)
        return {};
    xcb_connection_t* const c = d.c.get();
    const xcb_window_t root = d.root;

    const Atoms atoms = internAtoms(c);
    QList<xcb_window_t> ids = stackedBottomUp(c, root, atoms);
    std::reverse(ids.begin(), ids.end());

    // Ask for every caption first and collect the answers after, so the server is asked once.
    struct Pending {
        bool askedNetName = false;
        xcb_get_property_cookie_t netName{};
        xcb_get_property_cookie_t wmName{};
    };
    QList<Pending> pending;
    pending.reserve(ids.size());
    for (xcb_window_t id : ids) {
        Pending p;
        p.askedNetName = atoms.netName != XCB_ATOM_NONE && atoms.utf8 != XCB_ATOM_NONE;
        if (p.askedNetName)
            p.netName = xcb_get_property(c, 0, id, atoms.netName, atoms.utf8, 0, kCaptionLongs);
        p.wmName = xcb_get_property(c, 0, id, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0,
                                    kCaptionLongs);
        pending << p;
    }
    QList<TopLevelWindow> result;
    result.reserve(ids.size());
    for (qsizetype i = 0; i < ids.size(); ++i) {
        // A window that has gone meanwhile answers with an error, and so has no caption.
        xcb_generic_error_t* error = nullptr;
        auto netName =
            owned(pending[i].askedNetName ? xcb_get_property_reply(c, pending[i].netName, &error)
                                          : nullptr);
        std::free(error);
        error = nullptr;
        auto wmName = owned(xcb_get_property_reply(c, pending[i].wmName, &error));
        std::free(error);
        QString caption;
        if (netName && netName->type == atoms.utf8)
            caption = captionFrom(propertyBytes(netName.get()), CaptionEncoding::Utf8);
        if (caption.isEmpty() && wmName)
            caption = captionFrom(propertyBytes(wmName.get()), wmName->type == atoms.utf8
                                                                   ? CaptionEncoding::Utf8
                                                                   : CaptionEncoding::Latin1);
        result << TopLevelWindow{ids[i], caption};
    }
    return result;
}

} // namespace vok
