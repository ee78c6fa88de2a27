#include "platform/linux/WaylandTopLevelWindows.h"
#include "plasma-window-management-client-protocol.h"
#include "platform/linux/ToplevelBook.h"
#include "platform/linux/WaylandConnection.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"
#include <QSocketNotifier>
#include <algorithm>
#include <wayland-client.h>

namespace vok {

namespace {

// A listener entry for an event that Vok has no use for: libwayland calls every entry.
template <typename F> struct Ignore;
template <typename... A> struct Ignore<void (*)(A...)> {
    static void call(A...) {}
};
#define VOK_IGNORED(Listener, member) Ignore<decltype(Listener::member)>::call

constexpr char kWlrManager[] = "zwlr_foreign_toplevel_manager_v1";
constexpr char kPlasmaManager[] = "org_kde_plasma_window_management";
// Version 4 brought initial_state and the destructor; 12 is the last whose windows arrive by
// the plain window event.
constexpr quint32 kPlasmaLeast = 4;
constexpr quint32 kPlasmaMost = 12;

ToplevelBook::Key keyOf(const void* handle) {
    return ToplevelBook::Key(handle);
}

// The events both protocols share, for a toplevel's proxy of either.
template <typename Proxy> void titled(void* book, Proxy* p, const char* text) {
    static_cast<ToplevelBook*>(book)->titled(keyOf(p), QByteArray(text));
}

template <typename Proxy> void described(void* book, Proxy* p) {
    static_cast<ToplevelBook*>(book)->described(keyOf(p));
}

template <typename Proxy, void (*destroy)(Proxy*)> void closed(void* book, Proxy* p) {
    static_cast<ToplevelBook*>(book)->closed(keyOf(p));
    destroy(p);
}

// wlroots: each toplevel arrives as a handle, its details follow and end with done.
namespace wlr {

using Handle = zwlr_foreign_toplevel_handle_v1;
using HandleListener = zwlr_foreign_toplevel_handle_v1_listener;

void state(void* book, Handle* h, wl_array* states) {
    const auto* first = static_cast<const uint32_t*>(states->data);
    const auto* end = first + states->size / sizeof(uint32_t);
    static_cast<ToplevelBook*>(book)->activated(
        keyOf(h),
        std::find(first, end, uint32_t(ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED)) != end);
}

const HandleListener kHandleListener = {
    .title = titled<Handle>,
    .app_id = VOK_IGNORED(HandleListener, app_id),
    .output_enter = VOK_IGNORED(HandleListener, output_enter),
    .output_leave = VOK_IGNORED(HandleListener, output_leave),
    .state = state,
    .done = described<Handle>,
    .closed = closed<Handle, zwlr_foreign_toplevel_handle_v1_destroy>,
    .parent = VOK_IGNORED(HandleListener, parent),
};

void toplevel(void* book, zwlr_foreign_toplevel_manager_v1*, Handle* h) {
    static_cast<ToplevelBook*>(book)->announced(keyOf(h));
    zwlr_foreign_toplevel_handle_v1_add_listener(h, &kHandleListener, book);
}

const zwlr_foreign_toplevel_manager_v1_listener kManagerListener = {
    .toplevel = toplevel,
    .finished = VOK_IGNORED(zwlr_foreign_toplevel_manager_v1_listener, finished),
};

} // namespace wlr

// KDE Plasma: the manager names each window by an id, and Vok asks for the window itself.
namespace plasma {

using Window = org_kde_plasma_window;
using WindowListener = org_kde_plasma_window_listener;

void state(void* book, Window* w, uint32_t flags) {
    static_cast<ToplevelBook*>(book)->activated(
        keyOf(w), flags & ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE);
}

const WindowListener kWindowListener = {
    .title_changed = titled<Window>,
    .app_id_changed = VOK_IGNORED(WindowListener, app_id_changed),
    .state_changed = state,
    .virtual_desktop_changed = VOK_IGNORED(WindowListener, virtual_desktop_changed),
    .themed_icon_name_changed = VOK_IGNORED(WindowListener, themed_icon_name_changed),
    .unmapped = closed<Window, org_kde_plasma_window_destroy>,
    .initial_state = described<Window>,
    .parent_window = VOK_IGNORED(WindowListener, parent_window),
    .geometry = VOK_IGNORED(WindowListener, geometry),
    .icon_changed = VOK_IGNORED(WindowListener, icon_changed),
    .pid_changed = VOK_IGNORED(WindowListener, pid_changed),
    .virtual_desktop_entered = VOK_IGNORED(WindowListener, virtual_desktop_entered),
    .virtual_desktop_left = VOK_IGNORED(WindowListener, virtual_desktop_left),
    .application_menu = VOK_IGNORED(WindowListener, application_menu),
    .activity_entered = VOK_IGNORED(WindowListener, activity_entered),
    .activity_left = VOK_IGNORED(WindowListener, activity_left),
    .resource_name_changed = VOK_IGNORED(WindowListener, resource_name_changed),
};

void window(void* book, org_kde_plasma_window_management* manager, uint32_t id) {
    Window* w = org_kde_plasma_window_management_get_window(manager, id);
    static_cast<ToplevelBook*>(book)->announced(keyOf(w));
    org_kde_plasma_window_add_listener(w, &kWindowListener, book);
}

using ManagerListener = org_kde_plasma_window_management_listener;
const ManagerListener kManagerListener = {
    .show_desktop_changed = VOK_IGNORED(ManagerListener, show_desktop_changed),
    .window = window,
    .stacking_order_changed = VOK_IGNORED(ManagerListener, stacking_order_changed),
    .stacking_order_uuid_changed = VOK_IGNORED(ManagerListener, stacking_order_uuid_changed),
    .window_with_uuid = VOK_IGNORED(ManagerListener, window_with_uuid),
};

} // namespace plasma

// A connection with the compositor's toplevel list bound, and the book it fills.
class ToplevelSession {
public:
    explicit ToplevelSession(const QByteArray& display) : connection_(display) {
        if (const auto* g = connection_.global(kWlrManager)) {
            wlr_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(wl_registry_bind(
                connection_.registry(), g->name, &zwlr_foreign_toplevel_manager_v1_interface,
                std::min<quint32>(g->version, 3)));
            zwlr_foreign_toplevel_manager_v1_add_listener(wlr_, &wlr::kManagerListener, &book_);
        } else if (const auto* p = connection_.global(kPlasmaManager);
                   p && p->version >= kPlasmaLeast) {
            plasma_ = static_cast<org_kde_plasma_window_management*>(wl_registry_bind(
                connection_.registry(), p->name, &org_kde_plasma_window_management_interface,
                std::min(p->version, kPlasmaMost)));
            org_kde_plasma_window_management_add_listener(plasma_, &plasma::kManagerListener,
                                                          &book_);
        }
    }

