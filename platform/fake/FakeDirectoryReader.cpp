#include "platform/fake/FakeDirectoryReader.h"
#include <new>
#include <vector>

namespace vok {

struct FakeDirectoryReader::Node {
    QByteArray name;
    qint64 size = 0;
    quint32 attr = AttrDirectory;
    std::vector<std::unique_ptr<Node>> children;

    Node* child(const QByteArray& n) {
        for (auto& c : children)
            if (c->name == n)
                return c.get();
        return nullptr;
    }
};

FakeDirectoryReader::FakeDirectoryReader() : root_(std::make_unique<Node>()) {}
FakeDirectoryReader::~FakeDirectoryReader() = default;

static QList<QByteArray> partsOf(const QString& path) {
    QList<QByteArray> parts;
    for (const QByteArray& p : encodeFileName(path).split('/'))
        if (!p.isEmpty())
            parts << p;
    return parts;
}

static quint32 nameAttr(const QByteArray& name) {
    return name.startsWith('.') ? quint32(AttrHidden) : 0u;
}

FakeDirectoryReader::Node* FakeDirectoryReader::find(const QString& path) {
    Node* n = root_.get();
    for (const QByteArray& p : partsOf(path)) {
        n = n->child(p);
        if (!n)
            return nullptr;
    }
    return n;
}

FakeDirectoryReader::Node* FakeDirectoryReader::make(const QString& path) {
    Node* n = root_.get();
    for (const QByteArray& p : partsOf(path)) {
        Node* c = n->child(p);
        if (!c) {
            n->children.push_back(std::make_unique<Node>());
            c = n->children.back().get();
            c->name = p;
            c->attr = AttrDirectory | nameAttr(p);
        }
        n = c;
    }
    return n;
}

void FakeDirectoryReader::addFile(const QString& path, qint64 size, quint32 extraAttr) {
    Node* n = make(path);
    n->size = size;
    // As the real reader: only regular files carry the archive bit.
    n->attr =
        ((extraAttr & AttrSystem) ? 0u : quint32(AttrArchive)) | nameAttr(n->name) | extraAttr;
}

void FakeDirectoryReader::addDirectory(const QString& path) {
    make(path);
}

bool FakeDirectoryReader::remove(const QString& path) {
    const QList<QByteArray> parts = partsOf(path);
    if (parts.isEmpty())
        return false;
    Node* n = root_.get();
    for (qsizetype i = 0; n && i + 1 < parts.size(); ++i)
        n = n->child(parts[i]);
    if (!n)
        return false;
    for (auto it = n->children.begin(); it != n->children.end(); ++it) {
        if ((*it)->name == parts.last()) {
            n->children.erase(it);
            const qsizetype slash = path.lastIndexOf('/');
            const auto links = links_.find(slash <= 0 ? QString("/") : path.left(slash));
            if (links != links_.end())
                links->second.removeIf(
                    [&](const DirectoryLink& l) { return l.name == path.mid(slash + 1); });
            return true;
        }
    }
    return false;
}

bool FakeDirectoryReader::walk(const QString& dir, const WalkRules& rules, WalkVisitor& visitor) {
    walkedPaths << dir;
    Node* n = find(dir);
    if (!n || !(n->attr & AttrDirectory))
        return false;
    visit(*n, rules, visitor);
    return true;
}

bool FakeDirectoryReader::visit(Node& dir, const WalkRules& rules, WalkVisitor& visitor) {
    std::vector<Node*> enter;
    for (auto& c : dir.children) {
        const DirEntry e{QByteArrayView(c->name), c->size, c->attr};
        if (entriesUntilOutOfMemory >= 0 && entriesUntilOutOfMemory-- == 0)
            throw std::bad_alloc();
        if (!(c->attr & AttrDirectory) && rules.wants && !rules.wants(e.rawName))
            continue;
        if (!visitor.entry(e))
            return false;
        if (afterEntry)
            afterEntry();
        if ((c->attr & AttrDirectory) && rules.entersDirectory && rules.entersDirectory(e))
            enter.push_back(c.get());
    }
    for (Node* c : enter) {
        visitor.enter(c->name);
        if (!visit(*c, rules, visitor))
            return false; // a stopped walk ends where it is, as the real one does
        visitor.leave();
    }
    return true;
}

bool FakeDirectoryReader::fileExists(const QString& path) {
    const Node* n = find(path);
    return n && !(n->attr & AttrDirectory);
}

bool FakeDirectoryReader::isDirectory(const QString& path) {
    const Node* n = find(path);
    return n && (n->attr & AttrDirectory);
}

void FakeDirectoryReader::addDirectoryLink(const QString& path, const QString& target) {
    Node* link = make(path);
    link->size = encodeFileName(target).size(); // a link's size is that of its text
    link->attr = nameAttr(link->name);
    const qsizetype slash = path.lastIndexOf('/');
    const QString dir = slash <= 0 ? QString("/") : path.left(slash);
    links_[dir] << DirectoryLink{path.mid(slash + 1), target};
}

QList<DirectoryLink> FakeDirectoryReader::directoryLinks(const QString& dir) {
    const auto it = links_.find(dir);
    return it == links_.end() ? QList<DirectoryLink>{} : it->second;
}

} // namespace vok
