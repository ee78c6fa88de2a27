#include "platform/linux/ParallelWalk.h"
#include "platform/linux/DirectoryEntries.h"
#include "platform/linux/PathDescriptors.h"
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <pthread.h>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace vok::linuxfs {

namespace {

using namespace std::chrono_literals;

constexpr int kMaxWorkers = 8;
constexpr auto kWaitSlice = 5ms;
constexpr auto kStopWait = 50ms;

// One entry read, its name in the directory's name buffer.
struct Item {
    qsizetype name;
    qint64 size;
    quint32 length;
    quint32 attr;
};

// A directory to walk. Name, inode and parent are fixed when it is found; what it holds is
// filled by the worker that reads it and belongs to the caller once it is Read.
struct Node {
    Node(Node* p, QByteArray n, ino_t i) : parent(p), name(std::move(n)), ino(i) {}
    enum class State { Waiting, Reading, Read, Unopened };

    Node* const parent;
    const QByteArray name; // as stored in the parent
    const ino_t ino;
    // Under the pool's lock:
    State state = State::Waiting;
    int fd = -1;         // while subdirectories are still to be opened through it
    int pins = 0;        // workers opening through fd now
    size_t unopened = 0; // subdirectories not yet opened
    // Written before Read, then the caller's:
    QByteArray names;
    std::vector<Item> items;
    std::vector<std::unique_ptr<Node>> children; // the subdirectories to enter, in read order

    bool onPath(ino_t i) const {
        for (const Node* n = this; n; n = n->parent)
            if (n->ino == i)
                return true;
        return false;
    }
};

// Times this thread gave up the processor in the kernel: waits for the disk, not turns taken by
// other threads (a worker reads unlocked, so no wait of its own lock counts).
long blockedWaits() {
    rusage usage{};
    return ::getrusage(RUSAGE_THREAD, &usage) == 0 ? usage.ru_nvcsw : 0;
}

// Shared by the caller and the workers, and kept by a worker that outlives the walk.
class Pool : public std::enable_shared_from_this<Pool> {
public:
    Pool(FileDescriptor root, const struct stat& st, const WalkRules& rules, int threads,
         WalkLimits limits)
        : rules_(rules), dev_(st.st_dev), target_(std::clamp(threads, 1, kMaxWorkers)),
          limits_(limits), rootFd_(std::move(root)),
          root_(std::make_unique<Node>(nullptr, QByteArray(), st.st_ino)) {
        root_->fd = rootFd_.get();
        waiting_.push_back(root_.get());
    }
    ~Pool() { closeBelow(*root_); }
    Pool(const Pool&) = delete;
    Pool& operator=(const Pool&) = delete;

    Node* root() const { return root_.get(); }

    void start() {
        std::unique_lock lock(m_);
        spawn();
    }

    // Waits until n is read or found unopenable, letting the visitor pace itself meanwhile.
    // False when the visitor or a failure ended the walk.
    bool await(Node* n, WalkVisitor& visitor) {
        std::unique_lock lock(m_);
        needed_ = n;
        if (n->state == Node::State::Waiting)
            work_.notify_one(); // a worker held back by the backlog takes it
        while (!stop_ && (n->state == Node::State::Waiting || n->state == Node::State::Reading)) {
            if (workers_ == 0 && n->state == Node::State::Waiting) {
                takeWaiting(n); // no thread could be started: the caller reads it
                read(lock, n);
                continue;
            }
            if (ready_.wait_for(lock, kWaitSlice) == std::cv_status::no_timeout)
                continue;
            lock.unlock();
            const bool going = visitor.pause();
            lock.lock();
            if (!going)
                stop_ = true;
        }
        needed_ = nullptr;
        return !stop_;
    }

    // Tells the visitor n's entries and lets the workers read further ahead.
    bool report(Node& n, WalkVisitor& visitor) {
        bool going = true;
        for (const Item& i : n.items)
            if (!visitor.entry(DirEntry{QByteArrayView(n.names.constData() + i.name, i.length),
                                        i.size, i.attr})) {
                going = false;
                break;
            }
        const size_t count = n.items.size() + 1;
        n.items = {};
        n.names = {};
        std::unique_lock lock(m_);
        const bool wasFull = backlog_ >= limits_.backlog;
        backlog_ -= std::min(backlog_, count);
        if (wasFull && backlog_ < limits_.backlog)
            work_.notify_all();
        return going;
    }

    // Stops every worker: none starts another system call. Waits a moment for them and leaves
    // those still in the kernel to end on their own; a failure of theirs is raised here.
    void end() {
        std::unique_lock lock(m_);
        stop_ = true;
        work_.notify_all();
        ready_.wait_for(lock, kStopWait, [this] { return running_ == 0; });
        const bool all = running_ == 0;
        std::vector<std::thread> threads = std::move(threads_);
        const std::exception_ptr failure = failure_;
        lock.unlock();
        for (std::thread& t : threads)
            all ? t.join() : t.detach();
        if (failure)
            std::rethrow_exception(failure);
    }

private:
    void spawn() {
        try {
            threads_.emplace_back([self = shared_from_this()] { self->serve(); });
        } catch (const std::system_error&) {
            return; // no more threads: those there are, or the caller, do the work
        }
        ++workers_;
        ++running_;
    }

    void serve() {
        ::pthread_setname_np(::pthread_self(), "vok-walk"); // as top -H and perf show it
        std::unique_lock lock(m_);
        while (!stop_) {
            Node* n = take();
            if (!n) {
                ++idle_;
                work_.wait(lock);
                --idle_;
                continue;
            }
            try {
                read(lock, n);
            } catch (...) { // out of memory: the walk ends, and the caller hears why
                if (!lock.owns_lock())
                    lock.lock();
                failure_ = std::current_exception();
                stop_ = true;
                ready_.notify_all();
            }
        }
        --running_;
        ready_.notify_all();
    }

    Node* take() {
        if (needed_ && needed_->state == Node::State::Waiting) {
            takeWaiting(needed_);
            return needed_;
        }
        if (backlog_ >= limits_.backlog || waiting_.empty())
            return nullptr;
        Node* n = waiting_.back();
        waiting_.pop_back();
        n->state = Node::State::Reading;
        return n;
    }

    void takeWaiting(Node* n) {
        waiting_.erase(std::find(waiting_.rbegin(), waiting_.rend(), n).base() - 1);
        n->state = Node::State::Reading;
    }

    // Opens and reads n: entered with the lock held, which it drops for the system calls.
    void read(std::unique_lock<std::mutex>& lock, Node* n) {
        const int fd = open(lock, n);
        if (fd < 0) {
            n->state = Node::State::Unopened;
            notifyRead(n);
            return;
        }
        lock.unlock();
        const long waitsBefore = blockedWaits();
        QByteArray names;
        std::vector<Item> items;
        std::vector<std::unique_ptr<Node>> children;
        readEntries(
            fd, rules_,
            [&](const DirEntry& e, const struct stat& st) {
                items.push_back(Item{names.size(), e.size, quint32(e.rawName.size()), e.attr});
                names.append(e.rawName.data(), e.rawName.size());
                if (entersSubdirectory(rules_, e, st, dev_) && !n->onPath(st.st_ino))
                    children.push_back(std::make_unique<Node>(
                        n, QByteArray(e.rawName.data(), e.rawName.size()), st.st_ino));
                return true;
            },
            &stop_);
        const bool waitedForDisk = blockedWaits() - waitsBefore > 1;
        lock.lock();
        n->names = std::move(names);
        n->items = std::move(items);
        n->children = std::move(children);
        n->unopened = n->children.size();
        n->fd = fd;
        if (n->parent && (n->children.empty() || held_ > limits_.heldDescriptors || stop_))
            closeFd(*n);
        backlog_ += n->items.size() + 1;
        n->state = Node::State::Read;
        if (!stop_) {
            for (auto c = n->children.rbegin(); c != n->children.rend(); ++c)
                waiting_.push_back(c->get());
            if (!n->children.empty()) {
                if (idle_ > 0)
                    work_.notify_all();
                // Another worker helps only while the caller waits; otherwise it takes the
                // processor from the caller's rows.
                else if (workers_ < target_ || (waitedForDisk && needed_ && workers_ < kMaxWorkers))
                    spawn();
            }
        }
        notifyRead(n);
    }

    void notifyRead(const Node* n) {
        if (n == needed_)
            ready_.notify_all();
    }

    // n's own descriptor, opened below its parent, or down from the nearest ancestor still
    // open, each step checked to be the directory that was read. Held when it returns.
    int open(std::unique_lock<std::mutex>& lock, Node* n) {
        if (!n->parent)
            return n->fd;
        std::vector<const Node*> down{n};
        Node* base = n->parent;
        while (base->fd < 0) { // the start is never closed
            down.push_back(base);
            base = base->parent;
        }
        ++base->pins;
        const int baseFd = base->fd;
        lock.unlock();
        int at = baseFd;
        for (auto step = down.rbegin(); step != down.rend() && at >= 0; ++step) {
            const int next = stop_.load() ? -1
                                          : ::openat(at, (*step)->name.constData(),
                                                     directoryOpenFlags() | O_NOFOLLOW);
            if (at != baseFd)
                ::close(at);
            at = next;
            if (at >= 0 && !sameDirectory(at, dev_, (*step)->ino)) {
                ::close(at);
                at = -1;
            }
        }
        lock.lock();
        --base->pins;
        --n->parent->unopened;
        release(*base);
        release(*n->parent);
        if (at >= 0)
            ++held_;
        return at;
    }

    // Closes a directory's descriptor once no subdirectory is left to open through it.
    void release(Node& n) {
        if (n.parent && n.fd >= 0 && n.pins == 0 && n.unopened == 0)
            closeFd(n);
    }

    void closeFd(Node& n) {
        ::close(n.fd);
        n.fd = -1;
        --held_;
    }

    void closeBelow(Node& n) {
        for (auto& c : n.children) {
            if (c->fd >= 0)
                ::close(c->fd);
            closeBelow(*c);
        }
    }

    const WalkRules rules_; // a copy: a worker left in the kernel may outlive the caller's
    const dev_t dev_;
    const int target_;
    const WalkLimits limits_;
    FileDescriptor rootFd_;
    std::unique_ptr<Node> root_;

    std::mutex m_;
    std::condition_variable work_;  // workers: something to read, or the end
    std::condition_variable ready_; // the caller: what it waits for is read, or a worker ended
    std::atomic<bool> stop_{false}; // also read without the lock, before each system call
    std::vector<Node*> waiting_;    // found, not yet taken; the next to take at the back
    Node* needed_ = nullptr;        // what the caller waits for
    size_t backlog_ = 0;            // entries and directories read, not yet reported
    int held_ = 0;                  // descriptors held, the start's not counted
    int workers_ = 0, idle_ = 0, running_ = 0;
    std::vector<std::thread> threads_;
    std::exception_ptr failure_;
};

// Ends the pool on every way out, a visitor's exception included.
class PoolEnd {
public:
    explicit PoolEnd(Pool& pool) : pool_(pool) {}
    ~PoolEnd() noexcept(false) {
        if (std::uncaught_exceptions() > 0) {
            try {
                pool_.end();
            } catch (...) { // the visitor's own exception is the one that travels
            }
        } else {
            pool_.end();
        }
    }
    PoolEnd(const PoolEnd&) = delete;
    PoolEnd& operator=(const PoolEnd&) = delete;

private:
    Pool& pool_;
};

} // namespace

void walkInParallel(FileDescriptor root, const struct stat& st, const WalkRules& rules,
                    WalkVisitor& visitor, int threads, WalkLimits limits) {
    const auto pool = std::make_shared<Pool>(std::move(root), st, rules, threads, limits);
    PoolEnd end(*pool);
    pool->start();
    struct Level {
        Node* node;
        size_t next;
    };
    std::vector<Level> path;
    if (pool->await(pool->root(), visitor) && pool->report(*pool->root(), visitor))
        path.push_back({pool->root(), 0});
    while (!path.empty()) {
        Level& top = path.back();
        if (top.next == top.node->children.size()) {
            top.node->children.clear(); // all read and reported: no worker looks at them
            path.pop_back();
            if (!path.empty())
                visitor.leave();
            continue;
        }
        Node* child = top.node->children[top.next++].get();
        if (!pool->await(child, visitor))
            return;
        if (child->state == Node::State::Unopened)
            continue;
        visitor.enter(child->name);
        if (!pool->report(*child, visitor))
            return;
        path.push_back({child, 0});
    }
}

} // namespace vok::linuxfs