    ~ToplevelSession() {
        for (ToplevelBook::Key key : book_.keys()) {
            if (wlr_)
                zwlr_foreign_toplevel_handle_v1_destroy(reinterpret_cast<wlr::Handle*>(key));
            else
                org_kde_plasma_window_destroy(reinterpret_cast<plasma::Window*>(key));
        }
        if (wlr_)
            zwlr_foreign_toplevel_manager_v1_destroy(wlr_);
        if (plasma_)
            org_kde_plasma_window_management_destroy(plasma_);
    }
    ToplevelSession(const ToplevelSession&) = delete;
    ToplevelSession& operator=(const ToplevelSession&) = delete;

    bool bound() const { return wlr_ || plasma_; }
    WaylandConnection& connection() { return connection_; }
    ToplevelBook& book() { return book_; }

    // Until the compositor has described every toplevel: a Plasma window is asked for after
    // the manager names it, so that takes a second answer.
    bool settle() { return connection_.roundtrip() && connection_.roundtrip(); }

private:
    WaylandConnection connection_;
    ToplevelBook book_;
    zwlr_foreign_toplevel_manager_v1* wlr_ = nullptr;
    org_kde_plasma_window_management* plasma_ = nullptr;
};

class WaylandWatch : public TopLevelWindowsWatch {
public:
    WaylandWatch(std::unique_ptr<ToplevelSession> session, std::function<void()> changed)
        : session_(std::move(session)), changed_(std::move(changed)),
          notifier_(wl_display_get_fd(session_->connection().display()), QSocketNotifier::Read) {
        session_->book().takeChanged();
        QObject::connect(&notifier_, &QSocketNotifier::activated, &notifier_, [this] { read(); });
    }

private:
    void read() {
        wl_display* d = session_->connection().display();
        while (wl_display_prepare_read(d) != 0)
            wl_display_dispatch_pending(d);
        if (wl_display_read_events(d) < 0 || wl_display_dispatch_pending(d) < 0) {
            // The compositor has gone or failed the connection: nothing more will be heard.
            notifier_.setEnabled(false);
            return;
        }
        wl_display_flush(d);
        if (session_->book().takeChanged())
            changed_();
    }

    std::unique_ptr<ToplevelSession> session_;
    std::function<void()> changed_;
    QSocketNotifier notifier_;
};

} // namespace

WaylandTopLevelWindows::WaylandTopLevelWindows(QByteArray display) : display_(std::move(display)) {}

bool WaylandTopLevelWindows::offered() const {
    const WaylandConnection c(display_);
    if (c.global(kWlrManager))
        return true;
    const auto* p = c.global(kPlasmaManager);
    return p && p->version >= kPlasmaLeast;
}

QList<TopLevelWindow> WaylandTopLevelWindows::windows() {
    ToplevelSession session(display_);
    if (!session.bound() || !session.settle())
        return {};
    return session.book().windows();
}

std::unique_ptr<TopLevelWindowsWatch> WaylandTopLevelWindows::watch(std::function<void()> changed) {
    auto session = std::make_unique<ToplevelSession>(display_);
    if (!session->bound() || !session->settle())
        return nullptr;
    return std::make_unique<WaylandWatch>(std::move(session), std::move(changed));
}

} // namespace vok
